// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedialog.h"

namespace qbrx {

std::optional<std::string> FileDialog::open(const std::string& filter, int filterIndex) {
    auto name = prompter_.openFile({filter, filterIndex, fileName_});
    if (name) fileName_ = *name;
    return name;
}

std::optional<std::string> FileDialog::save(const std::string& filter, int filterIndex) {
    auto name = prompter_.saveFile({filter, filterIndex, fileName_});
    if (name) fileName_ = *name;
    return name;
}

}  // namespace qbrx
