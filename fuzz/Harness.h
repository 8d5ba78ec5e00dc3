// Games under watch, shared by the soak test, the sanitizer soak and the fuzzer: a run of the
// actions a user can make on the windows, checked after each one, in every pause of the
// computer and at every message:
//  - the position is whole (support/Support.h), intBoard in step with the pieces unless test
//    mode has placed them freely since the last new game; a new game opens as it should;
//  - outside test mode only the side on move may be dragged (Black never against the
//    computer); "Delete" shows exactly in test mode; the Multi Jump caption is red exactly
//    while the button is pressed; nobody can act in a decided game or the computer's turn,
//    and a side with no move has been told that it lost;
//  - every drop makes the move that the rules below allow, or changes nothing; every move of
//    the computer is legal: a capture whenever it has one, preferring one that can go on,
//    continued while it can, a man crowned only at the end; otherwise a step;
//  - a victor message fits the position.
// The rules are worked out again here from intBoard, apart from the code under test.
#pragma once

#include "game/Random.h"
#include "support/Support.h"

#include <cstdint>
#include <map>
#include <optional>
#include <random>

namespace jumpline::fuzz {

struct Move {
    Cell from;
    Cell to;
    bool jump = false;
};
// The steps and jumps of `colour` (men forward only; a jump goes over an opponent piece onto
// the empty cell beyond); with `only`, just the jumps of the piece on that cell.
std::vector<Move> legalMoves(const BoardArray &board, Colour colour, std::optional<Cell> only = {});

class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine(seed) {}
    double Rnd() override { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }
    std::mt19937_64 engine;
};

struct Played {
    std::vector<std::string> problems; // the rules broken, with when
    std::vector<std::string> messages; // the victor messages shown
};

// Plays what `data` describes: byte 0 chooses the opponent, the first player and the twips
// per pixel, bytes 1-4 seed the computer, then each action takes an opcode byte and what it
// needs (mostly a legal move of the side on move, else any drop, Multi Jump, Reset, Exit, the
// test-mode switch). Reading past the end gives zeros, so every input is valid; Exit ends it.
Played playBytes(const std::uint8_t *data, std::size_t size);

// Runs first .. first + count - 1 of 4,000 seeded random bytes each, every third against the
// computer; the endings of their games counted by message. Stops at the first broken rule.
struct SoakResult {
    std::vector<std::string> problems;
    std::map<std::string, int> endings;
};
SoakResult soak(long first, long count);

} // namespace jumpline::fuzz
