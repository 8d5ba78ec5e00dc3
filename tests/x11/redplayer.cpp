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
//       the rows joined by '/'; nothing when Black has no move. The computer captures
//       whenever it can, starts with a capture that can be continued where there is one,
//       goes on capturing while it can (a man stays a man until its move is over) and then
//       crowns a man on row 8. With --any: every legal Black move, also those the computer
//       never makes (a step where it could capture, a chain broken off).
//
// The rules are worked out here from scratch, without the program's code, so that the
// test does not take the program's word for what is legal.

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int BoardSize = 8;

struct Cell {
    int col = 0;
    int row = 0;
};

bool operator==(Cell a, Cell b) { return a.col == b.col && a.row == b.row; }

bool onBoard(int col, int row) { return col >= 1 && col <= BoardSize && row >= 1 && row <= BoardSize; }
bool isRed(char piece) { return piece == 'r' || piece == 'R'; }
bool isBlack(char piece) { return piece == 'b' || piece == 'B'; }
bool isKing(char piece) { return piece == 'R' || piece == 'B'; }

struct Position {
    // cells[col][row], 1-based; index 0 unused.
    std::array<std::array<char, BoardSize + 1>, BoardSize + 1> cells{};

    char &at(Cell c) { return cells[static_cast<std::size_t>(c.col)][static_cast<std::size_t>(c.row)]; }
    char at(Cell c) const { return cells[static_cast<std::size_t>(c.col)][static_cast<std::size_t>(c.row)]; }

    std::string rows(char separator) const
    {
        std::string text;
        for (int row = 1; row <= BoardSize; ++row) {
            for (int col = 1; col <= BoardSize; ++col) {
                text += at({col, row});
                if (col < BoardSize)
                    text += ' ';
            }
            if (row < BoardSize)
                text += separator;
        }
        return text;
    }
};

[[noreturn]] void fail(const std::string &why)
{
    std::cerr << "jumpline_redplayer: " << why << '\n';
    std::exit(2);
}

Position readPosition()
{
    std::string cellsRead;
    std::string line;
    while (std::getline(std::cin, line))
        for (const char c : line)
            if (c != ' ' && c != '\t' && c != '\r')
                cellsRead += c;
    if (cellsRead.size() != BoardSize * BoardSize)
        fail("a position has 64 cells; read " + std::to_string(cellsRead.size()));
    Position p;
    std::size_t k = 0;
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col) {
            const char piece = cellsRead[k++];
            if (piece != '.' && !isRed(piece) && !isBlack(piece))
                fail(std::string("unknown cell '") + piece + "' at column " + std::to_string(col) + ", row " +
                     std::to_string(row));
            if (piece != '.' && (col + row) % 2 == 0)
                fail("a piece on a light cell at column " + std::to_string(col) + ", row " + std::to_string(row));
            p.at({col, row}) = piece;
        }
    return p;
}

struct Direction {
    int dc;
    int dr;
};

// Red men go towards row 1, black men towards row 8; kings go all four ways.
std::vector<Direction> directionsFor(char piece)
{
    const int ahead = isRed(piece) ? -1 : +1;
    std::vector<Direction> ways{{-1, ahead}, {+1, ahead}};
    if (isKing(piece)) {
        ways.push_back({-1, -ahead});
        ways.push_back({+1, -ahead});
    }
    return ways;
}

bool isOpponent(char mover, char other) { return isRed(mover) ? isBlack(other) : isRed(other); }

std::vector<Cell> piecesOf(const Position &p, bool red)
{
    std::vector<Cell> found;
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            if (red ? isRed(p.at({col, row})) : isBlack(p.at({col, row})))
                found.push_back({col, row});
    return found;
}

// The jumps open to `piece` standing on `from`: the landing cells.
std::vector<Cell> jumpsFrom(const Position &p, Cell from, char piece)
{
    std::vector<Cell> landings;
    for (const Direction d : directionsFor(piece)) {
        const Cell over{from.col + d.dc, from.row + d.dr};
        const Cell land{from.col + 2 * d.dc, from.row + 2 * d.dr};
        if (onBoard(land.col, land.row) && isOpponent(piece, p.at(over)) && p.at(land) == '.')
            landings.push_back(land);
    }
    return landings;
}

// Moves the piece on `from` to `to`, taking the piece jumped over; no crowning.
Position moved(Position p, Cell from, Cell to)
{
    const char piece = p.at(from);
    p.at(from) = '.';
    if (std::abs(to.col - from.col) == 2)
        p.at({(from.col + to.col) / 2, (from.row + to.row) / 2}) = '.';
    p.at(to) = piece;
    return p;
}

// A red man is crowned the moment it reaches row 1.
void crownRed(Position &p, Cell at)
{
    if (p.at(at) == 'r' && at.row == 1)
        p.at(at) = 'R';
}

