// SPDX-License-Identifier: GPL-3.0-or-later
#include "suggestdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "cluedraft.h"
#include "dictionary.h"
#include "mainwindow.h"
#include "preferences.h"
#include "qttext.h"

namespace qbrx {

namespace {

// One timer tick searches for about this long before the window gets its
// events again.
constexpr qint64 kSliceMs = 40;
constexpr long kStepsPerCheck = 100;
// The list stops growing here; the search stops with it.
constexpr int kMostFills = 200;

// Familiarity marks: everyday words, less common ones, rare ones.
const QString kFamiliarMark = QStringLiteral("\u25CF");
const QString kLessCommonMark = QStringLiteral("\u25D0");
const QString kRareMark = QStringLiteral("\u25CB");
constexpr int kLessCommonRank = 50;

QString familiarityMark(int rank) {
    return rank <= kFamiliarRank ? kFamiliarMark : rank <= kLessCommonRank ? kLessCommonMark : kRareMark;
}

QString familiarityName(int rank) {
    return rank <= kFamiliarRank     ? QStringLiteral("familiar")
           : rank <= kLessCommonRank ? QStringLiteral("less common")
                                     : QStringLiteral("rare");
}

// A suggested word's first definition, for its tooltip.
QString definitionTip(MainWindow& form, const std::string& word) {
    return screenText(describeSenses(form.definitions(), word, 1));
}

// A set's words, each with its first definition, one a line.
QString fillTip(MainWindow& form, const std::vector<std::string>& words) {
    QStringList lines;
    for (const std::string& word : words)
        if (const QString definition = definitionTip(form, word); !definition.isEmpty())
            lines << QStringLiteral("%1 (%2)").arg(screenText(word), definition);
    return lines.join(QLatin1Char('\n'));
}

// A fill's score: the share of its words that are familiar, in per cent.
int fillScore(const Fill& fill) {
    const int n = static_cast<int>(fill.words.size());
    return n == 0 ? 0 : (100 * (n - fill.rare) + n / 2) / n;
}

QString answersText(int n) {
    return n == 1 ? QStringLiteral("1 answer") : QStringLiteral("%1 answers").arg(n);
}

QString secondsText(qint64 ms) {
    const qint64 s = (ms + 500) / 1000;
    return s == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(s);
}

void sortUnique(std::vector<std::string>& words) {
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
}

}  // namespace

std::string neverSuggestPath() { return (userConfigFolder() / "neversuggest.txt").string(); }

NeverSuggestDialog::NeverSuggestDialog(const std::vector<std::string>& words, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmNeverSuggest"));
    setWindowTitle(QStringLiteral("Never Suggest"));
    txtWords = new QPlainTextEdit(this);
    txtWords->setObjectName(QStringLiteral("txtWords"));
    txtWords->setAccessibleName(QStringLiteral("Words never to suggest"));
    QString text;
    for (const std::string& w : words) text += screenText(w) + QLatin1Char('\n');
    txtWords->setPlainText(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Words Suggest Answers never offers, one a line:"), this));
    layout->addWidget(txtWords, 1);
    layout->addWidget(buttons);
    resize(280, 320);
}

std::vector<std::string> NeverSuggestDialog::words() const {
    std::vector<std::string> list;
    for (const QString& line : txtWords->toPlainText().split(QLatin1Char('\n'))) {
        const QString w = line.trimmed().toLower();
        if (!w.isEmpty()) list.push_back(documentText(w));
    }
    sortUnique(list);
    return list;
}

SuggestDialog::SuggestDialog(MainWindow& form, const Dictionary& dictionary, QWidget* parent)
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
    auto spinBox = [this](const char* name, int low, int high, int value) {
        auto* s = new QSpinBox(this);
        s->setObjectName(QLatin1String(name));
        s->setRange(low, high);
        s->setValue(value);
        return s;
    };
    auto labelFor = [this](const QString& caption, QWidget* buddy) {
        auto* l = new QLabel(caption, this);
        l->setBuddy(buddy);
        return l;
    };
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblAdvice = new QLabel(this);
    lblAdvice->setObjectName(QStringLiteral("lblAdvice"));
    lblAdvice->setWordWrap(true);
    lblAdvice->hide();
    spnNewAnswers = spinBox("spnNewAnswers", 0, 0, 0);
    const FillChoices defaults;
    spnMinLength = spinBox("spnMinLength", kFillMinWord, kFillMaxWord, defaults.minLength);
    spnMaxLength = spinBox("spnMaxLength", kFillMinWord, kFillMaxWord, defaults.maxLength);
    chkFamiliarOnly = new QCheckBox(QStringLiteral("&Familiar words only"), this);
    chkFamiliarOnly->setObjectName(QStringLiteral("chkFamiliarOnly"));
    txtInclude = new QLineEdit(this);
    txtInclude->setObjectName(QStringLiteral("txtInclude"));
    txtInclude->setPlaceholderText(QStringLiteral("theme words, separated by commas"));
    lstFills = new QListWidget(this);
    lstFills->setObjectName(QStringLiteral("lstFills"));
    lstFills->setAccessibleName(QStringLiteral("Sets of answers"));
    lstFills->setMinimumWidth(460);
    lstSlots = new QListWidget(this);
    lstSlots->setObjectName(QStringLiteral("lstSlots"));
    lstSlots->setAccessibleName(QStringLiteral("Answers of the chosen set"));
    lstSlots->setMaximumWidth(220);
    lstSlots->setContextMenuPolicy(Qt::CustomContextMenu);
    prgSearch = new QProgressBar(this);
    prgSearch->setObjectName(QStringLiteral("prgSearch"));
    prgSearch->setAccessibleName(QStringLiteral("Search"));
    prgSearch->setTextVisible(false);
    chkDraftClues = new QCheckBox(QStringLiteral("Draft clues"), this);
    chkDraftClues->setObjectName(QStringLiteral("chkDraftClues"));
    chkDraftClues->setToolTip(
        QStringLiteral("Write a clue drafted from each word's definitions as its question"));
    chkDraftClues->setChecked(true);
    cmdNever = button("cmdNever", QStringLiteral("&Never Suggest..."));
    cmdStop = button("cmdStop", QStringLiteral("Stop"));
    cmdUse = button("cmdUse", QStringLiteral("Use Answers"));
    cmdClose = button("cmdClose", QStringLiteral("Close"));

    auto* options = new QHBoxLayout;
    options->addWidget(labelFor(QStringLiteral("New answers to add after the last one:"), spnNewAnswers));
    options->addWidget(spnNewAnswers);
    options->addSpacing(12);
    options->addWidget(labelFor(QStringLiteral("&Shortest:"), spnMinLength));
    options->addWidget(spnMinLength);
    options->addWidget(labelFor(QStringLiteral("&Longest:"), spnMaxLength));
    options->addWidget(spnMaxLength);
    options->addSpacing(12);
    options->addWidget(chkFamiliarOnly);
    options->addStretch();
    auto* words = new QHBoxLayout;
    words->addWidget(labelFor(QStringLiteral("&Must include:"), txtInclude));
    words->addWidget(txtInclude, 1);
    words->addWidget(cmdNever);
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
    layout->addWidget(lblAdvice);
    layout->addLayout(options);
    layout->addLayout(words);
    auto* lblFills =
        new QLabel(QStringLiteral("Sets of answers found, best first (%1 familiar, %2 less common, %3 rare; "
                                  "score: the share of familiar words). Choose one; untick a slot to "
                                  "leave it empty, right-click a word never to suggest it:")
                       .arg(kFamiliarMark, kLessCommonMark, kRareMark),
                   this);
    lblFills->setWordWrap(true);
    layout->addWidget(lblFills);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(900, 460);

    timer_ = new QTimer(this);
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, &SuggestDialog::timerTick);
    connect(cmdStop, &QPushButton::clicked, this, &SuggestDialog::stopSearch);
    connect(cmdUse, &QPushButton::clicked, this, &SuggestDialog::useAnswers);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdNever, &QPushButton::clicked, this, &SuggestDialog::editNeverSuggest);
    connect(lstFills, &QListWidget::currentRowChanged, this, &SuggestDialog::showFill);
    connect(lstFills, &QListWidget::itemDoubleClicked, this, &SuggestDialog::useAnswers);
    connect(lstSlots, &QListWidget::customContextMenuRequested, this, &SuggestDialog::slotMenu);
    for (QSpinBox* s : {spnNewAnswers, spnMinLength, spnMaxLength})
        connect(s, &QSpinBox::valueChanged, this, [this] { startSearch(); });
    connect(chkFamiliarOnly, &QCheckBox::toggled, this, [this] { startSearch(); });
    connect(txtInclude, &QLineEdit::editingFinished, this, [this] {
        if (txtInclude->isModified()) startSearch();
        txtInclude->setModified(false);
    });

    const Document& doc = form_.editor().doc;
    {
        const QSignalBlocker quiet(spnNewAnswers);
        spnNewAnswers->setRange(0, std::max(0, kMaxSlots - doc.questionCount));
        spnNewAnswers->setValue(suggestedNewSlots(doc));
    }
    readWordsFile(neverSuggestPath(), never_);
    sortUnique(never_);
    lexicon_ = std::make_unique<FillLexicon>(fillLexicon(dictionary_));
    lstFills->setFocus();
}

