#include "mainform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

#include "dicform.h"
#include "documentcommands.h"
#include "editcommands.h"
#include "frmabout.h"
#include "frmhelp.h"
#include "frmoptions.h"
#include "frmsplash.h"
#include "frmsuggest.h"
#include "frmtrouble.h"
#include "gridgeometry.h"
#include "menukeys.h"
#include "printing.h"
#include "printpreview.h"
#include "qttext.h"
#include "questioncheck.h"
#include "quoteshow.h"
#include "uifonts.h"

namespace qbrx {

namespace {

constexpr int kQuoteSelectAll = 65000;   // double-click in the quotation box
constexpr int kMinQuoteBoxTwips = 9600;  // the grid window is never narrower

const QColor kLightBlue(0xC0, 0xC0, 0xFF);

// A fixed light background; the text on it is drawn dark whatever the
// desktop's palette, so that it stays readable under a dark one.
void setBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// A label that shows a value (a count, a crostic letter) is named for what
// it shows; its accessible name carries the value after the name.
const char* const kValueName = "qbrxValueName";

void nameValue(QLabel* label, const QString& name) {
    label->setProperty(kValueName, name);
    label->setAccessibleName(name);
}

void setCaption(QLabel* label, const QString& text) {
    if (label->text() == text) return;
    label->setText(text);
    const QString name = label->property(kValueName).toString();
    if (!name.isEmpty()) label->setAccessibleName(text.isEmpty() ? name : name + QStringLiteral(": ") + text);
}

void setBoxText(QLineEdit* box, const QString& text) {
    if (box->text() != text) box->setText(text);
}

void setBoxText(QPlainTextEdit* box, const QString& text) {
    if (box->toPlainText() != text) box->setPlainText(text);
}

void selectIn(QLineEdit* box, const TextSelection& selection) {
    const int length = static_cast<int>(box->text().size());
    const int start = std::clamp(selection.start, 0, length);
    box->setSelection(start, std::clamp(selection.length, 0, length - start));
}

void selectIn(QPlainTextEdit* box, const TextSelection& selection) {
    QTextCursor cursor = box->textCursor();
    cursor.movePosition(QTextCursor::End);
    const int length = cursor.position();
    const int start = std::clamp(selection.start, 0, length);
    cursor.setPosition(start);
    cursor.setPosition(start + std::clamp(selection.length, 0, length - start), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

// A label with its control name.
QLabel* namedLabel(QWidget* parent, const QString& name, const QString& caption, const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    return label;
}

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption, const QFont& font) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(font);
    button->setAutoDefault(false);
    return button;
}

// A red marker frame: a box or a horizontal line.
QFrame* marker(QWidget* parent, const char* name, QFrame::Shape shape) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(2);
    setTextColor(frame, Qt::red);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->hide();
    return frame;
}

}  // namespace

// The question list, which reports the mouse after the click has changed
// the selected row.
class QuestionList final : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void()> mouseDown;
    std::function<void(Qt::MouseButton)> mouseUp;

protected:
    // The current slot's row is always shown selected: a click on the blank
    // area under the rows, or a Ctrl+click on the selected row, leaves the
    // selection as it is (the slot stays current, and Delete removes it).
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        if (!index.isValid() || (index == currentIndex() && selectionModel()->isSelected(index)))
            return QItemSelectionModel::NoUpdate;
        return QListWidget::selectionCommand(index, event);
    }
    void mousePressEvent(QMouseEvent* event) override {
        QListWidget::mousePressEvent(event);
        if (mouseDown) mouseDown();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const Qt::MouseButton button = event->button();
        QListWidget::mouseReleaseEvent(event);
        if (mouseUp) mouseUp(button);
    }
};

// ------------------------------------------------------------ construction

