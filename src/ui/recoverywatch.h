// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the window's unsaved puzzle in a recovery file (written within two
// seconds of a change, removed once the puzzle is saved or given up), and
// offers at start-up the puzzles that copies of the program which ended
// without saving left behind.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <string>

#include "recovery.h"

namespace qbrx {

class MainWindow;

inline constexpr const char* kRecoveryTitle = "Unsaved Puzzle";

class RecoveryWatch final : public QObject {
    Q_OBJECT
public:
    // Watches `form` from now on (its afterPerform).
    explicit RecoveryWatch(MainWindow& form, const std::string& folder = recoveryFolder());
    ~RecoveryWatch() override;

    // Asks about each puzzle left behind, newest first: Recover loads it
    // into the window, Discard removes it, Later keeps it (and the rest)
    // for the next start. True when a puzzle was recovered.
    bool offer();

    // After every operation: schedules the write, or removes the file when
    // the puzzle no longer differs from its saved state.
    void changed();
    // Writes the recovery file now. After a failure nothing more is written
    // this session, and the user is told once.
    void writeNow();

    RecoverySession& session() { return session_; }
    bool stopped() const { return stopped_; }
    // Milliseconds from a change to its writing.
    static constexpr int kDelay = 1000;

private:
    MainWindow& form_;
    RecoverySession session_;
    QTimer timer_;
    std::uint64_t written_ = 0;  // history revision in the file
    bool hasFile_ = false;
    bool stopped_ = false;
};

}  // namespace qbrx
