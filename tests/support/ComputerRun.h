// One computer move on a position set up directly, with scripted random numbers, and
// what it did: the moves (a multi-jump split into its jumps), the pauses, the numbers
// drawn, the messages and the outcome. Also an independent judge of a computer move,
// which knows the rules but nothing of how the computer chooses.
#pragma once

#include "board/Board.h"
#include "computer/Computer.h"

#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace jumpline::testing {

inline PieceRef BlackPiece(int index) { return {Colour::Black, static_cast<std::int16_t>(index)}; }
inline PieceRef RedPiece(int index) { return {Colour::Red, static_cast<std::int16_t>(index)}; }

// A position as in a game against the computer: a picture (see Position.h) with Black to
// move, intAIMoves = 1 (not the first move of a game) and Black's pieces never enabled;
// then overrides.
class ComputerSetup {
public:
    explicit ComputerSetup(std::string_view picture);

    // `piece` takes the place of the piece of its colour that the picture put on `cell`,
    // which takes `piece`'s old place (or is parked, if `piece` was). King flags and
    // pictures stay with the cells, so the position is unchanged; only the numbering is.
    ComputerSetup &numbered(PieceRef piece, Cell cell);
    // The control is hidden and parked, but intBoard keeps the cell as drawn: the pieces
    // and intBoard disagree.
    ComputerSetup &parked(PieceRef piece);
    // The king flag and picture of one piece; intBoard keeps what the picture says.
    ComputerSetup &king(PieceRef piece, bool isKing);
    ComputerSetup &aiMoves(std::int16_t intAIMoves);
    ComputerSetup &redToMove(bool red); // also enables Red's pieces while Red is to move

    Board board;
};

// One piece moved from one cell to another: a step, or one jump of a capture.
struct BlackMove {
    std::int16_t piece = 0;
    Cell from;
    Cell to;
    bool operator==(const BlackMove &) const = default;
};
void PrintTo(const BlackMove &move, std::ostream *os);
std::string cellName(Cell cell); // "(4, 5)"

struct ComputerRun {
    Board before;
    Board after;
    std::vector<Board> positions; // as each pause began, then `after`
    std::vector<BlackMove> moves;
    int pauses = 0;
    std::vector<double> used; // every random number drawn, in order
    int overruns = 0;         // numbers drawn beyond the script
    std::vector<std::string> messages;
    Computer::Outcome outcome = Computer::Outcome::Moved;

    std::string picture() const; // boardPicture(after)
};

// Runs Computer::ComputerMove once. Numbers beyond `numbers` are `fallback` (and counted
// as overruns).
ComputerRun runComputerMove(const ComputerSetup &setup, std::vector<double> numbers, double fallback = 0.0);
ComputerRun runComputerMove(const ComputerSetup &setup, std::initializer_list<double> numbers, double fallback = 0.0);

// The black pieces that changed cell between consecutive positions, in order. A piece
// taken off the board appears with `to` = {0, 0}.
std::vector<BlackMove> blackMovesBetween(const std::vector<Board> &positions);

// The legal moves of Black by the rules alone (men ahead, kings both ways; a capture over
// a red piece onto the empty cell beyond).
bool blackCanCapture(const Board &board);
bool blackCanMove(const Board &board);

// What is wrong with a computer move that was made: `positions` are the position as each
// pause began (the first before the move), then the position after it. Checks that one
// black piece moved, by a step (only when no capture was open) or by a chain of captures
// that goes on as long as the piece can capture, that each captured red piece is parked,
// that a pause preceded each jump and the cycle that ended the chain, and the crowning
// and the move counter of the finishing step. Empty when the move is legal.
std::vector<std::string> computerMoveProblems(const std::vector<Board> &positions);

// Problems one per line, for a failure message.
std::string linesOf(const std::vector<std::string> &problems);

} // namespace jumpline::testing
