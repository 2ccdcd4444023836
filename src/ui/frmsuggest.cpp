#include "frmsuggest.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "cluedraft.h"
#include "dictionary.h"
#include "mainform.h"
#include "text.h"

namespace qbrx {

namespace {

// One timer tick searches for about this long before the window gets its
// events again.
constexpr qint64 kSliceMs = 40;
constexpr long kStepsPerCheck = 100;
// The list stops growing here; the search stops with it.
constexpr int kMostFills = 200;
// Without an exact set by then, sets with gaps are looked for.
constexpr qint64 kExactWaitMs = 10000;

QString screenText(const std::string& cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }

// The word as Accept will write it: capitalised under a capital crostic
// letter, as the dictionary gives it otherwise.
std::string acceptedForm(const FillTarget& target, std::string word) {
    if (!word.empty() && target.first >= 'A' && target.first <= 'Z') word[0] = static_cast<char>(upperChar(word[0]));
    return word;
}

// A suggested word's first definition, for its tooltip.
QString definitionTip(Mainform& form, const std::string& word) {
    return screenText(describeSenses(form.definitions(), word, 1));
}

// A set's words, each with its first definition, one a line.
QString fillTip(Mainform& form, const std::vector<std::string>& words) {
    QStringList lines;
    for (const std::string& word : words)
        if (const QString definition = definitionTip(form, word); !definition.isEmpty())
            lines << QStringLiteral("%1 (%2)").arg(screenText(word), definition);
    return lines.join(QLatin1Char('\n'));
}

QString answersText(int n) { return n == 1 ? QStringLiteral("1 answer") : QStringLiteral("%1 answers").arg(n); }

}  // namespace

frmSuggest::frmSuggest(Mainform& form, const Dictionary& dictionary, QWidget* parent)
    : QDialog(parent), form_(form), dictionary_(dictionary) {
    setObjectName(QStringLiteral("frmSuggest"));
    setWindowTitle(QStringLiteral("Suggest Answers"));
    setModal(true);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    auto* lblNewAnswers = new QLabel(QStringLiteral("New answers to add after the last one:"), this);
    spnNewAnswers = new QSpinBox(this);
    spnNewAnswers->setObjectName(QStringLiteral("spnNewAnswers"));
    lstFills = new QListWidget(this);
    lstFills->setObjectName(QStringLiteral("lstFills"));
    lstFills->setAccessibleName(QStringLiteral("Sets of answers"));
    lstFills->setMinimumWidth(420);
    lstSlots = new QListWidget(this);
    lstSlots->setObjectName(QStringLiteral("lstSlots"));
    lstSlots->setAccessibleName(QStringLiteral("Answers of the chosen set"));
    lstSlots->setMaximumWidth(200);
    prgSearch = new QProgressBar(this);
    prgSearch->setObjectName(QStringLiteral("prgSearch"));
    prgSearch->setAccessibleName(QStringLiteral("Search"));
    prgSearch->setTextVisible(false);
    chkDraftClues = new QCheckBox(QStringLiteral("Draft clues"), this);
    chkDraftClues->setObjectName(QStringLiteral("chkDraftClues"));
    chkDraftClues->setToolTip(QStringLiteral("Write a clue drafted from each word's definitions as its question"));
    chkDraftClues->setChecked(true);
    cmdStop = button("cmdStop", QStringLiteral("Stop"));
    cmdUse = button("cmdUse", QStringLiteral("Use Answers"));
    cmdClose = button("cmdClose", QStringLiteral("Close"));
    lblNewAnswers->setBuddy(spnNewAnswers);

    auto* newAnswers = new QHBoxLayout;
    newAnswers->addWidget(lblNewAnswers);
    newAnswers->addWidget(spnNewAnswers);
    newAnswers->addStretch();
    auto* lists = new QHBoxLayout;
    lists->addWidget(lstFills, 3);
    lists->addWidget(lstSlots, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(prgSearch, 1);
    buttons->addWidget(chkDraftClues);
    buttons->addWidget(cmdStop);
    buttons->addWidget(cmdUse);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus);
    layout->addLayout(newAnswers);
    layout->addWidget(new QLabel(QStringLiteral("Sets of answers found (choose one; untick a slot to leave it empty):"), this));
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(860, 420);

    timer_ = new QTimer(this);
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, &frmSuggest::timerTick);
    connect(cmdStop, &QPushButton::clicked, this, &frmSuggest::stopSearch);
    connect(cmdUse, &QPushButton::clicked, this, &frmSuggest::useAnswers);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstFills, &QListWidget::currentRowChanged, this, &frmSuggest::showFill);
    connect(lstFills, &QListWidget::itemDoubleClicked, this, &frmSuggest::useAnswers);
    connect(spnNewAnswers, &QSpinBox::valueChanged, this, [this] { startSearch(); });

    const Document& doc = form_.editor().doc;
    {
        const QSignalBlocker quiet(spnNewAnswers);
        spnNewAnswers->setRange(0, std::max(0, kMaxSlots - doc.questionCount));
        spnNewAnswers->setValue(suggestedNewSlots(doc));
    }
    lexicon_ = std::make_unique<FillLexicon>(fillLexicon(dictionary_));
    lstFills->setFocus();
}

frmSuggest::~frmSuggest() = default;

void frmSuggest::startSearch() {
    timer_->stop();
    stopped_ = false;
    lstFills->clear();
    lstSlots->clear();
    plan_ = planFill(form_.editor().doc, spnNewAnswers->value());
    // The seed comes from the program's random source, so that a fixed
    // --seed (and a test) gives the same suggestions.
    const auto seed = static_cast<std::uint64_t>(form_.editor().random().next() * 9007199254740992.0);
    filler_ = std::make_unique<AnswerFiller>(*lexicon_, fillRequest(plan_, seed));
    if (!filler_->finished()) timer_->start();
    searchClock_.start();
    showStatus();
}

