#include "support/ComputerRun.h"

#include "support/FakeScreen.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <ostream>
#include <stdexcept>
#include <utility>

namespace jumpline::testing {

namespace {

constexpr Cell OffBoard{0, 0};

std::size_t at(int index) { return static_cast<std::size_t>(index); }

Cell cellOrOff(const Board &board, const Piece &p)
{
    return p.Visible ? board.cellOf(p) : OffBoard;
}

// The black piece standing on `cell`, or -1.
int blackOn(const Board &board, Cell cell)
{
    for (int i = 0; i < PieceCount; ++i)
        if (cellOrOff(board, board.Black[at(i)]) == cell)
            return i;
    return -1;
}

int redOn(const Board &board, Cell cell)
{
    for (int i = 0; i < PieceCount; ++i)
        if (cellOrOff(board, board.Red[at(i)]) == cell)
            return i;
    return -1;
}

int visibleCount(const std::array<Piece, PieceCount> &pieces)
{
    int n = 0;
    for (const Piece &p : pieces)
        n += p.Visible ? 1 : 0;
    return n;
}

// Direction d of a piece (1, 2 ahead for Black; 3, 4 back), one or two cells out.
Cell towards(Cell c, int d, int distance) { return neighbour(c, d, distance); }

bool inside(Cell c) { return onBoard(c.col, c.row); }

bool canCaptureFrom(const Board &board, Cell from, bool king)
{
    for (int d = 1; d <= 4; ++d) {
        if (d >= 3 && !king)
            continue;
        const Cell m = towards(from, d, 1), j = towards(from, d, 2);
        if (inside(j) && board.intBoard(m) > 0 && board.intBoard(j) == Empty)
            return true;
    }
    return false;
}

bool canStepFrom(const Board &board, Cell from, bool king)
{
    for (int d = 1; d <= 4; ++d) {
        if (d >= 3 && !king)
            continue;
        const Cell to = towards(from, d, 1);
        if (inside(to) && board.intBoard(to) == Empty)
            return true;
    }
    return false;
}

} // namespace

ComputerSetup::ComputerSetup(std::string_view picture) : board(boardFromPicture(picture, false))
{
    board.intAIMoves = 1;
    for (Piece &p : board.Black)
        p.Enabled = false; // against the computer Black's pieces are never draggable
}

ComputerSetup &ComputerSetup::numbered(PieceRef piece, Cell cell)
{
    const int other = piece.colour == Colour::Black ? blackOn(board, cell) : redOn(board, cell);
    if (other < 0)
        throw std::invalid_argument("no piece of that colour on " + cellName(cell) + " to renumber");
    if (other == piece.index)
        return *this;
    const PieceRef otherRef{piece.colour, static_cast<std::int16_t>(other)};
    std::swap(board.piece(piece), board.piece(otherRef));
    auto &kings = piece.colour == Colour::Black ? board.blnBlackKing : board.blnRedKing;
    std::swap(kings[at(piece.index)], kings[at(other)]);
    return *this;
}

ComputerSetup &ComputerSetup::parked(PieceRef piece)
{
    board.parkPiece(board.piece(piece));
    return *this;
}

ComputerSetup &ComputerSetup::king(PieceRef piece, bool isKing)
{
    const bool black = piece.colour == Colour::Black;
    (black ? board.blnBlackKing : board.blnRedKing)[at(piece.index)] = isKing;
    board.piece(piece).picture = black ? (isKing ? Picture::BlackKing : Picture::Black)
                                       : (isKing ? Picture::RedKing : Picture::Red);
    return *this;
}

ComputerSetup &ComputerSetup::aiMoves(std::int16_t intAIMoves)
{
    board.intAIMoves = intAIMoves;
    return *this;
}

ComputerSetup &ComputerSetup::redToMove(bool red)
{
    board.blnCurrentPlayer = red;
    board.lblPlayer = red ? "Red's" : "Black's";
    for (Piece &p : board.Red)
        p.Enabled = red;
    return *this;
}

std::string cellName(Cell cell)
{
    return "(" + std::to_string(cell.col) + ", " + std::to_string(cell.row) + ")";
}

void PrintTo(const BlackMove &move, std::ostream *os)
{
    *os << "Black(" << move.piece << ") " << cellName(move.from) << " -> " << cellName(move.to);
}

std::string ComputerRun::picture() const
{
    return boardPicture(after);
}

ComputerRun runComputerMove(const ComputerSetup &setup, std::vector<double> numbers, double fallback)
{
    ComputerRun run;
    run.before = setup.board;
    Board board = setup.board;
    ScriptedRandom random(std::move(numbers));
    random.setFallback(fallback);
    FakeScreen screen;
    screen.duringPause = [&] { run.positions.push_back(board); };
    Computer computer(board, random, screen);

    run.outcome = computer.ComputerMove();

    run.after = board;
    run.positions.push_back(board);
    run.moves = blackMovesBetween(run.positions);
    run.pauses = screen.pauses;
    run.used = random.used;
    run.overruns = random.overruns;
    run.messages = screen.messages;
    return run;
}

ComputerRun runComputerMove(const ComputerSetup &setup, std::initializer_list<double> numbers, double fallback)
{
    return runComputerMove(setup, std::vector<double>(numbers), fallback);
}

std::vector<BlackMove> blackMovesBetween(const std::vector<Board> &positions)
{
    std::vector<BlackMove> moves;
    for (std::size_t k = 1; k < positions.size(); ++k) {
        const Board &a = positions[k - 1], &b = positions[k];
        for (int i = 0; i < PieceCount; ++i) {
            const Cell from = cellOrOff(a, a.Black[at(i)]), to = cellOrOff(b, b.Black[at(i)]);
            if (from != to)
                moves.push_back({static_cast<std::int16_t>(i), from, to});
        }
    }
    return moves;
}

bool blackCanCapture(const Board &board)
{
    for (int i = 0; i < PieceCount; ++i) {
        const Piece &p = board.Black[at(i)];
        if (p.Visible && canCaptureFrom(board, board.cellOf(p), board.blnBlackKing[at(i)]))
            return true;
    }
    return false;
}

bool blackCanMove(const Board &board)
{
    for (int i = 0; i < PieceCount; ++i) {
        const Piece &p = board.Black[at(i)];
        if (p.Visible && canStepFrom(board, board.cellOf(p), board.blnBlackKing[at(i)]))
            return true;
    }
    return blackCanCapture(board);
}

std::vector<std::string> computerMoveProblems(const std::vector<Board> &positions)
{
    std::vector<std::string> problems;
    const auto problem = [&](const std::string &what) { problems.push_back(what); };
    if (positions.size() < 2) {
        problem("no position after the move");
        return problems;
    }
    const Board &before = positions.front(), &after = positions.back();

    // Each stretch between pauses holds at most one move of one piece, on the board.
    std::vector<std::vector<BlackMove>> stretches;
    for (std::size_t k = 1; k < positions.size(); ++k)
        stretches.push_back(blackMovesBetween({positions[k - 1], positions[k]}));
    std::vector<BlackMove> moves;
    for (std::size_t k = 0; k < stretches.size(); ++k) {
        if (stretches[k].size() > 1)
            problem("more than one black piece moved between pause " + std::to_string(k + 1) + " and the next");
        for (const BlackMove &m : stretches[k])
            moves.push_back(m);
    }
    if (moves.empty()) {
        problem("no black piece moved");
        return problems;
    }
    const std::int16_t mover = moves.front().piece;
    const bool king = before.blnBlackKing[at(mover)];
    for (std::size_t k = 0; k < moves.size(); ++k) {
        const BlackMove &m = moves[k];
        if (m.piece != mover)
            problem("Black(" + std::to_string(m.piece) + ") moved as well as Black(" + std::to_string(mover) + ")");
        if (m.from == OffBoard || m.to == OffBoard)
            problem("Black(" + std::to_string(m.piece) + ") left or entered the board");
        if (k > 0 && m.from != moves[k - 1].to)
            problem("the jumps of the chain do not join up");
    }
    if (!problems.empty())
        return problems;

    const auto direction = [](const BlackMove &m, int distance) {
        for (int d = 1; d <= 4; ++d)
            if (towards(m.from, d, distance) == m.to)
                return d;
        return 0;
    };
    const std::string who = "Black(" + std::to_string(mover) + ") ";

    const bool isStep = moves.size() == 1 && direction(moves.front(), 1) != 0;
    if (isStep) {
        const BlackMove &m = moves.front();
        const int d = direction(m, 1);
        if (blackCanCapture(before))
            problem(who + "stepped although Black could capture");
        if (d >= 3 && !king)
            problem(who + "is a man and stepped backwards " + cellName(m.from) + " -> " + cellName(m.to));
        if (before.intBoard(m.to) != Empty)
            problem(who + "stepped onto an occupied cell " + cellName(m.to));
        for (int i = 0; i < PieceCount; ++i) {
            const Piece &a = before.Red[at(i)], &b = after.Red[at(i)];
            if (a.Left != b.Left || a.Top != b.Top || a.Visible != b.Visible || a.picture != b.picture)
                problem("Red(" + std::to_string(i) + ") changed during a step");
        }
        if (positions.size() != 2)
            problem("a step took " + std::to_string(positions.size() - 1) + " pauses instead of one");
    } else {
        int captured = 0;
        for (std::size_t k = 0; k < stretches.size(); ++k) {
            if (stretches[k].empty())
                continue;
            const Board &from = positions[k], &to = positions[k + 1];
            const BlackMove &m = stretches[k].front();
            const int d = direction(m, 2);
            if (d == 0) {
                problem(who + "moved " + cellName(m.from) + " -> " + cellName(m.to) + ", neither a step nor a jump");
                continue;
            }
            if (d >= 3 && !king)
                problem(who + "is a man and captured backwards " + cellName(m.from) + " -> " + cellName(m.to));
            if (from.intBoard(m.to) != Empty)
                problem(who + "jumped onto an occupied cell " + cellName(m.to));
            const Cell middle = towards(m.from, d, 1);
            const int red = redOn(from, middle);
            if (from.intBoard(middle) <= 0 || red < 0) {
                problem(who + "jumped " + cellName(middle) + ", where no red piece stood");
                continue;
            }
            ++captured;
            const Piece &taken = to.Red[at(red)];
            if (taken.Visible || taken.Left != to.parkLeft() || taken.Top != to.parkTop())
                problem("the red piece jumped on " + cellName(middle) + " was not parked");
            if (to.intBoard(middle) != Empty)
                problem("the cell of the jumped red piece " + cellName(middle) + " was not cleared");
        }
        if (visibleCount(after.Red) != visibleCount(before.Red) - captured)
            problem("red pieces left the board other than by the captures");
        // The computer goes on capturing while it can, as the man or king it was.
        if (canCaptureFrom(after, moves.back().to, king))
            problem(who + "stopped on " + cellName(moves.back().to) + " although it could capture again");
        if (stretches.back().size() != 0 || static_cast<int>(positions.size()) != captured + 2)
            problem(std::to_string(captured) + " captures took " + std::to_string(positions.size() - 1) +
                    " pauses; one before each jump and one more were expected");
        if (before.blnRedKing != after.blnRedKing)
            problem("a red king flag changed");
    }

    // The finishing step: every black man on row 8 is crowned, nothing else.
    for (int i = 0; i < PieceCount; ++i) {
        const Piece &p = after.Black[at(i)];
        const bool onRowEight = p.Visible && after.cellOf(p).row == BoardSize;
        const bool expected = before.blnBlackKing[at(i)] || onRowEight;
        if (after.blnBlackKing[at(i)] != expected)
            problem("Black(" + std::to_string(i) + ") has the wrong king flag after the move");
        if (onRowEight && (after.intBoard(after.cellOf(p)) != BlackKing || p.picture != Picture::BlackKing))
            problem("Black(" + std::to_string(i) + ") on row 8 is not shown and recorded as a king");
    }
    if (after.intAIMoves != before.intAIMoves + 1)
        problem("intAIMoves went from " + std::to_string(before.intAIMoves) + " to " +
                std::to_string(after.intAIMoves));
    return problems;
}

std::string linesOf(const std::vector<std::string> &problems)
{
    std::string out;
    for (const std::string &line : problems)
        out += line + '\n';
    return out;
}

} // namespace jumpline::testing
