// Opens arbitrary bytes as an ipuz file, as File > Open does, and checks
// that a refused file leaves the document alone and an accepted one stays
// within the document's bounds.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor.h"
#include "ipuzread.h"
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
    require(doc.crostic.size() <= static_cast<std::size_t>(qbrx::kMaxCrostic));
    require(doc.currentQuestion >= 0 && doc.currentQuestion <= doc.questionCount + 1);
}

// One in-memory file for the whole run, reached through its /proc path so
// that the reader opens it like any other file.
const std::string& memoryFile(int& fd) {
    static int file = memfd_create("ipuz", 0);
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
    const std::string quotationBefore = editor.doc.quotation;
    const qbrx::IpuzOpenStatus status = qbrx::openIpuzFile(editor, path);
    if (status == qbrx::IpuzOpenStatus::Refused) require(editor.doc.quotation == quotationBefore);
    checkBounds(editor);
    return 0;
}
