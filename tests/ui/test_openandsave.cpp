// SPDX-License-Identifier: GPL-3.0-or-later
// Open and Save on data and ipuz files: a read-only ipuz file kept, the
// title after Open over discarded changes, a named pipe refused for what
// it is.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "mainwindowfixture.h"

using namespace qbrx;

class TestOpenAndSave : public QObject, test::MainWindowFixture {
    Q_OBJECT

private slots:
    // A main window with a registered quotation and unsaved changes.
    void init() {
        QVERIFY(start());
        registerQuote(QStringLiteral("Less is more."));
    }
    void cleanup() { form.reset(); }

    // An ipuz file is saved as safely as a data file: a read-only one is
    // refused and kept, and Quit waits for a save that did not happen.
    void readOnlyIpuzIsRefusedAndKept() {
        const std::string path = pathFor(QStringLiteral("week.ipuz"));
        std::ofstream(path) << "{}";
        std::filesystem::permissions(path, std::filesystem::perms::owner_read);

        prompter->replies = {Reply::Yes, Reply::Ok};
        prompter->files = {path};
        form->mnuQuit->trigger();
        QCOMPARE(test::fileContents(path), std::string("{}"));
        QVERIFY(form->isVisible());
    }

    // Changes given up at Open are not the opened file's: its title has no
    // mark. A named pipe called .ipuz is there, but is no file to open.
    void discardedChangesAreNotTheOpenedFilesAndAPipeIsNotCalledMissing() {
        prompter->replies = {Reply::No};
        prompter->files = {std::string(QBRX_DATA_DIR "/../examples/walden.dat")};
        form->mnuOpen->trigger();
        QCOMPARE(form->windowTitle(), QStringLiteral("Quotabrix \u2013 walden.dat"));

        const std::string path = pathFor(QStringLiteral("week.ipuz"));
        QVERIFY(::mkfifo(path.c_str(), 0600) == 0);
        form->openFile(path);
        QVERIFY(prompter->texts().back().find("not a regular file") != std::string::npos);
    }
};

QTEST_MAIN(TestOpenAndSave)
#include "test_openandsave.moc"
