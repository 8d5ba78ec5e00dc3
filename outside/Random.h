// The program's one uniform random generator, behind an interface so tests script it.
#pragma once

#include <cstdint>
#include <random>

namespace jumpline {

class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double Rnd() = 0;
    // Seeds the generator from the clock. The main window does it once, when it loads;
    // a scripted generator ignores it.
    virtual void Randomize() {}
};

// Int(n * Rnd + m): a whole number in m..m + n - 1, worked out in double precision so
// that it can never round up out of its range.
int drawInt(Random &random, int n, int m);

// The generator of the real program, seeded once from the clock when the main window loads.
class ClockRandom final : public Random {
public:
    void Randomize() override;
    void Seed(std::uint64_t seed) { engine.seed(seed); }
    double Rnd() override;

private:
    std::mt19937_64 engine;
};

} // namespace jumpline
