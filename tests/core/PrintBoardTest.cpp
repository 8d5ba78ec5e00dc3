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

} // namespace
} // namespace jumpline
