// libFuzzer target: every input is a run of user actions on a game (fuzz/Harness.h). A
// broken invariant aborts with what broke and the action that broke it; replay an input
// with `fuzz_driver FILE`.
#include "fuzz/Harness.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> problems = jumpline::fuzz::playBytes(data, size);
    for (const std::string &problem : problems)
        std::fprintf(stderr, "broken invariant: %s\n", problem.c_str());
    if (!problems.empty())
        std::abort();
    return 0;
}
