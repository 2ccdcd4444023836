// Files that are no puzzle: unreadable ones, named pipes, one endless line,
// binary bytes. Each is refused with a word to the user before anything
// changes; UTF-8 text is read as such.
#include <sys/resource.h>
#include <sys/stat.h>

#include "childprocess.h"
#include "documentcommands.h"
#include "filesfixture.h"

namespace qbrx::test {
namespace {

const std::string example =
    "Less is more.\r\nWeek 3\r\n\r\nLM\r\n1\r\n0\r\n0\r\n 2 \r\n"
    " 1Q. Opposite of more\r\n 1A. less\r\n 2Q. Opposite of less\r\n 2A. more\r\n";

std::string statusText(ReadStatus status) { return std::to_string(static_cast<int>(status)); }

// The largest resident size of this process so far, in KiB.
long peakKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class HostileFileTest : public FilesTest {
protected:
    std::string quoteBefore;

    // A registered puzzle that a refused file must leave alone.
    void SetUp() override {
        FilesTest::SetUp();
        ed.view.quoteBox = "Keep this quote.";
        ed.registerButton();
        quoteBefore = ed.doc.quotation;
    }
    std::string cannotRead(const std::string& file, const std::string& reason) const {
        return "Cannot read " + file + ":\r" + reason + "\rNothing was opened.";
    }
};

TEST_F(HostileFileTest, NamedPipeIsRefusedWithoutWaitingForAWriter) {
    const std::string pipe = path("pipe.dat");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    ::alarm(10);  // a read that waits for a writer ends the test here
    EXPECT_EQ(readDataFile(ed, pipe), ReadStatus::Unreadable);
    ::alarm(0);
    EXPECT_EQ(prompter.texts().back(), cannotRead(pipe, "it is not a regular file"));
    EXPECT_EQ(ed.doc.quotation, quoteBefore);
}

TEST_F(HostileFileTest, AFileThatCannotBeReadNeverBecomesTheSaveTarget) {
    DocumentCommands commands{ed};
    const std::string real = path("real.dat");
    writeBytes(real, example);
    prompter.files.push_back(real);
    prompter.replies = {Reply::No};
    commands.open();
    const std::string pipe = path("pipe.dat");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    prompter.files.push_back(pipe);
    ::alarm(10);
    commands.open();
    ::alarm(0);
    EXPECT_EQ(commands.dataFileName, real);
    EXPECT_EQ(commands.fileDialog.fileName(), real);
    EXPECT_EQ(ed.doc.questionCount, 2);
}

TEST_F(HostileFileTest, UnreadableFileSaysWhyAndChangesNothing) {
    const std::string file = path("secret.dat");
    writeBytes(file, example);
    fs::permissions(file, fs::perms::none);
    const auto result = runAsOrdinaryUser([&] {
        const ReadStatus status = readDataFile(ed, file);
        return std::vector<std::string>{statusText(status), prompter.texts().back(), ed.doc.quotation};
    });
    if (!result) GTEST_SKIP() << "cannot act as an ordinary user here";
    ASSERT_EQ(result->size(), 3u);
    EXPECT_EQ(result->at(0), statusText(ReadStatus::Unreadable));
    EXPECT_EQ(result->at(1), cannotRead(file, "Permission denied"));
    EXPECT_EQ(result->at(2), quoteBefore);
}

TEST_F(HostileFileTest, OneEndlessLineIsRefusedWithinBoundedMemory) {
    const std::string file = path("huge.dat");
    {
        std::ofstream out(file, std::ios::binary);
        const std::string chunk(1 << 20, 'x');
        for (int i = 0; i < 48; ++i) out << chunk;
    }
    const auto result = runInChild([] { return true; },
                                   [&] {
                                       const long before = peakKiB();
                                       const ReadStatus status = readDataFile(ed, file);
                                       return std::vector<std::string>{statusText(status),
                                                                       std::to_string(peakKiB() - before)};
                                   });
    ASSERT_TRUE(result);
    ASSERT_EQ(result->size(), 2u);
    EXPECT_EQ(result->at(0), statusText(ReadStatus::NotDataFile));
    EXPECT_LT(std::stol(result->at(1)), 4096) << "KiB more at the peak";
}

TEST_F(HostileFileTest, BinaryBytesDoNotLookLikeAPuzzle) {
    std::string garbage;
    for (int i = 0; i < 3000; ++i) garbage += static_cast<char>((i * 73 + 11) % 256);
    writeBytes(path("garbage.dat"), garbage);
    EXPECT_EQ(readDataFile(ed, path("garbage.dat")), ReadStatus::NotDataFile);
    EXPECT_EQ(prompter.texts().back(),
              "The file " + path("garbage.dat") + " does not look like a puzzle data file.\rNothing was opened.");
    EXPECT_EQ(ed.doc.quotation, quoteBefore);
}

TEST_F(HostileFileTest, Utf8TextIsReadAsUtf8AndWindowsTextAsItIs) {
    EXPECT_EQ(read("\xEF\xBB\xBFNo\xC3\xABl\r\nCaf\xC3\xA9\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n"), ReadStatus::Ok);
    EXPECT_EQ(ed.doc.quotation, "No\xEBl");
    EXPECT_EQ(ed.doc.header.title, "Caf\xE9");
    EXPECT_EQ(read("Caf\xE9\r\nNo\xEBl \xAB\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n"), ReadStatus::Ok);
    EXPECT_EQ(ed.doc.header.title, "No\xEBl \xAB");
}

TEST_F(HostileFileTest, AnAnswerWithACrosticPrefixReadsBackWhole) {
    const std::string answer = "X-" + std::string(24, 'a');
    ed.doc.questionCount = 1;
    ed.doc.question[1] = "q";
    ed.doc.answer[1] = answer;
    EXPECT_EQ(read(formatDataFile(ed.doc)), ReadStatus::Ok);
    EXPECT_EQ(ed.doc.answer[1], answer);
}

}  // namespace
}  // namespace qbrx::test
