#include "support/ScriptedRandom.h"

namespace jumpline::testing {

double ScriptedRandom::Rnd()
{
    double value = fallback;
    if (next < script.size())
        value = script[next++];
    else
        ++overruns;
    used.push_back(value);
    return value;
}

} // namespace jumpline::testing
