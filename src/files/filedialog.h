// SPDX-License-Identifier: GPL-3.0-or-later
// The one open/save file dialog that the document commands share. It keeps
// the last file name it returned and offers it as the initial name the next
// time it is shown, for opening and saving alike.
#pragma once

#include <optional>
#include <string>

#include "prompter.h"

namespace qbrx {

class FileDialog {
public:
    explicit FileDialog(Prompter& prompter) : prompter_(prompter) {}

    // Shows the open or save dialog with the remembered name as its initial
    // name. A returned name is remembered; cancelling leaves it alone.
    std::optional<std::string> open(const std::string& filter, int filterIndex);
    std::optional<std::string> save(const std::string& filter, int filterIndex);

    // The name the dialog holds: the last one it returned, or one given back
    // with setFileName.
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string name) { fileName_ = std::move(name); }

private:
    Prompter& prompter_;
    std::string fileName_;
};

}  // namespace qbrx
