#include "support/Referee.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace jumpline::testing {

namespace {

constexpr std::array<Cell, 4> Diagonals = {{{-1, -1}, {+1, -1}, {-1, +1}, {+1, +1}}};

Cell offset(Cell c, Cell d, int distance = 1)
{
    return {c.col + distance * d.col, c.row + distance * d.row};
}

bool inside(Cell c) { return onBoard(c.col, c.row); }

std::string cellText(Cell c)
{
    return "(" + std::to_string(c.col) + ", " + std::to_string(c.row) + ")";
}

std::string pieceText(PieceRef p)
{
    return std::string(p.colour == Colour::Red ? "Red(" : "Black(") + std::to_string(p.index) + ")";
}

// Men go forward only: Red towards row 1, Black towards row 8.
bool mayGo(Colour colour, bool king, int rowStep)
{
    return king || rowStep == (colour == Colour::Red ? -1 : +1);
}

// The visible pieces by cell.
class Occupancy {
public:
    explicit Occupancy(const Board &board)
    {
        for (Colour colour : {Colour::Red, Colour::Black}) {
            for (std::int16_t i = 0; i < PieceCount; ++i) {
                const PieceRef ref{colour, i};
                const Piece &p = board.piece(ref);
                if (!p.Visible)
                    continue;
                const Cell c = board.cellOf(p);
                if (inside(c) && !at(c))
                    slot(c) = ref;
            }
        }
    }
    std::optional<PieceRef> at(Cell c) const
    {
        return cells[static_cast<std::size_t>((c.row - 1) * BoardSize + c.col - 1)];
    }

private:
    std::optional<PieceRef> &slot(Cell c) { return cells[static_cast<std::size_t>((c.row - 1) * BoardSize + c.col - 1)]; }
    std::array<std::optional<PieceRef>, BoardSize * BoardSize> cells{};
};

void addMoves(const Board &board, const Occupancy &occupied, PieceRef ref, bool jumpsOnly, std::vector<HumanMove> &out)
{
    const Piece &p = board.piece(ref);
    if (!p.Visible)
        return;
    const Cell from = board.cellOf(p);
    const bool king = board.isKing(ref);
    for (Cell d : Diagonals) {
        if (!mayGo(ref.colour, king, d.row))
            continue;
        const Cell near = offset(from, d), far = offset(from, d, 2);
        if (!jumpsOnly && inside(near) && !occupied.at(near))
            out.push_back({ref, from, near, false});
        if (inside(far) && !occupied.at(far)) {
            const auto over = occupied.at(near);
            if (over && over->colour != ref.colour)
                out.push_back({ref, from, far, true});
        }
    }
}

// A black piece's captures on intBoard; `value` gives its kingship (-2 king).
bool blackCaptureFrom(const BoardArray &board, Cell from, std::int16_t value)
{
    for (Cell d : Diagonals) {
        if (!mayGo(Colour::Black, value == BlackKing, d.row))
            continue;
        const Cell over = offset(from, d), to = offset(from, d, 2);
        if (inside(to) && board(over) > 0 && board(to) == Empty)
            return true;
    }
    return false;
}

// The cells of the black pieces as intBoard holds them. Only dark cells count: the light
// ones keep what the new game put there, -1 in rows 1 to 3.
std::vector<Cell> blackCells(const BoardArray &board)
{
    std::vector<Cell> cells;
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            if (isDark({col, row}) && board(col, row) < 0)
                cells.push_back({col, row});
    return cells;
}

struct CellChange {
    Cell cell;
    std::int16_t was = 0;
    std::int16_t now = 0;
};

std::vector<CellChange> changes(const BoardArray &before, const BoardArray &after)
{
    std::vector<CellChange> out;
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            if (before(col, row) != after(col, row))
                out.push_back({{col, row}, before(col, row), after(col, row)});
    return out;
}

std::string changesText(const std::vector<CellChange> &list)
{
    std::string text;
    for (const CellChange &c : list)
        text += " " + cellText(c.cell) + " " + std::to_string(c.was) + "->" + std::to_string(c.now);
    return text.empty() ? " none" : text;
}

} // namespace

std::vector<HumanMove> legalHumanMoves(const Board &board)
{
    const Colour mover = board.blnCurrentPlayer ? Colour::Red : Colour::Black;
    const Occupancy occupied(board);
    std::vector<HumanMove> moves;
    moves.reserve(4 * PieceCount);
    for (std::int16_t i = 0; i < PieceCount; ++i) {
        const PieceRef ref{mover, i};
        if (board.piece(ref).Enabled)
            addMoves(board, occupied, ref, false, moves);
    }
    return moves;
}

