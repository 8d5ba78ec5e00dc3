// A new game puts the opening position back, whatever came before, and takes the side to
// move and the opponent from the start-up window's choices.
#include "support/GameRig.h"

#include <gtest/gtest.h>

#include <string>

namespace jumpline {
namespace {

using testing::boardPicture;
using testing::GameRig;
using Opponent = Settings::Opponent;
using FirstPlayer = Settings::FirstPlayer;

struct NewGameCase {
    const char *name;
    Opponent opponent;
    FirstPlayer first;
    const char *caption;
    bool redToMove, redEnabled, blackEnabled;
};

const NewGameCase kNewGames[] = {
    {"Red first against a human", Opponent::Human, FirstPlayer::Red, "Red's", true, true, false},
    {"Black first against a human", Opponent::Human, FirstPlayer::Black, "Black's", false, false, true},
    {"against the computer", Opponent::Computer, FirstPlayer::Red, "Red's", true, true, false},
    // Not offered by the start-up window; the computer's pieces are never the user's.
    {"Black first against the computer", Opponent::Computer, FirstPlayer::Black, "Black's", false, false, false},
};

// Left and top, in pixels, of each piece in the opening position, by index.
struct Spot {
    int left, top;
};

Spot blackSpot(int i)
{
    const int k = i % 4;
    switch (i / 4) {
    case 0: return {77 + 126 * k, 14};
    case 1: return {14 + 126 * k, 77};
    default: return {77 + 126 * k, 140};
    }
}

Spot redSpot(int i)
{
    const int k = i % 4;
    switch (i / 4) {
    case 0: return {14 + 126 * k, 455};
    case 1: return {77 + 126 * k, 392};
    default: return {14 + 126 * k, 329};
    }
}

// A game well under way: kings, captured pieces, a pending multi-jump, computer moves,
// test mode on, and stray values in light cells of intBoard.
void messUp(GameRig &rig, int twips)
{
    rig.setPosition(". B . . . . . .\n"
                    ". . . . . . . .\n"
                    ". . . r . . . .\n"
                    ". . . . . . . .\n"
                    ". . . . . b . .\n"
                    ". . . . . . . .\n"
                    ". . . R . . . .\n"
                    "b . . . . . . .\n",
                    false, twips);
    Board &board = rig.game.board;
    board.intBoard(1, 1) = RedKing;
    board.intBoard(8, 8) = BlackMan;
    board.intBoard(4, 4) = RedMan;
    board.intAIMoves = 7;
    board.intJumpCount = 2;
    board.optMultiJump = {1, CaptionColour::Red};
    board.lblPlayer = "Black's";
    board.Red[5].Enabled = true;
    rig.game.blnGameOver = true;
    rig.settings.blnTestMode = true;
    board.DeleteVisible = true;
    board.DeleteEnabled = true;
    rig.screen.ShowBoardDump("the last dump");
}

TEST(NewGame, SetsUpTheOpeningPositionFromTheChoices)
{
    for (const int twips : {15, 12}) {
        for (const NewGameCase &c : kNewGames) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(twips) + " twips per pixel");
            GameRig rig(c.opponent, c.first);
            messUp(rig, twips);

            rig.game.NewGame();

            const Board &board = rig.game.board;
            EXPECT_EQ(board.lblPlayer, c.caption);
            EXPECT_EQ(board.blnCurrentPlayer, c.redToMove);
            for (int i = 0; i < PieceCount; ++i) {
                SCOPED_TRACE("piece " + std::to_string(i));
                const auto k = static_cast<std::size_t>(i);
                const Spot b = blackSpot(i), r = redSpot(i);
                EXPECT_EQ(board.Black[k], (Piece{b.left * twips, b.top * twips, true, c.blackEnabled, Picture::Black}));
                EXPECT_EQ(board.Red[k], (Piece{r.left * twips, r.top * twips, true, c.redEnabled, Picture::Red}));
                EXPECT_FALSE(board.blnBlackKing[k]);
                EXPECT_FALSE(board.blnRedKing[k]);
            }
            for (int row = 1; row <= BoardSize; ++row) {
                const std::int16_t want = row <= 3 ? BlackMan : row >= 6 ? RedMan : Empty;
                for (int col = 1; col <= BoardSize; ++col)
                    EXPECT_EQ(board.intBoard(col, row), want) << "cell " << col << ", " << row;
            }
            EXPECT_EQ(board.intAIMoves, 0);
            EXPECT_EQ(board.intJumpCount, 0);
            EXPECT_EQ(board.optMultiJump, (MultiJumpButton{0, CaptionColour::Black}));
            EXPECT_FALSE(rig.game.blnGameOver);
            EXPECT_EQ(board.intTwipsX, twips);

            // Left alone: test mode, the "Delete" square and the test window's text.
            EXPECT_TRUE(rig.settings.blnTestMode);
            EXPECT_TRUE(board.DeleteVisible);
            EXPECT_TRUE(board.DeleteEnabled);
            EXPECT_EQ(rig.screen.dump, "the last dump");
            EXPECT_EQ(rig.screen.dumps, 1);

            // A new game never starts a move of the computer.
            EXPECT_EQ(rig.screen.pauses, 0);
            EXPECT_TRUE(rig.screen.messages.empty());
        }
    }
}

TEST(NewGame, PiecesStandOnTheirOpeningSquares)
{
    GameRig rig;
    rig.game.NewGame();
    for (std::int16_t k = 0; k < PieceCount; ++k) {
        SCOPED_TRACE(k);
        // Black(k) on Square(k); Red(0..3) on Square(28..31), Red(4..7) on 24..27, Red(8..11) on 20..23.
        EXPECT_EQ(testing::cellOfPiece(rig.game.board, {Colour::Black, k}), squareCell(k));
        const int redSquare = k < 4 ? 28 + k : k < 8 ? 24 + k - 4 : 20 + k - 8;
        EXPECT_EQ(testing::cellOfPiece(rig.game.board, {Colour::Red, k}), squareCell(redSquare));
    }
    EXPECT_EQ(boardPicture(rig.game.board), testing::kOpeningPicture);
    EXPECT_EQ(testing::piecesPicture(rig.game.board), testing::kOpeningPicture);
}

TEST(NewGame, ReadsTheChoicesAfreshEachTime)
{
    GameRig rig;
    rig.game.NewGame();
    EXPECT_EQ(rig.game.board.lblPlayer, "Red's");
    rig.settings.first = FirstPlayer::Black;
    rig.game.NewGame();
    EXPECT_EQ(rig.game.board.lblPlayer, "Black's");
    EXPECT_TRUE(rig.game.board.Black[0].Enabled);
}

TEST(NewGame, WithMultiJumpPressedAndNoCaptureOnlyReleasesTheButton)
{
    GameRig rig(Opponent::Computer);
    rig.game.NewGame();
    rig.game.SetMultiJump(true);
    rig.game.NewGame();
    EXPECT_EQ(rig.game.board.optMultiJump, (MultiJumpButton{0, CaptionColour::Black}));
    EXPECT_TRUE(rig.game.board.blnCurrentPlayer);
    EXPECT_EQ(rig.screen.pauses, 0);
}

} // namespace
} // namespace jumpline
