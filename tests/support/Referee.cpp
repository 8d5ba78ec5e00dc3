#include "support/Referee.h"

#include "support/Position.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace jumpline::testing {

namespace {

constexpr Cell Diagonals[] = {{-1, -1}, {+1, -1}, {-1, +1}, {+1, +1}};

} // namespace

std::vector<std::vector<BoardArray>> computerMoves(const BoardArray &start)
{
    std::vector<std::vector<BoardArray>> moves;
    const std::function<void(std::vector<BoardArray>, Cell)> goOn = [&](std::vector<BoardArray> path, Cell at) {
        const std::vector<Move> jumps = movesFrom(path.back(), at, true);
        for (const Move &m : jumps) {
            std::vector<BoardArray> longer = path;
            longer.push_back(afterMove(path.back(), m, false));
            goOn(longer, m.to);
        }
        if (jumps.empty()) {
            path.push_back(afterMove(path.back(), {at, at, false})); // a man that ended on row 8 is crowned
            moves.push_back(path);
        }
    };
    const std::vector<Move> captures = legalMoves(start, Colour::Black, true);
    const auto goesOn = [&](const Move &m) { return !movesFrom(afterMove(start, m, false), m.to, true).empty(); };
    const bool someGoOn = std::any_of(captures.begin(), captures.end(), goesOn);
    for (const Move &m : captures)
        if (goesOn(m) || !someGoOn)
            goOn({afterMove(start, m, false)}, m.to);
    if (captures.empty())
        for (const Move &m : legalMoves(start, Colour::Black))
            moves.push_back({afterMove(start, m)});
    return moves;
}

std::vector<Move> movesFrom(const BoardArray &board, Cell from, bool jumpsOnly)
{
    std::vector<Move> moves;
    const std::int16_t value = board(from);
    for (Cell d : Diagonals) {
        if (value == Empty || (std::abs(value) == 1 && d.row != (value > 0 ? -1 : +1)))
            continue;
        const Cell near{from.col + d.col, from.row + d.row}, far{from.col + 2 * d.col, from.row + 2 * d.row};
        if (onBoard(near.col, near.row) && board(near) == Empty && !jumpsOnly)
            moves.push_back({from, near, false});
        else if (onBoard(far.col, far.row) && board(far) == Empty && board(near) * value < 0)
            moves.push_back({from, far, true});
    }
    return moves;
}

std::vector<Move> legalMoves(const BoardArray &board, Colour colour, bool capturesOnly)
{
    std::vector<Move> moves;
    for (int k = 0; k < SquareCount; ++k) {
        if (colour == Colour::Red ? board(squareCell(k)) > 0 : board(squareCell(k)) < 0) {
            const std::vector<Move> more = movesFrom(board, squareCell(k), capturesOnly);
            moves.insert(moves.end(), more.begin(), more.end());
        }
    }
    return moves;
}

BoardArray afterMove(BoardArray board, const Move &move, bool crown)
{
    const std::int16_t value = board(move.from);
    board(move.from) = Empty;
    if (move.jump)
        board((move.from.col + move.to.col) / 2, (move.from.row + move.to.row) / 2) = Empty;
    const bool farRow = move.to.row == (value > 0 ? 1 : BoardSize);
    board(move.to) = crown && farRow && std::abs(value) == 1 ? static_cast<std::int16_t>(2 * value) : value;
    return board;
}

std::vector<Drop> legalDrops(const Board &board)
{
    std::vector<Drop> drops;
    for (std::int16_t i = 0; i < PieceCount; ++i) {
        const PieceRef ref{board.blnCurrentPlayer ? Colour::Red : Colour::Black, i};
        const Piece &p = board.piece(ref);
        if (p.Visible && p.Enabled)
            for (const Move &m : movesFrom(board.intBoard, board.cellOf(p)))
                drops.push_back({ref, m});
    }
    return drops;
}

std::vector<std::string> humanMoveProblems(const Board &before, const Board &after, const std::optional<Move> &legal)
{
    Board expected = before;
    if (legal)
        expected.intBoard = afterMove(before.intBoard, *legal);
    const std::string want = boardPicture(expected), got = piecesPicture(after);
    if (got == want)
        return {};
    return {(legal ? "a legal drop was not made as the rules make it" : "no legal move, but pieces moved") +
            std::string(": the pieces show\n") + got + "instead of\n" + want};
}

std::vector<std::string> computerReplyProblems(const std::vector<Board> &positions, bool gaveUp)
{
    const BoardArray &start = positions.front().intBoard;
    std::vector<BoardArray> seen;
    for (std::size_t k = 1; k < positions.size(); ++k)
        seen.push_back(positions[k].intBoard);
    const std::vector<std::vector<BoardArray>> legal = computerMoves(start);
    std::string fault;
    if (gaveUp && (!legal.empty() || seen != std::vector{start}))
        fault = "said \"Black can't move\" with a move open or after moving";
    else if (!gaveUp && std::find(legal.begin(), legal.end(), seen) == legal.end())
        fault = "made no legal move";
    else if (!gaveUp && positions.back().intAIMoves != positions.front().intAIMoves + 1)
        fault = "did not count its move in intAIMoves";
    if (fault.empty())
        return {};
    return {"the computer " + fault + ":\n" + boardPicture(positions.front()) + "became\n" + boardPicture(positions.back())};
}

} // namespace jumpline::testing
