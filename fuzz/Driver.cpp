// The fuzz build's driver, under the sanitizers: the soak of seeded runs, and the replay of
// saved inputs, such as a failing one that the fuzzer left behind.
//
//   fuzz_driver soak [RUNS [FIRST]]   (2000 runs from run 0 unless told)
//   fuzz_driver FILE|DIR...
#include "fuzz/Harness.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto arg = [&](std::size_t k, const char *otherwise) { return args.size() > k ? args[k] : otherwise; };
    std::vector<std::string> problems;
    if (arg(0, "") == "soak") {
        const auto result = jumpline::fuzz::soak(std::stol(arg(2, "0")), std::stol(arg(1, "2000")));
        for (const auto &[ending, count] : result.endings)
            std::printf("  %6d  %s\n", count, ending.c_str());
        problems = result.problems;
    } else {
        std::vector<std::filesystem::path> files;
        for (const std::filesystem::path path : args)
            if (std::filesystem::is_directory(path))
                files.insert(files.end(), std::filesystem::directory_iterator(path), std::filesystem::directory_iterator());
            else
                files.push_back(path);
        for (const auto &file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            const auto more = jumpline::fuzz::playBytes(bytes.data(), bytes.size()).problems;
            problems.insert(problems.end(), more.begin(), more.end());
        }
    }
    for (const std::string &problem : problems)
        std::printf("broken: %s\n", problem.c_str());
    std::printf("%s\n", problems.empty() ? "nothing broke" : "BROKEN");
    return problems.empty() ? 0 : 1;
}
