// Red's side of a game played at the real screen, and the referee of the computer's answers.
//
// Positions come in on standard input as the screenshots read them back: eight rows,
// row 1 (Black's home row) first, of eight cells each, such as ". b . b . b . b";
// '.' empty, 'r' red man, 'R' red king, 'b' black man, 'B' black king.
//
//   jumpline_redplayer move < POSITION
//       Red's move: "c0 r0 c1 r1" for a step or a single jump, "c0 r0 c1 r1 c2 r2 ..."
//       for a chain of jumps (every landing cell in turn), or "none" when Red is blocked.
//       Red captures when it can, as far as the chain goes, and otherwise steps; which
//       capture or step it takes it decides by looking a few moves ahead, so that most
//       games come to an end.
//   jumpline_redplayer after C0 R0 C1 R1 [C2 R2 ...] < POSITION
//       The position after that Red move, in the same eight rows.
//   jumpline_redplayer replies [--any] < POSITION
//       Black to move: every position that the computer's move may leave, one a line with
//       the rows joined by '/'; nothing when Black has no move. With --any: every legal
//       Black move, also those the computer never makes (a step where it could capture, a
//       chain broken off).
//
// The rules come from the tests' own referee, not from the program's code, so that the
// test does not take the program's word for what is legal.
#include "support/Referee.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <set>
#include <string_view>

