// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the dictionary on a thread of its own, so that reading the word
// list overlaps the rest of start-up (connecting to the display, building
// the main window).
#pragma once

#include <string>
#include <thread>

namespace qbrx {

class Dictionary;

// Loads `dictionary` from `folder` on a thread of its own. Nothing may use
// the dictionary until wait() has returned; the destructor waits too.
class BackgroundLoad {
public:
    BackgroundLoad(Dictionary& dictionary, std::string folder);
    ~BackgroundLoad();
    BackgroundLoad(const BackgroundLoad&) = delete;
    BackgroundLoad& operator=(const BackgroundLoad&) = delete;

    // The folder being loaded from.
    const std::string& folder() const { return folder_; }
    // Returns once the dictionary is loaded.
    void wait();

private:
    std::string folder_;
    std::thread thread_;
};

}  // namespace qbrx