// The computer crowns at the end of its move every black man that stands on row 8.
void crownBlack(Position &p)
{
    for (int col = 1; col <= BoardSize; ++col)
        if (p.at({col, BoardSize}) == 'b')
            p.at({col, BoardSize}) = 'B';
}

// ---- Red -----------------------------------------------------------------------------

struct RedMove {
    std::vector<Cell> path; // origin, then every cell the piece lands on
    Position result;
};

void collectRedChains(const Position &p, std::vector<Cell> path, std::vector<RedMove> &chains)
{
    const Cell at = path.back();
    const std::vector<Cell> landings = jumpsFrom(p, at, p.at(at));
    if (landings.empty() && path.size() > 1)
        chains.push_back({path, p});
    for (const Cell land : landings) {
        Position next = moved(p, at, land);
        crownRed(next, land); // a crowned man goes on jumping as a king
        std::vector<Cell> longer = path;
        longer.push_back(land);
        collectRedChains(next, longer, chains);
    }
}

std::vector<RedMove> redChains(const Position &p)
{
    std::vector<RedMove> chains;
    for (const Cell from : piecesOf(p, true))
        collectRedChains(p, {from}, chains);
    return chains;
}

std::vector<RedMove> redSteps(const Position &p)
{
    std::vector<RedMove> steps;
    for (const Cell from : piecesOf(p, true))
        for (const Direction d : directionsFor(p.at(from))) {
            const Cell to{from.col + d.dc, from.row + d.dr};
            if (!onBoard(to.col, to.row) || p.at(to) != '.')
                continue;
            Position next = moved(p, from, to);
            crownRed(next, to);
            steps.push_back({{from, to}, next});
        }
    return steps;
}

// The position after a Red move given as its cells; stops the program on an illegal one.
Position applyRedMove(Position p, const std::vector<Cell> &path)
{
    if (path.size() < 2)
        fail("a move needs an origin and at least one more cell");
    const char piece = p.at(path.front());
    if (!isRed(piece))
        fail("no red piece on the move's first cell");
    for (std::size_t k = 1; k < path.size(); ++k) {
        const Cell from = path[k - 1];
        const Cell to = path[k];
        const int across = to.col - from.col;
        const int down = to.row - from.row;
        const bool backwards = down > 0 && !isKing(p.at(from));
        const bool step = std::abs(across) == 1 && std::abs(down) == 1;
        if (backwards || (!step && !(std::abs(across) == 2 && std::abs(down) == 2)) || p.at(to) != '.')
            fail("illegal Red move");
        if (step && path.size() > 2)
            fail("a step cannot be part of a chain");
        if (!step) {
            const std::vector<Cell> landings = jumpsFrom(p, from, p.at(from));
            if (std::find(landings.begin(), landings.end(), to) == landings.end())
                fail("illegal Red jump");
        }
        p = moved(p, from, to);
        crownRed(p, to);
    }
    return p;
}

// ---- Black ---------------------------------------------------------------------------

void continueBlackChain(const Position &p, Cell at, bool any, std::map<std::string, Position> &results)
{
    const std::vector<Cell> landings = jumpsFrom(p, at, p.at(at));
    if (landings.empty() || any) {
        Position done = p;
        crownBlack(done);
        results.emplace(done.rows('/'), done);
    }
    for (const Cell land : landings)
        continueBlackChain(moved(p, at, land), land, any, results);
}

// Every position Black's move may leave, by its picture (rows joined by '/').
std::map<std::string, Position> blackReplies(const Position &p, bool any)
{
    struct Capture {
        Cell from;
        Cell land;
        bool continuable;
    };
    std::vector<Capture> captures;
    for (const Cell from : piecesOf(p, false))
        for (const Cell land : jumpsFrom(p, from, p.at(from))) {
            // Asked before the capture is made: the piece still on its cell, the red piece
            // still on the board.
            const bool continuable = !jumpsFrom(p, land, p.at(from)).empty();
            captures.push_back({from, land, continuable});
        }
    const bool someContinuable =
        std::any_of(captures.begin(), captures.end(), [](const Capture &c) { return c.continuable; });

    std::map<std::string, Position> results;
    for (const Capture &c : captures)
        if (any || !someContinuable || c.continuable)
            continueBlackChain(moved(p, c.from, c.land), c.land, any, results);
    if (!captures.empty() && !any)
        return results;

    for (const Cell from : piecesOf(p, false))
        for (const Direction d : directionsFor(p.at(from))) {
            const Cell to{from.col + d.dc, from.row + d.dr};
            if (!onBoard(to.col, to.row) || p.at(to) != '.')
                continue;
            Position next = moved(p, from, to);
            crownBlack(next);
            results.emplace(next.rows('/'), next);
        }
    return results;
}

// ---- Red's choice ---------------------------------------------------------------------

