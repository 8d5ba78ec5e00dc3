// An independent referee: the rules of a move worked out again from the position, so that
// soaks and fuzzers can tell a legal move from an illegal one without trusting the code
// they exercise.
//
// A human move is judged by the pieces (what the window shows); the computer's move by
// intBoard (what it reads), where -2 marks a black king. Both assume a position that has
// not been rearranged in test mode.
#pragma once

#include "board/Board.h"

#include <string>
#include <vector>

namespace jumpline::testing {

// One drop that the rules allow: a step onto a diagonal neighbour, or a jump over an
// opponent piece onto the empty cell two away. Men go forward only.
struct HumanMove {
    PieceRef piece;
    Cell from;
    Cell to;
    bool jump = false;
};

// Every legal drop of the side on move, for its visible and enabled pieces.
std::vector<HumanMove> legalHumanMoves(const Board &board);

// The legal jumps of one piece (those that continue a multi-jump).
std::vector<HumanMove> legalJumps(const Board &board, PieceRef piece);

// What is wrong with the change from `before` to `after` as one drop by the side that was
// on move in `before`: nothing changed, or one legal step, or one legal jump that took
// exactly the jumped piece, with the crowning that the far row brings. Empty when legal.
std::vector<std::string> humanMoveProblems(const Board &before, const Board &after);

// Whether Black, reading intBoard, has a capture / any move at all.
bool blackCanCapture(const BoardArray &board);
bool blackCanMove(const BoardArray &board);

// Follows one move of the computer through its pauses and judges it: the first pause comes
// before it moves, every further pause after one more capture of its multi-jump. It must
// capture when it can, prefer a capture that can be continued, continue while it can (a man
// stays a man until the move is over), otherwise step one cell (men forward only), crown a
// man that ends on row 8, and count the move in intAIMoves.
class ComputerMoveReferee {
public:
    // The computer pauses; `board` is the position at that moment.
    void pause(const Board &board);
    // The move is over and `board` shows its result (the turn change that follows does not
    // touch intBoard). Returns what was wrong with the whole move.
    std::vector<std::string> moved(const Board &board);
    // "Black can't move" was announced on `board`.
    std::vector<std::string> cannotMove(const Board &board);

    bool started() const { return pauses > 0; }

private:
    void capturePause(const Board &board);

    int pauses = 0;
    BoardArray start;          // where the move began
    BoardArray last;           // at the latest pause
    std::int16_t aiMoves = 0;  // intAIMoves when the move began
    Cell landing;              // where the capturing piece stands
    std::int16_t mover = 0;    // the capturing piece's value at the start (-1 man, -2 king)
    bool continuableCapture = false;
    std::vector<std::string> problems;
};

} // namespace jumpline::testing
