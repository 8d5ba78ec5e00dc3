// The fuzz build's driver, under the sanitizers: the soak of whole seeded games, and the
// replay of saved inputs such as the reproducers in fuzz/regressions. Where libFuzzer is
// missing, `random` decodes random byte strings as the fuzzer decodes its inputs.
//
//   fuzz_driver soak [GAMES [FIRST]]     (10000 games from game 0 unless told)
//   fuzz_driver random [SECONDS [SEED]]  (60 s, seed 1)
//   fuzz_driver FILE|DIR...
#include "fuzz/Harness.h"

#include <chrono>
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
        const auto result = jumpline::fuzz::soak(std::stol(arg(2, "0")), std::stol(arg(1, "10000")));
        for (const auto &[ending, count] : result.endings)
            std::printf("  %6d  %s\n", count, ending.c_str());
        problems = result.problems;
    } else if (arg(0, "") == "random") {
        std::mt19937_64 generator(std::stoull(arg(2, "1")));
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(std::stod(arg(1, "60")));
        while (problems.empty() && std::chrono::steady_clock::now() < end) {
            std::vector<std::uint8_t> bytes(8 + generator() % 2041);
            for (std::uint8_t &b : bytes)
                b = static_cast<std::uint8_t>(generator());
            problems = jumpline::fuzz::playBytes(bytes.data(), bytes.size());
        }
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
            const auto more = jumpline::fuzz::playBytes(bytes.data(), bytes.size());
            problems.insert(problems.end(), more.begin(), more.end());
        }
    }
    for (const std::string &problem : problems)
        std::printf("broken: %s\n", problem.c_str());
    std::printf("%s\n", problems.empty() ? "nothing broke" : "BROKEN");
    return problems.empty() ? 0 : 1;
}
