// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Revert and Save ask about unsaved work, which the title shows,
// and keep the file name they should. A save that fails says why and stops
// the command that asked for it; a save keeps the file's permissions, group
// and links. Files that are no puzzle (unreadable, a named pipe, one
// endless line, binary bytes) are refused with a word before anything
// changes; UTF-8 text is read as such; whatever Save writes reads back whole.
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "documentcommands.h"
#include "filesfixture.h"

namespace qbrx::test {
namespace {

class CommandsTest : public FilesTest {
protected:
    DocumentCommands commands{ed};

    // A registered document with one pair, changed since start-up.
    void makeDocument() {
        registerQuote("Less is more.");
        accept("Opposite of more", "less");
    }
    // Writes a puzzle file with one pair and opens it; returns its path.
    std::string openPuzzle(const std::string& name, const std::string& quote) {
        writeBytes(path(name),
                   quote + "\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 1 \r\n 1Q. q\r\n 1A. " + quote + "\r\n");
        prompter.files.push_back(path(name));
        commands.open();
        ed.selectListRow(ed.doc.questionCount);  // the empty row, ready for a new pair
        return path(name);
    }
};

TEST_F(CommandsTest, NewAsksTwoQuestionsOnlyAfterAChange) {
    openPuzzle("a.dat", "Alpha beta");
    commands.newDocument();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(ed.doc.questionCount, 1);

    makeDocument();
    commands.dataFileName = path("week.dat");
    prompter.replies = {Reply::Cancel};
    commands.newDocument();
    EXPECT_EQ(prompter.texts().back(),
              "Save changes to " + path("week.dat") + " before creating a new document?");
    EXPECT_EQ(ed.doc.questionCount, 2);

    prompter.replies = {Reply::Yes, Reply::Yes};
    commands.newDocument();
    EXPECT_EQ(prompter.texts().back(), "Preserve Quote for New document?");
    EXPECT_EQ(readBytes(path("week.dat")).substr(0, 15), "Less is more.\r\n");
    EXPECT_EQ(ed.view.quoteBox, "Less is more.");
    EXPECT_EQ(ed.doc.questionCount, 0);

    // Cancel at Preserve Quote keeps the puzzle.
    makeDocument();
    prompter.replies = {Reply::No, Reply::Cancel};
    commands.newDocument();
    EXPECT_EQ(prompter.messages.back().buttons, Buttons::YesNoCancel);
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_TRUE(ed.doc.docChanged);

    // A new puzzle counts no letters of the prompt.
    prompter.replies = {Reply::No, Reply::No};
    commands.newDocument();
    EXPECT_FALSE(ed.doc.docChanged);
    EXPECT_EQ(commands.dataFileName, "");
    EXPECT_TRUE(prompter.saveRequests.empty());
    EXPECT_EQ(ed.view.quoteBox, kQuotePrompt);
    EXPECT_EQ(ed.view.totalLetters, "");
}

TEST_F(CommandsTest, OpenAsksToSaveSaveAsComesFirstWithoutAFileAndSaveKeepsTheOpenedFile) {
    makeDocument();
    prompter.replies = {Reply::Yes};
    prompter.files.push_back(path("mine.dat"));
    const std::string other = openPuzzle("other.dat", "Other quote");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Do you want to save your file first?"});
    EXPECT_EQ(readBytes(path("mine.dat")).substr(0, 15), "Less is more.\r\n");
    // The open dialog comes second and starts at the name just saved.
    ASSERT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(prompter.openRequests[0].initialName, path("mine.dat"));
    EXPECT_EQ(ed.doc.quotation, "Other quote");
    EXPECT_EQ(commands.dataFileName, other);

    // Save writes to the opened file after Save As.
    accept("Second", "answer");
    prompter.files.push_back(path("copy.dat"));
    EXPECT_TRUE(commands.saveAs());
    EXPECT_EQ(commands.dataFileName, other);
    accept("Third", "again");
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(prompter.saveRequests.size(), 2u);  // the first save's and Save As's
    EXPECT_NE(readBytes(other).find(" 3A. again\r\n"), std::string::npos);
    EXPECT_EQ(readBytes(path("copy.dat")).find(" 3A. again"), std::string::npos);
}

class SaveTest : public CommandsTest {
protected:
    fs::path mounted;

