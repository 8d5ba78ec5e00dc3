#include "outside/Random.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace jumpline {

int drawInt(Random &random, int n, int m)
{
    const double r = random.Rnd();
    const int value = m + static_cast<int>(std::floor(n * r));
    return std::clamp(value, m, m + n - 1);
}

void ClockRandom::Randomize()
{
    engine.seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double ClockRandom::Rnd()
{
    return static_cast<double>(engine() >> 11) * 0x1.0p-53; // 53 random bits: never 1.0
}

} // namespace jumpline
