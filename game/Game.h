// The game's life on the main window: a new game, the turn change and the end of a game,
// the hand-over to the computer after a move, and the handlers of Reset, Exit, Multi Jump
// and the test-mode switch. The window calls these and then redraws from `board`.
#pragma once

#include "board/Board.h"
#include "computer/Computer.h"
#include "game/Settings.h"

#include <string_view>

namespace jumpline {

class Random;
class Screen;

// The test window's access code; any mix of cases is accepted, nothing else.
bool IsAccessCode(std::string_view text);

class Game {
public:
    Game(Settings &settings, Random &random, Screen &screen);
    Game(Settings &&, Random &, Screen &) = delete; // the settings are read live, never copied

    Board board;
    bool blnGameOver = false; // a game against the computer is decided; a new game must follow

    // Puts a fresh game on the board with the start-up window's choices.
    void NewGame();

    // Passes the turn to the other side and announces a victor when a side has no pieces
    // left, or when the side now on move has pieces but no move.
    void ChangeTurn();

    // The sequence after a completed move: the turn change and, against the computer, its reply.
    void HandOver();

    // Shows the board dump on the test window.
    void PrintBoard();

    // Whether a piece may be picked up now: on the board, free to move (a piece of the side
    // on move, any piece in test mode), and not while the computer moves.
    bool MayDrag(PieceRef piece) const;

    // A piece dropped on Square(intSquare): the human move, the dump, then the hand-over. A
    // piece that may not be dragged, or a drop on "Delete" while it is not shown, changes
    // nothing, so no window can make a position the rules do not allow.
    void Square_DragDrop(std::int16_t intSquare, PieceRef piece);

    // Whether a click on Reset, Exit or Multi Jump is admitted: not during the computer's turn.
    bool ClickAdmitted() const;

    void cmdReset_Click();
    void cmdExit_Click();

    // The user pressed or released Multi Jump: unless the guard refuses the click, the button
    // changes state and its handler runs.
    void SetMultiJump(bool pressed);
    void optMultiJump_Click();

    // "Test Mode On/Off": free placement on or off. Switched off, it ends the game as a turn
    // change does when a side has no piece left or the side on move no move.
    void cmdTestMode_Click();
    // The test window is closing: test mode does not outlive it.
    void TestWindowClosing();

    // True while the computer's reply runs (and lets events through in its pauses).
    bool ComputerToMove() const { return blnComputerMoving; }

private:
    void enablePieces(Colour colour, bool enabled);
    void announceVictor();

    Settings &settings;
    Screen &screen;
    Computer computer;
    bool blnComputerMoving = false;
};

} // namespace jumpline
