// Random numbers for tests: a script of numbers given in advance, or a seeded generator.
#pragma once

#include "game/Random.h"

#include <cstdint>
#include <random>
#include <vector>

namespace jumpline::testing {

// Hands out the script, then `fallback`; records every number handed out.
class ScriptedRandom final : public Random {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> script) : script(std::move(script)) {}

    double Rnd() override
    {
        used.push_back(used.size() < script.size() ? script[used.size()] : fallback);
        return used.back();
    }

    std::vector<double> used;
    double fallback = 0.0;

private:
    std::vector<double> script;
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
