// The hot spot, the password dialog and the test window: test mode switched by its button
// and by its close box, free placement and "Delete" by real drags, and the board dump.

#include "Rig.h"

namespace jumpline::testing {
namespace {

using TestModeWindowsTest = WindowTest;

TEST_F(TestModeWindowsTest, TheHotSpotOpensThePasswordDialogWhereTheCodeInAnyCaseOpensTheTestWindow)
{
    const std::pair<const char *, bool> cases[] = {{"krov", true},  {"KrOv", true}, {" krov", false},
                                                   {"krov ", false}, {"kro", false}, {"crov", false}, {"", false}};
    for (const auto &[typed, opens] : cases) {
        SCOPED_TRACE(std::string("\"") + typed + "\"");
        open();
        const frmPassword *dialog = openPassword();
        type(typed);
        pressInDialog("cmdEnter");
        EXPECT_TRUE(passwordBox()->text().isEmpty());
        EXPECT_EQ(dialog->isVisible(), !opens);
        EXPECT_EQ(testWindow() != nullptr && testWindow()->isVisible(), opens);
        EXPECT_FALSE(settings.blnTestMode) << "the code opens the window; its button switches";
    }

    // Only a double-click on the hot spot opens the dialog. Return presses no button; Cancel
    // hides the dialog and keeps the text for next time.
    open();
    clickAt(window, {600, 336});
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, {591, 336}); // just left of the spot
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, {600, 200}); // on the banner above it
    EXPECT_EQ(window->loadedPasswordDialog(), nullptr);
    const frmPassword *dialog = openPassword();
    type("krov");
    QTest::keyClick(passwordBox(), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(testWindow(), nullptr);
    pressInDialog("cmdCancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(openPassword(), dialog);
    EXPECT_EQ(passwordBox()->text(), "krov");
    pressInDialog("cmdEnter");
    EXPECT_TRUE(testWindow() != nullptr && testWindow()->isVisible());
}

struct SwitchCase { const char *name; Settings::Opponent opponent; bool blackToMove; };

TEST_F(TestModeWindowsTest, TestModeLetsEveryPieceBeDraggedUntilTheButtonOrTheCloseBoxEndsIt)
{
    const SwitchCase cases[] = {
        {"Red to move between people", Settings::Opponent::Human, false},
        {"Black to move between people", Settings::Opponent::Human, true},
        {"Red to move against the computer", Settings::Opponent::Computer, false},
    };
    const QPoint redMan = cellCentre(1, 6), blackMan = cellCentre(2, 3);
    for (const SwitchCase &c : cases) {
        for (const bool byCloseBox : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (byCloseBox ? ", off by the close box" : ", off by the button"));
            settings.opponent = c.opponent;
            open();
            if (c.blackToMove)
                dragCell(3, 6, 4, 5);
            EXPECT_EQ(dragStartsAt(blackMan), c.blackToMove);
            window->ShowTestWindow();
            clickTestMode();
            EXPECT_EQ(testModeCaption(), "Test Mode is ON");
            EXPECT_TRUE(widget("Square(32)")->isVisible() && widget("Square(32)")->isEnabled());
            EXPECT_TRUE(dragStartsAt(redMan));
            EXPECT_TRUE(dragStartsAt(blackMan));

            if (byCloseBox)
                testWindow()->close();
            else
                clickTestMode();
            EXPECT_FALSE(settings.blnTestMode);
            EXPECT_TRUE(byCloseBox || testModeCaption() == "Test Mode is OFF");
            EXPECT_FALSE(widget("Square(32)")->isVisible());
            // The side not on move is disabled; the side on move stays as it was.
            EXPECT_EQ(dragStartsAt(redMan), !c.blackToMove);
            EXPECT_EQ(dragStartsAt(blackMan), c.blackToMove);
            EXPECT_EQ(screenPicture(), boardPicture(window->game.board));
        }
    }
}

// Red(0) the king on (6, 3), Red(1) the man on (3, 6), Black(0) the king on (5, 2), Black(1) the man on (4, 5).
constexpr std::string_view kPlacement = ". . . . . . . .\n"
                                        ". . . . B . . .\n"
                                        ". . . . . R . .\n"
                                        ". . . . . . . .\n"
                                        ". . . b . . . .\n"
                                        ". . r . . . . .\n"
                                        ". . . . . . . .\n"
                                        ". . . . . . . .\n";

// A target of {0, 0}: taken off the board; `from`: nothing happens.
struct PlaceCase { const char *name, *piece; Cell from; QPoint to; Cell target; std::int16_t value; };

TEST_F(TestModeWindowsTest, AnyPieceGoesAnywhereOrOntoDeleteByMouse)
{
    const PlaceCase cases[] = {
        {"a red man to an empty square", "Red(1)", {3, 6}, cellCentre(2, 5), {2, 5}, RedMan},
        {"a black man, not on move, to the far row", "Black(1)", {4, 5}, cellCentre(7, 8), {7, 8}, BlackMan},
        {"a black king onto the red king's square, by its margin", "Black(0)", {5, 2},
         {cellLeftPx(6) + 60, cellTopPx(3) + 60}, {6, 3}, BlackKing},
        {"a red king onto Delete", "Red(0)", {6, 3}, {DeleteLeftPx + 60, DeleteTopPx + 30}, {0, 0}, Empty},
        {"a black man onto Delete's caption", "Black(1)", {4, 5}, {DeleteLeftPx + 12, DeleteTopPx + 6}, {0, 0}, Empty},
        {"a red man released over the black man", "Red(1)", {3, 6}, cellCentre(4, 5), {3, 6}, RedMan},
    };
    for (const PlaceCase &c : cases) {
        SCOPED_TRACE(c.name);
        settings.blnTestMode = false; // as the start-up window sets it
        open();
        window->game.board = boardFromPicture(kPlacement);
        window->syncWidgetsWithGame();
        ASSERT_EQ(screenPicture(), kPlacement);
        window->ShowTestWindow();
        clickTestMode();

        drag(cellCentre(c.from.col, c.from.row), c.to);
        const Board &board = window->game.board;
        const bool taken = c.target.col == 0;
        const bool moved = c.target != c.from;
        EXPECT_EQ(board.intBoard(c.from), moved ? Empty : c.value);
        if (!taken) {
            EXPECT_EQ(board.intBoard(c.target), c.value);
        }
        EXPECT_EQ(widget(c.piece)->pos(),
                  taken ? QPoint(ParkLeftPx, ParkTopPx) : QPoint(pieceLeftPx(c.target.col), pieceTopPx(c.target.row)));
        EXPECT_EQ(widget(c.piece)->isVisible(), !taken);
        EXPECT_EQ(shownDump(), moved ? board.PrintBoard() : "");
    }
}

} // namespace
} // namespace jumpline::testing
