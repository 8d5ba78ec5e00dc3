// The referee: it watches a game through the screen the game runs on and checks, after each
// action of the user, in every pause of the computer and at every message:
//  - the position is whole (Support.h), intBoard in step with the pieces unless test mode
//    has placed them freely since the last new game; a new game opens as it should;
//  - outside test mode only the side on move may be dragged (Black never against the
//    computer); "Delete" shows exactly in test mode; the Multi Jump caption is red exactly
//    while the button is pressed; nobody can act in a decided game or the computer's turn,
//    and a side with no piece or no move has been told that it lost;
//  - every drop makes a move that the rules below allow, or changes nothing; nothing
//    changes while the computer pauses; every move of the computer is legal: a capture
//    whenever it has one, preferring one that can go on, continued while it can, a man
//    crowned only at the end; otherwise a step;
//  - a victor message fits the position; the program ends only when Exit was asked for.
// The rules are worked out again here from intBoard, apart from the code under test.
#pragma once

#include "game/Game.h"
#include "outside/Random.h"
#include "support/Support.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace jumpline::testing {

struct Move {
    Cell from;
    Cell to;
    bool jump = false;
};
// The steps and jumps of `colour` (men forward only; a jump goes over an opponent piece onto
// the empty cell beyond); with `only`, just the jumps of the piece on that cell.
std::vector<Move> legalMoves(const BoardArray &board, Colour colour, std::optional<Cell> only = {});

// An input read byte by byte; past its end, zeros, so that every input is valid.
struct Bytes {
    const std::uint8_t *data;
    std::size_t size, pos = 0;
    std::uint8_t next() { return pos < size ? data[pos++] : std::uint8_t{0}; }
    // A legal move of the side on move, chosen by the next byte; with `jump`, a jump where
    // there is one.
    std::optional<Move> move(const Board &board, bool jump);
};

class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine(seed) {}
    double Rnd() override { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }
    std::mt19937_64 engine;
};

// What an action of the user may do.
struct Expect {
    std::optional<std::pair<PieceRef, std::int16_t>> drop = {}; // this piece dropped on this square
    bool anyDrop = false;  // some drop, of a piece the user holds (a release, a key that drops)
    bool reset = false;    // Reset was asked for
    bool exit = false;     // Exit was asked for
    bool testMode = false; // the test-mode switch, or the test window closed
};

struct Played {
    std::vector<std::string> problems; // the rules broken, with when
    long events = 0;                   // the user's actions, or the mouse and key events sent
};

class Referee final : public Screen {
public:
    explicit Referee(const Settings &settings) : settings(settings) {}

    // From now on the referee watches this game, which has just opened.
    void watch(const Game &game);

    // Before and after each action of the user.
    void before(const Expect &expect);
    void after();

    // What the user does while the computer pauses: it must change nothing.
    std::function<void()> duringPause;

    Played played;
    bool ended = false;

private:
    void Pause() override;
    void ShowMessage(const std::string &text) override;
    void ShowBoardDump(const std::string &) override {}
    void EndProgram() override;

    void add(const std::string &problem);
    void judge(bool computerGaveUp = false);
    void check();

    const Settings &settings;
    const Game *game = nullptr;
    Board start;                        // as the action began
    Expect expect;                      // what it may do
    std::vector<std::string> outcomes;  // the positions its drop may leave
    bool judgeHuman = false;            // its own part is still to be judged
    std::optional<Board> computerStart; // as the computer began to move
    bool freelyPlaced = false;          // test mode has been on since the last new game
    bool newGame = true;                // one must follow the action
    bool pausing = false;
};

// A watched game's settings, random numbers and referee, as an input's first bytes choose
// them: byte 0 the opponent, the first player (Red against the computer) and the twips per
// pixel across and down; bytes 1-4 the computer's seed.
struct Watched {
    explicit Watched(Bytes &input);
    std::uint8_t setup;
    SeededRandom random;
    Settings settings;
    Referee referee{settings};
    std::int16_t twipsX, twipsY;
};

// A run of the core's own actions, decoded from bytes after the first five: each action
// takes an opcode byte and what it needs (mostly a legal move of the side on move, else any
// drop, Multi Jump, Reset, Exit, the test-mode switch). Exit ends it.
Played playBytes(const std::uint8_t *data, std::size_t size);

// Runs first .. first + count - 1 of `play` on 4,000 seeded random bytes each: every third
// against the computer, a twelfth at 12 x 10 twips per pixel. Stops at the first broken rule.
struct SoakResult {
    std::vector<std::string> problems;
    long events = 0;
};
SoakResult soak(long first, long count, const std::function<Played(const std::uint8_t *, std::size_t)> &play = playBytes);

} // namespace jumpline::testing