Mainform::Mainform(Prompter& prompter, RandomSource& random, const Dictionary& dictionary, QWidget* parent)
    : QMainWindow(parent), editor_(prompter, random), dictionary_(dictionary) {
    setObjectName(QStringLiteral("Mainform"));
    setWindowTitle(QString::fromLatin1(kProgramName));
    setFont(uiFont("Times New Roman", 10.5));

    wordSearch_ = std::make_unique<WordSearch>(dictionary, editor_.doc, prompter);
    editor_.history.enabled = true;
    editor_.onReset = [this] { wordSearch_->resetCounters(); };
    commands_ = std::make_unique<DocumentCommands>(editor_);

    buildMenus();  // first: the controls leave room under the menu bar for the grid window
    buildControls();
    connectControls();

    gridWindow_ = new Quoteshow;
    gridWindow_->onFocusChange = [this](bool gained) {
        perform([gained](Editor& e) { e.gridWindowFocus(gained); });
    };

    // Room to breathe beyond the controls' own sizes; on a small screen the
    // window starts short enough for its frame to fit, the question list
    // giving up rows.
    int height = sizeHint().height();
    if (const QScreen* shown = screen())
        height = std::min(height, std::max(minimumSizeHint().height(), shown->availableGeometry().height() - 48));
    resize(std::max(sizeHint().width(), 960), height);

    showPopup = [this](const QPoint& at) { Popmenu->exec(at); };
    onOpenDictionary = [this] {
        // The dictionary fills the answer box, so it opens clear of the
        // question and answer boxes and their buttons wherever it can.
        QRect boxes;
        for (const QWidget* w : std::initializer_list<const QWidget*>{lblQuestion, txtQuestion, txtAnswer, cmdAccept,
                                                                       cmdDictionary})
            boxes = boxes.united(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
        openDictionaryWindow(dictionaryWindow_, *wordSearch_, *this, this, boxes);
    };
    onHelpTopics = [this] { showHelp(this); };
    onHavingTrouble = [this] { showTrouble(this); };
    onAboutQuotabrix = [this] { showAbout(this); };
    applyEnabling();
    // Every item of the menu bar's menus answers to Alt and a letter.
    for (QMenu* m : {mnuFile, mnuEdit, mnuQbrx, mnuWindows, mnuHelp}) {
        giveMnemonics(m);
        guardKeyboardOpening(m);
    }
}

Mainform::~Mainform() {
    gridWindow_->onFocusChange = nullptr;
    delete gridWindow_;
    delete options_;
}

QWidget* Mainform::buildQuotationArea() {
    auto* area = new QWidget;
    const QFont small = uiFont("Arial", 7.5);

    lblEditquote = namedLabel(area, QStringLiteral("lblEditquote"), QStringLiteral("Edit Quotation"), uiFont("Arial", 15));

    txtQuote = new QPlainTextEdit(area);
    txtQuote->setObjectName(QStringLiteral("txtQuote"));
    txtQuote->setFont(uiFont("Arial", 10.5));
    txtQuote->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtQuote->setTabChangesFocus(true);
    txtQuote->setAccessibleName(QStringLiteral("Quotation"));
    // The grid window is as wide as this box (never narrower than 640
    // pixels) and opens over it; a box of that width keeps the counts and
    // the letters left beside it in view.
    txtQuote->setFixedWidth(kMinQuoteBoxTwips / kTwipsPerPixel);
    txtQuote->setMinimumHeight(120);

    // The Register button with the register-again markers around it.
    auto* registerPanel = new QWidget(area);
    registerPanel->setFixedSize(156, 46);
    cmdRegister = namedButton(registerPanel, "cmdRegister", QStringLiteral("Register"),
                              uiFont("Times New Roman", 9, true));
    cmdRegister->setGeometry(38, 10, 80, 26);
    shp1 = marker(registerPanel, "shp1", QFrame::Box);
    shp1->setGeometry(30, 2, 96, 42);
    shpRegister = marker(registerPanel, "shpRegister", QFrame::Box);
    shpRegister->setGeometry(34, 6, 88, 34);
    shp2 = marker(registerPanel, "shp2", QFrame::HLine);
    shp2->setGeometry(0, 18, 28, 10);
    shp3 = marker(registerPanel, "shp3", QFrame::HLine);
    shp3->setGeometry(128, 18, 28, 10);

    cmdQuote = namedButton(area, "cmdQuote", QStringLiteral("Show Quote"), uiFont("Times New Roman", 9));
    cmdQuote->setFixedWidth(96);

    Label9 = namedLabel(area, QStringLiteral("Label9"), QStringLiteral("Total Letters:"), small);
    lblTotalletters = namedLabel(area, QStringLiteral("lblTotalletters"), QString(), small);
    Label8 = namedLabel(area, QStringLiteral("Label8"), QStringLiteral("Vowels:"), small);
    lblvowels = namedLabel(area, QStringLiteral("lblvowels"), QString(), small);
    Label11 = namedLabel(area, QStringLiteral("Label11"), QStringLiteral("Consonants:"), small);
    lblconsonants = namedLabel(area, QStringLiteral("lblconsonants"), QString(), small);
    lblAverageTitle = namedLabel(area, QStringLiteral("lblAverageTitle"), QStringLiteral("Average Answer Length:"), small);
    lblAverage = namedLabel(area, QStringLiteral("lblAverage"), QString(), small);
    for (QLabel* count : {lblTotalletters, lblvowels, lblconsonants, lblAverage}) count->setMinimumWidth(24);
    nameValue(lblTotalletters, QStringLiteral("Total Letters"));
    nameValue(lblvowels, QStringLiteral("Vowels"));
    nameValue(lblconsonants, QStringLiteral("Consonants"));
    nameValue(lblAverage, QStringLiteral("Average Answer Length"));

    auto* counts = new QGridLayout;
    counts->setHorizontalSpacing(6);
    counts->setVerticalSpacing(1);
    counts->addWidget(Label9, 0, 0, Qt::AlignRight);
    counts->addWidget(lblTotalletters, 0, 1);
    counts->addWidget(Label8, 1, 0, Qt::AlignRight);
    counts->addWidget(lblvowels, 1, 1);
    counts->addWidget(Label11, 2, 0, Qt::AlignRight);
    counts->addWidget(lblconsonants, 2, 1);
    counts->addWidget(lblAverageTitle, 3, 0, Qt::AlignRight);
    counts->addWidget(lblAverage, 3, 1);
    counts->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(registerPanel);
    buttons->addWidget(cmdQuote, 0, Qt::AlignVCenter);
    buttons->addStretch();

    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addLayout(buttons);
    side->addLayout(counts);
    side->addWidget(buildLettersLeftStrip());
    side->addStretch();

    auto* quote = new QVBoxLayout;
    quote->setSpacing(4);
    quote->addWidget(lblEditquote);
    quote->addWidget(txtQuote, 1);

    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(24);
    row->addLayout(quote);
    row->addLayout(side, 1);
    return area;
}

QWidget* Mainform::buildLettersLeftStrip() {
    // Two rows of thirteen letters, each letter's count under it; the total
    // follows Z.
    auto* strip = new QWidget;
    auto* grid = new QGridLayout(strip);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(1);
    grid->setVerticalSpacing(1);

    Label7 = namedLabel(strip, QStringLiteral("Label7"), QStringLiteral("Letters Left:"), uiFont("Arial", 7.5));
    grid->addWidget(Label7, 0, 0, 1, 14);

    const QFont head = uiFont("Times New Roman", 9);
    const QFont count = uiFont("Arial", 9);
    for (int i = 0; i < 26; ++i) {
        const int row = 1 + 2 * (i / 13);
        const int column = i % 13;
        QLabel* top = namedLabel(strip, QStringLiteral("lblCountTop_%1").arg(i), QString(QChar('A' + i)), head);
        top->setAlignment(Qt::AlignCenter);
        top->setFixedSize(20, 16);
        setBackground(top, kLightBlue);
        lblCountTop[i] = top;
        grid->addWidget(top, row, column);
    }
    for (int i = 0; i < 27; ++i) {
        QLabel* left = namedLabel(strip, QStringLiteral("lblLettersleft_%1").arg(i), QString(),
                                  i == 26 ? uiFont("Arial", 7.5) : count);
        left->setAlignment(Qt::AlignCenter);
        left->setFixedSize(i == 26 ? 26 : 20, 16);
        nameValue(left, i == 26 ? QStringLiteral("Letters left in all")
                                : QStringLiteral("Letters left %1").arg(QChar('A' + i)));
        lblLettersleft[i] = left;
        if (i < 26)
            grid->addWidget(left, 2 + 2 * (i / 13), i % 13);
        else
            grid->addWidget(left, 4, 13);
    }
    grid->setColumnStretch(14, 1);
    return strip;
}

QWidget* Mainform::buildQuestionArea() {
    auto* area = new QWidget;
    const QFont small = uiFont("Times New Roman", 8.25);

    // Left: the question list and its buttons.
    lblQuestionlist = namedLabel(area, QStringLiteral("lblQuestionlist"), QStringLiteral("Question List"),
                                 uiFont("Arial", 11.25));
    auto* list = new QuestionList(area);
    lstQuestion = list;
    lstQuestion->setObjectName(QStringLiteral("lstQuestion"));
    lstQuestion->setFont(uiFont("MS Sans Serif", 8.25));
    lstQuestion->setAccessibleName(QStringLiteral("Question List"));
    lstQuestion->setMinimumSize(300, 110);
    list->mouseDown = [this] { perform([](Editor& e) { e.listMouseDown(); }); };
    list->mouseUp = [this](Qt::MouseButton button) { listMouseUp(button); };

    cmdMoveUp = new QToolButton(area);
    cmdMoveUp->setObjectName(QStringLiteral("cmdMoveUp"));
    cmdMoveUp->setArrowType(Qt::UpArrow);
    cmdMoveUp->setToolTip(QStringLiteral("Move Up"));
    cmdMoveUp->setAccessibleName(QStringLiteral("Move Up"));
    cmdMoveUp->setFixedSize(30, 28);
    cmdMoveDown = new QToolButton(area);
    cmdMoveDown->setObjectName(QStringLiteral("cmdMoveDown"));
    cmdMoveDown->setArrowType(Qt::DownArrow);
    cmdMoveDown->setToolTip(QStringLiteral("Move Down"));
    cmdMoveDown->setAccessibleName(QStringLiteral("Move Down"));
    cmdMoveDown->setFixedSize(30, 28);
    lblMove = namedLabel(area, QStringLiteral("lblMove"), QStringLiteral("Move"), font());
    lblMove->setAlignment(Qt::AlignCenter);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(cmdMoveUp, 0, Qt::AlignHCenter);
    moves->addWidget(lblMove, 0, Qt::AlignHCenter);
    moves->addWidget(cmdMoveDown, 0, Qt::AlignHCenter);
    moves->addStretch();

    cmdInsert = namedButton(area, "cmdInsert", QStringLiteral("Insert"), uiFont("Times New Roman", 9));
    cmdDelete = namedButton(area, "cmdDelete", QStringLiteral("Delete"), font());
    cmdJump = namedButton(area, "cmdJump", QStringLiteral("Jump to Last ?"), small);
    cmdEmpty = namedButton(area, "cmdEmpty", QStringLiteral("Find Empty Answers"), small);
    cmdGaps = namedButton(area, "cmdGaps", QStringLiteral("Find Gaps in Answers"), small);

    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lstQuestion, 1);
    listRow->addLayout(moves);

    auto* listButtons = new QGridLayout;
    listButtons->setSpacing(4);
    listButtons->addWidget(cmdInsert, 0, 0);
    listButtons->addWidget(cmdDelete, 0, 1);
    listButtons->addWidget(cmdJump, 0, 2);
    listButtons->addWidget(cmdEmpty, 1, 0, 1, 2);
    listButtons->addWidget(cmdGaps, 1, 2);

    auto* left = new QVBoxLayout;
    left->addWidget(lblQuestionlist);
    left->addLayout(listRow, 1);
    left->addLayout(listButtons);

    // Right: the question and answer boxes.
    lblQA = namedLabel(area, QStringLiteral("lblQA"), QStringLiteral("Edit Q && A"), uiFont("Arial", 11.25));
    lblQA->setTextFormat(Qt::PlainText);
    lblQA->setText(QStringLiteral("Edit Q & A"));
    lblQuestion = namedLabel(area, QStringLiteral("lblQuestion"), QStringLiteral("Question:"), font());
    txtQuestion = new QLineEdit(area);
    txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    txtQuestion->setFont(uiFont("Times New Roman", 9.75));
    txtQuestion->setAccessibleName(QStringLiteral("Question"));
    txtQuestion->setMinimumWidth(300);
    lblAnswer = namedLabel(area, QStringLiteral("lblAnswer"), QStringLiteral("Answer:"), font());
    txtAnswer = new QLineEdit(area);
    txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    txtAnswer->setFont(font());
    txtAnswer->setAccessibleName(QStringLiteral("Answer"));
    cmdAccept = namedButton(area, "cmdAccept", QStringLiteral("Accept"), uiFont("Times New Roman", 9));
    cmdDictionary = namedButton(area, "cmdDictionary", QStringLiteral("Dictionary"), uiFont("Times New Roman", 9, true));
    cmdAccept->setMinimumWidth(90);
    cmdDictionary->setMinimumWidth(90);
    cmdDraftClue = namedButton(area, "cmdDraftClue", QStringLiteral("Draft Clue"), uiFont("Times New Roman", 9));
    cmdDraftClue->setToolTip(QStringLiteral("Draft the question from the answer's definitions (Ctrl+L); again for the next one"));
    // Outside the Tab order; Ctrl+L reaches it from the keyboard.
    cmdDraftClue->setFocusPolicy(Qt::NoFocus);

    auto* boxes = new QGridLayout;
    boxes->setVerticalSpacing(8);
    boxes->addWidget(lblQuestion, 0, 0);
    boxes->addWidget(txtQuestion, 0, 1);
    boxes->addWidget(cmdDraftClue, 0, 2);
    boxes->addWidget(lblAnswer, 1, 0);
    boxes->addWidget(txtAnswer, 1, 1);

    auto* qaButtons = new QHBoxLayout;
    qaButtons->addStretch();
    qaButtons->addWidget(cmdAccept);
    qaButtons->addWidget(cmdDictionary);

    auto* right = new QVBoxLayout;
    right->addWidget(lblQA);
    right->addLayout(boxes);
    right->addLayout(qaButtons);
    right->addStretch();

    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(18);
    row->addLayout(left, 6);
    row->addLayout(right, 5);
    return area;
}

