#include "outside/Pause.h"

#include <algorithm>
#include <cmath>

namespace jumpline {

int pauseMilliseconds(double secondsSinceMidnight)
{
    const float now = static_cast<float>(secondsSinceMidnight);
    const float start = std::nearbyint(now);
    const double remaining = (static_cast<double>(start) + 1.0 - static_cast<double>(now)) * 1000.0;
    return std::clamp(static_cast<int>(std::lround(remaining)), 0, 1500);
}

} // namespace jumpline
