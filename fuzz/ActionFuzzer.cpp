// libFuzzer target: every input is a run of user actions on a watched game (tests/support/Referee.h).
// A broken rule aborts with what broke; replay an input with `fuzz_driver FILE`.
#include "support/Referee.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> problems = jumpline::testing::playBytes(data, size).problems;
    for (const std::string &problem : problems)
        std::fprintf(stderr, "broken: %s\n", problem.c_str());
    if (!problems.empty())
        std::abort();
    return 0;
}