namespace {

using namespace jumpline;
using namespace jumpline::testing;

[[noreturn]] void fail(const std::string &why)
{
    std::cerr << "jumpline_redplayer: " << why << '\n';
    std::exit(2);
}

constexpr std::string_view Symbols = "Bb.rR"; // intBoard's values -2 .. 2

BoardArray readPosition()
{
    std::string cells;
    for (char c; std::cin >> c;)
        cells += c;
    if (cells.size() != BoardSize * BoardSize)
        fail("a position has 64 cells; read " + std::to_string(cells.size()));
    BoardArray board;
    for (int k = 0; k < BoardSize * BoardSize; ++k) {
        const Cell at{k % BoardSize + 1, k / BoardSize + 1};
        const char symbol = cells[static_cast<std::size_t>(k)];
        if (Symbols.find(symbol) == std::string_view::npos || (symbol != '.' && !isDark(at)))
            fail(std::string("no piece '") + symbol + "' may stand on column " + std::to_string(at.col) + ", row " +
                 std::to_string(at.row));
        board(at) = static_cast<std::int16_t>(static_cast<int>(Symbols.find(symbol)) - 2);
    }
    return board;
}

// The position in eight rows of eight cells, the rows joined by `separator`.
std::string picture(const BoardArray &board, char separator)
{
    std::string text;
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            text += {Symbols[static_cast<std::size_t>(board(col, row) + 2)], col < BoardSize ? ' ' : separator};
    text.pop_back();
    return text;
}

struct RedMove {
    std::vector<Cell> path; // origin, then every cell the piece lands on
    BoardArray result;
};

// A chain of jumps followed as far as it goes; a man crowned on row 1 jumps on as a king.
void followChain(const std::vector<Cell> &path, const BoardArray &board, std::vector<RedMove> &chains)
{
    const std::vector<Move> jumps = movesFrom(board, path.back(), true);
    if (jumps.empty())
        chains.push_back({path, board});
    for (const Move &m : jumps) {
        std::vector<Cell> longer = path;
        longer.push_back(m.to);
        followChain(longer, afterMove(board, m), chains);
    }
}

// Red's whole chains of jumps when it has any, otherwise its steps.
std::vector<RedMove> redMoves(const BoardArray &board)
{
    std::vector<RedMove> moves;
    for (const Move &m : legalMoves(board, Colour::Red, true))
        followChain({m.from, m.to}, afterMove(board, m), moves);
    if (moves.empty())
        for (const Move &m : legalMoves(board, Colour::Red))
            moves.push_back({{m.from, m.to}, afterMove(board, m)});
    return moves;
}

// The positions the side on move may leave: Red's by its moves above, Black's by the
// computer's moves.
std::vector<BoardArray> positionsAfter(const BoardArray &board, bool redToMove)
{
    std::vector<BoardArray> positions;
    if (redToMove)
        for (const RedMove &m : redMoves(board))
            positions.push_back(m.result);
    else
        for (const std::vector<BoardArray> &pauses : computerMoves(board))
            positions.push_back(pauses.back());
    return positions;
}

// Every Black move that stops at any cell of a chain, the man crowned where it stops.
void anyChain(const BoardArray &board, Cell at, std::set<std::string> &replies)
{
    replies.insert(picture(afterMove(board, {at, at}), '/'));
    for (const Move &m : movesFrom(board, at, true))
        anyChain(afterMove(board, m, false), m.to, replies);
}

constexpr int Won = 1000000;
constexpr int Lookahead = 6; // plies: Red's move, the computer's answer, and so on

// Red's view: won when Black has no piece left; else material, a king worth more than a
// man and the more so the fewer pieces are left (so that Red trades when ahead), then red
// men pressing forward.
int evaluate(const BoardArray &board)
{
    constexpr int worth[] = {-150, -100, 0, 100, 150}; // black king .. red king
    int material = 0, pieces = 0, black = 0, placement = 0;
    for (int k = 0; k < SquareCount; ++k) {
        const std::int16_t value = board(squareCell(k));
        material += worth[value + 2];
        pieces += value != Empty ? 1 : 0;
        black += value < 0 ? 1 : 0;
        placement += value == RedMan ? 2 * (BoardSize - squareCell(k).row) : 0;
    }
    return black == 0 ? Won : material * 24 / pieces + placement;
}

// The best Red can reach with `plies` to look ahead, the computer answering worst for Red.
int value(const BoardArray &board, bool redToMove, int plies, int alpha, int beta)
{
    if (plies == 0)
        return evaluate(board);
    const std::vector<BoardArray> next = positionsAfter(board, redToMove);
    if (next.empty())
        return redToMove ? -Won / 2 : Won + plies; // a blocked Red is stopped, not beaten; sooner is better
    int best = redToMove ? -2 * Won : 2 * Won;
    for (const BoardArray &position : next) {
        const int v = value(position, !redToMove, plies - 1, alpha, beta);
        best = redToMove ? std::max(best, v) : std::min(best, v);
        if (redToMove)
            alpha = std::max(alpha, best);
        else
            beta = std::min(beta, best);
        if (alpha >= beta)
            break;
    }
    return best;
}

// The move of the best value; ties go to the first found, so the game varies only by the
// computer's random choices.
std::string chooseRedMove(const BoardArray &board)
{
    const std::vector<RedMove> moves = redMoves(board);
    const RedMove *best = nullptr;
    int bestValue = 0;
    for (const RedMove &m : moves) {
        const int v = value(m.result, false, Lookahead - 1, -2 * Won, 2 * Won);
        if (best == nullptr || v > bestValue) {
            best = &m;
            bestValue = v;
        }
    }
    if (best == nullptr)
        return "none";
    std::string text;
    for (const Cell c : best->path)
        text += (text.empty() ? "" : " ") + std::to_string(c.col) + ' ' + std::to_string(c.row);
    return text;
}

// The position after a Red move given as its cells; stops the program on an illegal one.
BoardArray applyRedMove(BoardArray board, const std::vector<Cell> &path)
{
    if (board(path.front()) <= 0)
        fail("no red piece on the move's first cell");
    for (std::size_t k = 1; k < path.size(); ++k) {
        const std::vector<Move> moves = movesFrom(board, path[k - 1]);
        const auto m = std::find_if(moves.begin(), moves.end(), [&](const Move &c) { return c.to == path[k]; });
        if (m == moves.end() || (path.size() > 2 && !m->jump))
            fail("illegal Red move");
        board = afterMove(board, *m);
    }
    return board;
}

int usage()
{
    std::cerr << "usage: jumpline_redplayer move | after C0 R0 C1 R1 ... | replies [--any]  (position on stdin)\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "move") {
        std::cout << chooseRedMove(readPosition()) << '\n';
    } else if (args.size() >= 5 && args.size() % 2 == 1 && args[0] == "after") {
        std::vector<Cell> path;
        for (std::size_t k = 1; k < args.size(); k += 2) {
            path.push_back({std::atoi(args[k].c_str()), std::atoi(args[k + 1].c_str())});
            if (!onBoard(path.back().col, path.back().row))
                fail("a cell off the board");
        }
        std::cout << picture(applyRedMove(readPosition(), path), '\n') << '\n';
    } else if (!args.empty() && args[0] == "replies") {
        const BoardArray board = readPosition();
        std::set<std::string> replies;
        if (args.size() > 1 && args[1] == "--any") {
            for (const Move &m : legalMoves(board, Colour::Black))
                if (m.jump)
                    anyChain(afterMove(board, m, false), m.to, replies);
                else
                    replies.insert(picture(afterMove(board, m), '/'));
        } else {
            for (const BoardArray &answer : positionsAfter(board, false))
                replies.insert(picture(answer, '/'));
        }
        for (const std::string &reply : replies)
            std::cout << reply << '\n';
    } else {
        return usage();
    }
    return 0;
}