QWidget* Mainform::buildEncodedArea() {
    auto* area = new QWidget;
    lblEncodedTitle = namedLabel(area, QStringLiteral("lblEncodedTitle"), QStringLiteral("Encoded:"),
                                 uiFont("Times New Roman", 9, true));

    // The Encoded line shows each answer character followed by a space;
    // the number label of character k sits under it.
    encodedPanel_ = new QWidget(area);
    lblEncoded = namedLabel(encodedPanel_, QStringLiteral("lblEncoded"), QString(), uiFont("Courier New", 14.25));
    lblEncoded->setTextFormat(Qt::PlainText);
    lblEncoded->setMargin(0);
    lblEncoded->setIndent(0);
    nameValue(lblEncoded, QStringLiteral("Encoded"));
    const QFontMetrics metrics(lblEncoded->font());
    const int cell = metrics.horizontalAdvance(QLatin1Char('M'));
    const int lineHeight = metrics.height() + 2;
    const int lineWidth = cell * (1 + 2 * kNumberLabels) + 4;
    lblEncoded->setGeometry(0, 0, lineWidth, lineHeight);

    const QFont numbers = uiFont("Arial", 6.75);
    const int numberHeight = QFontMetrics(numbers).height() + 2;
    for (int k = 0; k < kNumberLabels; ++k) {
        QLabel* label = namedLabel(encodedPanel_, QStringLiteral("lblUnderCrostic_%1").arg(k), QString(), numbers);
        label->setAlignment(Qt::AlignCenter);
        setBackground(label, kLightBlue);
        // Centred under character k + 1 of the answer, at 1 + 2k cells.
        const int centre = cell * (1 + 2 * k) + cell / 2;
        label->setGeometry(centre - cell + 1, lineHeight, 2 * cell - 2, numberHeight);
        nameValue(label, QStringLiteral("Letter number %1").arg(k + 1));
        lblUnderCrostic[k] = label;
    }
    encodedPanel_->setFixedSize(lineWidth, lineHeight + numberHeight);

    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(lblEncodedTitle, 0, Qt::AlignTop);
    row->addSpacing(6);
    row->addWidget(encodedPanel_);
    row->addStretch();
    return area;
}