bool frmSuggest::searching() const { return timer_->isActive(); }

bool frmSuggest::searchSome(long steps) {
    if (!filler_) return false;
    const bool more = filler_->run(steps) && lstFills->count() < kMostFills;
    listNewFills();
    if (!more) {
        filler_->stop();
        timer_->stop();
    }
    showStatus();
    return more;
}

void frmSuggest::timerTick() {
    if (filler_ && filler_->fills().empty() && searchClock_.elapsed() > kExactWaitMs) filler_->lookForGapsNow();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kSliceMs)
        if (!searchSome(kStepsPerCheck)) return;
}

void frmSuggest::stopSearch() {
    if (!filler_ || filler_->finished()) return;
    stopped_ = true;
    filler_->stop();
    timer_->stop();
    showStatus();
}

void frmSuggest::listNewFills() {
    const std::vector<Fill>& fills = filler_->fills();
    for (std::size_t i = static_cast<std::size_t>(lstFills->count()); i < fills.size(); ++i) {
        std::string row;
        for (std::size_t k = 0; k < fills[i].words.size(); ++k)
            row += (k > 0 ? "  " : "") + acceptedForm(plan_.targets[k], fills[i].words[k]);
        if (fills[i].gaps > 0) row += "   (" + std::to_string(fills[i].gaps) + (fills[i].gaps == 1 ? " gap)" : " gaps)");
        lstFills->addItem(screenText(row));
        lstFills->item(lstFills->count() - 1)->setToolTip(fillTip(form_, fills[i].words));
        if (lstFills->count() == 1) lstFills->setCurrentRow(0);
    }
}

void frmSuggest::showFill(int row) {
    lstSlots->clear();
    if (!filler_ || row < 0 || static_cast<std::size_t>(row) >= filler_->fills().size()) return;
    const Fill& fill = filler_->fills()[static_cast<std::size_t>(row)];
    for (std::size_t k = 0; k < fill.words.size(); ++k) {
        const FillTarget& t = plan_.targets[k];
        auto* item = new QListWidgetItem(
            screenText(questionLetter[static_cast<std::size_t>(t.slot)] + ". " + acceptedForm(t, fill.words[k])), lstSlots);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        item->setToolTip(definitionTip(form_, fill.words[k]));
    }
}

void frmSuggest::showStatus() {
    const int answers = static_cast<int>(plan_.targets.size());
    const int letters = filler_ ? filler_->lettersLeft() : 0;
    const int found = lstFills->count();
    QString text;
    if (answers == 0 && letters == 0)
        text = QStringLiteral("No letters are left for new answers.");
    else if (answers == 0)
        text = QStringLiteral("Every answer is written. Choose how many answers to add to use up the %1 letters left.")
                   .arg(letters);
    else if (filler_->lookingForGaps() && found > 0)
        text = QStringLiteral("No set of %1 uses exactly the %2 letters left. These leave the fewest gaps.")
                   .arg(answersText(answers))
                   .arg(letters);
    else if (searching())
        text = QStringLiteral("Looking for %1 that use up exactly the %2 letters left... %3 found so far.")
                   .arg(answersText(answers))
                   .arg(letters)
                   .arg(found);
    else if (found == 0)
        text = stopped_ ? QStringLiteral("Stopped before any set of answers was found.")
                        : QStringLiteral("No set of %1 fits the %2 letters left.").arg(answersText(answers)).arg(letters);
    else
        text = QStringLiteral("%1 of %2 that use up exactly the %3 letters left%4.")
                   .arg(found == 1 ? QStringLiteral("1 set") : QStringLiteral("%1 sets").arg(found))
                   .arg(answersText(answers))
                   .arg(letters)
                   .arg(stopped_ ? QStringLiteral(" (stopped)") : QString());
    // The crostic letters Setup put in the empty answers were taken from the
    // letters left; the fill gives them back.
    int free = 0;
    for (int l = 1; l <= 26; ++l) free += form_.editor().doc.letterLeftCount[static_cast<std::size_t>(l)];
    if (answers > 0 && letters > free && text.contains(QStringLiteral("letters left")))
        text += QStringLiteral("\nThe letters left include the %1 already in the empty answers.").arg(letters - free);
    lblStatus->setText(text);
    prgSearch->setRange(0, searching() ? 0 : 1);  // a busy bar while searching
    prgSearch->setValue(searching() ? 0 : 1);
    cmdStop->setEnabled(searching());
    cmdUse->setEnabled(lstFills->currentRow() >= 0);
}

void frmSuggest::useAnswers() {
    const int row = lstFills->currentRow();
    if (!filler_ || row < 0 || static_cast<std::size_t>(row) >= filler_->fills().size()) return;
    stopSearch();
    std::vector<std::string> words = filler_->fills()[static_cast<std::size_t>(row)].words;
    for (int k = 0; k < lstSlots->count() && static_cast<std::size_t>(k) < words.size(); ++k)
        if (lstSlots->item(k)->checkState() != Qt::Checked) words[static_cast<std::size_t>(k)].clear();
    const FillPlan plan = plan_;
    const std::vector<std::string> questions = chkDraftClues->isChecked()
                                                   ? draftForEach(form_.definitions(), words, plan.written)
                                                   : std::vector<std::string>();
    form_.perform([&plan, &words, &questions](Editor& e) {
        e.history.name("Use Answers");
        acceptFill(e, plan, words, questions);
    });
    accept();
}

}  // namespace qbrx
