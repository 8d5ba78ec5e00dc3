#include "game/Game.h"
#include "support/FakeScreen.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace jumpline {
namespace {

using testing::FakeScreen;
using testing::ScriptedRandom;

TEST(PrintBoard, OpeningPositionByteForByte)
{
    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    Game game(settings, random, screen);
    game.NewGame();
    game.PrintBoard();
    EXPECT_EQ(screen.dump, "   -1    -1    -1    -1 \n"
                           "-1    -1    -1    -1 \n"
                           "   -1    -1    -1    -1 \n"
                           " 0     0     0     0 \n"
                           "    0     0     0     0 \n"
                           " 1     1     1     1 \n"
                           "    1     1     1     1 \n"
                           " 1     1     1     1 \n"
                           " \n"
                           "AI Moves =  0 \n");
    EXPECT_EQ(testing::boardPicture(game.board), testing::kOpeningPicture);
    EXPECT_TRUE(testing::consistencyProblems(game.board).empty());
}

TEST(PrintBoard, KingsAndADoubleDigitMoveCount)
{
    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    Game game(settings, random, screen);
    game.board = testing::boardFromPicture(". B . . . b . .\n"
                                           "r . . . . . . .\n"
                                           ". . . R . . . .\n"
                                           ". . . . . . . .\n"
                                           ". . . . . . . .\n"
                                           ". . . . . . . .\n"
                                           ". . . . . . . .\n"
                                           ". . . . . . b .\n");
    game.board.intAIMoves = 12;
    // Light cells are never printed, whatever they hold.
    game.board.intBoard(1, 1) = RedKing;
    game.board.intBoard(8, 8) = BlackKing;
    game.board.intBoard(4, 4) = BlackMan;
    game.PrintBoard();
    EXPECT_EQ(screen.dump, "   -2     0    -1     0 \n"
                           " 1     0     0     0 \n"
                           "    0     2     0     0 \n"
                           " 0     0     0     0 \n"
                           "    0     0     0     0 \n"
                           " 0     0     0     0 \n"
                           "    0     0     0     0 \n"
                           " 0     0     0    -1 \n"
                           " \n"
                           "AI Moves =  12 \n");
}

TEST(PrintBoard, RowsHaveTheirFixedWidths)
{
    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    Game game(settings, random, screen);
    game.NewGame();
    game.PrintBoard();
    // Row 1 of the opening is 24 characters, row 6 is 21.
    const std::string &dump = screen.dump;
    const auto line = [&](int n) {
        std::size_t start = 0;
        for (int i = 1; i < n; ++i)
            start = dump.find('\n', start) + 1;
        return dump.substr(start, dump.find('\n', start) - start);
    };
    EXPECT_EQ(line(1), "   -1    -1    -1    -1 ");
    EXPECT_EQ(line(1).size(), 24u);
    EXPECT_EQ(line(6), " 1     1     1     1 ");
    EXPECT_EQ(line(6).size(), 21u);
}

} // namespace
} // namespace jumpline
