// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery files: where they live, and which copy of the program may take
// which (a real second process holds its own).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "filesfixture.h"
#include "recovery.h"

namespace qbrx::test {
namespace {

class RecoveryTest : public EditorTest {
protected:
    fs::path folder = fs::temp_directory_path() / ("qbrx-recovery-" + std::to_string(::getpid()));
    void SetUp() override {
        EditorTest::SetUp();
        fs::remove_all(folder);
        registerQuote("Less is more");
        accept("Opposite of more", "less");
    }
    void TearDown() override { fs::remove_all(folder); }
};

TEST_F(RecoveryTest, TwoRunningCopiesNeverTakeEachOthersFiles) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t other = ::fork();
    if (other == 0) {
        // The other copy: writes its puzzle, says so, and runs on.
        RecoverySession session(folder.string());
        const bool written = session.write(ed, "").ok();
        const char done = written ? 'y' : 'n';
        if (::write(ready[1], &done, 1) != 1) ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    char done = 0;
    ASSERT_EQ(::read(ready[0], &done, 1), 1);
    ASSERT_EQ(done, 'y');

    RecoverySession mine(folder.string());
    ASSERT_TRUE(mine.write(ed, "").ok());
    EXPECT_TRUE(mine.leftBehind().empty());

    ::kill(other, SIGKILL);
    ::waitpid(other, nullptr, 0);
    const std::vector<LeftBehind> left = mine.leftBehind();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_NE(left[0].path, mine.path());

    // A third copy starting now finds the file claimed while it is offered.
    RecoverySession third(folder.string());
    EXPECT_TRUE(third.leftBehind().empty());
    mine.release(left[0]);
    EXPECT_EQ(third.leftBehind().size(), 1u);
}

TEST_F(RecoveryTest, AFileOlderThanItsPuzzlesFileIsNotOffered) {
    const fs::path puzzle = folder / "walden.dat";
    {
        RecoverySession ended(folder.string());
        ASSERT_TRUE(ended.write(ed, puzzle.string()).ok());
        fs::copy_file(ended.path(), folder / "puzzle-1-1.recovery");
    }
    writeBytes(puzzle, "saved later");
    fs::last_write_time(folder / "puzzle-1-1.recovery",
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    RecoverySession next(folder.string());
    EXPECT_TRUE(next.leftBehind().empty());
    EXPECT_FALSE(fs::exists(folder / "puzzle-1-1.recovery"));
}

TEST_F(RecoveryTest, ReadingKeepsTheCrosticOptionAndSetsTheChangedMark) {
    ed.doc.crosticOn = true;
    writeBytes(folder.string() + ".recovery", formatRecovery(ed, "/home/t/walden.dat"));
    ScriptedPrompter quiet;
    SeededRandom draws(3);
    Editor other(quiet, draws);
    other.startUp();
    std::string puzzlePath;
    EXPECT_EQ(readRecovery(other, folder.string() + ".recovery", &puzzlePath), RecoveryRead::Ok);
    fs::remove(folder.string() + ".recovery");
    EXPECT_EQ(formatDataFile(other.doc), formatDataFile(ed.doc));
    EXPECT_TRUE(other.doc.crosticOn);
    EXPECT_TRUE(other.doc.docChanged);
    EXPECT_EQ(puzzlePath, "/home/t/walden.dat");
}

}  // namespace
}  // namespace qbrx::test
