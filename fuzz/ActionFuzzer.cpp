// libFuzzer target: every input is a run of user actions on a game (ActionBytes.h). A
// broken invariant aborts with what broke; run an input again with JUMPLINE_FUZZ_TRACE=1
// set to see its actions one by one.
#include "fuzz/ActionBytes.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool verbose = std::getenv("JUMPLINE_FUZZ_TRACE") != nullptr;
    const jumpline::fuzz::RunResult result = jumpline::fuzz::playBytes(data, size, verbose);
    if (!result.problems.empty()) {
        for (const std::string &problem : result.problems)
            std::fprintf(stderr, "broken invariant: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