SuggestDialog::~SuggestDialog() = default;

FillChoices SuggestDialog::choices() const {
    FillChoices c;
    c.familiarOnly = chkFamiliarOnly->isChecked();
    c.minLength = std::min(spnMinLength->value(), spnMaxLength->value());
    c.maxLength = std::max(spnMinLength->value(), spnMaxLength->value());
    c.never = never_;
    for (const QString& w :
         txtInclude->text().split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts))
        c.include.push_back(documentText(w.toLower()));
    return c;
}

void SuggestDialog::startSearch() {
    timer_->stop();
    stopped_ = false;
    shown_.clear();
    lstFills->clear();
    lstSlots->clear();
    plan_ = planFill(form_.editor().doc, spnNewAnswers->value());
    // The seed comes from the program's random source, so that a fixed
    // --seed (and a test) gives the same suggestions.
    const auto seed = static_cast<std::uint64_t>(form_.editor().random().next() * 9007199254740992.0);
    request_ = fillRequest(plan_, seed, choices());
    search_ = std::make_unique<FillSearch>(*lexicon_, request_);
    if (!search_->finished()) timer_->start();
    searchClock_.start();
    showStatus();
}

bool SuggestDialog::searching() const { return timer_->isActive(); }

bool SuggestDialog::searchSome(long steps) {
    if (!search_) return false;
    const std::size_t before = search_->fills().size();
    const bool more = search_->run(steps) && static_cast<int>(search_->fills().size()) < kMostFills;
    if (search_->fills().size() != before || search_->fills().size() != shown_.size()) listFills();
    if (!more) {
        search_->stop();
        timer_->stop();
    }
    showStatus();
    return more;
}

