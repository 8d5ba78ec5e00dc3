// The fuzz build's driver, under the sanitizers: the soak of whole seeded games, the
// fuzzer's stand-in where libFuzzer is missing (gcc: random byte strings from a seeded
// generator, decoded as the fuzzer decodes its inputs; a failing one is saved in DIR), and
// the replay of saved inputs such as the reproducers in fuzz/regressions.
//
//   fuzz_driver soak [GAMES [FIRST]]           (10000 games from game 0 unless told)
//   fuzz_driver random [SECONDS [SEED [DIR]]]  (60 s, seed 1, the working directory)
//   fuzz_driver FILE|DIR...
//
// A broken invariant is reported with the action that broke it; `soak 1 N` plays game N alone.
#include "fuzz/Harness.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

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
        const double seconds = std::stod(arg(1, "60"));
        std::mt19937_64 generator(std::stoull(arg(2, "1")));
        const auto start = std::chrono::steady_clock::now();
        long runs = 0;
        while (problems.empty() && std::chrono::steady_clock::now() - start < std::chrono::duration<double>(seconds)) {
            std::vector<std::uint8_t> bytes(8 + generator() % 2041);
            std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(generator()); });
            problems = jumpline::fuzz::playBytes(bytes.data(), bytes.size());
            const fs::path file = fs::path(arg(3, ".")) / ("crash-seed" + arg(2, "1") + "-run" + std::to_string(runs++));
            if (!problems.empty())
                std::ofstream(file, std::ios::binary)
                    .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        }
        std::printf("random driver: %ld runs (seed %s)\n", runs, arg(2, "1").c_str());
    } else {
        std::vector<fs::path> files;
        for (const fs::path path : args)
            if (fs::is_directory(path))
                std::copy(fs::directory_iterator(path), fs::directory_iterator(), std::back_inserter(files));
            else
                files.push_back(path);
        std::sort(files.begin(), files.end());
        for (const fs::path &file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            const std::vector<std::string> more = jumpline::fuzz::playBytes(bytes.data(), bytes.size());
            std::printf("%s: %s\n", file.c_str(), more.empty() ? "ok" : "BROKEN");
            problems.insert(problems.end(), more.begin(), more.end());
        }
    }
    for (const std::string &problem : problems)
        std::printf("broken invariant: %s\n", problem.c_str());
    std::printf("%s\n", problems.empty() ? "nothing broke" : "BROKEN");
    return problems.empty() ? 0 : 1;
}
