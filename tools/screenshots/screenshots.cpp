// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the pictures of the main window and the grid window for the
// documentation: a puzzle in progress, opened from an example file; with a
// word list folder too, the pictures of Qbrx > Suggest Answers... (with a
// word's definition shown), and of Draft Clue, as well.
//   xvfb-run -a ui_screenshots OUTDIR EXAMPLE.dat [DATADIR]
// With --screen, the whole screen instead, as the author sees it with the
// grid window over the main window (the screen size is the X server's), and
// with the dictionary window open too when "dictionary" follows:
//   xvfb-run -a -s "-screen 0 1024x768x24" ui_screenshots --screen OUT.png EXAMPLE.dat [dictionary]
// With --dark, the main window alone under a dark desktop palette:
//   xvfb-run -a ui_screenshots --dark OUT.png EXAMPLE.dat
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <cstdio>
#include <cstring>
#include <string>

#include "dictionary.h"
#include "mainwindow.h"
#include "programstyle.h"
#include "quotegridwindow.h"
#include "random.h"
#include "scriptedprompter.h"
#include "suggestdialog.h"
#include "uifonts.h"

namespace {

// A main window on the screen, started up.
struct Window {
    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random;
    qbrx::Dictionary dictionary;
    qbrx::MainWindow form{prompter, random, dictionary};

