#include "support/Invariants.h"

#include "support/Position.h"

#include <algorithm>
#include <array>

namespace jumpline::testing {

namespace {

std::string pieceName(Colour colour, std::size_t i)
{
    return std::string(colour == Colour::Red ? "Red(" : "Black(") + std::to_string(i) + ")";
}

// The square a new game puts Red(k) on: rows 8, 7, 6 from the bottom up, four a row.
int redOpeningSquare(int k) { return 28 - 4 * (k / 4) + k % 4; }

} // namespace

std::vector<std::string> positionProblems(const Board &board, bool testModeUsed)
{
    std::vector<std::string> problems;
    // What the visible pieces say each dark cell holds; several pieces on one cell spoil it.
    std::array<std::int16_t, BoardSize * BoardSize> shown{};
    std::array<int, BoardSize * BoardSize> standing{};
    bool shared = false;
    for (Colour colour : {Colour::Red, Colour::Black}) {
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const PieceRef ref{colour, i};
            const Piece &p = board.piece(ref);
            if (!p.Visible) {
                if (p.Left != board.parkLeft() || p.Top != board.parkTop())
                    problems.push_back(pieceName(colour, static_cast<std::size_t>(i)) +
                                       " is off the board but not at the parking place");
                continue;
            }
            const Cell c = board.cellOf(p);
            if (!onBoard(c.col, c.row) || !isDark(c) || p.Left != board.pieceLeft(c.col) || p.Top != board.pieceTop(c.row)) {
                problems.push_back(pieceName(colour, static_cast<std::size_t>(i)) +
                                   " is on the board but not on the piece position of a dark cell");
                continue;
            }
            const bool king = board.isKing(ref);
            const Picture picture = colour == Colour::Red ? (king ? Picture::RedKing : Picture::Red)
                                                          : (king ? Picture::BlackKing : Picture::Black);
            if (p.picture != picture)
                problems.push_back(pieceName(colour, static_cast<std::size_t>(i)) + " shows the wrong picture for its king flag");
            const auto slot = static_cast<std::size_t>((c.row - 1) * BoardSize + c.col - 1);
            shared = shared || standing[slot] > 0;
            ++standing[slot];
            shown[slot] = colour == Colour::Red ? (king ? RedKing : RedMan) : (king ? BlackKing : BlackMan);
        }
    }
    if (!testModeUsed) {
        bool agree = true;
        for (int row = 1; row <= BoardSize; ++row)
            for (int col = 1; col <= BoardSize; ++col)
                if (isDark({col, row}) && board.intBoard(col, row) != shown[static_cast<std::size_t>((row - 1) * BoardSize + col - 1)])
                    agree = false;
        if (shared)
            problems.push_back("two visible pieces share a cell:\n" + piecesPicture(board));
        else if (!agree)
            problems.push_back("intBoard disagrees with the pieces:\nintBoard\n" + boardPicture(board) + "pieces\n" +
                               piecesPicture(board));
    }
    if (board.lblPlayer != (board.blnCurrentPlayer ? "Red's" : "Black's"))
        problems.push_back("the turn display reads " + board.lblPlayer);
    return problems;
}

PieceCounts countPieces(const Board &board)
{
    const auto visible = [](const Piece &p) { return p.Visible; };
    return {static_cast<int>(std::count_if(board.Red.begin(), board.Red.end(), visible)),
            static_cast<int>(std::count_if(board.Black.begin(), board.Black.end(), visible))};
}

std::vector<std::string> openingProblems(const Game &game, const Settings &settings)
{
    std::vector<std::string> problems;
    const auto check = [&](bool ok, const std::string &what) {
        if (!ok)
            problems.push_back("new game: " + what);
    };
    const Board &b = game.board;
    const bool redFirst = settings.optRed();
    for (int k = 0; k < PieceCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        for (Colour colour : {Colour::Red, Colour::Black}) {
            const Piece &p = colour == Colour::Red ? b.Red[i] : b.Black[i];
            const Cell home = squareCell(colour == Colour::Red ? redOpeningSquare(k) : k);
            const bool enabled = colour == Colour::Red ? redFirst : !redFirst && settings.optHuman();
            const bool king = colour == Colour::Red ? b.blnRedKing[i] : b.blnBlackKing[i];
            const Picture man = colour == Colour::Red ? Picture::Red : Picture::Black;
            check(p.Visible && p.Left == b.pieceLeft(home.col) && p.Top == b.pieceTop(home.row),
                  pieceName(colour, i) + " is not on its opening square");
            check(!king && p.picture == man, pieceName(colour, i) + " is not a man");
            check(p.Enabled == enabled, pieceName(colour, i) + (enabled ? " cannot be dragged" : " can be dragged"));
        }
    }
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            check(b.intBoard(col, row) == (row <= 3 ? BlackMan : row >= 6 ? RedMan : Empty),
                  "intBoard(" + std::to_string(col) + ", " + std::to_string(row) + ") is not refilled");
    check(b.blnCurrentPlayer == redFirst, "the wrong side is on move");
    check(b.lblPlayer == (redFirst ? "Red's" : "Black's"), "the turn display reads " + b.lblPlayer);
    check(b.intAIMoves == 0, "intAIMoves is " + std::to_string(b.intAIMoves));
    check(!game.blnGameOver, "blnGameOver is still set");
    check(b.optMultiJump == MultiJumpButton{}, "Multi Jump is not released with a black caption");
    check(b.intJumpCount == 0, "a jump count is pending");
    return problems;
}