void SuggestDialog::timerTick() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kSliceMs)
        if (!searchSome(kStepsPerCheck)) return;
}

void SuggestDialog::stopSearch() {
    if (!search_ || search_->finished()) return;
    stopped_ = true;
    search_->stop();
    timer_->stop();
    showStatus();
}

int SuggestDialog::levelOf(const std::string& word) const {
    const std::int32_t id = lexicon_->find(word);
    return id < 0 ? kRarestRank : lexicon_->entries()[static_cast<std::size_t>(id)].rank;
}

QString SuggestDialog::markedWord(const FillTarget& target, const std::string& word) const {
    return familiarityMark(levelOf(word)) + screenText(answerForm(target, word));
}

// The list shows the fills best first; a better fill found later goes
// above, and the selection stays on the fill it was on.
void SuggestDialog::listFills() {
    const int row = lstFills->currentRow();
    const std::vector<std::string> selected = row >= 0 && static_cast<std::size_t>(row) < shown_.size()
                                                  ? shown_[static_cast<std::size_t>(row)].words
                                                  : std::vector<std::string>();
    shown_ = search_->fills();
    const QSignalBlocker quiet(lstFills);
    lstFills->clear();
    int select = shown_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const Fill& fill = shown_[i];
        QStringList words;
        for (std::size_t k = 0; k < fill.words.size(); ++k)
            words << markedWord(plan_.targets[k], fill.words[k]);
        // The score first, where a long row does not hide it.
        QString text = QStringLiteral("%1%   ").arg(fillScore(fill), 3) + words.join(QStringLiteral("  "));
        if (fill.gaps > 0)
            text +=
                fill.gaps == 1 ? QStringLiteral("   (1 gap)") : QStringLiteral("   (%1 gaps)").arg(fill.gaps);
        auto* item = new QListWidgetItem(text, lstFills);
        item->setToolTip(QStringLiteral("%1 of %2 words familiar, %3 inflected forms")
                             .arg(static_cast<int>(fill.words.size()) - fill.rare)
                             .arg(fill.words.size())
                             .arg(fill.inflected) +
                         QStringLiteral("\n") + fillTip(form_, fill.words));
        if (!selected.empty() && fill.words == selected) select = static_cast<int>(i);
    }
    lstFills->setCurrentRow(select);
    showFill(select);
}

void SuggestDialog::showFill(int row) {
    lstSlots->clear();
    if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) return;
    const Fill& fill = shown_[static_cast<std::size_t>(row)];
    for (std::size_t k = 0; k < fill.words.size(); ++k) {
        const FillTarget& t = plan_.targets[k];
        auto* item = new QListWidgetItem(screenText(questionLetter[static_cast<std::size_t>(t.slot)] + ". ") +
                                             markedWord(t, fill.words[k]),
                                         lstSlots);
        item->setData(Qt::UserRole, screenText(fill.words[k]));
        const QString definition = definitionTip(form_, fill.words[k]);
        item->setToolTip(familiarityName(levelOf(fill.words[k])) +
                         (definition.isEmpty() ? QString() : QStringLiteral("\n") + definition));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
}