    void SetUp() override {
        CommandsTest::SetUp();
        makeDocument();
    }
    void TearDown() override {
        if (!mounted.empty()) ::umount2(mounted.c_str(), MNT_DETACH);
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        FilesTest::TearDown();
    }
    // Mounts a 64 KiB file system at `at` holding `name` ("old") and fills it.
    bool mountFullDisk(const fs::path& at, const std::string& name) {
        fs::create_directories(at);
        if (!runningAsRoot() || ::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", at.c_str(), "tmpfs", 0, "size=64k") != 0)
            return false;
        mounted = at;
        writeBytes(at / name, "old");
        writeBytes(at / "filler", std::string(64 * 1024, 'f'));
        return true;
    }
};

TEST_F(SaveTest, FailedSaveNamesTheFileAndKeepsTheDocument) {
    fs::create_directory(dir / "busy.dat");  // the target is a folder
    writeBytes(dir / "busy.dat" / "inside", "old");
    commands.dataFileName = path("busy.dat");
    EXPECT_FALSE(commands.save());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.rfind("Could not save " + path("busy.dat") + ":\r", 0), 0u);
    EXPECT_EQ(readBytes(dir / "busy.dat" / "inside"), "old");
    EXPECT_EQ(entries(), 1);  // no temporary file left
}

TEST_F(SaveTest, ReadOnlyFileIsRefusedAndStopsNewAndOpen) {
    const std::string file = oldFile("walden.dat", fs::perms(0444));
    commands.dataFileName = file;
    prompter.replies = {Reply::Yes, Reply::Ok, Reply::Yes, Reply::Ok};  // save first, each time
    commands.newDocument();
    EXPECT_EQ(prompter.texts().back(), "Could not save " + file + ":\rthe file is read-only");
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_EQ(ed.doc.questionCount, 1);
    commands.open();
    EXPECT_TRUE(prompter.openRequests.empty());
    EXPECT_EQ(entries(), 1);
}

TEST_F(SaveTest, FullDiskFailsTheSaveAndKeepsTheOldFile) {
    const fs::path disk = dir / "small";
    if (!mountFullDisk(disk, "walden.dat")) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    const std::string file = (disk / "walden.dat").string();
    commands.dataFileName = file;
    prompter.replies = {Reply::Yes};
    commands.newDocument();
    EXPECT_EQ(prompter.texts().back(), "Could not save " + file + ":\rNo space left on device");
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(disk), fs::directory_iterator()), 2);
    // A file with a second name is written in place, once its room is found.
    fs::create_hard_link(file, disk / "second.dat");
    ed.doc.question[1] = std::string(6000, 'q');
    EXPECT_FALSE(writeDataFile(ed.doc, file).ok());
    EXPECT_EQ(readBytes(file), "old");
}

TEST_F(SaveTest, SavingKeepsPermissionsGroupAndHardLinks) {
    const std::string alone = oldFile("alone.dat", fs::perms(0640));
    const group* other = ::getgrnam("nogroup");
    const bool regroup = runningAsRoot() && other && ::chown(alone.c_str(), 0, other->gr_gid) == 0;
    ASSERT_TRUE(writeDataFile(ed.doc, alone).ok());
    EXPECT_EQ(fs::status(alone).permissions(), fs::perms(0640));
    struct stat info {};
    ::stat(alone.c_str(), &info);
    if (regroup) {
        EXPECT_EQ(info.st_gid, other->gr_gid);
    }
    fs::create_hard_link(oldFile("linked.dat"), path("other-name.dat"));
    ASSERT_TRUE(writeDataFile(ed.doc, path("linked.dat")).ok());
    EXPECT_EQ(readBytes(path("other-name.dat")), formatDataFile(ed.doc));
}

TEST_F(SaveTest, WritableFileInAFolderTheUserCannotWriteIsSavedInPlace) {
    const std::string file = oldFile("walden.dat", fs::perms(0666));
    fs::permissions(dir, fs::perms(0555));
    const int failed = runAsOrdinaryUser([&] { return writeDataFile(ed.doc, file).ok() ? 0 : 1; });
    if (failed < 0) GTEST_SKIP() << "cannot act as an ordinary user here";
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(readBytes(file), formatDataFile(ed.doc));
    EXPECT_EQ(entries(), 1);
}

TEST_F(SaveTest, AnInterruptedSavesTemporaryFileIsRemovedByTheNextSave) {
    writeBytes(path(".walden.dat.999999999.3.tmp"), "half a puzzle");
    const std::string running = path(".walden.dat." + std::to_string(::getppid()) + ".1.tmp");
    writeBytes(running, "another program saving now");
    ASSERT_TRUE(writeDataFile(ed.doc, path("walden.dat")).ok());
    EXPECT_FALSE(fs::exists(path(".walden.dat.999999999.3.tmp")));
    EXPECT_TRUE(fs::exists(running));
}

// The first save chooses where the next one writes, without asking again.
TEST_F(SaveTest, SavingClearsTheChangedMarkShownInTheTitle) {
    EXPECT_EQ(commands.windowTitle(), "Quotabrix *");
    prompter.files = {path("walden"), path("walden.dat")};
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(commands.windowTitle(), "Quotabrix \u2013 walden.dat");
    commands.open();  // no question: nothing unsaved
    accept("Opposite of less", "more");
    EXPECT_EQ(commands.windowTitle(), "Quotabrix \u2013 walden.dat *");
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_EQ(commands.windowTitle(), "Quotabrix \u2013 walden.dat");
    commands.newDocument();  // right after a save: no offer to save, and a reset
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kPreserveQuestion});
    EXPECT_EQ(ed.doc.questionCount, 0);
}

