// SPDX-License-Identifier: GPL-3.0-or-later
// Where the encoding's random start positions come from. The program seeds
// from the clock; tests and --seed fix the sequence; a scripted source
// replays exact numbers.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace qbrx {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next number of a uniform sequence in [0, 1).
    virtual double next() = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    static SeededRandom fromClock();
    double next() override;

private:
    std::mt19937_64 engine_;
};

// Returns the given numbers in turn, starting again at the first when they
// run out (an empty script always returns 0).
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}
    double next() override;
    int drawn() const { return drawn_; }

private:
    std::vector<double> values_;
    std::size_t index_ = 0;
    int drawn_ = 0;
};

}  // namespace qbrx
