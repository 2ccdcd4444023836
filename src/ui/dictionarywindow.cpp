// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionarywindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "qttext.h"
#include "questioncheck.h"
#include "uifonts.h"

namespace qbrx {

namespace {

std::optional<DictKey> listKey(int key) {
    switch (key) {
        case Qt::Key_PageUp:
            return DictKey::PageUp;
        case Qt::Key_PageDown:
            return DictKey::PageDown;
        case Qt::Key_Home:
            return DictKey::Home;
        case Qt::Key_End:
            return DictKey::End;
        case Qt::Key_Up:
            return DictKey::Up;
        case Qt::Key_Down:
            return DictKey::Down;
        default:
            return std::nullopt;
    }
}

QFont sansSerif() { return uiFont("MS Sans Serif", 8.25); }

// Where a new dictionary window's frame of `frameSize` goes: beside the
// main window's frame on its right, else on its left; with room on neither
// side of the screen area, over the main window left of `keepClear` (the
// question and answer boxes), else against the screen's right edge.
QPoint dictionaryPlace(const QRect& mainFrame, const QSize& frameSize, const QRect& screenArea,
                       const QRect& keepClear) {
    QRect frame(QPoint(mainFrame.right() + 8, mainFrame.top() + 40), frameSize);
    if (screenArea.contains(frame)) return frame.topLeft();
    frame.moveTopRight(QPoint(mainFrame.left() - 8, mainFrame.top() + 40));
    if (screenArea.contains(frame)) return frame.topLeft();
    // Over the main window, just left of the boxes it must leave in view,
    // level with them, and inside the screen.
    if (!keepClear.isNull()) {
        frame.moveTopRight(QPoint(keepClear.left() - 8, keepClear.top() - 40));
        if (frame.bottom() > screenArea.bottom()) frame.moveBottom(screenArea.bottom());
        if (frame.top() < screenArea.top()) frame.moveTop(screenArea.top());
        if (frame.left() < screenArea.left()) frame.moveLeft(screenArea.left());
        if (!frame.intersects(keepClear)) return frame.topLeft();
    }
    // Against the screen's right edge, where it covers the least of the
    // main window.
    frame.moveTopRight(
        QPoint(std::max(screenArea.right(), mainFrame.left() + frame.width()), mainFrame.top() + 40));
    return frame.topLeft();
}

}  // namespace

DictionaryWindow::DictionaryWindow(WordSearch& search, DictionaryHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), search_(search), host_(host) {
    setObjectName("dicForm");
    setWindowTitle(QString(15, QLatin1Char(' ')) + "Word List");
    setAttribute(Qt::WA_DeleteOnClose);
    // Esc closes the window, as its close box does.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    txtDict = new QLineEdit(this);
    txtDict->setObjectName("txtDict");
    txtDict->setAccessibleName("Word");
    txtDict->setFont(sansSerif());
    txtDict->installEventFilter(this);

    lstDict = new QListWidget(this);
    lstDict->setObjectName("lstDict");
    lstDict->setAccessibleName("Word List");
    lstDict->setFont(sansSerif());
    lstDict->setFocusPolicy(Qt::ClickFocus);
    lstDict->setUniformItemSizes(true);
    lstDict->viewport()->installEventFilter(this);

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    cmdCheck = button("cmdCheck", "Check");
    cmdNext10 = button("cmdNext10", "Next 10");
    cmdNextLtr = button("cmdNextLtr", "Next Ltr");
    cmdTop = button("cmdTop", "Top");
    cmdBottom = button("cmdBottom", "Bottom");
    cmdClear = button("cmdClear", "Clear");
    cmdAddEdit = button("cmdAddEdit", "Add && Edit");
    cmdAddAdvance = button("cmdAddAdvance", "Add && Advance");
    cmdCheck->setDefault(true);

    optAllWords = new QRadioButton("All Words", this);
    optAllWords->setObjectName("optAllWords");
    optLimited = new QRadioButton("Limited", this);
    optLimited->setObjectName("optLimited");
    chkFamiliar = new QCheckBox("Familiar words", this);
    chkFamiliar->setObjectName("chkFamiliar");
    chkFamiliar->setToolTip("List only everyday words");
    chkFamiliar->setEnabled(search_.familiarAvailable());

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    for (QPushButton* b : {cmdCheck, cmdNext10, cmdNextLtr, cmdTop, cmdBottom, cmdClear})
        buttons->addWidget(b);
    buttons->addSpacing(8);
    buttons->addWidget(optAllWords);
    buttons->addWidget(optLimited);
    buttons->addWidget(chkFamiliar);
    buttons->addStretch();

    auto* sending = new QHBoxLayout;
    sending->addWidget(cmdAddEdit);
    sending->addWidget(cmdAddAdvance);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(6);
    layout->addWidget(txtDict, 0, 0);
    layout->addWidget(lstDict, 1, 0);
    layout->addLayout(buttons, 0, 1, 2, 1);
    layout->addLayout(sending, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    lblDefinition = new QLabel(this);
    lblDefinition->setObjectName("lblDefinition");
    lblDefinition->setAccessibleName("Definitions");
    lblDefinition->setFont(sansSerif());
    lblDefinition->setWordWrap(true);
    lblDefinition->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDefinition->setMinimumHeight(QFontMetrics(lblDefinition->font()).lineSpacing() * 5);
    layout->addWidget(lblDefinition, 3, 0, 1, 2);

    setTabOrder(txtDict, cmdCheck);
    resize(330, 380);

    connect(cmdCheck, &QPushButton::clicked, this, &DictionaryWindow::check);
    connect(cmdNext10, &QPushButton::clicked, this, &DictionaryWindow::nextTen);
    connect(cmdNextLtr, &QPushButton::clicked, this, &DictionaryWindow::nextLetter);
    connect(cmdTop, &QPushButton::clicked, this, &DictionaryWindow::top);
    connect(cmdBottom, &QPushButton::clicked, this, &DictionaryWindow::bottom);
    connect(cmdClear, &QPushButton::clicked, this, &DictionaryWindow::clear);
    connect(optAllWords, &QRadioButton::clicked, this, [this] { run(&WordSearch::allWords); });
    connect(optLimited, &QRadioButton::clicked, this, [this] { run(&WordSearch::limited); });
    connect(chkFamiliar, &QCheckBox::clicked, this, [this](bool on) {
        takeEditText();
        search_.familiarWords(on);
        mirror();
    });
    // The mode follows the options however they are switched: arrow keys
    // and accessibility actions toggle them without a click.
    connect(optAllWords, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !mirroring_ && search_.mode != SearchMode::AllWords) run(&WordSearch::allWords);
    });
    connect(optLimited, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !mirroring_ && search_.mode != SearchMode::Limited) run(&WordSearch::limited);
    });
    connect(cmdAddEdit, &QPushButton::clicked, this, &DictionaryWindow::addAndEdit);
    connect(cmdAddAdvance, &QPushButton::clicked, this, &DictionaryWindow::addAndAdvance);
    connect(lstDict, &QListWidget::currentRowChanged, this, &DictionaryWindow::listRowChanged);
    connect(lstDict, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { listRowChanged(lstDict->row(item)); });
    connect(lstDict, &QListWidget::itemDoubleClicked, this, &DictionaryWindow::sendSelectedWord);
    connect(lstDict->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!mirroring_ && isVisible()) txtDict->setFocus();
    });

    search_.windowCreated(host_.answerBoxText());
    cmdAddAdvance->setEnabled(host_.emptyRowSelected());
    mirror();
}