std::vector<HumanMove> legalJumps(const Board &board, PieceRef piece)
{
    std::vector<HumanMove> moves;
    addMoves(board, Occupancy(board), piece, true, moves);
    return moves;
}

std::vector<std::string> humanMoveProblems(const Board &before, const Board &after)
{
    std::vector<std::string> problems;
    const Colour mover = before.blnCurrentPlayer ? Colour::Red : Colour::Black;
    std::vector<PieceRef> moved, taken;
    for (Colour colour : {Colour::Red, Colour::Black}) {
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const PieceRef ref{colour, i};
            const Piece &was = before.piece(ref), &now = after.piece(ref);
            const bool kingChanged = before.isKing(ref) != after.isKing(ref);
            if (was.Visible && !now.Visible && colour != mover && !kingChanged) {
                taken.push_back(ref);
            } else if (was.Visible && now.Visible && colour == mover && (was.Left != now.Left || was.Top != now.Top)) {
                moved.push_back(ref);
            } else if (was.Visible != now.Visible || was.Left != now.Left || was.Top != now.Top || kingChanged) {
                problems.push_back(pieceText(ref) + " changed in a way no drop allows");
            }
        }
    }
    if (moved.empty()) {
        if (!taken.empty())
            problems.push_back(pieceText(taken.front()) + " was taken, but no piece moved");
        return problems;
    }
    if (moved.size() > 1) {
        problems.push_back("more than one piece moved in one drop");
        return problems;
    }

    const PieceRef ref = moved.front();
    const Cell from = before.cellOf(before.piece(ref)), to = after.cellOf(after.piece(ref));
    const int dc = to.col - from.col, dr = to.row - from.row;
    const bool wasKing = before.isKing(ref);
    const std::string what = pieceText(ref) + " from " + cellText(from) + " to " + cellText(to);
    const Occupancy occupied(before);
    if (occupied.at(to))
        problems.push_back(what + ": the target was occupied");
    if (!mayGo(mover, wasKing, dr > 0 ? +1 : -1))
        problems.push_back(what + ": a man moved backwards");
    if (std::abs(dc) == 1 && std::abs(dr) == 1) {
        if (!taken.empty())
            problems.push_back(what + ": a step took a piece");
    } else if (std::abs(dc) == 2 && std::abs(dr) == 2) {
        const Cell over{from.col + dc / 2, from.row + dr / 2};
        const auto jumped = occupied.at(over);
        if (taken.size() != 1 || !jumped || *jumped != taken.front())
            problems.push_back(what + ": a jump must take exactly the piece it jumps, " + cellText(over));
    } else {
        problems.push_back(what + ": neither a step nor a jump");
    }
    const bool farRow = to.row == (mover == Colour::Red ? 1 : BoardSize);
    if (after.isKing(ref) != (wasKing || farRow))
        problems.push_back(what + ": crowned wrongly");
    return problems;
}

bool blackCanCapture(const BoardArray &board)
{
    const std::vector<Cell> cells = blackCells(board);
    return std::any_of(cells.begin(), cells.end(), [&](Cell c) { return blackCaptureFrom(board, c, board(c)); });
}

bool blackCanMove(const BoardArray &board)
{
    if (blackCanCapture(board))
        return true;
    for (Cell from : blackCells(board)) {
        for (Cell d : Diagonals) {
            const Cell to = offset(from, d);
            if (mayGo(Colour::Black, board(from) == BlackKing, d.row) && inside(to) && board(to) == Empty)
                return true;
        }
    }
    return false;
}

void ComputerMoveReferee::pause(const Board &board)
{
    if (pauses > 0) {
        capturePause(board);
        return;
    }
    problems.clear();
    start = last = board.intBoard;
    aiMoves = board.intAIMoves;
    pauses = 1;
    // A capture after which the same piece could capture again, judged before the
    // capture is made (the capturing piece and the jumped one still stand).
    continuableCapture = false;
    for (Cell from : blackCells(start)) {
        const std::int16_t value = start(from);
        for (Cell d : Diagonals) {
            const Cell over = offset(from, d), to = offset(from, d, 2);
            if (mayGo(Colour::Black, value == BlackKing, d.row) && inside(to) && start(over) > 0 &&
                start(to) == Empty && blackCaptureFrom(start, to, value))
                continuableCapture = true;
        }
    }
}

