// The game in words, as a screen reader says it: squares named as a draughts player names
// them (column a to h from Red's left, row 1 to 8 from Red's side), pieces, and what changed
// between two positions.
#pragma once

#include "board/Board.h"

#include <QString>

namespace jumpline {

// "c3".
QString cellName(Cell c);
// "red man", "black king".
QString pieceName(Colour colour, bool king);
// "c3, red man", "d4, empty": what stands on a dark square, as the screen shows it.
QString squareName(const Board &board, int k);

// "Red man on c3": a piece, where it stands.
QString pieceWhere(const Board &board, PieceRef piece);
// What happened between two positions of one game, in sentences: "Test mode on.", "Red c3 to
// d4.", "Black e5 takes d4, lands on c3.", "Red b7 to a8, crowned.", "Black piece on c3 taken
// off." (test mode's "Delete"), and "Black's turn." where the turn has passed. Empty where
// nothing changed.
QString describeChanges(const Board &before, const Board &after);
// A drop on `square` that changed nothing: "Red c3 to d6 is not allowed. Nothing moved.",
// "Red c3 stays. Nothing moved."
QString describeRefusedDrop(const Board &board, PieceRef piece, std::int16_t square);

} // namespace jumpline