void DictionaryWindow::openDictionary() {
    show();
    raise();
    activateWindow();
    txtDict->setFocus();
    txtDict->setSelection(0, std::min<int>(50, txtDict->text().size()));
}

void DictionaryWindow::takeEditText() { search_.txtDict = documentText(txtDict->text()); }

void DictionaryWindow::run(void (WordSearch::*command)()) {
    takeEditText();
    (search_.*command)();
    mirror();
}

void DictionaryWindow::check() { run(&WordSearch::check); }
void DictionaryWindow::nextTen() { run(&WordSearch::nextTen); }
void DictionaryWindow::nextLetter() { run(&WordSearch::nextLetter); }
void DictionaryWindow::top() { run(&WordSearch::top); }
void DictionaryWindow::bottom() { run(&WordSearch::bottom); }
void DictionaryWindow::clear() { run(&WordSearch::clear); }

// A word unfit for a class is listed as the dictionary holds it, but
// greyed, with the reason as its tooltip.
void DictionaryWindow::markUnfit(QListWidgetItem* item, const std::string& word) const {
    if (item == nullptr || !search_.unfitWord(word)) return;
    item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
    item->setToolTip(
        QStringLiteral("Not for a class handout: Suggest Answers and Familiar words leave it out"));
    item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("not for class"));
}

