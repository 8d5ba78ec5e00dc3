// Random numbers for tests: a script of numbers given in advance, or a seeded generator;
// either way every number handed out is recorded.
#pragma once

#include "game/Random.h"

#include <cstdint>
#include <random>
#include <vector>

namespace jumpline::testing {

class ScriptedRandom final : public Random {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> script) : script(std::move(script)) {}

    // Numbers handed out after the script is used up; 0 unless set.
    void setFallback(double value) { fallback = value; }
    void append(const std::vector<double> &more) { script.insert(script.end(), more.begin(), more.end()); }

    double Rnd() override;

    std::vector<double> used;
    int overruns = 0; // numbers asked for beyond the script

private:
    std::vector<double> script;
    std::size_t next = 0;
    double fallback = 0.0;
};

// Seeded and repeatable, for soaks and benchmarks.
class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine(seed) {}
    double Rnd() override { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }
    std::uint64_t below(std::uint64_t n) { return engine() % n; }

private:
    std::mt19937_64 engine;
};

// The random number that makes Int(n * Rnd + m) come out as `value` (the middle of its band).
constexpr double drawing(int value, int n, int m)
{
    return (value - m + 0.5) / n;
}

} // namespace jumpline::testing