void ComputerMoveReferee::capturePause(const Board &board)
{
    const std::vector<CellChange> diff = changes(last, board.intBoard);
    const CellChange *from = nullptr, *over = nullptr, *to = nullptr;
    for (const CellChange &c : diff) {
        if (c.was < 0 && c.now == Empty)
            from = &c;
        else if (c.was > 0 && c.now == Empty)
            over = &c;
        else if (c.was == Empty && c.now < 0)
            to = &c;
    }
    const std::string what = "capture number " + std::to_string(pauses) + " of the computer:" + changesText(diff);
    if (diff.size() != 3 || !from || !over || !to) {
        problems.push_back(what + ": not one capture");
    } else {
        const int dc = to->cell.col - from->cell.col, dr = to->cell.row - from->cell.row;
        const bool shape = std::abs(dc) == 2 && std::abs(dr) == 2 && over->cell.col == from->cell.col + dc / 2 &&
                           over->cell.row == from->cell.row + dr / 2 && to->now == from->was;
        if (!shape)
            problems.push_back(what + ": not a jump over the diagonal neighbour (crowning waits for the end)");
        if (!mayGo(Colour::Black, from->was == BlackKing, dr > 0 ? +1 : -1))
            problems.push_back(what + ": a man captured backwards");
        if (pauses == 1) {
            mover = from->was;
            if (continuableCapture && !blackCaptureFrom(last, to->cell, from->was))
                problems.push_back(what + ": a capture that could be continued was passed over");
        } else if (from->cell != landing) {
            problems.push_back(what + ": another piece went on with the multi-jump");
        }
        landing = to->cell;
    }
    last = board.intBoard;
    ++pauses;
}

std::vector<std::string> ComputerMoveReferee::moved(const Board &board)
{
    const std::vector<CellChange> diff = changes(last, board.intBoard);
    if (pauses == 1) {
        const std::string what = "the computer's step:" + changesText(diff);
        if (blackCanCapture(start))
            problems.push_back(what + ": it did not capture, though it could");
        const CellChange *from = nullptr, *to = nullptr;
        for (const CellChange &c : diff) {
            if (c.was < 0 && c.now == Empty)
                from = &c;
            else if (c.was == Empty && c.now < 0)
                to = &c;
        }
        if (diff.size() != 2 || !from || !to) {
            problems.push_back(what + ": not one step");
        } else {
            const int dc = to->cell.col - from->cell.col, dr = to->cell.row - from->cell.row;
            const bool crowned = from->was == BlackMan && to->cell.row == BoardSize;
            if (std::abs(dc) != 1 || std::abs(dr) != 1)
                problems.push_back(what + ": not onto a diagonal neighbour");
            if (!mayGo(Colour::Black, from->was == BlackKing, dr))
                problems.push_back(what + ": a man stepped backwards");
            if (to->now != (crowned ? BlackKing : from->was))
                problems.push_back(what + ": crowned wrongly");
        }
    } else if (pauses > 1) {
        const std::string what = "the end of the computer's capture on " + cellText(landing) + ":" + changesText(diff);
        if (blackCaptureFrom(last, landing, mover))
            problems.push_back(what + ": the multi-jump stopped, though it could go on");
        const bool crowning = diff.size() == 1 && diff.front().cell == landing && diff.front().was == BlackMan &&
                              diff.front().now == BlackKing && landing.row == BoardSize;
        const bool stays = diff.empty() && !(mover == BlackMan && landing.row == BoardSize);
        if (!crowning && !stays)
            problems.push_back(what + ": only the crowning of a man on row 8 may follow the last capture");
    } else {
        problems.push_back("the computer moved without its pause");
    }
    if (board.intAIMoves != aiMoves + 1)
        problems.push_back("intAIMoves went from " + std::to_string(aiMoves) + " to " + std::to_string(board.intAIMoves) +
                           " in one computer move");
    pauses = 0;
    return std::move(problems);
}

std::vector<std::string> ComputerMoveReferee::cannotMove(const Board &board)
{
    if (pauses != 1)
        problems.push_back("\"Black can't move\" after the computer had captured");
    if (blackCanMove(start))
        problems.push_back("\"Black can't move\" though Black has a move:\n" + board.PrintBoard());
    if (board.intBoard != start)
        problems.push_back("\"Black can't move\" after the position changed");
    pauses = 0;
    return std::move(problems);
}

} // namespace jumpline::testing
