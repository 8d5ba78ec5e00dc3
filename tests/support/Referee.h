// An independent referee: the rules of a move worked out again from intBoard, so that the
// soak and the fuzzer tell a legal move from an illegal one without trusting the code they
// exercise. Men go forward only (Red towards row 1, Black towards row 8), kings both ways;
// a jump goes over an opponent piece onto the empty cell beyond. Only dark cells count:
// a new game leaves -1 and 1 on the light cells of rows 1-3 and 6-8.
#pragma once

#include "board/Board.h"

#include <optional>
#include <string>
#include <vector>

namespace jumpline::testing {

struct Move {
    Cell from;
    Cell to;
    bool jump = false;
};

// The steps and jumps (only the jumps, with `jumpsOnly`) of the piece on `from`, in the
// directions (-1, -1), (+1, -1), (-1, +1), (+1, +1).
std::vector<Move> movesFrom(const BoardArray &board, Cell from, bool jumpsOnly = false);
// Every move of one colour, from its squares in order; only captures when `capturesOnly`.
std::vector<Move> legalMoves(const BoardArray &board, Colour colour, bool capturesOnly = false);
// The board after a move: the jumped piece gone and, when `crown`, a man on the far row a king.
BoardArray afterMove(BoardArray board, const Move &move, bool crown = true);

// A drop the rules allow the side on move, by its enabled pieces in index order.
struct Drop {
    PieceRef piece;
    Move move;
};
std::vector<Drop> legalDrops(const Board &board);

// What is wrong with the pieces in `after`, once a user action that began in `before` is
// over: `legal` made exactly (the jumped piece gone, a man on the far row crowned), or, when
// the action was no legal move, no piece changed. Assumes intBoard agrees with the pieces.
std::vector<std::string> humanMoveProblems(const Board &before, const Board &after, const std::optional<Move> &legal);

// What is wrong with one move of the computer, given the position at each of its pauses
// (the first before it moves) and then when it was over or, when `gaveUp`, when "Black
// can't move" was shown. The legal moves, as the positions they show at each pause after
// the first and at their end: a step when no capture is open; else captures by one piece,
// one between two pauses, that go on while the piece can, a man crowned only at the end;
// when some first capture can go on, only such a capture. The move must also count in
// intAIMoves, and the computer may give up only with no move open.
std::vector<std::string> computerReplyProblems(const std::vector<Board> &positions, bool gaveUp);
// Every legal move of the computer from `start`, as the positions above, in the order its
// first captures (or, with none open, its steps) are found.
std::vector<std::vector<BoardArray>> computerMoves(const BoardArray &start);

} // namespace jumpline::testing
