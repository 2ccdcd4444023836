// A save that fails says why and stops the command that asked for it; a
// save keeps the file's permissions, group and links; unsaved work is asked
// about and shown in the title.
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include "childprocess.h"
#include "documentcommands.h"
#include "filesfixture.h"

namespace qbrx::test {
namespace {

class SaveTest : public FilesTest {
protected:
    DocumentCommands commands{ed};
    fs::path mounted;

    void SetUp() override {
        FilesTest::SetUp();
        registerQuote("Less is more.");
        accept("Opposite of more", "less");
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

TEST_F(SaveTest, ReadOnlyFileIsRefusedAndStopsNewOpenAndQuit) {
    const std::string file = path("walden.dat");
    writeBytes(file, "old");
    fs::permissions(file, fs::perms(0444));
    commands.dataFileName = file;
    prompter.replies = {Reply::Yes, Reply::Ok, Reply::Yes, Reply::Ok, Reply::Yes};  // save first, each time
    commands.newDocument();
    EXPECT_EQ(prompter.texts().back(), "Could not save " + file + ":\rthe file is read-only");
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_EQ(ed.doc.questionCount, 1);
    commands.open();
    EXPECT_TRUE(prompter.openRequests.empty());
    EXPECT_FALSE(commands.confirmEnd());
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
    EXPECT_FALSE(writeDataFile(ed.doc, file).ok);
    EXPECT_EQ(readBytes(file), "old");
}

TEST_F(SaveTest, SavingKeepsPermissionsGroupAndHardLinks) {
    writeBytes(path("alone.dat"), "old");
    fs::permissions(path("alone.dat"), fs::perms(0640));
    const group* other = ::getgrnam("nogroup");
    const bool regroup = runningAsRoot() && other && ::chown(path("alone.dat").c_str(), 0, other->gr_gid) == 0;
    ASSERT_TRUE(writeDataFile(ed.doc, path("alone.dat")).ok);
    EXPECT_EQ(fs::status(path("alone.dat")).permissions(), fs::perms(0640));
    struct stat info{};
    ::stat(path("alone.dat").c_str(), &info);
    if (regroup) {
        EXPECT_EQ(info.st_gid, other->gr_gid);
    }

    writeBytes(path("linked.dat"), "old");
    fs::create_hard_link(path("linked.dat"), path("other-name.dat"));
    ASSERT_TRUE(writeDataFile(ed.doc, path("linked.dat")).ok);
    EXPECT_EQ(readBytes(path("other-name.dat")), formatDataFile(ed.doc));
}

TEST_F(SaveTest, WritableFileInAFolderTheUserCannotWriteIsSavedInPlace) {
    writeBytes(path("walden.dat"), "old");
    fs::permissions(path("walden.dat"), fs::perms(0666));
    fs::permissions(dir, fs::perms(0555));
    const int failed = runAsOrdinaryUser([&] { return writeDataFile(ed.doc, path("walden.dat")).ok ? 0 : 1; });
    if (failed < 0) GTEST_SKIP() << "cannot act as an ordinary user here";
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(readBytes(path("walden.dat")), formatDataFile(ed.doc));
    EXPECT_EQ(entries(), 1);
}

TEST_F(SaveTest, AnInterruptedSavesTemporaryFileIsRemovedByTheNextSave) {
    writeBytes(path(".walden.dat.999999999.3.tmp"), "half a puzzle");
    const std::string running = path(".walden.dat." + std::to_string(::getppid()) + ".1.tmp");
    writeBytes(running, "another program saving now");
    ASSERT_TRUE(writeDataFile(ed.doc, path("walden.dat")).ok);
    EXPECT_FALSE(fs::exists(path(".walden.dat.999999999.3.tmp")));
    EXPECT_TRUE(fs::exists(running));
}

TEST_F(SaveTest, SavingClearsTheChangedMarkShownInTheTitle) {
    EXPECT_EQ(commands.windowTitle(), "Quotabrix *");
    prompter.files = {path("walden"), path("walden.dat"), path("copy.dat")};
    EXPECT_TRUE(commands.saveAs());
    EXPECT_EQ(commands.windowTitle(), "Quotabrix");
    commands.open();  // no question: nothing unsaved
    accept("Opposite of less", "more");
    EXPECT_TRUE(commands.saveAs());  // a copy: the opened file still lacks the change
    EXPECT_EQ(commands.windowTitle(), "Quotabrix \u2013 walden.dat *");
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(commands.windowTitle(), "Quotabrix \u2013 walden.dat");
    commands.newDocument();  // right after a save: no offer to save, and a reset
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kPreserveQuestion});
    EXPECT_EQ(ed.doc.questionCount, 0);
}

TEST_F(SaveTest, QuitAsksAboutUnsavedChanges) {
    prompter.replies = {Reply::Cancel, Reply::Yes, Reply::No};  // Yes, then the Save As dialog is cancelled
    commands.quit();
    EXPECT_FALSE(commands.quitRequested);
    EXPECT_EQ(prompter.texts().back(), "Save changes before quitting?");
    commands.quit();
    EXPECT_FALSE(commands.quitRequested);
    commands.quit();
    EXPECT_TRUE(commands.quitRequested);
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

}  // namespace
}  // namespace qbrx::test
