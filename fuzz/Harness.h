// Games under watch, shared by the soak test, the sanitizer soak, the libFuzzer target and
// its random driver: a game takes the actions a user can make on the windows and checks,
// after each one and in every pause of the computer, the invariants below and that every
// move made is one the rules allow (support/Referee.h).
#pragma once

#include "game/Game.h"
#include "game/Settings.h"
#include "support/FakeScreen.h"
#include "support/Referee.h"
#include "support/ScriptedRandom.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace jumpline::fuzz {

// One thing a user does on the windows.
struct UserAction {
    enum Kind : std::uint8_t { Drop, PressMultiJump, ReleaseMultiJump, Reset, Exit, TestModeButton, CloseTestWindow };
    Kind kind = Drop;
    PieceRef piece{};        // Drop: the dragged piece
    std::int16_t square = 0; // Drop: Square(0..31), or 32 for "Delete"
};

class WatchedGame {
public:
    // A new game as the start-up window sets it up (against the computer Red moves first), on
    // a screen of that many twips per pixel, the computer's random numbers seeded.
    WatchedGame(Settings::Opponent opponent, Settings::FirstPlayer first, int twipsX, int twipsY, std::uint64_t seed);

    // An action while the user can act. A drag begins only as the window allows it: an
    // enabled piece on the board, onto "Delete" only while it is shown. After Exit nothing
    // more happens.
    void perform(const UserAction &action);
    // An action that arrives in the computer's pause: no piece may move and no click be let
    // through; the Multi Jump button and the test-mode switch may change what they show.
    void performInPause(const UserAction &action);
    // Called in every pause of the computer, after the checks.
    std::function<void()> duringPause;

    // The invariants, each call returning the broken ones, one line each:
    //  - the position is consistent (support/Position.h), intBoard and the pieces agreeing
    //    unless test mode has been on since the last new game;
    //  - the number of pieces of a colour never rises within a game;
    //  - outside test mode only the side on move may be dragged, Black never against the
    //    computer (unless test mode was switched in its pause), nobody while it moves;
    //  - "Delete" is shown exactly in test mode; the Multi Jump caption is red only while the
    //    button is pressed;
    //  - no decided game is left standing; the computer moves only as Black against a person;
    //  - whenever the user can act: no jump count is pending with Multi Jump released, and
    //    against the computer Red is on move.
    // After an action, or (`computerMoving`) in the computer's pause:
    std::vector<std::string> check(bool computerMoving = false);
    // A new game has just been set up: also the opening, the first player on move.
    std::vector<std::string> checkNewGame();
    // A message is being shown: it must be a victor message that fits the position.
    std::vector<std::string> checkMessage(const std::string &text) const;

    // Declared before the game, which holds on to them.
    Settings settings;
    testing::FakeScreen screen;
    testing::SeededRandom random;
    Game game;

    std::vector<std::string> problems; // every broken invariant so far, with the action that broke it
    bool ok() const { return problems.empty(); }
    int actions = 0;    // so far, those in the computer's pauses too
    int humanMoves = 0; // legal drops made

private:
    void add(const std::vector<std::string> &more);
    void apply(const UserAction &action);
    void judge(bool gaveUp);

    bool testModeSeen = false;            // since the last new game
    int red = PieceCount, black = PieceCount;
    Board before;                         // as the action began
    bool judgeHuman = false;              // its drop is still to be judged
    std::optional<testing::Move> legal;   // it is this legal drop
    std::vector<Board> computerPositions; // at each pause of the computer in this action
    bool judgeComputer = false;           // its move is still to be judged
};

// Plays the actions that `data` describes on a fresh game; returns the broken invariants.
// Byte 0 chooses the opponent, the first player and the twips per pixel; bytes 1-4 seed
// the computer's random numbers; then every action takes an opcode byte and what it needs,
// and every pause of the computer one byte that says whether clicks arrive in it. Reading
// past the end gives zeros, so every input is valid.
std::vector<std::string> playBytes(const std::uint8_t *data, std::size_t size);

// Whole seeded games number first .. first + count - 1, each to its end (a victor, Black
// unable to move, a side blocked, which the players end with Reset, or a cap of 400 moves):
// a third against the computer with a Red player who takes random legal moves (captures
// when there are any, mostly safe ones), the rest between two people who both drop random
// legal moves; Multi Jump is pressed at random and multi-jumps go on or are broken off at
// random. Stops at the first game that breaks an invariant.
struct SoakResult {
    std::vector<std::string> problems;
    std::map<std::string, int> endings; // how many games ended how
};
SoakResult soak(long first, long count);

} // namespace jumpline::fuzz