void DictionaryWindow::mirror() {
    mirroring_ = true;

    // The search only ever appends to its list or empties it; anything else
    // is shown by filling the list again.
    const auto& words = search_.lstDict;
    int shown = lstDict->count();
    if (shown > int(words.size()) ||
        (shown > 0 && lstDict->item(shown - 1)->text() != screenText(words[shown - 1]))) {
        lstDict->clear();
        shown = 0;
    }
    for (int i = shown; i < int(words.size()); ++i) {
        lstDict->addItem(screenText(words[i]));
        markUnfit(lstDict->item(i), words[i]);
    }

    const int selected = search_.selectedIndex;
    if (selected >= 0 && selected < lstDict->count()) {
        lstDict->setCurrentRow(selected);
        lstDict->scrollToItem(lstDict->item(selected));
    } else {
        lstDict->setCurrentRow(-1);
    }

    const QString text = screenText(search_.txtDict);
    if (txtDict->text() != text) txtDict->setText(text);
    optLimited->setChecked(search_.mode == SearchMode::Limited);
    optAllWords->setChecked(search_.mode == SearchMode::AllWords);
    chkFamiliar->setChecked(search_.familiarOnly && search_.familiarAvailable());

    if (search_.focusEditBox) txtDict->setFocus();
    if (search_.selectWholeText) {
        // Caret at the start, the whole text selected.
        txtDict->setSelection(txtDict->text().size(), -txtDict->text().size());
    }
    lblDefinition->setText(screenText(host_.describeWord(search_.selectedWord())));
    mirroring_ = false;
}

void DictionaryWindow::listRowChanged(int row) {
    if (mirroring_ || row < 0) return;
    takeEditText();
    search_.clickWord(row);
    mirror();
}

void DictionaryWindow::sendSelectedWord() { host_.setAnswerBoxText(search_.selectedWord()); }

void DictionaryWindow::sendWord(bool advance) {
    const std::string word = search_.selectedWord();
    host_.setAnswerBoxText(word);
    host_.setQuestionBoxText(placeholderQuestion(word));
    if (advance) host_.setAdvanceMarkers();
    host_.focusQuestionBox();
}

void DictionaryWindow::addAndEdit() {
    sendWord(false);
    hide();
}

void DictionaryWindow::addAndAdvance() { sendWord(true); }

bool DictionaryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtDict && event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        if (const auto key = listKey(keyEvent->key())) {
            takeEditText();
            const bool consumed = search_.keyPressed(*key);
            mirror();
            return consumed;
        }
    }
    if (watched == lstDict->viewport() && event->type() == QEvent::MouseButtonRelease) txtDict->setFocus();
    return QWidget::eventFilter(watched, event);
}

void DictionaryWindow::keyPressEvent(QKeyEvent* event) {
    // Check is the window's default button: Enter runs it from every control
    // (the edit box, the list, the options and the other buttons leave the
    // key to the window).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        run(&WordSearch::enterKey);
        return;
    }
    QWidget::keyPressEvent(event);
}

void DictionaryWindow::closeEvent(QCloseEvent* event) {
    search_.windowClosed();
    mirroring_ = true;
    lstDict->clear();
    mirroring_ = false;
    QWidget::closeEvent(event);
}

DictionaryWindow* openDictionaryWindow(QPointer<DictionaryWindow>& window, WordSearch& search,
                                       DictionaryHost& host, QWidget* mainWindow, const QRect& keepClear) {
    if (!window) {
        window = new DictionaryWindow(search, host, mainWindow);
        if (mainWindow) {
            const QScreen* screen = mainWindow->screen();
            const QRect area = screen ? screen->availableGeometry() : QRect();
            window->move(dictionaryPlace(
                mainWindow->frameGeometry(), window->frameGeometry().size(),
                area.isValid() ? area : mainWindow->frameGeometry().united(window->frameGeometry()),
                keepClear));
        }
    }
    window->openDictionary();
    return window.data();
}

}  // namespace qbrx
