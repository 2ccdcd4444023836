// Saving never loses the puzzle: a save that fails (read-only file, full
// disk) says why and stops the command that asked for it; a save keeps the
// file's permissions, group and links; unsaved work is asked about.
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

    void TearDown() override {
        if (!mounted.empty()) ::umount2(mounted.c_str(), MNT_DETACH);
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        FilesTest::TearDown();
    }
    // A registered document with one pair, changed since start-up.
    void makeDocument() {
        ed.view.quoteBox = "Less is more.";
        ed.registerButton();
        accept("Opposite of more", "less");
    }
    std::string refusal(const std::string& file, const std::string& reason) const {
        return "Could not save " + file + ":\r" + reason;
    }
    // Mounts a 64 KiB file system at `at` (in a mount namespace of this
    // process's own), holding `name` with `content`, and fills the rest.
    bool mountFullDisk(const fs::path& at, const std::string& name, const std::string& content) {
        fs::create_directories(at);
        if (!runningAsRoot() || ::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", at.c_str(), "tmpfs", 0, "size=64k") != 0)
            return false;
        mounted = at;
        writeBytes(at / name, content);
        std::ofstream filler(at / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        for (int i = 0; i < 64 && filler.write(block.data(), static_cast<std::streamsize>(block.size())); ++i)
            filler.flush();
        return true;
    }
};

TEST_F(SaveTest, ReadOnlyFileIsRefusedAndStopsNewOpenAndQuit) {
    makeDocument();
    const std::string file = path("walden.dat");
    writeBytes(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    commands.dataFileName = file;

    prompter.replies = {Reply::Yes};
    commands.newDocument();
    EXPECT_EQ(prompter.texts().back(), refusal(file, "the file is read-only"));
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(commands.dataFileName, file);

    prompter.replies = {Reply::Yes};
    commands.open();
    EXPECT_TRUE(prompter.openRequests.empty());

    prompter.replies = {Reply::Yes};
    EXPECT_FALSE(commands.confirmEnd());
    EXPECT_EQ(entries(), 1);
}

TEST_F(SaveTest, FullDiskFailsTheSaveAndKeepsTheOldFile) {
    const fs::path disk = dir / "small";
    if (!mountFullDisk(disk, "walden.dat", "old")) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    makeDocument();
    const std::string file = (disk / "walden.dat").string();
    commands.dataFileName = file;

    prompter.replies = {Reply::Yes};
    commands.newDocument();
    EXPECT_EQ(prompter.texts().back(), refusal(file, "No space left on device"));
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(disk), fs::directory_iterator()), 2);

    // A file with a second name is written in place; its room is checked first.
    fs::create_hard_link(file, disk / "second.dat");
    ed.doc.question[1] = std::string(6000, 'q');
    EXPECT_FALSE(writeDataFile(ed.doc, file).ok);
    EXPECT_EQ(readBytes(file), "old");
}

TEST_F(SaveTest, SavingKeepsPermissionsAndHardLinks) {
    makeDocument();
    const std::string alone = path("alone.dat");
    writeBytes(alone, "old");
    fs::permissions(alone, fs::perms(0640));
    ASSERT_TRUE(writeDataFile(ed.doc, alone).ok);
    EXPECT_EQ(fs::status(alone).permissions(), fs::perms(0640));

    const std::string linked = path("linked.dat");
    writeBytes(linked, "old");
    fs::create_hard_link(linked, path("other-name.dat"));
    ASSERT_TRUE(writeDataFile(ed.doc, linked).ok);
    EXPECT_EQ(readBytes(path("other-name.dat")), formatDataFile(ed.doc));
    EXPECT_EQ(entries(), 3);
}

TEST_F(SaveTest, SavingKeepsTheGroupOfAnotherUsersFile) {
    if (!runningAsRoot()) GTEST_SKIP() << "only root can give the file another group";
    const group* other = ::getgrnam("nogroup");
    if (!other) other = ::getgrnam("nobody");
    if (!other) GTEST_SKIP() << "no group nogroup or nobody here";
    const std::string file = path("shared.dat");
    writeBytes(file, "old");
    ASSERT_EQ(::chown(file.c_str(), 0, other->gr_gid), 0);
    ASSERT_TRUE(writeDataFile(ed.doc, file).ok);
    struct stat info{};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_gid, other->gr_gid);
}

