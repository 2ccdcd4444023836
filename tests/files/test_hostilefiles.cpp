// Files that are no puzzle (unreadable, a named pipe, one endless line,
// binary bytes) are refused with a word before anything changes; UTF-8 text
// is read as such; whatever Save writes reads back whole.
#include <sys/resource.h>
#include <sys/stat.h>

#include "childprocess.h"
#include "documentcommands.h"
#include "filesfixture.h"

namespace qbrx::test {
namespace {

class HostileFileTest : public FilesTest {
protected:
    std::string quoteBefore;

    void SetUp() override {
        FilesTest::SetUp();
        registerQuote("Keep this quote.");
        quoteBefore = ed.doc.quotation;
    }
};

TEST_F(HostileFileTest, NamedPipeIsRefusedAtOnceAndNeverBecomesTheSaveTarget) {
    DocumentCommands commands{ed};
    commands.dataFileName = path("real.dat");
    commands.fileDialog.setFileName(path("real.dat"));
    ASSERT_EQ(::mkfifo(path("pipe.dat").c_str(), 0644), 0);
    prompter.files = {path("pipe.dat")};
    prompter.replies = {Reply::No};
    ::alarm(10);  // a read that waits for a writer ends the test here
    EXPECT_EQ(commands.openDoc(), ReadStatus::Unreadable);
    ::alarm(0);
    EXPECT_EQ(prompter.texts().back(),
              "Cannot read " + path("pipe.dat") + ":\rit is not a regular file\rNothing was opened.");
    EXPECT_EQ(commands.dataFileName, path("real.dat"));
    EXPECT_EQ(commands.fileDialog.fileName(), path("real.dat"));
    EXPECT_EQ(ed.doc.quotation, quoteBefore);
}

TEST_F(HostileFileTest, AFileTheUserMayNotReadIsRefused) {
    writeBytes(path("secret.dat"), "Less is more.\r\nT\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n");
    fs::permissions(path("secret.dat"), fs::perms::none);
    const int status = runAsOrdinaryUser([&] { return static_cast<int>(readDataFile(ed, path("secret.dat"))); });
    if (status < 0) GTEST_SKIP() << "cannot act as an ordinary user here";
    EXPECT_EQ(status, static_cast<int>(ReadStatus::Unreadable));
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
        if (readDataFile(ed, path("huge.dat")) != ReadStatus::NotDataFile) return 254;
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
    EXPECT_EQ(readDataFile(ed, path("garbage.dat")), ReadStatus::NotDataFile);
    EXPECT_EQ(prompter.texts().back(),
              "The file " + path("garbage.dat") + " does not look like a puzzle data file.\rNothing was opened.");
    EXPECT_EQ(ed.doc.quotation, quoteBefore);
    // What follows the puzzle's lines (an old end-of-file mark) is not looked at.
    EXPECT_EQ(read("Q\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n\x1A" + garbage), ReadStatus::Ok);
}

TEST_F(HostileFileTest, Utf8TextIsReadAsUtf8AndWindowsTextAsItIs) {
    EXPECT_EQ(read("\xEF\xBB\xBFNo\xC3\xABl\r\nCaf\xC3\xA9\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n"), ReadStatus::Ok);
    EXPECT_EQ(ed.doc.quotation, "No\xEBl");
    EXPECT_EQ(ed.doc.header.title, "Caf\xE9");
    read("Caf\xE9\r\nNo\xEBl \xAB\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n");
    EXPECT_EQ(ed.doc.header.title, "No\xEBl \xAB");
}

TEST_F(HostileFileTest, WhatSaveWritesReadsBackWhole) {
    ed.doc.questionCount = 1;
    ed.doc.question[1] = std::string(32767, 'q');  // a full question box
    ed.doc.answer[1] = "X-" + std::string(24, 'a');  // an answer with its crostic prefix
    EXPECT_EQ(read(formatDataFile(ed.doc)), ReadStatus::Ok);
    EXPECT_EQ(ed.doc.question[1], std::string(32767, 'q'));
    EXPECT_EQ(ed.doc.answer[1], "X-" + std::string(24, 'a'));
}

}  // namespace
}  // namespace qbrx::test
