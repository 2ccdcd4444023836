// SPDX-License-Identifier: GPL-3.0-or-later
#include "backgroundload.h"

#include <utility>

#include "dictionary.h"

namespace qbrx {

BackgroundLoad::BackgroundLoad(Dictionary& dictionary, std::string folder)
    : folder_(std::move(folder)), thread_([&dictionary, this] { loadDictionary(dictionary, folder_); }) {}

BackgroundLoad::~BackgroundLoad() { wait(); }

void BackgroundLoad::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace qbrx
