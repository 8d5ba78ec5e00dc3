// The fuzzer's stand-in where libFuzzer is not available (gcc): random byte strings from a
// seeded generator, decoded into actions exactly as the fuzzer decodes its inputs. Also
// replays saved inputs, such as the reproducers in fuzz/regressions.
//
//   action_random_driver [--seconds S] [--runs N] [--seed X] [--max-length L] [--artifacts DIR]
//   action_random_driver [--trace] FILE|DIR...
#include "fuzz/ActionBytes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using jumpline::fuzz::playBytes;
using jumpline::fuzz::RunResult;

void printProblems(const RunResult &result)
{
    for (const std::string &problem : result.problems)
        std::fprintf(stderr, "broken invariant: %s\n", problem.c_str());
}

std::vector<std::uint8_t> readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int replay(const std::vector<std::string> &args, bool trace)
{
    std::vector<fs::path> files;
    for (const std::string &arg : args) {
        if (fs::is_directory(arg)) {
            for (const fs::directory_entry &entry : fs::directory_iterator(arg))
                if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
                    files.push_back(entry.path());
        } else {
            files.emplace_back(arg);
        }
    }
    std::sort(files.begin(), files.end());
    int failures = 0;
    for (const fs::path &file : files) {
        if (!fs::is_regular_file(file)) {
            std::fprintf(stderr, "%s: no such file\n", file.c_str());
            ++failures;
            continue;
        }
        const std::vector<std::uint8_t> bytes = readFile(file);
        const RunResult result = playBytes(bytes.data(), bytes.size(), trace);
        std::printf("%s: %d actions, %d in pauses, %d human and %d computer moves: %s\n", file.c_str(), result.actions,
                    result.pauseActions, result.humanMoves, result.computerMoves,
                    result.problems.empty() ? "ok" : "BROKEN");
        if (!result.problems.empty()) {
            printProblems(result);
            ++failures;
        }
    }
    std::printf("replayed %zu inputs, %d failed\n", files.size(), failures);
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    double seconds = 0;
    long runs = 0;
    std::uint64_t seed = 1;
    std::size_t maxLength = 2048;
    std::string artifacts = ".";
    bool trace = false;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&] {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return std::string(argv[++i]);
        };
        if (arg == "--seconds")
            seconds = std::stod(value());
        else if (arg == "--runs")
            runs = std::stol(value());
        else if (arg == "--seed")
            seed = std::stoull(value());
        else if (arg == "--max-length")
            maxLength = std::max<std::size_t>(std::stoul(value()), 8);
        else if (arg == "--artifacts")
            artifacts = value();
        else if (arg == "--trace")
            trace = true;
        else
            inputs.push_back(arg);
    }
    if (!inputs.empty())
        return replay(inputs, trace);
    if (seconds <= 0 && runs <= 0)
        seconds = 60;

    std::mt19937_64 generator(seed);
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    long done = 0, actions = 0, pauseActions = 0, moves = 0;
    std::vector<std::uint8_t> bytes;
    while ((runs <= 0 || done < runs) && (seconds <= 0 || elapsed() < seconds)) {
        bytes.resize(8 + generator() % (maxLength - 7));
        std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(generator()); });
        const RunResult result = playBytes(bytes.data(), bytes.size(), trace);
        ++done;
        actions += result.actions;
        pauseActions += result.pauseActions;
        moves += result.humanMoves + result.computerMoves;
        if (!result.problems.empty()) {
            printProblems(result);
            const fs::path file = fs::path(artifacts) / ("crash-seed" + std::to_string(seed) + "-run" + std::to_string(done));
            std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()),
                                                        static_cast<std::streamsize>(bytes.size()));
            std::fprintf(stderr, "input written to %s (replay it with --trace)\n", file.c_str());
            return 1;
        }
    }
    std::printf("random driver: %ld runs in %.1f s (seed %llu): %ld actions, %ld in the computer's pauses, %ld moves\n",
                done, elapsed(), static_cast<unsigned long long>(seed), actions, pauseActions, moves);
    return 0;
}
