// Games under watch, shared by the soak test, the sanitizer soak and the fuzzer. A watched
// game is the screen its game runs on: it takes the actions a user can make, and checks
// after each one, in every pause of the computer and at every message:
//  - the position is whole (support/Support.h), intBoard in step with the pieces unless
//    test mode has placed them freely since the last new game;
//  - a colour's pieces never come back within a game; a new game opens as it should;
//  - outside test mode only the side on move may be dragged (Black never against the
//    computer); "Delete" shows exactly in test mode; the Multi Jump caption is red exactly
//    while it is pressed;
//  - every drop made is a move that the rules below allow, and every refused one changes
//    nothing; every move of the computer is a legal one: a capture whenever it has one,
//    continued while it can, preferring a capture that can go on, a man crowned at the end;
//  - a victor message fits the position; nothing a click does in the computer's pause
//    changes the game.
// The rules are worked out again here from intBoard, apart from the code under test.
#pragma once

#include "game/Game.h"
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
// The steps and jumps of `colour` on `board` (men forward only; a jump lands two cells away
// over an opponent piece); only jumps of the piece on `only`, when given.
std::vector<Move> legalMoves(const BoardArray &board, Colour colour, std::optional<Cell> only = {});

struct Action {
    enum Kind : std::uint8_t { Drop, PressMultiJump, ReleaseMultiJump, Reset, Exit, TestMode, CloseTestWindow };
    Kind kind = Drop;
    PieceRef piece{};        // Drop: the dragged piece
    std::int16_t square = 0; // Drop: Square(0..31), or 32 for "Delete"
};

class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine(seed) {}
    double Rnd() override { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }
    std::mt19937_64 engine;
};

class WatchedGame final : public Screen {
public:
    WatchedGame(Settings::Opponent opponent, Settings::FirstPlayer first, int twipsPerPixel, std::uint64_t seed);

    // An action of the user; a drag begins only as the window lets it (an enabled piece on
    // the board, "Delete" only while it shows).
    void perform(const Action &action);
    // Runs in every pause of the computer: actions that arrive meanwhile go to performInPause.
    std::function<void()> duringPause;
    void performInPause(const Action &action);

    Settings settings;
    SeededRandom random; // the computer's numbers
    Game game;
    std::vector<std::string> problems;
    std::vector<std::string> messages;
    bool ended = false;
    int moves = 0; // legal drops

private:
    void Pause() override;
    void ShowMessage(const std::string &text) override;
    void ShowBoardDump(const std::string &) override {}
    void EndProgram() override { ended = true; }

    void check();
    void judgeHumanMove();
    void judgeComputerMove(bool gaveUp);
    void add(const std::string &problem);

    Board before;                         // as the action began
    std::optional<Move> legal;            // the legal move its drop makes
    bool judgeHuman = false;              // the action's own part is still to be judged
    std::optional<Board> computerStart;   // as the computer began to move
    bool freelyPlaced = false;            // test mode has been on since the last new game
    bool newGame = false;                 // one must follow the action
    int red = PieceCount, black = PieceCount;
};

// Plays what `data` describes on a fresh game: byte 0 chooses the opponent, the first player
// and the twips per pixel, bytes 1-4 seed the computer, then each action takes an opcode byte
// and what it needs, and each pause of the computer one byte that says whether clicks arrive
// in it. Reading past the end gives zeros, so every input is valid.
std::vector<std::string> playBytes(const std::uint8_t *data, std::size_t size);

// Whole seeded games first .. first + count - 1, each to its end (a victor, or 300 moves of
// shuffling kings): every third against the computer, its Red taking captures when it has
// any and mostly moves that give Black none; the others between two people who drop random
// legal moves. Multi Jump is pressed at random. Stops at the first game that breaks a rule.
struct SoakResult {
    std::vector<std::string> problems;
    std::map<std::string, int> endings;
};
SoakResult soak(long first, long count);

} // namespace jumpline::fuzz
