// The referee that the soak and the fuzzer trust: it must know every legal move, in a fixed
// order (the fuzzer's inputs choose by position in its lists), and object to every kind of
// wrong move.
//
// A later position is written as the one before with cells rewritten: "43. 54b" empties
// (4, 3) and puts a black man on (5, 4).
#include "support/ExpectProblem.h"
#include "support/Position.h"
#include "support/Referee.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace jumpline {
namespace {

using namespace testing;

constexpr std::string_view kNone{};

// A picture of the rows from `first` on, a word of eight cells a row; the other rows are empty.
Board rows(int first, std::string_view picture)
{
    std::string cells(static_cast<std::size_t>(BoardSize * (first - 1)), '.');
    std::copy_if(picture.begin(), picture.end(), std::back_inserter(cells), [](char c) { return c != ' '; });
    cells.resize(BoardSize * BoardSize, '.');
    return boardFromPicture(cells);
}

Board rewritten(Board board, std::string_view cells)
{
    for (std::size_t k = 0; k + 2 < cells.size(); k += 4)
        board.intBoard(cells[k] - '0', cells[k + 1] - '0') =
            static_cast<std::int16_t>(static_cast<int>(std::string_view("Bb.rR").find(cells[k + 2])) - 2);
    return board;
}

std::string cellsText(const std::vector<Move> &moves)
{
    std::string text;
    for (const Move &m : moves)
        text += std::to_string(m.to.col) + std::to_string(m.to.row) + (m.jump ? "x " : " ");
    return text;
}

TEST(Referee, KnowsTheMovesOfMenAndKingsInOrder)
{
    struct Case {
        const char *name;
        Board board;
        std::string_view moves; // of the piece on (4, 5): target cells, "x" for a jump
    };
    const Case cases[] = {
        {"a red man steps forward and jumps a black neighbour", rows(4, "..b..... ...r.... ..b.b..."), "23x 54 "},
        {"a red man jumps no piece of its own colour", rows(4, "..r..... ...r...."), "54 "},
        {"a red king goes every way", rows(5, "...R.... ..b..... .b......"), "34 54 56 "},
        {"a black man goes down only", rows(4, "..r.r... ...b.... ..r....."), "27x 56 "},
        {"a black king jumps back", rows(4, "....r... ...B...."), "34 63x 36 56 "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cellsText(movesFrom(c.board.intBoard, {4, 5})), c.moves);
    }
    // From the opening, seven steps for either side, as every draughts perft starts; none
    // for pieces that cannot be dragged.
    Board opening = boardFromPicture(kOpeningPicture, true);
    EXPECT_EQ(legalDrops(opening).size(), 7U);
    EXPECT_EQ(legalDrops(boardFromPicture(kOpeningPicture, false)).size(), 7U);
    opening.Red[1].Enabled = opening.Red[2].Enabled = false; // on (3, 6) and (5, 6)
    EXPECT_EQ(legalDrops(opening).size(), 3U);
}

TEST(Referee, ObjectsToEveryWrongDrop)
{
    // A red man on (3, 6), black men on (3, 2) and (4, 5).
    const Board before = rows(2, "..b..... ........ ........ ...b.... ..r.....");
    const Move step{{3, 6}, {2, 5}}, jump{{3, 6}, {5, 4}, true};
    struct Case {
        const char *name;
        std::optional<Move> legal; // the drop made was this legal move
        std::string_view after;
        std::string_view problem;
    };
    const Case cases[] = {
        {"a step made", step, "36. 25r", kNone},
        {"an illegal drop refused", std::nullopt, "", kNone},
        {"a legal drop refused", step, "", "not made"},
        {"a jump that leaves the jumped piece", jump, "36. 54r", "not made"},
        {"a man crowned away from the far row", step, "36. 25R", "not made"},
        {"a man steps backwards", std::nullopt, "36. 27r", "no legal move"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Board after = boardFromPicture(boardPicture(rewritten(before, c.after)));
        expectProblem(humanMoveProblems(before, after, c.legal), c.problem);
    }
}

TEST(Referee, ObjectsToEveryWrongComputerMove)
{
    // A black man on (4, 3) that can only step.
    const Board stepOnly = rows(3, "...b.... ........ ........ ....r...");
    // Black on (4, 3) can capture twice, over (3, 4) and (3, 6); Black on (8, 3) once.
    const Board twoCaptures = rows(3, "...b...b ..r...r. ........ ..r.....");
    // A black man on (5, 6) that captures onto row 8.
    const Board ontoRowEight = rows(6, "....b... .....r..");
    struct Case {
        const char *name;
        Board start;
        std::vector<std::string_view> later; // at each further pause, then when the move is over
        std::string_view problem;
        bool gaveUp = false;
        int counted = 1; // added to intAIMoves
    };
    const Case cases[] = {
        {"a step forward", stepOnly, {"43. 54b"}, kNone},
        {"nothing moved", stepOnly, {""}, "no legal move"},
        {"the move not counted", stepOnly, {"43. 54b"}, "intAIMoves", false, 0},
        {"a step while a capture was there", twoCaptures, {"43. 54b"}, "no legal move"},
        {"the capture that cannot go on, while another could", twoCaptures, {"83. 74. 65b", ""}, "no legal move"},
        {"a multi-jump that stops early", twoCaptures, {"43. 34. 25b", ""}, "no legal move"},
        {"two red pieces taken in one jump", twoCaptures, {"43. 34. 74. 25b", ""}, "no legal move"},
        {"another piece goes on with the multi-jump", twoCaptures, {"43. 34. 25b", "83. 74. 65b", ""}, "no legal move"},
        {"a man crowned before its move is over", ontoRowEight, {"56. 67. 78B", ""}, "no legal move"},
        {"a man left uncrowned on row 8", ontoRowEight, {"56. 67. 78b", ""}, "no legal move"},
        {"\"Black can't move\" with a step open", stepOnly, {""}, "can't move", true},
        // The soak once saw "Black can't move" called wrong: the referee took the -1 that a
        // new game leaves on the light cells of rows 1 to 3 for black men that could step.
        {"light cells hold no black pieces", rewritten(rows(5, ".......b ......r. .....r.."), "11b 31b 22b 13b"),
         {""}, kNone, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Board> positions{c.start};
        positions.front().intAIMoves = 3;
        for (std::string_view cells : c.later)
            positions.push_back(rewritten(positions.back(), cells));
        positions.back().intAIMoves = static_cast<std::int16_t>(3 + (c.gaveUp ? 0 : c.counted));
        expectProblem(computerReplyProblems(positions, c.gaveUp), c.problem);
    }
}

} // namespace
} // namespace jumpline
