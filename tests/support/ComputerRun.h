// One computer move on a position set up directly, with scripted random numbers, and
// what it did: the moves (a multi-jump split into its jumps), the pauses, the numbers
// drawn, the messages and the outcome.
#pragma once

#include "board/Board.h"
#include "computer/Computer.h"

#include <string>
#include <string_view>
#include <vector>

namespace jumpline::testing {

inline PieceRef BlackPiece(int index) { return {Colour::Black, static_cast<std::int16_t>(index)}; }

// A position as in a game against the computer: Black to move, intAIMoves = 1 (not the
// first move of a game), Black's pieces never enabled; then overrides.
class ComputerSetup {
public:
    // A whole or partial picture (see Position.h).
    explicit ComputerSetup(std::string_view picture);

    // `piece` takes the place of the piece of its colour that the picture put on `cell`,
    // which takes `piece`'s old place (or is parked, if `piece` was). King flags and
    // pictures go with the pieces, so the position is unchanged; only the numbering is.
    ComputerSetup &numbered(PieceRef piece, Cell cell);
    // The control is hidden and parked, but intBoard keeps the cell as drawn.
    ComputerSetup &parked(PieceRef piece);
    // A king by its flag and picture; intBoard keeps what the picture says.
    ComputerSetup &king(PieceRef piece);
    ComputerSetup &aiMoves(std::int16_t intAIMoves);

    Board board;
};

struct ComputerRun {
    std::vector<Board> positions; // as each pause began, then `after`
    Board after;
    // The cells the moving pieces passed from pause to pause: "(4, 3) -> (6, 5) -> (8, 7)"
    // for one piece; pieces that moved separately are parted by ", ". Empty when nothing moved.
    std::string path;
    int pauses = 0;
    std::vector<double> used; // every random number drawn, in order
    std::vector<std::string> messages;
    Computer::Outcome outcome = Computer::Outcome::Moved;
};

// Runs Computer::ComputerMove once. Numbers beyond `numbers` are `fallback`.
ComputerRun runComputerMove(const ComputerSetup &setup, std::vector<double> numbers, double fallback = 0.0);

} // namespace jumpline::testing
