// Matching the problem lists that the invariant checks and the referee return.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace jumpline::testing {

inline std::string joined(const std::vector<std::string> &problems)
{
    std::string text;
    for (const std::string &p : problems)
        text += p + "\n";
    return text;
}

// Expects no problem when `wanted` is empty, else one that mentions it.
inline void expectProblem(const std::vector<std::string> &problems, std::string_view wanted)
{
    if (wanted.empty()) {
        EXPECT_TRUE(problems.empty()) << joined(problems);
        return;
    }
    EXPECT_NE(joined(problems).find(wanted), std::string::npos) << "wanted \"" << wanted << "\", got:\n" << joined(problems);
}

} // namespace jumpline::testing
