// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window's widgets: the areas of the window, its menus,
// and the connections from each control to the editor operation it runs.
#include "mainwindowwidgets.h"

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

#include "aboutdialog.h"
#include "dictionarywindow.h"
#include "documentcommands.h"
#include "editcommands.h"
#include "gridgeometry.h"
#include "helpwindow.h"
#include "mainwindow.h"
#include "menukeys.h"
#include "optionsdialog.h"
#include "printing.h"
#include "printpreview.h"
#include "qttext.h"
#include "questioncheck.h"
#include "quotegridwindow.h"
#include "splashscreen.h"
#include "suggestdialog.h"
#include "troubledialog.h"
#include "uifonts.h"

namespace qbrx {

namespace {

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

void nameValue(QLabel* label, const QString& name) {
    label->setProperty(kValueName, name);
    label->setAccessibleName(name);
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

QWidget* MainWindow::buildQuotationArea() {
    auto* area = new QWidget;
    const QFont small = uiFont("Arial", 7.5);

    lblEditquote = namedLabel(area, QStringLiteral("lblEditquote"), QStringLiteral("Edit Quotation"),
                              uiFont("Arial", 15));

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
    lblAverageTitle =
        namedLabel(area, QStringLiteral("lblAverageTitle"), QStringLiteral("Average Answer Length:"), small);
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

QWidget* MainWindow::buildLettersLeftStrip() {
    // Two rows of thirteen letters, each letter's count under it; the total
    // follows Z.
    auto* strip = new QWidget;
    auto* grid = new QGridLayout(strip);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(1);
    grid->setVerticalSpacing(1);

    Label7 =
        namedLabel(strip, QStringLiteral("Label7"), QStringLiteral("Letters Left:"), uiFont("Arial", 7.5));
    grid->addWidget(Label7, 0, 0, 1, 14);

    const QFont head = uiFont("Times New Roman", 9);
    const QFont count = uiFont("Arial", 9);
    for (int i = 0; i < 26; ++i) {
        const int row = 1 + 2 * (i / 13);
        const int column = i % 13;
        QLabel* top =
            namedLabel(strip, QStringLiteral("lblCountTop_%1").arg(i), QString(QChar('A' + i)), head);
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

QWidget* MainWindow::buildQuestionArea() {
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
    cmdDictionary =
        namedButton(area, "cmdDictionary", QStringLiteral("Dictionary"), uiFont("Times New Roman", 9, true));
    cmdAccept->setMinimumWidth(90);
    cmdDictionary->setMinimumWidth(90);
    cmdDraftClue =
        namedButton(area, "cmdDraftClue", QStringLiteral("Draft Clue"), uiFont("Times New Roman", 9));
    cmdDraftClue->setToolTip(
        QStringLiteral("Draft the question from the answer's definitions (Ctrl+L); again for the next one"));
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

QWidget* MainWindow::buildEncodedArea() {
    auto* area = new QWidget;
    lblEncodedTitle = namedLabel(area, QStringLiteral("lblEncodedTitle"), QStringLiteral("Encoded:"),
                                 uiFont("Times New Roman", 9, true));

    // The Encoded line shows each answer character followed by a space;
    // the number label of character k sits under it.
    encodedPanel_ = new QWidget(area);
    lblEncoded =
        namedLabel(encodedPanel_, QStringLiteral("lblEncoded"), QString(), uiFont("Courier New", 14.25));
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
        QLabel* label =
            namedLabel(encodedPanel_, QStringLiteral("lblUnderCrostic_%1").arg(k), QString(), numbers);
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

QWidget* MainWindow::buildCrosticArea() {
    auto* area = new QWidget;
    const QFont note = uiFont("Arial", 8.25);

    Label1 = namedLabel(area, QStringLiteral("Label1"), QStringLiteral("Crostic :"),
                        uiFont("Times New Roman", 14.25, true));
    Label2 = namedLabel(
        area, QStringLiteral("Label2"),
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

    lblBottom =
        namedLabel(area, QStringLiteral("lblBottom"),
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

void MainWindow::buildControls() {
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
    quotationArea->setMinimumHeight(gridBottom - menuBar()->sizeHint().height() -
                                    column->contentsMargins().top());

    for (QWidget* box : {static_cast<QWidget*>(txtQuote), static_cast<QWidget*>(txtQuestion),
                         static_cast<QWidget*>(txtAnswer), static_cast<QWidget*>(lstQuestion)})
        box->installEventFilter(this);
    txtQuote->viewport()->installEventFilter(this);
    cmdMoveUp->installEventFilter(this);
    cmdMoveDown->installEventFilter(this);

    // Tab goes round the editing controls first; the quotation comes last.
    const std::initializer_list<QWidget*> order{
        txtQuestion,  txtAnswer,     cmdAccept,  cmdDictionary, lstQuestion, cmdMoveUp,
        cmdMoveDown,  cmdInsert,     cmdDelete,  cmdJump,       cmdEmpty,    cmdGaps,
        optCrosticOn, optCrosticOff, cmdCrostic, txtQuote,      cmdRegister, cmdQuote};
    for (auto it = order.begin(); it + 1 != order.end(); ++it) setTabOrder(*it, *(it + 1));
}

void MainWindow::buildMenus() {
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
    mnuSaveAs = item(mnuFile, "mnuSaveAs", QStringLiteral("Save As..."),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuRevert = item(mnuFile, "mnuRevert", QStringLiteral("Revert"), QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuFile->addSeparator();
    mnuPrintSetup =
        item(mnuFile, "mnuPrintSetup", QStringLiteral("Print Setup"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    mnuPrintPreview = item(mnuFile, "mnuPrintPreview", QStringLiteral("Print Preview..."),
                           QKeySequence(Qt::CTRL | Qt::Key_J));
    mnuPrint = item(mnuFile, "mnuPrint", QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPrintkey =
        item(mnuFile, "mnuPrintkey", QStringLiteral("Print Key"), QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuExport = item(mnuFile, "mnuExport", QStringLiteral("Export..."),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    mnuFile->addSeparator();
    mnuQuit = item(mnuFile, "mnuQuit", QStringLiteral("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuEdit = menu("mnuEdit", QStringLiteral("&Edit"));
    mnuUndo = item(mnuEdit, "mnuUndo", QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo =
        item(mnuEdit, "mnuRedo", QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    mnuEdit->addSeparator();
    mnuCut = item(mnuEdit, "mnuCut", QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuCopy = item(mnuEdit, "mnuCopy", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPaste = item(mnuEdit, "mnuPaste", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuClear = item(mnuEdit, "mnuClear", QStringLiteral("Clear"));
    mnuSelectAll =
        item(mnuEdit, "mnuSelectAll", QStringLiteral("Select All"), QKeySequence(Qt::CTRL | Qt::Key_A));
    // The edit commands work on the text box that has the focus in any
    // window of the program.
    for (QAction* a : {mnuUndo, mnuRedo, mnuCut, mnuCopy, mnuPaste, mnuSelectAll})
        a->setShortcutContext(Qt::ApplicationShortcut);
    connect(mnuEdit, &QMenu::aboutToShow, this, &MainWindow::nameUndoItems);

    mnuQbrx = menu("mnuQbrx", QStringLiteral("&Qbrx"));
    mnuHeader = item(mnuQbrx, "mnuHeader", QStringLiteral("Header"), QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuDictionary =
        item(mnuQbrx, "mnuDictionary", QStringLiteral("Dictionary"), QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuCrosticSetup =
        item(mnuQbrx, "mnuCrosticSetup", QStringLiteral("Crostic Setup"), QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuMoveUp = item(mnuQbrx, "mnuMoveUp", QStringLiteral("Move Up"), QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuMoveDown =
        item(mnuQbrx, "mnuMoveDown", QStringLiteral("Move Down"), QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuQbrx->addSeparator();
    mnuSuggest = item(mnuQbrx, "mnuSuggest", QStringLiteral("Suggest Answers..."),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    mnuDraftClue =
        item(mnuQbrx, "mnuDraftClue", QStringLiteral("Draft Clue"), QKeySequence(Qt::CTRL | Qt::Key_L));

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

void MainWindow::connectControls() {
    auto on = [this](QAbstractButton* button, void (Editor::*operation)()) {
        connect(button, &QAbstractButton::clicked, this,
                [this, operation] { perform([operation](Editor& e) { (e.*operation)(); }); });
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
    connect(cmdMoveUp, &QToolButton::clicked, this,
            [this] { perform([](Editor& e) { e.moveQuestion(-1); }); });
    connect(cmdMoveDown, &QToolButton::clicked, this,
            [this] { perform([](Editor& e) { e.moveQuestion(1); }); });
    connect(optCrosticOn, &QRadioButton::clicked, this,
            [this] { perform([](Editor& e) { e.crosticOptionClick(true); }); });
    connect(optCrosticOff, &QRadioButton::clicked, this,
            [this] { perform([](Editor& e) { e.crosticOptionClick(false); }); });
    connect(cmdDictionary, &QPushButton::clicked, this, &MainWindow::openDictionary);
    connect(lstQuestion, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!mirroring_) perform([row](Editor& e) { e.selectListRow(row); });
    });
    connect(Qdelete, &QAction::triggered, this, [this] { perform([](Editor& e) { e.deleteFromPopup(); }); });

    // File menu.
    auto command = [this](QAction* action, void (DocumentCommands::*run)()) {
        connect(action, &QAction::triggered, this,
                [this, run] { perform([this, run](Editor&) { ((*commands_).*run)(); }); });
    };
    command(mnuNew, &DocumentCommands::newDocument);
    command(mnuOpen, &DocumentCommands::open);
    command(mnuRevert, &DocumentCommands::revert);
    connect(mnuSave, &QAction::triggered, this, [this] { perform([this](Editor&) { commands_->save(); }); });
    connect(mnuSaveAs, &QAction::triggered, this,
            [this] { perform([this](Editor&) { commands_->saveAs(); }); });
    connect(mnuQuit, &QAction::triggered, this, [this] { perform([this](Editor&) { commands_->quit(); }); });
    auto hook = [this](QAction* action, std::function<void()> MainWindow::*slot) {
        connect(action, &QAction::triggered, this, [this, slot] {
            if (this->*slot) (this->*slot)();
        });
    };
    connect(mnuPrintSetup, &QAction::triggered, this, [this] {
        printer();
        printSetupCommand(editor_.prompter());
    });
    connect(mnuPrintPreview, &QAction::triggered, this, [this] {
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
        exportCommand_.run(editor_.prompter(), editor_.doc,
                           [this, paper](const std::string& path, std::string& error) {
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
    connect(mnuDictionary, &QAction::triggered, this, &MainWindow::openDictionary);
    connect(mnuCrosticSetup, &QAction::triggered, this,
            [this] { perform([](Editor& e) { e.setupCrostic(); }); });
    connect(mnuMoveUp, &QAction::triggered, this, [this] { perform([](Editor& e) { e.moveQuestion(-1); }); });
    connect(mnuMoveDown, &QAction::triggered, this,
            [this] { perform([](Editor& e) { e.moveQuestion(1); }); });
    connect(mnuSuggest, &QAction::triggered, this, &MainWindow::openSuggestAnswers);
    connect(mnuDraftClue, &QAction::triggered, this, &MainWindow::draftClue);
    connect(cmdDraftClue, &QPushButton::clicked, this, &MainWindow::draftClue);

    // Windows and Help menus.
    connect(mnuControls, &QAction::triggered, this, [this] {
        raise();
        activateWindow();
    });
    connect(mnuQuoteGrid, &QAction::triggered, this,
            [this] { perform([](Editor& e) { e.quoteGridMenu(); }); });
    hook(mnuHelpTopics, &MainWindow::onHelpTopics);
    hook(mnuHavingTrouble, &MainWindow::onHavingTrouble);
    hook(mnuAboutQuotabrix, &MainWindow::onAboutQuotabrix);
}

}  // namespace qbrx
