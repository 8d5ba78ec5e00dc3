// Dragging pieces with the mouse through the main window.

#include "WindowRig.h"

#include "support/Position.h"
#include "windows/Controls.h"

#include <QTest>
#include <QWindow>

namespace jumpline::testing {
namespace {

using DragWindowTest = WindowTest;

TEST_F(DragWindowTest, DragMovesPieceAndPassesTurn)
{
    open();
    QWidget *redNine = widget("Red(9)");
    const QRect origin = redNine->geometry();
    ASSERT_EQ(origin.topLeft(), QPoint(pieceLeftPx(3), pieceTopPx(6)));
    const auto *outline = window->findChild<DragOutline *>();
    ASSERT_NE(outline, nullptr);

    QWindow *handle = window->windowHandle();
    const QPoint press = cellCentre(3, 6) + QPoint(5, -3);
    QTest::mousePress(handle, Qt::LeftButton, {}, press);
    EXPECT_TRUE(outline->isVisible());
    EXPECT_EQ(outline->geometry(), origin);
    EXPECT_EQ(window->children().last(), outline) << "the outline lies above everything";

    // The outline follows the pointer; the piece stays where it is.
    const QPoint on = press + QPoint(40, -50);
    QTest::mouseMove(handle, on);
    EXPECT_EQ(outline->geometry(), origin.translated(on - press));
    EXPECT_EQ(redNine->geometry(), origin);

    QTest::mouseRelease(handle, Qt::LeftButton, {}, cellCentre(4, 5));
    EXPECT_FALSE(outline->isVisible());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(redNine->pos(), QPoint(pieceLeftPx(4), pieceTopPx(5)));
    EXPECT_EQ(text("lblPlayer"), "Black's");
    EXPECT_EQ(screenPicture(), kAfterRedNineStepsPicture);
    EXPECT_FALSE(window->boardDump().empty()) << "a completed move prints the board";

    // Black is on move now: its men can be dragged, Red's cannot.
    dragCell(4, 5, 5, 4);
    EXPECT_EQ(screenPicture(), kAfterRedNineStepsPicture);
    dragCell(2, 3, 1, 4);
    EXPECT_EQ(text("lblPlayer"), "Red's");
    EXPECT_EQ(screenPicture()[3 * 16], 'b') << screenPicture();
}

struct ReleaseCase {
    const char *name;
    QPoint at;
};

TEST_F(DragWindowTest, ReleaseAwayFromDarkCellsChangesNothing)
{
    const ReleaseCase cases[] = {
        {"a light cell", cellCentre(4, 6)},
        {"another piece", cellCentre(1, 6)},
        {"the piece's own picture", cellCentre(3, 6)},
        {"the banner", {560, 200}},
        {"the hidden Delete square", {DeleteLeftPx + 32, DeleteTopPx + 32}},
        {"the turn display", {564, 380}},
        {"the Reset button", {564, 466}},
        {"the background between board and panel", {515, 300}},
        {"outside the window", {700, 300}},
    };
    open();
    const WidgetStates before = widgetStates();
    for (const ReleaseCase &c : cases) {
        SCOPED_TRACE(c.name);
        drag(cellCentre(3, 6), c.at);
        EXPECT_EQ(widgetStates(), before);
        EXPECT_EQ(screenPicture(), kOpeningPicture);
        EXPECT_EQ(text("lblPlayer"), "Red's");
        EXPECT_TRUE(window->boardDump().empty());
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
}

struct Move {
    int fromCol, fromRow, toCol, toRow;
};

struct RefusedCase {
    const char *name;
    std::vector<Move> before;
    QPoint from, to;
};

TEST_F(DragWindowTest, RefusedDropLeavesEveryWidgetWhereItWas)
{
    const RefusedCase cases[] = {
        {"two rows straight up", {}, cellCentre(3, 6), cellCentre(3, 4)},
        {"a jump over an empty cell", {}, cellCentre(3, 6), cellCentre(5, 4)},
        {"onto the rim of an occupied cell", {}, cellCentre(3, 6), QPoint(cellLeftPx(4) + 2, cellTopPx(7) + 2)},
        {"a man backwards", {{3, 6, 4, 5}, {2, 3, 1, 4}}, cellCentre(4, 5), cellCentre(3, 6)},
        {"Black's man during Red's turn", {}, cellCentre(2, 3), cellCentre(1, 4)},
    };
    for (const RefusedCase &c : cases) {
        SCOPED_TRACE(c.name);
        open();
        for (const Move &m : c.before)
            dragCell(m.fromCol, m.fromRow, m.toCol, m.toRow);
        const WidgetStates before = widgetStates();
        const std::string shown = screenPicture();
        const QString turn = text("lblPlayer");
        drag(c.from, c.to);
        EXPECT_EQ(widgetStates(), before);
        EXPECT_EQ(screenPicture(), shown);
        EXPECT_EQ(text("lblPlayer"), turn);
    }
}

struct PressCase {
    const char *name;
    QPoint at;
    bool reachesWindow;
};

TEST_F(DragWindowTest, PressReachesWindowOnlyWhereNoControlTakesIt)
{
    const PressCase cases[] = {
        {"a red man on Red's turn", cellCentre(3, 6), false},
        {"a black man on Red's turn", cellCentre(2, 3), true},
        {"an empty dark cell", cellCentre(4, 5), false},
        {"a light cell", cellCentre(4, 4), true},
        {"the black background", {515, 300}, true},
        {"the banner", {560, 200}, true},
        {"the hot spot on the banner", {600, 336}, false},
        {"the rounded frame's top edge", {564, 362}, true},
        {"lblPlayer", {564, 380}, false},
        {"lblTurn", {564, 404}, false},
        {"Multi Jump", {564, 436}, false},
        {"Reset", {564, 466}, false},
        {"Exit", {564, 500}, false},
    };
    open();
    QWindow *handle = window->windowHandle();
    for (const PressCase &c : cases) {
        SCOPED_TRACE(c.name);
        window->presses = 0;
        QTest::mousePress(handle, Qt::LeftButton, {}, c.at);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, {3, 3}); // away from any button
        EXPECT_EQ(window->presses, c.reachesWindow ? 1 : 0);
    }
    EXPECT_EQ(screenPicture(), kOpeningPicture);
    EXPECT_EQ(exits, 0);
}

TEST_F(DragWindowTest, DeleteSquareTakesPieceInTestMode)
{
    open();
    window->game.cmdTestMode_Click();
    window->syncWidgetsWithGame();
    QWidget *deleteSquare = widget("Square(32)");
    ASSERT_TRUE(deleteSquare->isVisible());
    EXPECT_EQ(text("Square(32)"), "Delete");

    const QPoint onDelete = deleteSquare->geometry().center();
    window->presses = 0;
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, onDelete);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, onDelete);
    EXPECT_EQ(window->presses, 0) << "a shown Delete square keeps the press";

    drag(cellCentre(2, 1), onDelete); // Black(0), draggable in test mode
    EXPECT_FALSE(widget("Black(0)")->isVisible());
    EXPECT_EQ(screenPicture().substr(0, 16), ". . . b . b . b\n");
    EXPECT_EQ(text("lblPlayer"), "Red's");
}

TEST_F(DragWindowTest, CrownedManShowsKingPicture)
{
    open();
    setPosition(". . . . . . . b\n"
                ". . r . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n");
    dragCell(3, 2, 2, 1);
    EXPECT_EQ(screenPicture().substr(0, 32), ". R . . . . . b\n"
                                             ". . . . . . . .\n");
}

} // namespace
} // namespace jumpline::testing