InvariantChecker::InvariantChecker(const Game &game, const Settings &settings)
    : game(game), settings(settings), counts(countPieces(game.board))
{
}

std::vector<std::string> InvariantChecker::newGame()
{
    testModeSeen = false;
    counts = countPieces(game.board);
    std::vector<std::string> problems = openingProblems(game, settings);
    for (std::string &p : check(false))
        problems.push_back(std::move(p));
    return problems;
}

std::vector<std::string> InvariantChecker::afterAction()
{
    return check(false);
}

std::vector<std::string> InvariantChecker::duringComputerMove()
{
    return check(true);
}

std::vector<std::string> InvariantChecker::message(const std::string &text)
{
    std::vector<std::string> problems;
    const PieceCounts now = countPieces(game.board);
    if (text == "Red is the victor!") {
        if (now.black != 0)
            problems.push_back("\"Red is the victor!\" with black pieces on the board");
    } else if (text == "Black is the victor!") {
        if (now.red != 0 || now.black == 0)
            problems.push_back("\"Black is the victor!\" while Red has pieces or Black has none");
    } else if (text == "Black can't move. Red is the victor!") {
        if (!settings.optComputer())
            problems.push_back("\"Black can't move\" in a game between people");
    } else {
        problems.push_back("unknown message \"" + text + "\"");
    }
    return problems;
}

std::vector<std::string> InvariantChecker::check(bool computerMoving)
{
    noteTestMode();
    std::vector<std::string> problems = positionProblems(game.board, testModeSeen);
    const auto expect = [&](bool ok, const std::string &what) {
        if (!ok)
            problems.push_back(what);
    };
    const Board &b = game.board;

    const PieceCounts now = countPieces(b);
    expect(now.red <= counts.red, "a red piece came back within a game");
    expect(now.black <= counts.black, "a black piece came back within a game");
    counts = now;

    expect(b.DeleteVisible == settings.blnTestMode && b.DeleteEnabled == settings.blnTestMode,
           "\"Delete\" is shown or enabled outside test mode, or hidden in it");
    expect(b.optMultiJump.ForeColor == CaptionColour::Black || b.optMultiJump.Value == 1,
           "the Multi Jump caption is red while the button is released");
    expect(game.ComputerToMove() == computerMoving, "the game is wrong about whether the computer is moving");
    if (settings.optHuman())
        expect(b.intAIMoves == 0, "the computer counted moves in a game between people");

    const auto allEnabled = [](const auto &pieces, bool enabled) {
        return std::all_of(pieces.begin(), pieces.end(), [&](const Piece &p) { return p.Enabled == enabled; });
    };
    if (computerMoving) {
        expect(!b.blnCurrentPlayer && settings.optComputer(), "the computer moves, but Black is not on move against it");
        expect(!game.blnGameOver, "the computer moves in a decided game");
        expect(b.intJumpCount == 0, "a jump count survived the turn change");
        // Switching test mode off in the pause leaves Black's pieces enabled, as it leaves
        // the side on move; no drop is taken until the computer has moved.
        if (!settings.blnTestMode)
            expect(allEnabled(b.Red, false), "Red's pieces can be dragged while the computer moves");
        return problems;
    }

    expect(!game.blnGameOver, "a decided game was not followed by a new game");
    expect(b.intJumpCount == 0 || b.optMultiJump.Value == 1, "a jump count is pending with Multi Jump released");
    if (settings.optComputer())
        expect(b.blnCurrentPlayer, "Black is on move against the computer while the user can act");
    if (!settings.blnTestMode) {
        const bool redMoves = b.blnCurrentPlayer;
        const bool blackMayMove = !redMoves && settings.optHuman();
        expect(allEnabled(b.Red, redMoves), redMoves ? "a red piece cannot be dragged on Red's turn"
                                                     : "a red piece can be dragged on Black's turn");
        expect(allEnabled(b.Black, blackMayMove), blackMayMove ? "a black piece cannot be dragged on Black's turn"
                                                               : "a black piece can be dragged out of its turn");
    }
    return problems;
}

} // namespace jumpline::testing
