// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

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
#include "mainwindowwidgets.h"
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

constexpr int kQuoteSelectAll = 65000;  // double-click in the quotation box

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

}  // namespace

// ------------------------------------------------------------ construction

MainWindow::MainWindow(Prompter& prompter, RandomSource& random, const Dictionary& dictionary,
                       QWidget* parent)
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

    gridWindow_ = new QuoteGridWindow;
    gridWindow_->onFocusChange = [this](bool gained) {
        perform([gained](Editor& e) { e.gridWindowFocus(gained); });
    };

    // Room to breathe beyond the controls' own sizes; on a small screen the
    // window starts short enough for its frame to fit, the question list
    // giving up rows.
    int height = sizeHint().height();
    if (const QScreen* shown = screen())
        height =
            std::min(height, std::max(minimumSizeHint().height(), shown->availableGeometry().height() - 48));
    resize(std::max(sizeHint().width(), 960), height);

    showPopup = [this](const QPoint& at) { Popmenu->exec(at); };
    onOpenDictionary = [this] {
        // The dictionary fills the answer box, so it opens clear of the
        // question and answer boxes and their buttons wherever it can.
        QRect boxes;
        for (const QWidget* w : std::initializer_list<const QWidget*>{lblQuestion, txtQuestion, txtAnswer,
                                                                      cmdAccept, cmdDictionary})
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

MainWindow::~MainWindow() {
    gridWindow_->onFocusChange = nullptr;
    delete gridWindow_;
    delete options_;
}

OptionsDialog* MainWindow::optionsDialog() {
    if (!options_) {
        options_ = new OptionsDialog(editor_.doc.header, this);
        connect(options_, &OptionsDialog::headerStored, this, [this](const HeaderValues& header) {
            perform([&header](Editor& e) { e.setHeader(header); });
        });
    }
    return options_;
}

// ------------------------------------------------------- view and widgets

void MainWindow::startUp() {
    perform([](Editor& e) { e.startUp(); });
}

void MainWindow::perform(const std::function<void(Editor&)>& operation) {
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

void MainWindow::copyBoxesToView() {
    MainView& v = editor_.view;
    v.quoteBox = documentText(txtQuote->toPlainText());
    v.questionBox = documentText(txtQuestion->text());
    v.answerBox = documentText(txtAnswer->text());
    editor_.quoteBoxWidth = std::max(kMinQuoteBoxTwips, txtQuote->width() * kTwipsPerPixel);
}

void MainWindow::mirrorView() {
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
            palette.setColor(QPalette::Window,
                             want.grey ? QColor(0xE0, 0xE0, 0xE0) : QColor(0xFF, 0xFF, 0xFF));
            label->setPalette(palette);
            label->setToolTip(
                want.mismatch ? QStringLiteral("The answer does not start with this letter of the crostic")
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

    if (cmdRegister->text() != screenText(v.registerCaption))
        cmdRegister->setText(screenText(v.registerCaption));
    if (cmdQuote->text() != screenText(v.quoteButtonCaption))
        cmdQuote->setText(screenText(v.quoteButtonCaption));
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
        case Focus::None:
            break;
        case Focus::Quote:
            txtQuote->setFocus();
            break;
        case Focus::Question:
            txtQuestion->setFocus();
            break;
        case Focus::Answer:
            txtAnswer->setFocus();
            break;
        case Focus::List:
            lstQuestion->setFocus();
            break;
    }

    // The grid window last: it shows the latest picture, wherever the focus
    // handling above has left the view.
    const GridPicture& grid = editor_.view.grid;
    const GridPicture& drawn = gridWindow_->picture();
    if (grid.width != drawn.width || grid.height != drawn.height || grid.ops != drawn.ops)
        gridWindow_->setPicture(grid);
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

void MainWindow::applyEnabling() {
    const bool on = editor_.view.controlsEnabled;
    for (QWidget* w : std::initializer_list<QWidget*>{
             lblQA,         lblQuestionlist, lblQuestion,  txtQuestion,   lstQuestion, lblAnswer,
             txtAnswer,     cmdAccept,       lblEncoded,   cmdMoveUp,     cmdMoveDown, cmdQuote,
             cmdDictionary, cmdCrostic,      optCrosticOn, optCrosticOff, cmdDelete,   cmdInsert,
             cmdJump,       cmdGaps,         cmdEmpty,     cmdDraftClue})
        if (w->isEnabled() != on) w->setEnabled(on);
    const bool files = editor_.view.fileMenusEnabled;
    for (QAction* a :
         {mnuNew, mnuClose, mnuSave, mnuSaveAs, mnuRevert, mnuPrintPreview, mnuPrint, mnuPrintkey, mnuExport})
        if (a->isEnabled() != files) a->setEnabled(files);
    // Setup and Move work on a registered quotation, as their buttons do.
    for (QAction* a : {mnuCrosticSetup, mnuMoveUp, mnuMoveDown, mnuDraftClue})
        if (a->isEnabled() != on) a->setEnabled(on);
}

// ------------------------------------------------------------------ events

bool MainWindow::isMenuShortcut(const QKeyEvent* key) const {
    const QKeySequence pressed(key->keyCombination());
    return std::any_of(allActions_.begin(), allActions_.end(), [&](const QAction* a) {
        return !a->shortcut().isEmpty() && a->shortcut() == pressed;
    });
}

void MainWindow::replayKey(QWidget* box, QKeyEvent* key, int replacement) {
    QKeyEvent replaced(QEvent::KeyPress, replacement, key->modifiers());
    replayingKey_ = true;
    QCoreApplication::sendEvent(box, &replaced);
    replayingKey_ = false;
}

bool MainWindow::quoteKeyDown(QKeyEvent* key) {
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

bool MainWindow::boxKeyDown(QWidget* box, QKeyEvent* key) {
    const bool questionBox = box == txtQuestion;
    BoxKey pressed = BoxKey::Other;
    switch (key->key()) {
        case Qt::Key_PageUp:
            pressed = BoxKey::PageUp;
            break;
        case Qt::Key_PageDown:
            pressed = BoxKey::PageDown;
            break;
        case Qt::Key_Home:
            pressed = BoxKey::Home;
            break;
        case Qt::Key_End:
            pressed = BoxKey::End;
            break;
        case Qt::Key_Up:
            pressed = BoxKey::Up;
            break;
        case Qt::Key_Down:
            pressed = BoxKey::Down;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pressed = BoxKey::Enter;
            break;
        default:
            break;
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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
            case QEvent::KeyPress:
                return quoteKeyDown(static_cast<QKeyEvent*>(event));
            case QEvent::FocusIn:
                cmdRegister->setEnabled(true);
                cmdRegister->setDefault(true);
                break;
            case QEvent::FocusOut:
                cmdRegister->setDefault(false);
                break;
            default:
                break;
        }
    } else if (watched == txtQuote->viewport()) {
        // The box's mouse events arrive on its viewport.
        if (type == QEvent::MouseButtonDblClick) {
            selectIn(txtQuote, TextSelection{0, kQuoteSelectAll});
            return true;
        }
    } else if (watched == txtQuestion || watched == txtAnswer) {
        switch (type) {
            case QEvent::KeyPress:
                return boxKeyDown(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
            case QEvent::FocusIn:
                cmdAccept->setDefault(true);
                if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                    clickedIntoBox_ = watched;
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
            default:
                break;
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

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // The grid window the program placed moves along with this window
    // (also when the window manager places this window after showing it).
    if (event->type() == QEvent::Move && gridWindow_) gridWindow_->followMainWindow(this);
    // The window itself, not one of its controls, got the focus.
    if (event->type() == QEvent::WindowActivate && (!focusWidget() || focusWidget() == this) &&
        txtQuestion->isEnabled())
        txtQuestion->setFocus();
    return handled;
}

void MainWindow::closeEvent(QCloseEvent* event) {
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

void MainWindow::listMouseUp(Qt::MouseButton button) {
    perform([](Editor& e) { e.listMouseUp(); });
    if (button == Qt::RightButton && showPopup) showPopup(QCursor::pos());
}

void MainWindow::questionBoxGotFocus() {
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

void MainWindow::openDictionary() {
    cmdDictionary->setText(QStringLiteral("Dictionary"));
    cmdDictionary->setEnabled(true);
    if (onOpenDictionary) onOpenDictionary();
}

void MainWindow::openSuggestAnswers() {
    auto* dialog = new SuggestDialog(*this, dictionary_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->startSearch();
}

QPrinter& MainWindow::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        setPrinterPaper(*printer_, localePaper());  // until Print Setup chooses another
        preparePrinter(*printer_);
    }
    return *printer_;
}

PrintOptions MainWindow::printOptions(bool key) const { return {key, editor_.doc.crosticOn}; }

void MainWindow::print(bool keyMode) {
    // Printing reports nothing: a page that cannot be laid out is not printed.
    printCommand(editor_.prompter(), editor_.doc, printOptions(keyMode), printer());
}

void MainWindow::undoOrRedo(bool redo) {
    QWidget* box = QApplication::focusWidget();
    if (redo ? editCanRedo(box) : editCanUndo(box)) {
        redo ? editRedo(box) : editUndo(box);
        nameUndoItems();
        return;
    }
    perform([redo](Editor& e) { redo ? e.history.redo(e) : e.history.undo(e); });
}

void MainWindow::nameUndoItems() {
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

void MainWindow::openFile(const std::string& path) {
    perform([this, &path](Editor&) { commands_->openFile(path); });
}

void MainWindow::quit() {
    gridWindow_->hide();
    if (options_) options_->hide();
    hide();
    QCoreApplication::exit(0);
}

// --------------------------------------------------------- DictionaryHost

std::string MainWindow::answerBoxText() const { return documentText(txtAnswer->text()); }

void MainWindow::setAnswerBoxText(const std::string& text) { txtAnswer->setText(screenText(text)); }

void MainWindow::setQuestionBoxText(const std::string& text) { txtQuestion->setText(screenText(text)); }

void MainWindow::focusQuestionBox() {
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

bool MainWindow::emptyRowSelected() const {
    return editor_.view.selectedRow >= 0 && editor_.view.selectedRow == editor_.doc.questionCount;
}

void MainWindow::setAdvanceMarkers() { advancePending = true; }

}  // namespace qbrx