TEST_F(SaveTest, SaveAsksBeforeReplacingAFileThatWasReadDamaged) {
    const std::string damaged =
        "Abc def\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 2 \r\n 1Q. one\r\n 1A. ab\r\n 2Q. two\r\n 3A. cd\r\n";
    writeBytes(path("damaged.dat"), damaged);
    prompter.files = {path("damaged.dat")};
    prompter.replies = {Reply::No, Reply::Ok, Reply::No};  // no save first; "PROBLEM!!!"; no replacing
    commands.open();
    EXPECT_FALSE(commands.save());
    EXPECT_EQ(readBytes(path("damaged.dat")), damaged);
}

using HostileFileTest = SaveTest;

TEST_F(HostileFileTest, NamedPipeOrMissingNameIsRefusedAndNeverBecomesTheSaveTarget) {
    commands.dataFileName = path("real.dat");
    commands.fileDialog.setFileName(path("real.dat"));
    ASSERT_EQ(::mkfifo(path("pipe.dat").c_str(), 0644), 0);
    prompter.files = {path("pipe.dat")};
    prompter.replies = {Reply::No};
    ::alarm(10);  // a read that waits for a writer ends the test here
    EXPECT_EQ(commands.openDoc(), FileStatus::Unreadable);
    ::alarm(0);
    EXPECT_EQ(prompter.texts().back(),
              "Cannot read " + path("pipe.dat") + ":\rit is not a regular file\rNothing was opened.");
    EXPECT_EQ(commands.dataFileName, path("real.dat"));
    EXPECT_EQ(commands.fileDialog.fileName(), path("real.dat"));
    EXPECT_EQ(ed.doc.quotation, "Less is more.");
    // So is a name that does not exist.
    prompter.files = {path("nothing.dat")};
    commands.openDoc();
    EXPECT_EQ(prompter.texts().back(), "File does not exist.\r" + path("nothing.dat"));
    EXPECT_EQ(commands.dataFileName, path("real.dat"));
    EXPECT_EQ(commands.fileDialog.fileName(), path("real.dat"));
}

TEST_F(HostileFileTest, AFileTheUserMayNotReadIsRefused) {
    writeBytes(path("secret.dat"), "Less is more.\r\nT\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n");
    fs::permissions(path("secret.dat"), fs::perms::none);
    const int status = runAsOrdinaryUser([&] { return static_cast<int>(open(path("secret.dat"))); });
    if (status < 0) GTEST_SKIP() << "cannot act as an ordinary user here";
    EXPECT_EQ(status, static_cast<int>(FileStatus::Unreadable));
}

TEST_F(HostileFileTest, OneEndlessLineIsRefusedWithinBoundedMemory) {
    {
        std::ofstream out(path("huge.dat"), std::ios::binary);
        const std::string chunk(1 << 20, 'x');
        for (int i = 0; i < 48; ++i) out << chunk;
    }
    // The child's growth of its peak resident size, in MiB.
    const int grownMiB = runInChild(false, [&] {
        rusage before{}, after{};
        ::getrusage(RUSAGE_SELF, &before);
        if (open(path("huge.dat")) != FileStatus::NotPuzzle) return 254;
        ::getrusage(RUSAGE_SELF, &after);
        return static_cast<int>(std::min(253L, (after.ru_maxrss - before.ru_maxrss) / 1024));
    });
    EXPECT_GE(grownMiB, 0);
    EXPECT_LT(grownMiB, 4);
}

TEST_F(HostileFileTest, BinaryBytesDoNotLookLikeAPuzzle) {
    std::string garbage;
    for (int i = 0; i < 3000; ++i) garbage += static_cast<char>((i * 73 + 11) % 256);
    writeBytes(path("garbage.dat"), garbage);
    EXPECT_EQ(open(path("garbage.dat")), FileStatus::NotPuzzle);
    EXPECT_EQ(prompter.texts().back(), "The file " + path("garbage.dat") +
                                           " does not look like a puzzle data file.\rNothing was opened.");
    EXPECT_EQ(ed.doc.quotation, "Less is more.");
    // What follows the puzzle's lines (an old end-of-file mark) is not looked at.
    EXPECT_EQ(read("Q\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n\x1A" + garbage), FileStatus::Ok);
}

TEST_F(HostileFileTest, Utf8TextIsReadAsUtf8WindowsTextAsItIsAndWhatSaveWritesWhole) {
    EXPECT_EQ(read("\xEF\xBB\xBFNo\xC3\xABl\r\nCaf\xC3\xA9\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n"),
              FileStatus::Ok);
    EXPECT_EQ(ed.doc.quotation, "No\xEBl");
    EXPECT_EQ(ed.doc.header.title, "Caf\xE9");
    read("Caf\xE9\r\nNo\xEBl \xAB\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n");
    EXPECT_EQ(ed.doc.header.title, "No\xEBl \xAB");

    // What Save writes reads back whole.
    ed.doc.questionCount = 1;
    ed.doc.question[1] = std::string(32767, 'q');    // a full question box
    ed.doc.answer[1] = "X-" + std::string(24, 'a');  // an answer with its crostic prefix
    EXPECT_EQ(read(formatDataFile(ed.doc)), FileStatus::Ok);
    EXPECT_EQ(ed.doc.question[1], std::string(32767, 'q'));
    EXPECT_EQ(ed.doc.answer[1], "X-" + std::string(24, 'a'));
}

}  // namespace
}  // namespace qbrx::test