    explicit Window(std::uint64_t seed) : random(seed) {
        form.show();
        form.startUp();
    }
};

// Suggest Answers over the word list in `dataDir`: a puzzle set up with its
// crostic, a third of its answers written, and the sets of answers the
// search found for the rest.
bool suggestAnswersPicture(const QString& outDir, const char* dataDir) {
    Window w(1854);
    qbrx::loadDictionary(w.dictionary, dataDir);
    w.form.txtQuote->setPlainText(
        QStringLiteral("I went to the woods because I wished to live deliberately, to front only the "
                       "essential facts of life, "
                       "and see if I could not learn what it had to teach, and not, when I came to die, "
                       "discover that I had not "
                       "lived."));
    w.form.cmdRegister->click();
    w.prompter.inputs.push_back(std::string("HENRY DAVID THOREAU WALDEN"));
    w.form.mnuCrosticSetup->trigger();
    const struct {
        int slot;
        const char* question;
        const char* answer;
    } written[] = {{1, "Inexpensive lodging for young travellers", "Hostel"},
                   {6, "The opposite of victory", "Defeat"},
                   {11, "Cloth for drying off after a swim", "Towel"},
                   {14, "Long-barrelled gun carried by a frontier hunter", "Rifle"},
                   {18, "Card game for four players, ancestor of bridge", "Whist"},
                   {22, "Sounds that come back from the far shore of a still pond", "Echoes"}};
    for (const auto& a : written)
        w.form.perform([&a](qbrx::Editor& e) {
            e.selectListRow(a.slot - 1);
            e.view.questionBox = a.question;
            e.view.answerBox = a.answer;
            e.acceptButton();
        });

    w.form.mnuSuggest->trigger();
    auto* dialog = w.form.findChild<qbrx::SuggestDialog*>();
    if (dialog == nullptr) return false;
    QElapsedTimer clock;
    clock.start();
    while (dialog->lstFills->count() < 12 && dialog->searching() && clock.elapsed() < 20000)
        QApplication::processEvents();
    dialog->stopSearch();
    dialog->lstFills->setCurrentRow(0);
    dialog->lstSlots->item(3)->setCheckState(Qt::Unchecked);
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
    if (!dialog->grab().save(outDir + QStringLiteral("/suggestanswers.png"))) return false;

    // The same with a word's definition showing, as the mouse over it shows
    // it (the tooltip is a window of its own, so the screen is taken).
    dialog->move(20, 20);
    QTest::qWait(200);
    QListWidgetItem* row = dialog->lstFills->item(0);
    const QPoint at =
        dialog->lstFills->viewport()->mapToGlobal(dialog->lstFills->visualItemRect(row).topLeft());
    QToolTip::showText(at + QPoint(60, 8), row->toolTip(), dialog->lstFills);
    QTest::qWait(400);
    QRect frame = dialog->frameGeometry();
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QTipLabel")) frame = frame.united(w->frameGeometry());
    return dialog->screen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .save(outDir + QStringLiteral("/suggestdefinitions.png"));
}

// The main window with a clue drafted for a new answer.
bool draftCluePicture(const QString& outDir, const char* example, const char* dataDir) {
    Window w(1845);
    loadDictionary(w.dictionary, dataDir);
    w.form.openFile(example);
    w.form.lstQuestion->setCurrentRow(w.form.editor().doc.questionCount);
    w.form.txtAnswer->setText(QStringLiteral("robot"));
    w.form.cmdDraftClue->click();
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
    return w.form.grab().save(outDir + QStringLiteral("/draftclue.png"));
}

// A dark desktop palette, as a dark theme gives it.
QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x2B, 0x2B, 0x30), base(0x1E, 0x1E, 0x22), text(0xEE, 0xEE, 0xEE);
    for (auto [role, color] : {std::pair{QPalette::Window, window},
                               {QPalette::WindowText, text},
                               {QPalette::Base, base},
                               {QPalette::AlternateBase, window},
                               {QPalette::Text, text},
                               {QPalette::Button, QColor(0x3A, 0x3A, 0x40)},
                               {QPalette::ButtonText, text},
                               {QPalette::ToolTipBase, base},
                               {QPalette::ToolTipText, text},
                               {QPalette::Highlight, QColor(0x3D, 0x6D, 0xB5)},
                               {QPalette::HighlightedText, QColor(Qt::white)},
                               {QPalette::Light, QColor(0x50, 0x50, 0x58)},
                               {QPalette::Midlight, QColor(0x45, 0x45, 0x4C)},
                               {QPalette::Mid, QColor(0x30, 0x30, 0x35)},
                               {QPalette::Dark, QColor(0x18, 0x18, 0x1B)},
                               {QPalette::Shadow, QColor(Qt::black)}})
        dark.setColor(role, color);
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x88));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x88));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x88));
    return dark;
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts and style as the program sets them up.
    qbrx::useProgramFontConfiguration();
    QApplication app(argc, argv);
    QApplication::setStyle(new qbrx::ProgramStyle);
    const bool wholeScreen = argc >= 2 && std::strcmp(argv[1], "--screen") == 0;
    const bool dark = argc >= 2 && std::strcmp(argv[1], "--dark") == 0;
    if (dark) QApplication::setPalette(darkPalette());
    if (argc < 3 + (wholeScreen || dark ? 1 : 0)) {
        std::fprintf(stderr,
                     "usage: ui_screenshots OUTDIR EXAMPLE.dat [DATADIR]\n"
                     "       ui_screenshots --screen OUT.png EXAMPLE.dat\n"
                     "       ui_screenshots --dark OUT.png EXAMPLE.dat\n");
        return 2;
    }
    const int first = wholeScreen || dark ? 2 : 1;
    const QString out = QString::fromLocal8Bit(argv[first]);

    Window w(1845);
    w.form.openFile(argv[first + 1]);
    // A puzzle in progress: a question selected for editing.
    w.form.lstQuestion->setCurrentRow(4);
    w.form.lstQuestion->scrollToTop();
    for (int i = 0; i < 10; ++i) QApplication::processEvents();

    if (wholeScreen) {
        if (argc > 4 && std::strcmp(argv[4], "dictionary") == 0) w.form.openDictionary();
        QTest::qWait(300);
        return w.form.screen()->grabWindow(0).save(out) ? 0 : 1;
    }
    if (dark) return w.form.grab().save(out) ? 0 : 1;
    bool ok = w.form.grab().save(out + QStringLiteral("/mainwindow.png"));
    ok = w.form.gridWindow()->grab().save(out + QStringLiteral("/gridwindow.png")) && ok;
    if (argc > 3) ok = suggestAnswersPicture(out, argv[3]) && ok;
    if (argc > 3) ok = draftCluePicture(out, argv[first + 1], argv[3]) && ok;
    return ok ? 0 : 1;
}