QWidget* Mainform::buildCrosticArea() {
    auto* area = new QWidget;
    const QFont note = uiFont("Arial", 8.25);

    Label1 = namedLabel(area, QStringLiteral("Label1"), QStringLiteral("Crostic :"), uiFont("Times New Roman", 14.25, true));
    Label2 = namedLabel(area, QStringLiteral("Label2"),
                        QStringLiteral("phrase spelled out by 1st letter of answers, often author and origin of quote."),
                        note);
    Label3 = namedLabel(area, QStringLiteral("Label3"), QStringLiteral("'Setup' pre-inserts crostic"), note);
    Label4 = namedLabel(area, QStringLiteral("Label4"), QStringLiteral("into the"), note);
    Label5 = namedLabel(area, QStringLiteral("Label5"), QStringLiteral("answers"), note);

    auto* strip = new QHBoxLayout;
    strip->setSpacing(1);
    const QFont letter = uiFont("Courier New", 12);
    for (int i = 0; i < kCrosticLabels; ++i) {
        QLabel* label = namedLabel(area, QStringLiteral("lblCrostic_%1").arg(i), QString(), letter);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(14, 24);
        nameValue(label, QStringLiteral("Crostic letter %1").arg(i + 1));
        setBackground(label, Qt::white);
        label->installEventFilter(this);
        lblCrostic[i] = label;
        strip->addWidget(label);
    }

    optCrosticOn = new QRadioButton(QStringLiteral("On"), area);
    optCrosticOn->setObjectName(QStringLiteral("optCrosticOn"));
    optCrosticOff = new QRadioButton(QStringLiteral("Off"), area);
    optCrosticOff->setObjectName(QStringLiteral("optCrosticOff"));
    optCrosticOn->setAccessibleName(QStringLiteral("Crostic On"));
    optCrosticOff->setAccessibleName(QStringLiteral("Crostic Off"));
    optCrosticOff->setChecked(true);
    cmdCrostic = namedButton(area, "cmdCrostic", QStringLiteral("Setup"), font());

    lblBottom = namedLabel(area, QStringLiteral("lblBottom"),
                           QStringLiteral("Click on letter above to jump to question.  Blue letter = incomplete "
                                          "answer.  Underline = supplied letter"),
                           uiFont("Arial", 6.75));

    auto* options = new QVBoxLayout;
    options->setSpacing(0);
    options->addWidget(optCrosticOn);
    options->addWidget(optCrosticOff);

    auto* notes = new QVBoxLayout;
    notes->setSpacing(0);
    notes->addWidget(Label3);
    notes->addWidget(Label4);
    notes->addWidget(Label5);

    auto* setup = new QHBoxLayout;
    setup->setSpacing(6);
    setup->addWidget(cmdCrostic, 0, Qt::AlignVCenter);
    setup->addLayout(notes);

    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->addWidget(Label1, 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(Label2, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    grid->addLayout(strip, 1, 1);
    grid->addWidget(lblBottom, 2, 1);
    grid->addLayout(options, 1, 0, 2, 1);
    grid->addLayout(setup, 0, 2, 3, 1);
    grid->setColumnStretch(3, 1);
    return area;
}

void Mainform::buildControls() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(10, 6, 10, 8);
    column->setSpacing(6);

    auto separator = [central] {
        auto* line = new QFrame(central);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    };

    QWidget* quotationArea = buildQuotationArea();
    column->addWidget(quotationArea);
    column->addWidget(separator());
    column->addWidget(buildQuestionArea(), 1);
    column->addWidget(buildEncodedArea());
    column->addWidget(separator());
    column->addWidget(buildCrosticArea());
    setCentralWidget(central);

    // The grid window opens over the quotation box, as tall as the longest
    // quotation's grid needs; the question area starts below it. Both
    // windows have the same title bar, so only the menu bar counts here.
    int tallestGrid = 0;
    for (int length = 1; length <= kMaxQuote; ++length) {
        const GridGeometry g = computeGridGeometry(length);
        tallestGrid = std::max(tallestGrid, g.rows * g.cellSize + 400);
    }
    const int gridBottom = twipsToPixels(kGridPlaceDown + tallestGrid) + 8;
    quotationArea->setMinimumHeight(gridBottom - menuBar()->sizeHint().height() - column->contentsMargins().top());

    for (QWidget* box : {static_cast<QWidget*>(txtQuote), static_cast<QWidget*>(txtQuestion),
                         static_cast<QWidget*>(txtAnswer), static_cast<QWidget*>(lstQuestion)})
        box->installEventFilter(this);
    txtQuote->viewport()->installEventFilter(this);
    cmdMoveUp->installEventFilter(this);
    cmdMoveDown->installEventFilter(this);

    // Tab goes round the editing controls first; the quotation comes last.
    const std::initializer_list<QWidget*> order{
        txtQuestion, txtAnswer, cmdAccept,     cmdDictionary, lstQuestion,  cmdMoveUp,     cmdMoveDown,
        cmdInsert,   cmdDelete, cmdJump,       cmdEmpty,      cmdGaps,      optCrosticOn,  optCrosticOff,
        cmdCrostic,  txtQuote,  cmdRegister,   cmdQuote};
    for (auto it = order.begin(); it + 1 != order.end(); ++it) setTabOrder(*it, *(it + 1));
}

void Mainform::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setFont(QApplication::font());
    auto item = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys = {}) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        if (!keys.isEmpty()) action->setShortcut(keys);
        allActions_.push_back(action);
        return action;
    };
    auto menu = [bar](const char* name, const QString& title) {
        QMenu* m = bar->addMenu(title);
        m->setObjectName(QLatin1String(name));
        m->setAccessibleName(QString(title).remove(QLatin1Char('&')));
        return m;
    };

    mnuFile = menu("mnuFile", QStringLiteral("&File"));
    mnuNew = item(mnuFile, "mnuNew", QStringLiteral("New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpen = item(mnuFile, "mnuOpen", QStringLiteral("Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuClose = item(mnuFile, "mnuClose", QStringLiteral("Close"), QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuFile->addSeparator();
    mnuSave = item(mnuFile, "mnuSave", QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveAs = item(mnuFile, "mnuSaveAs", QStringLiteral("Save As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuRevert = item(mnuFile, "mnuRevert", QStringLiteral("Revert"), QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuFile->addSeparator();
    mnuPrintSetup = item(mnuFile, "mnuPrintSetup", QStringLiteral("Print Setup"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    mnuPrintPreview =
        item(mnuFile, "mnuPrintPreview", QStringLiteral("Print Preview..."), QKeySequence(Qt::CTRL | Qt::Key_J));
    mnuPrint = item(mnuFile, "mnuPrint", QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPrintkey = item(mnuFile, "mnuPrintkey", QStringLiteral("Print Key"), QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuExport = item(mnuFile, "mnuExport", QStringLiteral("Export..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    mnuFile->addSeparator();
    mnuQuit = item(mnuFile, "mnuQuit", QStringLiteral("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuEdit = menu("mnuEdit", QStringLiteral("&Edit"));
    mnuUndo = item(mnuEdit, "mnuUndo", QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = item(mnuEdit, "mnuRedo", QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    mnuEdit->addSeparator();
    mnuCut = item(mnuEdit, "mnuCut", QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuCopy = item(mnuEdit, "mnuCopy", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPaste = item(mnuEdit, "mnuPaste", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuClear = item(mnuEdit, "mnuClear", QStringLiteral("Clear"));
    mnuSelectAll = item(mnuEdit, "mnuSelectAll", QStringLiteral("Select All"), QKeySequence(Qt::CTRL | Qt::Key_A));
    // The edit commands work on the text box that has the focus in any
    // window of the program.
    for (QAction* a : {mnuUndo, mnuRedo, mnuCut, mnuCopy, mnuPaste, mnuSelectAll})
        a->setShortcutContext(Qt::ApplicationShortcut);
    connect(mnuEdit, &QMenu::aboutToShow, this, &Mainform::nameUndoItems);

    mnuQbrx = menu("mnuQbrx", QStringLiteral("&Qbrx"));
    mnuHeader = item(mnuQbrx, "mnuHeader", QStringLiteral("Header"), QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuDictionary = item(mnuQbrx, "mnuDictionary", QStringLiteral("Dictionary"), QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuCrosticSetup = item(mnuQbrx, "mnuCrosticSetup", QStringLiteral("Crostic Setup"), QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuMoveUp = item(mnuQbrx, "mnuMoveUp", QStringLiteral("Move Up"), QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuMoveDown = item(mnuQbrx, "mnuMoveDown", QStringLiteral("Move Down"), QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuQbrx->addSeparator();
    mnuSuggest = item(mnuQbrx, "mnuSuggest", QStringLiteral("Suggest Answers..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    mnuDraftClue = item(mnuQbrx, "mnuDraftClue", QStringLiteral("Draft Clue"), QKeySequence(Qt::CTRL | Qt::Key_L));

    mnuWindows = menu("mnuWindows", QStringLiteral("&Windows"));
    mnuControls = item(mnuWindows, "mnuControls", QStringLiteral("Controls"));
    mnuQuoteGrid = item(mnuWindows, "mnuQuoteGrid", QStringLiteral("Quote Grid"), QKeySequence(Qt::Key_F7));

    mnuHelp = menu("mnuHelp", QStringLiteral("&Help"));
    mnuHelpTopics = item(mnuHelp, "mnuHelpTopics", QStringLiteral("Help Topics"), QKeySequence(Qt::Key_F1));
    mnuHavingTrouble = item(mnuHelp, "mnuHavingTrouble", QStringLiteral("Having Trouble?"));
    mnuHelp->addSeparator();
    mnuAboutQuotabrix = item(mnuHelp, "mnuAboutQuotabrix", QStringLiteral("About Quotabrix"));

    // Not on the menu bar: the question list's right-click menu.
    Popmenu = new QMenu(QStringLiteral("Edit Question List"), this);
    Popmenu->setObjectName(QStringLiteral("Popmenu"));
    Popmenu->setAccessibleName(Popmenu->title());
    Qdelete = Popmenu->addAction(QStringLiteral("Delete"));
    Qdelete->setObjectName(QStringLiteral("Qdelete"));
}

void Mainform::connectControls() {
    auto on = [this](QAbstractButton* button, void (Editor::*operation)()) {
        connect(button, &QAbstractButton::clicked, this, [this, operation] { perform([operation](Editor& e) { (e.*operation)(); }); });
    };
    on(cmdRegister, &Editor::registerButton);
    on(cmdQuote, &Editor::quoteButtonClick);
    on(cmdAccept, &Editor::acceptButton);
    on(cmdInsert, &Editor::insertQuestion);
    on(cmdDelete, &Editor::deleteButton);
    on(cmdJump, &Editor::jumpToLast);
    on(cmdEmpty, &Editor::findEmptyAnswers);
    on(cmdGaps, &Editor::findGaps);
    on(cmdCrostic, &Editor::setupCrostic);
    connect(cmdMoveUp, &QToolButton::clicked, this, [this] { perform([](Editor& e) { e.moveQuestion(-1); }); });
    connect(cmdMoveDown, &QToolButton::clicked, this, [this] { perform([](Editor& e) { e.moveQuestion(1); }); });
    connect(optCrosticOn, &QRadioButton::clicked, this, [this] { perform([](Editor& e) { e.crosticOptionClick(true); }); });
    connect(optCrosticOff, &QRadioButton::clicked, this, [this] { perform([](Editor& e) { e.crosticOptionClick(false); }); });
    connect(cmdDictionary, &QPushButton::clicked, this, &Mainform::openDictionary);
    connect(lstQuestion, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!mirroring_) perform([row](Editor& e) { e.selectListRow(row); });
    });
    connect(Qdelete, &QAction::triggered, this, [this] { perform([](Editor& e) { e.deleteFromPopup(); }); });

    // File menu.
    auto command = [this](QAction* action, void (DocumentCommands::*run)()) {
        connect(action, &QAction::triggered, this, [this, run] { perform([this, run](Editor&) { ((*commands_).*run)(); }); });
    };
    command(mnuNew, &DocumentCommands::newDocument);
    command(mnuOpen, &DocumentCommands::open);
    command(mnuRevert, &DocumentCommands::revert);
    connect(mnuSave, &QAction::triggered, this, [this] { perform([this](Editor&) { commands_->save(); }); });
    connect(mnuSaveAs, &QAction::triggered, this, [this] { perform([this](Editor&) { commands_->saveAs(); }); });
    connect(mnuQuit, &QAction::triggered, this, [this] { perform([this](Editor&) { commands_->quit(); }); });
    auto hook = [this](QAction* action, std::function<void()> Mainform::*slot) {
        connect(action, &QAction::triggered, this, [this, slot] {
            if (this->*slot) (this->*slot)();
        });
    };
    connect(mnuPrintSetup, &QAction::triggered, this, [this] {
        printer();
        printSetupCommand(editor_.prompter());
    });
    connect(mnuPrintPreview, &QAction::triggered, this,
            [this] {
                if (!confirmUnwrittenQuestions(editor_.prompter(), editor_.doc, "Print Preview")) return;
                PrintPreview* preview = showPrintPreview(printer(), editor_.doc, printOptions(false), this);
                connect(preview, &PrintPreview::printRequested, this, [this, preview] {
                    printPuzzleAndKeyCommand(editor_.prompter(), preview->document(), preview->options(), printer());
                });
            });
    connect(mnuPrint, &QAction::triggered, this, [this] { print(false); });
    connect(mnuPrintkey, &QAction::triggered, this, [this] { print(true); });
    connect(mnuExport, &QAction::triggered, this, [this] {
        // The PDF is on the paper of the printer that Print uses.
        const Paper paper = printerSetUp() ? printerPaper(*printer_) : localePaper();
        exportCommand_.crosticOn = editor_.doc.crosticOn;
        exportCommand_.run(editor_.prompter(), editor_.doc, [this, paper](const std::string& path, std::string& error) {
            return writePdf(editor_.doc, printOptions(false), path, &error, paper);
        });
    });

    // Edit menu: on the focused text box of any window of the program.
    connect(mnuUndo, &QAction::triggered, this, [this] { undoOrRedo(false); });
    connect(mnuRedo, &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(mnuCut, &QAction::triggered, this, [] { editCut(QApplication::focusWidget()); });
    connect(mnuCopy, &QAction::triggered, this, [] { editCopy(QApplication::focusWidget()); });
    connect(mnuPaste, &QAction::triggered, this, [] { editPaste(QApplication::focusWidget()); });
    connect(mnuClear, &QAction::triggered, this, [] { editClear(QApplication::focusWidget()); });
    connect(mnuSelectAll, &QAction::triggered, this, [] { editSelectAll(QApplication::focusWidget()); });

    // Qbrx menu.
    connect(mnuHeader, &QAction::triggered, this, [this] { optionsDialog()->showHeader(); });
    connect(mnuDictionary, &QAction::triggered, this, &Mainform::openDictionary);
    connect(mnuCrosticSetup, &QAction::triggered, this, [this] { perform([](Editor& e) { e.setupCrostic(); }); });
    connect(mnuMoveUp, &QAction::triggered, this, [this] { perform([](Editor& e) { e.moveQuestion(-1); }); });
    connect(mnuMoveDown, &QAction::triggered, this, [this] { perform([](Editor& e) { e.moveQuestion(1); }); });
    connect(mnuSuggest, &QAction::triggered, this, &Mainform::openSuggestAnswers);
    connect(mnuDraftClue, &QAction::triggered, this, &Mainform::draftClue);
    connect(cmdDraftClue, &QPushButton::clicked, this, &Mainform::draftClue);

    // Windows and Help menus.
    connect(mnuControls, &QAction::triggered, this, [this] {
        raise();
        activateWindow();
    });
    connect(mnuQuoteGrid, &QAction::triggered, this, [this] { perform([](Editor& e) { e.quoteGridMenu(); }); });
    hook(mnuHelpTopics, &Mainform::onHelpTopics);
    hook(mnuHavingTrouble, &Mainform::onHavingTrouble);
    hook(mnuAboutQuotabrix, &Mainform::onAboutQuotabrix);
}

frmOptions* Mainform::optionsDialog() {
    if (!options_) {
        options_ = new frmOptions(editor_.doc.header, this);
        connect(options_, &frmOptions::headerStored, this,
                [this](const HeaderValues& header) { perform([&header](Editor& e) { e.setHeader(header); }); });
    }
    return options_;
}

// ------------------------------------------------------- view and widgets

void Mainform::startUp() {
    perform([](Editor& e) { e.startUp(); });
}

void Mainform::perform(const std::function<void(Editor&)>& operation) {
    copyBoxesToView();
    editor_.view.clearRequests();
    const HeaderValues header = editor_.doc.header;
    // An operation that asks a question lets focus changes run operations
    // of their own before it is done: the whole is one step.
    const bool nested = operating_;
    if (!nested) editor_.history.commit(editor_);
    operating_ = true;
    operation(editor_);
    operating_ = nested;
    if (!nested) editor_.history.commit(editor_);
    // New, Open and Revert replace the header; an open header dialog shows
    // the new values, so that its Okay cannot write the old ones back.
    if (options_ && editor_.doc.header != header) options_->fill();
    mirrorView();
    if (afterPerform) afterPerform();
    if (commands_->quitRequested) quit();
}

void Mainform::copyBoxesToView() {
    MainView& v = editor_.view;
    v.quoteBox = documentText(txtQuote->toPlainText());
    v.questionBox = documentText(txtQuestion->text());
    v.answerBox = documentText(txtAnswer->text());
    editor_.quoteBoxWidth = std::max(kMinQuoteBoxTwips, txtQuote->width() * kTwipsPerPixel);
}

void Mainform::mirrorView() {
    MainView& v = editor_.view;
    // The one-shot requests are taken now: a focus handler that runs when
    // the focus moves below works on a view without them.
    const auto quoteSelection = v.quoteSelection;
    const auto questionSelection = v.questionSelection;
    const auto answerSelection = v.answerSelection;
    const bool placeGrid = v.gridPlaceRequest;
    const Focus focus = v.focus;
    v.clearRequests();

    const bool wasMirroring = mirroring_;
    mirroring_ = true;

    setBoxText(txtQuote, screenText(v.quoteBox));
    setBoxText(txtQuestion, screenText(v.questionBox));
    setBoxText(txtAnswer, screenText(v.answerBox));

    {
        const QSignalBlocker blocker(lstQuestion);
        bool same = lstQuestion->count() == static_cast<int>(v.listRows.size());
        for (int i = 0; same && i < lstQuestion->count(); ++i)
            same = lstQuestion->item(i)->text() == screenText(v.listRows[static_cast<std::size_t>(i)]);
        if (!same) {
            lstQuestion->clear();
            for (const std::string& row : v.listRows) lstQuestion->addItem(screenText(row));
        }
        if (lstQuestion->currentRow() != v.selectedRow) lstQuestion->setCurrentRow(v.selectedRow);
    }

    setCaption(lblEncoded, screenText(v.encodedLine));
    for (int k = 0; k < kNumberLabels; ++k) setCaption(lblUnderCrostic[k], screenText(v.numberLabels[k]));
    for (int i = 0; i < 27; ++i) setCaption(lblLettersleft[i], screenText(v.lettersLeft[i]));
    setCaption(lblTotalletters, screenText(v.totalLetters));
    setCaption(lblvowels, screenText(v.vowels));
    setCaption(lblconsonants, screenText(v.consonants));
    setCaption(lblAverage, screenText(v.averageLength));

    for (int i = 0; i < kCrosticLabels; ++i) {
        const CrosticLabelView& want = v.crostic[i];
        CrosticLabelView& shown = shownCrostic_[i];
        QLabel* label = lblCrostic[i];
        setCaption(label, screenText(want.caption));
        if (want.blue != shown.blue || want.grey != shown.grey || want.mismatch != shown.mismatch) {
            // A letter whose answer starts otherwise is red, before blue.
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, want.mismatch ? QColor(0xC0, 0, 0)
                                                   : want.blue   ? QColor(0, 0, 255)
                                                                 : QColor(0, 0, 0));
            palette.setColor(QPalette::Window, want.grey ? QColor(0xE0, 0xE0, 0xE0) : QColor(0xFF, 0xFF, 0xFF));
            label->setPalette(palette);
            label->setToolTip(want.mismatch ? QStringLiteral("The answer does not start with this letter of the crostic")
                                            : QString());
        }
        if (want.underline != shown.underline) {
            QFont f = label->font();
            f.setUnderline(want.underline);
            label->setFont(f);
        }
        shown = want;
    }
    {
        const QSignalBlocker on(optCrosticOn);
        const QSignalBlocker off(optCrosticOff);
        (editor_.doc.crosticOn ? optCrosticOn : optCrosticOff)->setChecked(true);
    }

    if (cmdRegister->text() != screenText(v.registerCaption)) cmdRegister->setText(screenText(v.registerCaption));
    if (cmdQuote->text() != screenText(v.quoteButtonCaption)) cmdQuote->setText(screenText(v.quoteButtonCaption));
    applyEnabling();
    for (QFrame* frame : {shp1, shp2, shp3, shpRegister}) frame->setVisible(v.markersVisible);

    txtQuote->setFocusPolicy(v.quoteTabStop ? Qt::StrongFocus : Qt::ClickFocus);
    txtQuestion->setFocusPolicy(v.questionTabStop ? Qt::StrongFocus : Qt::ClickFocus);
    optCrosticOff->setFocusPolicy(v.crosticOffTabStop ? Qt::StrongFocus : Qt::ClickFocus);

    if (quoteSelection) selectIn(txtQuote, *quoteSelection);
    if (questionSelection) selectIn(txtQuestion, *questionSelection);
    if (answerSelection) selectIn(txtAnswer, *answerSelection);

    const QString title = QString::fromStdString(commands_->windowTitle());
    if (windowTitle() != title) setWindowTitle(title);
    nameUndoItems();

    mirroring_ = wasMirroring;

    switch (focus) {
        case Focus::None: break;
        case Focus::Quote: txtQuote->setFocus(); break;
        case Focus::Question: txtQuestion->setFocus(); break;
        case Focus::Answer: txtAnswer->setFocus(); break;
        case Focus::List: lstQuestion->setFocus(); break;
    }

    // The grid window last: it shows the latest picture, wherever the focus
    // handling above has left the view.
    const GridPicture& grid = editor_.view.grid;
    const GridPicture& drawn = gridWindow_->picture();
    if (grid.width != drawn.width || grid.height != drawn.height || grid.ops != drawn.ops) gridWindow_->setPicture(grid);
    // The logo stands in for a grid not drawn yet; it never covers one.
    gridWindow_->imgLogo->setVisible(editor_.view.gridLogoVisible && grid.ops.empty());
    if (placeGrid) gridWindow_->placeBeside(this);
    if (editor_.view.gridVisible) {
        if (placeGrid || !gridWindow_->isVisible()) {
            gridWindow_->show();
            gridWindow_->raise();
        }
    } else if (gridWindow_->isVisible()) {
        gridWindow_->hide();
    }
}

void Mainform::applyEnabling() {
    const bool on = editor_.view.controlsEnabled;
    for (QWidget* w : std::initializer_list<QWidget*>{
             lblQA, lblQuestionlist, lblQuestion, txtQuestion, lstQuestion, lblAnswer, txtAnswer, cmdAccept,
             lblEncoded, cmdMoveUp, cmdMoveDown, cmdQuote, cmdDictionary, cmdCrostic, optCrosticOn, optCrosticOff,
             cmdDelete, cmdInsert, cmdJump, cmdGaps, cmdEmpty, cmdDraftClue})
        if (w->isEnabled() != on) w->setEnabled(on);
    const bool files = editor_.view.fileMenusEnabled;
    for (QAction* a : {mnuNew, mnuClose, mnuSave, mnuSaveAs, mnuRevert, mnuPrintPreview, mnuPrint, mnuPrintkey, mnuExport})
        if (a->isEnabled() != files) a->setEnabled(files);
    // Setup and Move work on a registered quotation, as their buttons do.
    for (QAction* a : {mnuCrosticSetup, mnuMoveUp, mnuMoveDown, mnuDraftClue})
        if (a->isEnabled() != on) a->setEnabled(on);
}

// ------------------------------------------------------------------ events

bool Mainform::isMenuShortcut(const QKeyEvent* key) const {
    const QKeySequence pressed(key->keyCombination());
    return std::any_of(allActions_.begin(), allActions_.end(),
                       [&](const QAction* a) { return !a->shortcut().isEmpty() && a->shortcut() == pressed; });
}

void Mainform::replayKey(QWidget* box, QKeyEvent* key, int replacement) {
    QKeyEvent replaced(QEvent::KeyPress, replacement, key->modifiers());
    replayingKey_ = true;
    QCoreApplication::sendEvent(box, &replaced);
    replayingKey_ = false;
}

bool Mainform::quoteKeyDown(QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Up:
            replayKey(txtQuote, key, Qt::Key_Home);
            return true;
        case Qt::Key_Down:
            replayKey(txtQuote, key, Qt::Key_End);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            perform([](Editor& e) { e.quoteEnter(); });
            return true;
        default:
            return false;
    }
}

bool Mainform::boxKeyDown(QWidget* box, QKeyEvent* key) {
    const bool questionBox = box == txtQuestion;
    BoxKey pressed = BoxKey::Other;
    switch (key->key()) {
        case Qt::Key_PageUp: pressed = BoxKey::PageUp; break;
        case Qt::Key_PageDown: pressed = BoxKey::PageDown; break;
        case Qt::Key_Home: pressed = BoxKey::Home; break;
        case Qt::Key_End: pressed = BoxKey::End; break;
        case Qt::Key_Up: pressed = BoxKey::Up; break;
        case Qt::Key_Down: pressed = BoxKey::Down; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: pressed = BoxKey::Enter; break;
        default: break;
    }
    if (pressed == BoxKey::Enter) {
        // The question box's own rule: a question typed and no answer yet
        // sends the caret to the answer box. Otherwise Enter presses Accept.
        if (questionBox && !txtQuestion->text().isEmpty() && txtAnswer->text().isEmpty())
            perform([](Editor& e) { e.boxKey(BoxKey::Enter, true); });
        else
            perform([](Editor& e) { e.acceptButton(); });
        return true;
    }
    BoxKey passOn = pressed;
    perform([&](Editor& e) { passOn = e.boxKey(pressed, questionBox); });
    if (passOn == pressed) return false;
    replayKey(box, key, passOn == BoxKey::Home ? Qt::Key_Home : Qt::Key_End);
    return true;
}

bool Mainform::eventFilter(QObject* watched, QEvent* event) {
    if (replayingKey_) return QMainWindow::eventFilter(watched, event);
    const QEvent::Type type = event->type();

    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && watched->isWidgetType()) {
        // A text box claims Ctrl+A, Ctrl+K and the like for itself; the
        // window's menu shortcuts win here. The key of an unavailable item
        // does nothing at all (it must not edit the box either).
        auto* key = static_cast<QKeyEvent*>(event);
        if (isMenuShortcut(key)) {
            key->ignore();
            return true;
        }
        if (type == QEvent::ShortcutOverride) return false;
    }

    if (watched == txtQuote) {
        switch (type) {
            case QEvent::KeyPress: return quoteKeyDown(static_cast<QKeyEvent*>(event));
            case QEvent::FocusIn:
                cmdRegister->setEnabled(true);
                cmdRegister->setDefault(true);
                break;
            case QEvent::FocusOut: cmdRegister->setDefault(false); break;
            default: break;
        }
    } else if (watched == txtQuote->viewport()) {
        // The box's mouse events arrive on its viewport.
        if (type == QEvent::MouseButtonDblClick) {
            selectIn(txtQuote, TextSelection{0, kQuoteSelectAll});
            return true;
        }
    } else if (watched == txtQuestion || watched == txtAnswer) {
        switch (type) {
            case QEvent::KeyPress: return boxKeyDown(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
            case QEvent::FocusIn:
                cmdAccept->setDefault(true);
                if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) clickedIntoBox_ = watched;
                if (watched == txtQuestion)
                    questionBoxGotFocus();
                else
                    perform([](Editor& e) { e.answerBoxFocus(); });
                break;
            case QEvent::FocusOut:
                cmdAccept->setDefault(false);
                if (watched == clickedIntoBox_) clickedIntoBox_ = nullptr;
                break;
            case QEvent::MouseButtonRelease:
                if (watched == clickedIntoBox_) {
                    // The click that brought the focus has set the caret and
                    // so undone the selection of the focus handling. The box
                    // takes the release first; then, unless the author has
                    // dragged a selection of their own, the selection is
                    // made again, as for Tab.
                    clickedIntoBox_ = nullptr;
                    static_cast<QObject*>(watched)->event(event);
                    if (!static_cast<QLineEdit*>(watched)->hasSelectedText()) {
                        if (watched == txtQuestion)
                            perform([](Editor& e) { e.questionBoxFocus(); });
                        else
                            perform([](Editor& e) { e.answerBoxFocus(); });
                    }
                    return true;
                }
                break;
            case QEvent::MouseButtonDblClick:
                if (watched == txtQuestion) {
                    perform([](Editor& e) { e.selectQuestionText(); });
                    return true;
                }
                break;
            default: break;
        }
    } else if (watched == lstQuestion) {
        if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->text() == QStringLiteral(".")) {
            perform([](Editor& e) { e.deleteButton(); });
            return true;
        }
    } else if (watched == cmdMoveUp || watched == cmdMoveDown) {
        if (type == QEvent::MouseButtonRelease) perform([](Editor& e) { e.selectQuestionText(); });
    } else if (type == QEvent::MouseButtonRelease) {
        const auto* label = std::find(lblCrostic.begin(), lblCrostic.end(), watched);
        if (label != lblCrostic.end() && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            const int n = static_cast<int>(label - lblCrostic.begin());
            perform([n](Editor& e) { e.crosticLabelClick(n); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Mainform::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // The grid window the program placed moves along with this window
    // (also when the window manager places this window after showing it).
    if (event->type() == QEvent::Move && gridWindow_) gridWindow_->followMainWindow(this);
    // The window itself, not one of its controls, got the focus.
    if (event->type() == QEvent::WindowActivate && (!focusWidget() || focusWidget() == this) && txtQuestion->isEnabled())
        txtQuestion->setFocus();
    return handled;
}

void Mainform::closeEvent(QCloseEvent* event) {
    // Unsaved changes are offered for saving first; the window stays when
    // the user cancels or the save does not happen.
    bool mayClose = true;
    perform([this, &mayClose](Editor&) { mayClose = commands_->confirmEnd(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    // Closing the main window unloads the program's other windows too.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->close();
    event->accept();
}

void Mainform::listMouseUp(Qt::MouseButton button) {
    perform([](Editor& e) { e.listMouseUp(); });
    if (button == Qt::RightButton && showPopup) showPopup(QCursor::pos());
}

void Mainform::questionBoxGotFocus() {
    ++questionFocusRuns_;
    if (inQuestionFocus_) return;
    inQuestionFocus_ = true;
    perform([](Editor& e) { e.questionBoxFocus(); });
    // The dictionary's Add & Advance: accept the entry once and bring the
    // dictionary back for the next question. The flag is spent by this
    // one focus change, so that nothing accepts a second time: not an entry
    // that Accept refused (the boxes still hold it), nor a later Add & Edit.
    if (advancePending) {
        perform([](Editor& e) { e.acceptButton(); });
        advancePending = false;
        openDictionary();
    }
    inQuestionFocus_ = false;
}

// ------------------------------------------------------------- commands

void Mainform::openDictionary() {
    cmdDictionary->setText(QStringLiteral("Dictionary"));
    cmdDictionary->setEnabled(true);
    if (onOpenDictionary) onOpenDictionary();
}

void Mainform::openSuggestAnswers() {
    auto* dialog = new frmSuggest(*this, dictionary_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->startSearch();
}

QPrinter& Mainform::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        setPrinterPaper(*printer_, localePaper());  // until Print Setup chooses another
        preparePrinter(*printer_);
    }
    return *printer_;
}

PrintOptions Mainform::printOptions(bool key) const { return {key, editor_.doc.crosticOn}; }

void Mainform::print(bool keyMode) {
    // Printing reports nothing: a page that cannot be laid out is not printed.
    printCommand(editor_.prompter(), editor_.doc, printOptions(keyMode), printer());
}

void Mainform::undoOrRedo(bool redo) {
    QWidget* box = QApplication::focusWidget();
    if (redo ? editCanRedo(box) : editCanUndo(box)) {
        redo ? editRedo(box) : editUndo(box);
        nameUndoItems();
        return;
    }
    perform([redo](Editor& e) { redo ? e.history.redo(e) : e.history.undo(e); });
}

void Mainform::nameUndoItems() {
    QWidget* box = QApplication::focusWidget();
    const History& history = editor_.history;
    auto name = [](const char* verb, bool typing, const std::string& step) {
        if (typing) return QStringLiteral("%1 Typing").arg(QLatin1String(verb));
        if (step.empty()) return QLatin1String(verb) + QString();
        return QStringLiteral("%1 %2").arg(QLatin1String(verb), screenText(step));
    };
    // With their mnemonics, as the menu's other items have theirs.
    mnuUndo->setText(name("&Undo", editCanUndo(box), history.undoName()));
    mnuRedo->setText(name("&Redo", editCanRedo(box), history.redoName()));
}

void Mainform::openFile(const std::string& path) {
    perform([this, &path](Editor&) { commands_->openFile(path); });
}

void Mainform::quit() {
    gridWindow_->hide();
    if (options_) options_->hide();
    hide();
    QCoreApplication::exit(0);
}

// --------------------------------------------------------- DictionaryHost

std::string Mainform::answerBoxText() const { return documentText(txtAnswer->text()); }

void Mainform::setAnswerBoxText(const std::string& text) { txtAnswer->setText(screenText(text)); }

void Mainform::setQuestionBoxText(const std::string& text) { txtQuestion->setText(screenText(text)); }

void Mainform::focusQuestionBox() {
    // Add & Edit comes back to this window; Add & Advance lets the
    // dictionary come back instead.
    if (!advancePending) {
        raise();
        activateWindow();
    }
    const int runs = questionFocusRuns_;
    txtQuestion->setFocus(Qt::OtherFocusReason);
    // In a window that is not active the focus arrives only later; the
    // handling runs now all the same.
    if (questionFocusRuns_ == runs) questionBoxGotFocus();
}

bool Mainform::emptyRowSelected() const {
    return editor_.view.selectedRow >= 0 && editor_.view.selectedRow == editor_.doc.questionCount;
}

void Mainform::setAdvanceMarkers() {
    advancePending = true;
}

}  // namespace qbrx