constexpr int Won = 1000000;
// Plies looked ahead: Red's move, the computer's answer, and so on.
constexpr int Lookahead = 6;

// Red's view of a position: material first (a king worth more than a man, and the more so
// the fewer pieces are left, so that Red trades when ahead), then men pressing forward,
// kings near the black pieces and black men kept back.
int evaluate(const Position &p)
{
    const std::vector<Cell> red = piecesOf(p, true);
    const std::vector<Cell> black = piecesOf(p, false);
    if (black.empty())
        return Won;
    if (red.empty())
        return -Won;
    int material = 0;
    int placement = 0;
    for (const Cell c : red) {
        material += isKing(p.at(c)) ? 150 : 100;
        if (isKing(p.at(c))) {
            int nearest = BoardSize;
            for (const Cell b : black)
                nearest = std::min(nearest, std::max(std::abs(b.col - c.col), std::abs(b.row - c.row)));
            placement -= 3 * nearest;
        } else {
            placement += 2 * (BoardSize - c.row);
        }
    }
    for (const Cell c : black) {
        material -= isKing(p.at(c)) ? 150 : 100;
        if (!isKing(p.at(c)))
            placement -= 2 * (c.row - 1);
    }
    const int pieces = static_cast<int>(red.size() + black.size());
    return material * 24 / pieces + placement;
}

// The moves Red considers: its chains of jumps when it has any (it prefers to capture),
// otherwise its steps.
std::vector<RedMove> redMoves(const Position &p)
{
    std::vector<RedMove> chains = redChains(p);
    return chains.empty() ? redSteps(p) : chains;
}

int blackToMove(const Position &p, int plies, int alpha, int beta);

// Red to move: the best that Red can reach, assuming the computer's answers worst for Red.
int redToMove(const Position &p, int plies, int alpha, int beta)
{
    if (plies == 0)
        return evaluate(p);
    const std::vector<RedMove> moves = redMoves(p);
    if (moves.empty())
        return -Won / 2; // Red blocked: the game is stopped, not won
    int best = -Won;
    for (const RedMove &m : moves) {
        best = std::max(best, blackToMove(m.result, plies - 1, alpha, beta));
        alpha = std::max(alpha, best);
        if (alpha >= beta)
            break;
    }
    return best;
}

int blackToMove(const Position &p, int plies, int alpha, int beta)
{
    if (piecesOf(p, false).empty())
        return Won + plies; // sooner is better
    if (plies == 0)
        return evaluate(p);
    const std::map<std::string, Position> answers = blackReplies(p, false);
    if (answers.empty())
        return Won + plies; // Black cannot move: Red wins
    int worst = Won * 2;
    for (const auto &[picture, answer] : answers) {
        worst = std::min(worst, redToMove(answer, plies - 1, alpha, beta));
        beta = std::min(beta, worst);
        if (alpha >= beta)
            break;
    }
    return worst;
}

// The move with the best value; ties go to the first found (chains of jumps before steps,
// in reading order), so the game varies only by the computer's random choices.
std::vector<Cell> chooseRedMove(const Position &p)
{
    const RedMove *best = nullptr;
    int bestValue = 0;
    const std::vector<RedMove> candidates = redMoves(p);
    for (const RedMove &m : candidates) {
        const int value = blackToMove(m.result, Lookahead - 1, -Won * 2, Won * 2);
        if (best == nullptr || value > bestValue) {
            best = &m;
            bestValue = value;
        }
    }
    return best == nullptr ? std::vector<Cell>{} : best->path;
}

int usage()
{
    std::fputs("usage: jumpline_redplayer move | after C0 R0 C1 R1 ... | replies [--any]  (position on stdin)\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    if (command == "move") {
        const std::vector<Cell> path = chooseRedMove(readPosition());
        if (path.empty()) {
            std::cout << "none\n";
            return 0;
        }
        for (std::size_t k = 0; k < path.size(); ++k)
            std::cout << (k == 0 ? "" : " ") << path[k].col << ' ' << path[k].row;
        std::cout << '\n';
        return 0;
    }
    if (command == "after") {
        if (argc < 6 || argc % 2 != 0)
            return usage();
        std::vector<Cell> path;
        for (int k = 2; k + 1 < argc; k += 2) {
            const int col = std::atoi(argv[k]);
            const int row = std::atoi(argv[k + 1]);
            if (!onBoard(col, row))
                fail("a cell off the board");
            path.push_back({col, row});
        }
        std::cout << applyRedMove(readPosition(), path).rows('\n') << '\n';
        return 0;
    }
    if (command == "replies") {
        const bool any = argc > 2 && std::string(argv[2]) == "--any";
        for (const auto &[picture, reply] : blackReplies(readPosition(), any))
            std::cout << picture << '\n';
        return 0;
    }
    return usage();
}
