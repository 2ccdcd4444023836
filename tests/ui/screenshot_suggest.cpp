// Takes the documentation's picture of Qbrx > Suggest Answers...: a puzzle
// set up with its crostic, a third of its answers written, and the sets of
// answers the search found for the rest.
//   xvfb-run -a ui_screenshot_suggest OUTDIR DATADIR
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdio>
#include <string>

#include "dictionary.h"
#include "frmsuggest.h"
#include "mainform.h"
#include "random.h"
#include "scriptedprompter.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: ui_screenshot_suggest OUTDIR DATADIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);

    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random(1854);
    qbrx::Dictionary dictionary;
    dictionary.loadCountIndex(argv[2]);
    dictionary.loadWordList(argv[2]);
    dictionary.loadLevels(argv[2]);
    qbrx::Mainform form(prompter, random, dictionary);
    form.show();
    form.startUp();
    form.txtQuote->setPlainText(QStringLiteral(
        "I went to the woods because I wished to live deliberately, to front only the essential facts of life, "
        "and see if I could not learn what it had to teach, and not, when I came to die, discover that I had not "
        "lived."));
    form.cmdRegister->click();
    prompter.inputs.push_back(std::string("HENRY DAVID THOREAU WALDEN"));
    form.mnuCrosticSetup->trigger();
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
    for (const auto& w : written)
        form.perform([&w](qbrx::Editor& e) {
            e.selectListRow(w.slot - 1);
            e.view.questionBox = w.question;
            e.view.answerBox = w.answer;
            e.acceptButton();
        });

    form.mnuSuggest->trigger();
    auto* dialog = form.findChild<qbrx::frmSuggest*>();
    if (dialog == nullptr) return 1;
    QElapsedTimer clock;
    clock.start();
    while (dialog->lstFills->count() < 12 && dialog->searching() && clock.elapsed() < 20000)
        QApplication::processEvents();
    dialog->stopSearch();
    dialog->lstFills->setCurrentRow(0);
    dialog->lstSlots->item(3)->setCheckState(Qt::Unchecked);
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
    return dialog->grab().save(outDir + QStringLiteral("/suggestanswers.png")) ? 0 : 1;
}
