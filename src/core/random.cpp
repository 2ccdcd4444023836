// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include <chrono>

namespace qbrx {

SeededRandom SeededRandom::fromClock() {
    return SeededRandom(
        static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double SeededRandom::next() {
    // 53 random bits: uniform in [0, 1), never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

double ScriptedRandom::next() {
    ++drawn_;
    if (values_.empty()) return 0.0;
    if (index_ >= values_.size()) index_ = 0;
    return values_[index_++];
}

}  // namespace qbrx