void SuggestDialog::showStatus() {
    const int answers = static_cast<int>(plan_.targets.size());
    const int letters = search_ ? search_->lettersLeft() : 0;
    const int found = lstFills->count();
    const bool exact = search_ && search_->hasExactFill();
    const QString searched = search_ && search_->provedNone()
                                 ? QStringLiteral("the search went through every possibility")
                                 : QStringLiteral("searched for %1").arg(secondsText(searchClock_.elapsed()));
    QString text;
    if (dictionary_.loadedWords() == 0)
        text = QString::fromLatin1(kNoDictionaryMessage);
    else if (answers == 0 && letters == 0)
        text = QStringLiteral("No letters are left for new answers.");
    else if (answers == 0)
        text = QStringLiteral(
                   "Every answer is written. Choose how many answers to add to use up the %1 letters left.")
                   .arg(letters);
    else if (!exact && found > 0)
        text = QStringLiteral(
                   "No set of %1 uses exactly the %2 letters left (%3). These leave the fewest gaps%4.")
                   .arg(answersText(answers))
                   .arg(letters)
                   .arg(searched)
                   .arg(searching() ? QStringLiteral("; still looking") : QString());
    else if (searching())
        text = QStringLiteral("Looking for %1 that use up exactly the %2 letters left... %3 found so far.")
                   .arg(answersText(answers))
                   .arg(letters)
                   .arg(found);
    else if (found == 0)
        text = stopped_ ? QStringLiteral("Stopped after %1 before any set of answers was found.")
                              .arg(secondsText(searchClock_.elapsed()))
                        : QStringLiteral("No set of %1 fits the %2 letters left (%3).")
                              .arg(answersText(answers))
                              .arg(letters)
                              .arg(searched);
    else
        text = QStringLiteral("%1 of %2 that use up exactly the %3 letters left%4.")
                   .arg(found == 1 ? QStringLiteral("1 set") : QStringLiteral("%1 sets").arg(found))
                   .arg(answersText(answers))
                   .arg(letters)
                   .arg(stopped_ ? QStringLiteral(" (stopped)") : QString());
    if (exact && shown_.front().rare > 0 && search_->provedNoFamiliarFill())
        text += QStringLiteral("\nNo set of familiar words alone fits.");
    // The crostic letters Setup put in the empty answers were taken from the
    // letters left; the fill gives them back.
    int free = 0;
    for (int l = 1; l <= 26; ++l) free += form_.editor().doc.letterLeftCount[static_cast<std::size_t>(l)];
    if (answers > 0 && letters > free && text.contains(QStringLiteral("letters left")))
        text += QStringLiteral("\nThe letters left include the %1 already in the empty answers.")
                    .arg(letters - free);
    if (search_ && !search_->included().empty() && request_.include.size() > search_->included().size())
        text += QStringLiteral("\nSome of the words that must be in do not fit the letters left.");
    lblStatus->setText(text);

    // What to try, once the search has had its time without an exact set.
    const bool stuck = answers > 0 && !exact && (search_->lookingForGaps() || !searching());
    QStringList advice;
    if (stuck)
        for (const std::string& line : fillAdvice(form_.editor().doc, plan_, request_, *lexicon_))
            advice << screenText(line);
    lblAdvice->setText(advice.isEmpty() ? QString()
                                        : QStringLiteral("What to try:\n") + advice.join(QLatin1Char('\n')));
    lblAdvice->setVisible(!advice.isEmpty());
    prgSearch->setRange(0, searching() ? 0 : 1);  // a busy bar while searching
    prgSearch->setValue(searching() ? 0 : 1);
    cmdStop->setEnabled(searching());
    cmdUse->setEnabled(lstFills->currentRow() >= 0);
}

void SuggestDialog::slotMenu(const QPoint& at) {
    QListWidgetItem* item = lstSlots->itemAt(at);
    if (item == nullptr) return;
    const std::string word = documentText(item->data(Qt::UserRole).toString());
    QMenu menu(this);
    menu.addAction(QStringLiteral("Never Suggest \"%1\"").arg(screenText(word)), this,
                   [this, word] { neverSuggest(word); });
    menu.exec(lstSlots->viewport()->mapToGlobal(at));
}

void SuggestDialog::neverSuggest(const std::string& word) {
    never_.push_back(qbrx::lower(word));
    sortUnique(never_);
    std::filesystem::create_directories(userConfigFolder());
    writeWordsFile(neverSuggestPath(), never_);
    startSearch();
}

void SuggestDialog::editNeverSuggest() {
    NeverSuggestDialog dialog(never_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    never_ = dialog.words();
    std::filesystem::create_directories(userConfigFolder());
    writeWordsFile(neverSuggestPath(), never_);
    startSearch();
}

void SuggestDialog::useAnswers() {
    const int row = lstFills->currentRow();
    if (!search_ || row < 0 || static_cast<std::size_t>(row) >= shown_.size()) return;
    stopSearch();
    std::vector<std::string> words = shown_[static_cast<std::size_t>(row)].words;
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
