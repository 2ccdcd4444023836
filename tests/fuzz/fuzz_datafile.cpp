// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a puzzle data file, twice in a row (the second
// read starts from what the first left), and checks that the document stays
// within its bounds whatever the file holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "datafile.h"
#include "editor.h"
#include "fuzzsupport.h"
#include "random.h"
#include "scriptedprompter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = fuzz::memoryFile(data, size);

    qbrx::ScriptedPrompter prompter;
    qbrx::ScriptedRandom random{{0.0, 0.37, 0.999, 0.5}};
    qbrx::Editor editor{prompter, random};
    editor.startUp();
    for (int pass = 0; pass < 2; ++pass) {
        const qbrx::PuzzleRead read = qbrx::readDataFile(path);
        if (read.puzzle) editor.loadPuzzle(*read.puzzle, read.result.status != qbrx::FileStatus::Mismatch);
        fuzz::checkBounds(editor);
    }
    return 0;
}
