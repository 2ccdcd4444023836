// SPDX-License-Identifier: GPL-3.0-or-later
// Opens arbitrary bytes as an ipuz file, as File > Open does, and checks
// that a refused file leaves the document alone and an accepted one stays
// within the document's bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor.h"
#include "fuzzsupport.h"
#include "ipuzread.h"
#include "random.h"
#include "scriptedprompter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = fuzz::memoryFile(data, size);

    qbrx::ScriptedPrompter prompter;
    qbrx::ScriptedRandom random{{0.0, 0.37, 0.999, 0.5}};
    qbrx::Editor editor{prompter, random};
    editor.startUp();
    const std::string quotationBefore = editor.doc.quotation;
    const qbrx::PuzzleRead read = qbrx::readIpuzFile(path);
    if (read.puzzle)
        editor.loadPuzzle(*read.puzzle);
    else
        fuzz::require(editor.doc.quotation == quotationBefore);
    fuzz::checkBounds(editor);
    return 0;
}
