// Reads arbitrary bytes as a puzzle data file, twice in a row (the second
// read starts from what the first left), and checks that the document stays
// within its bounds whatever the file holds.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "datafile.h"
#include "editor.h"
#include "random.h"
#include "scriptedprompter.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkBounds(const qbrx::Editor& editor) {
    const qbrx::Document& doc = editor.doc;
    require(doc.quoteLength >= 0 && doc.quoteLength <= qbrx::kMaxQuote);
    require(doc.letterPool.size() == static_cast<std::size_t>(doc.quoteLength));
    require(doc.questionCount >= 0 && doc.questionCount <= qbrx::kMaxSlots);
    for (int q = 1; q <= qbrx::kMaxSlots; ++q) require(doc.answer[q].size() <= 26);
    require(doc.crostic.size() <= static_cast<std::size_t>(qbrx::kMaxCrostic));
    require(doc.currentQuestion >= 0 && doc.currentQuestion <= doc.questionCount + 1);
}

// One in-memory file for the whole run, reached through its /proc path so
// that the reader opens it like any other file.
const std::string& memoryFile(int& fd) {
    static int file = memfd_create("datafile", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(file);
    fd = file;
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int fd = -1;
    const std::string& path = memoryFile(fd);
    require(fd >= 0);
    require(ftruncate(fd, 0) == 0);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
        require(n > 0);
        done += static_cast<std::size_t>(n);
    }

    qbrx::ScriptedPrompter prompter;
    qbrx::ScriptedRandom random{{0.0, 0.37, 0.999, 0.5}};
    qbrx::Editor editor{prompter, random};
    editor.startUp();
    for (int read = 0; read < 2; ++read) {
        qbrx::readDataFile(editor, path);
        checkBounds(editor);
    }
    return 0;
}