TEST_F(SaveTest, WritableFileInAFolderTheUserCannotWriteIsSavedInPlace) {
    makeDocument();
    const std::string file = path("walden.dat");
    writeBytes(file, "old");
    fs::permissions(file, fs::perms(0666));
    fs::permissions(dir, fs::perms(0555));
    const auto result = runAsOrdinaryUser([&] {
        const WriteResult written = writeDataFile(ed.doc, file);
        return std::vector<std::string>{written.ok ? "saved" : written.reason};
    });
    fs::permissions(dir, fs::perms(0755));
    if (!result) GTEST_SKIP() << "cannot act as an ordinary user here";
    ASSERT_EQ(result->size(), 1u);
    EXPECT_EQ(result->front(), "saved");
    EXPECT_EQ(readBytes(file), formatDataFile(ed.doc));
    EXPECT_EQ(entries(), 1);
}

TEST_F(SaveTest, AnInterruptedSavesTemporaryFileIsRemovedByTheNextSave) {
    const std::string stale = path(".walden.dat.999999999.3.tmp");
    writeBytes(stale, "half a puzzle");
    const std::string running = path(".walden.dat." + std::to_string(::getppid()) + ".1.tmp");
    writeBytes(running, "another program saving now");
    ASSERT_TRUE(writeDataFile(ed.doc, path("walden.dat")).ok);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(running));
}

TEST_F(SaveTest, SaveClearsTheChangedMarkAndTheTitleFollows) {
    EXPECT_EQ(commands.windowTitle(), "Quotabrix");
    makeDocument();
    EXPECT_EQ(commands.windowTitle(), "Quotabrix *");
    prompter.files.push_back(path("walden"));
    EXPECT_TRUE(commands.saveAs());
    EXPECT_TRUE(fs::exists(path("walden.dat")));
    EXPECT_EQ(commands.windowTitle(), "Quotabrix");

    prompter.files.push_back(path("walden.dat"));
    commands.open();
    EXPECT_TRUE(prompter.messages.empty());
    accept("Opposite of less", "more");
    EXPECT_EQ(commands.windowTitle(), "Quotabrix \u2013 walden.dat *");
    prompter.files.push_back(path("copy.dat"));
    EXPECT_TRUE(commands.saveAs());
    EXPECT_EQ(commands.windowTitle(), "Quotabrix \u2013 walden.dat *");
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(commands.windowTitle(), "Quotabrix \u2013 walden.dat");

    // New right after a save asks only about the quotation, and resets.
    commands.newDocument();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kPreserveQuestion});
    EXPECT_EQ(ed.doc.questionCount, 0);
}

TEST_F(SaveTest, QuitAsksAboutUnsavedChanges) {
    commands.quit();
    EXPECT_TRUE(commands.quitRequested);
    commands.quitRequested = false;

    makeDocument();
    prompter.replies = {Reply::Cancel};
    commands.quit();
    EXPECT_FALSE(commands.quitRequested);
    EXPECT_EQ(prompter.texts().back(), "Save changes before quitting?");
    prompter.replies = {Reply::Yes};  // and then cancels the Save As dialog
    commands.quit();
    EXPECT_FALSE(commands.quitRequested);
    prompter.replies = {Reply::No};
    commands.quit();
    EXPECT_TRUE(commands.quitRequested);
}

TEST_F(SaveTest, SaveAsksBeforeReplacingAFileThatWasReadDamaged) {
    const std::string damaged =
        "Abc def\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 2 \r\n 1Q. one\r\n 1A. ab\r\n 2Q. two\r\n 3A. cd\r\n";
    writeBytes(path("damaged.dat"), damaged);
    prompter.files.push_back(path("damaged.dat"));
    commands.open();
    prompter.replies = {Reply::No};
    EXPECT_FALSE(commands.save());
    EXPECT_EQ(prompter.messages.back().buttons, Buttons::YesNo);
    EXPECT_EQ(readBytes(path("damaged.dat")), damaged);
    prompter.replies = {Reply::Yes};
    EXPECT_TRUE(commands.save());
}

}  // namespace
}  // namespace qbrx::test
