// A game under watch: it takes the actions a user can make on the windows and checks,
// after each one and in every pause of the computer, that the game keeps its invariants
// and that every move made is one the rules allow. The fuzzer, the random driver and the
// soak all drive games through it.
#pragma once

#include "game/Game.h"
#include "game/Settings.h"
#include "support/FakeScreen.h"
#include "support/Invariants.h"
#include "support/Referee.h"
#include "support/ScriptedRandom.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace jumpline::fuzz {

// What the start-up window and the screen decide before the first game.
struct GameSetup {
    Settings::Opponent opponent = Settings::Opponent::Human;
    Settings::FirstPlayer first = Settings::FirstPlayer::Red;
    int twipsX = DesignTwipsPerPixel;
    int twipsY = DesignTwipsPerPixel;
    std::uint64_t seed = 0; // of the computer's random numbers
};

// One thing a user does on the windows.
struct UserAction {
    enum Kind : std::uint8_t { Drop, PressMultiJump, ReleaseMultiJump, Reset, Exit, TestModeButton, CloseTestWindow };
    Kind kind = Drop;
    PieceRef piece{};        // Drop: the dragged piece
    std::int16_t square = 0; // Drop: Square(0..31), or 32 for "Delete"
};

std::string describe(const UserAction &action);

class WatchedGame {
public:
    explicit WatchedGame(const GameSetup &setup);
    WatchedGame(const WatchedGame &) = delete;
    WatchedGame &operator=(const WatchedGame &) = delete;

    // A user action while the user can act. A drop is made only as the window allows it:
    // an enabled piece on the board, "Delete" only while it is shown. After Exit nothing
    // more happens.
    void perform(const UserAction &action);

    // Called in every pause of the computer, after the checks; may call performInPause.
    std::function<void()> duringPause;
    // A user action that arrives while the computer moves: it must change nothing but the
    // pressed state of Multi Jump and what test mode switches.
    void performInPause(const UserAction &action);

    const std::vector<std::string> &problems() const { return found; }
    bool ok() const { return found.empty(); }

    // Declared before the game, which holds on to them (and to the random numbers below).
    Settings settings;
    testing::FakeScreen screen;

private:
    testing::SeededRandom random;

public:
    Game game;
    bool verbose = false; // trace every action on stderr

    // What happened so far.
    int actions = 0;
    int pauseActions = 0;
    int humanMoves = 0;    // drops that moved a piece
    int computerMoves = 0; // calls of the computer player
    int newGames = 0;      // after the first

private:
    void add(std::vector<std::string> more);
    void apply(const UserAction &action);
    void onPause();
    void onMessage(const std::string &text);
    void humanCheckpoint();

    testing::InvariantChecker checker;
    testing::ComputerMoveReferee referee;
    std::vector<std::string> found;

    // The action under way.
    Board before;
    std::optional<testing::HumanMove> legalDrop; // the drop made is legal: it must be made
    bool humanCheck = false;       // judge the change as a human move
    bool checkpointDone = false;   // the human part of the action is over
    bool refereeing = false;       // judge the computer's move
    bool refereeDone = false;
    int pausesInAction = 0;
    std::size_t messagesBefore = 0;
};

} // namespace jumpline::fuzz
