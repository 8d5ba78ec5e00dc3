#include "game/Game.h"

#include "outside/Random.h"
#include "outside/Screen.h"

#include <algorithm>
#include <cctype>

namespace jumpline {

bool IsAccessCode(std::string_view text)
{
    constexpr std::string_view code = "KROV";
    return std::equal(text.begin(), text.end(), code.begin(), code.end(), [](char typed, char wanted) {
        return std::toupper(static_cast<unsigned char>(typed)) == wanted;
    });
}

Game::Game(Settings &settings, Random &random, Screen &screen)
    : settings(settings), screen(screen), computer(board, random, screen)
{
}

void Game::enablePieces(Colour colour, bool enabled)
{
    for (Piece &p : colour == Colour::Red ? board.Red : board.Black)
        p.Enabled = enabled;
}

void Game::NewGame()
{
    blnGameOver = false;
    board.intAIMoves = 0;
    // Cleared before the button is released, so that a new game never hands the old
    // position's turn over or lets the computer move on it.
    board.intJumpCount = 0;
    board.optMultiJump = MultiJumpButton{};

    const bool redFirst = settings.optRed();
    board.lblPlayer = redFirst ? "Red's" : "Black's";
    board.blnCurrentPlayer = redFirst;
    for (std::size_t i = 0; i < PieceCount; ++i) {
        // Against the computer Black's pieces are never enabled: it moves them itself.
        board.Black[i] = Piece{0, 0, false, !redFirst && settings.optHuman(), Picture::Black};
        board.Red[i] = Piece{0, 0, false, redFirst, Picture::Red};
        board.blnRedKing[i] = false;
        board.blnBlackKing[i] = false;
    }

    // Black on rows 1-3, Red on rows 6-8: Black(k) on Square(k), Red(k) on Square(28 - 4 * (k / 4) + k % 4).
    for (int k = 0; k < PieceCount; ++k) {
        const auto index = static_cast<std::int16_t>(k);
        board.placePiece({Colour::Black, index}, squareCell(k));
        board.placePiece({Colour::Red, index}, squareCell(28 - 4 * (k / 4) + k % 4));
        board.Black[static_cast<std::size_t>(k)].Visible = false;
        board.Red[static_cast<std::size_t>(k)].Visible = false;
    }

    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            board.intBoard(col, row) = row <= 3 ? BlackMan : row >= 6 ? RedMan : Empty;

    // The whole opening position appears at once.
    for (std::size_t i = 0; i < PieceCount; ++i) {
        board.Black[i].Visible = true;
        board.Red[i].Visible = true;
    }
}

void Game::ChangeTurn()
{
    board.intJumpCount = 0;
    if (!board.blnCurrentPlayer) {
        board.blnCurrentPlayer = true;
        board.lblPlayer = "Red's";
        enablePieces(Colour::Black, false);
        enablePieces(Colour::Red, true);
    } else {
        board.blnCurrentPlayer = false;
        board.lblPlayer = "Black's";
        if (settings.optHuman())
            enablePieces(Colour::Black, true); // against the computer they stay as they are
        enablePieces(Colour::Red, false);
    }

    announceVictor();
}

// A side with no piece left has lost, and so has a side on move with pieces but no move
// (outside test mode; the computer says so itself when it is stuck).
void Game::announceVictor()
{
    const auto onBoard = [](const Piece &p) { return p.Visible; };
    const bool blackLeft = std::any_of(board.Black.begin(), board.Black.end(), onBoard);
    const bool redLeft = std::any_of(board.Red.begin(), board.Red.end(), onBoard);
    if (!blackLeft) {
        screen.ShowMessage("Red is the victor!");
        if (!settings.optHuman())
            blnGameOver = true; // the caller starts the new game
        else
            NewGame();
    } else if (!redLeft) {
        screen.ShowMessage("Black is the victor!");
        NewGame();
    } else if (!settings.blnTestMode && (board.blnCurrentPlayer || settings.optHuman()) && !board.CanMove()) {
        screen.ShowMessage(board.blnCurrentPlayer ? "Red can't move. Black is the victor!"
                                                  : "Black can't move. Red is the victor!");
        NewGame();
    }
}

void Game::HandOver()
{
    ChangeTurn();
    if (!blnGameOver && settings.optComputer()) {
        blnComputerMoving = true;
        const Computer::Outcome outcome = computer.ComputerMove();
        blnComputerMoving = false;
        if (outcome == Computer::Outcome::NoMove)
            blnGameOver = true;
        if (blnGameOver) {
            NewGame();
        } else {
            PrintBoard();
            ChangeTurn();
        }
    } else if (blnGameOver && settings.optComputer()) {
        NewGame();
    }
}

void Game::PrintBoard()
{
    screen.ShowBoardDump(board.PrintBoard());
}

bool Game::MayDrag(PieceRef piece) const
{
    // No piece moves while the computer thinks, not even one that test mode has enabled.
    const Piece &p = board.piece(piece);
    return !blnComputerMoving && p.Visible && p.Enabled;
}

void Game::Square_DragDrop(std::int16_t intSquare, PieceRef piece)
{
    if (!MayDrag(piece) || (intSquare == DeleteSquare && !board.DeleteEnabled))
        return;
    if (board.Square_DragDrop(intSquare, piece, settings.blnTestMode) != DropResult::Completed)
        return;
    PrintBoard();
    if (!settings.blnTestMode && board.optMultiJump.Value == 0)
        HandOver();
}

bool Game::ClickAdmitted() const
{
    return board.blnCurrentPlayer || settings.optHuman();
}

void Game::cmdReset_Click()
{
    if (ClickAdmitted())
        NewGame();
}

void Game::cmdExit_Click()
{
    if (ClickAdmitted())
        screen.EndProgram();
}

void Game::SetMultiJump(bool pressed)
{
    const std::int16_t value = pressed ? 1 : 0;
    // A click that the guard refuses leaves the button as it was.
    if (board.optMultiJump.Value == value || !ClickAdmitted())
        return;
    board.optMultiJump.Value = value;
    optMultiJump_Click();
}

void Game::optMultiJump_Click()
{
    if (!ClickAdmitted())
        return;
    if (board.optMultiJump.Value == 1) {
        board.optMultiJump.ForeColor = CaptionColour::Red;
        return;
    }
    board.optMultiJump.ForeColor = CaptionColour::Black;
    // Released after captures made with it pressed: the turn is over.
    if (board.intJumpCount > 0)
        HandOver();
}

void Game::cmdTestMode_Click()
{
    if (settings.blnTestMode) {
        settings.blnTestMode = false;
        enablePieces(board.blnCurrentPlayer ? Colour::Black : Colour::Red, false);
        board.DeleteEnabled = false;
        board.DeleteVisible = false;
        // Free placement may have left a side beaten. (While the computer moves, the turn
        // change that follows its move looks.)
        if (!blnComputerMoving) {
            announceVictor();
            if (blnGameOver)
                NewGame();
        }
    } else {
        settings.blnTestMode = true;
        enablePieces(Colour::Black, true);
        enablePieces(Colour::Red, true);
        board.DeleteEnabled = true;
        board.DeleteVisible = true;
    }
}

void Game::TestWindowClosing()
{
    if (settings.blnTestMode)
        cmdTestMode_Click();
}

} // namespace jumpline
