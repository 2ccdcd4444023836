// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery of unsaved work after a crash. While the puzzle has unsaved
// changes, each running copy of the program keeps it in a recovery file of
// its own in the user's state folder ($XDG_STATE_HOME/quotabrix, else
// ~/.local/state/quotabrix), written safely like any saved file. Beside it
// lies the copy's lock file, locked for as long as the copy runs: a
// recovery file whose lock is free was left by a copy that ended without
// saving, and a new copy offers it; one whose lock is held belongs to a
// running copy and is never touched.
//
// A recovery file is three lines (a mark, the puzzle's own file name in
// UTF-8, the crostic option) followed by the puzzle in data-file form.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "datafile.h"
#include "editor.h"
#include "safewrite.h"

namespace qbrx {

inline constexpr const char* kRecoveryMark = "Quotabrix recovery 1";

// The state folder's recovery folder, from the environment.
std::string recoveryFolder();

// The recovery file's bytes for the puzzle in `editor`.
std::string formatRecovery(const Editor& editor, const std::string& puzzlePath);

// A recovery file left by a copy that ended.
struct LeftBehind {
    std::string path;        // the recovery file
    std::string puzzlePath;  // the puzzle's own file, "" for one never saved
    std::time_t written = 0;
};

enum class RecoveryRead { Ok, Foreign, Damaged };

// Reads a recovery file into the editor: the puzzle, the crostic option,
// and the changed mark set. A file without the mark is foreign; one whose
// puzzle does not read whole is damaged. Either way the editor is left as
// it was (the file is tried on a scratch editor first).
RecoveryRead readRecovery(Editor& editor, const std::string& path, std::string* puzzlePath = nullptr);

class RecoverySession {
public:
    // Creates the folder when needed and takes this copy's lock.
    explicit RecoverySession(std::string folder = recoveryFolder());
    // Removes this copy's recovery file and lock: the program ends normally
    // only once unsaved changes were saved or given up.
    ~RecoverySession();
    RecoverySession(const RecoverySession&) = delete;
    RecoverySession& operator=(const RecoverySession&) = delete;

    const std::string& folder() const { return folder_; }
    const std::string& path() const { return path_; }

    // Writes the puzzle to this copy's recovery file.
    FileResult write(const Editor& editor, const std::string& puzzlePath);
    // Removes this copy's recovery file (saved, or given up).
    void discard();

    // Recovery files of copies that ended, newest first, each claimed by
    // this copy until release() or take(). Files older than their puzzle's
    // own file hold nothing newer than it and are removed.
    std::vector<LeftBehind> leftBehind();
    // Gives a claimed file back, for a later start to offer.
    void release(const LeftBehind& file);
    // Removes a claimed file (recovered or discarded).
    void take(const LeftBehind& file);
    // Renames a claimed file that could not be read out of the way
    // (".damaged" added) and returns its new name.
    std::string setAside(const LeftBehind& file);

private:
    std::string folder_;
    std::string base_;  // folder/puzzle-<process>-<time>
    std::string path_;  // base_ + ".recovery"
    int lock_ = -1;
    std::vector<std::pair<std::string, int>> claims_;  // lock files held for leftBehind()
};

}  // namespace qbrx
