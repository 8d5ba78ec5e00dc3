// The main window driven through its widgets: drags, the buttons, the computer's pause
// and moving the window.

#include "Rig.h"

#include "windows/Controls.h"

#include <QPushButton>
#include <QTimer>

namespace jumpline::testing {
namespace {

using MainWindowTest = WindowTest;

const QRgb PureRed = qRgb(255, 0, 0);

TEST_F(MainWindowTest, DragMovesThePieceAndPassesTheTurn)
{
    open();
    const QRect origin = widget("Red(9)")->geometry();
    const auto *outline = window->findChild<DragOutline *>();
    QWindow *handle = window->windowHandle();
    const QPoint press = cellCentre(3, 6) + QPoint(5, -3);
    QTest::mousePress(handle, Qt::LeftButton, {}, press);
    QTest::mouseMove(handle, press + QPoint(40, -50));
    // An outline of the piece follows the pointer; the piece stays.
    EXPECT_TRUE(outline->isVisible());
    EXPECT_EQ(outline->geometry(), origin.translated(40, -50));
    EXPECT_EQ(widget("Red(9)")->geometry(), origin);

    QTest::mouseRelease(handle, Qt::LeftButton, {}, cellCentre(4, 5));
    EXPECT_FALSE(outline->isVisible());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(screenPicture(), kAfterRedNineStepsPicture);
    EXPECT_EQ(player(), "Black's");
}

TEST_F(MainWindowTest, MultiJumpKeepsTheTurnUntilReleasedAndResetRestoresTheOpening)
{
    open();
    const auto opening = widgetStates();
    auto *multiJump = qobject_cast<QPushButton *>(widget("optMultiJump"));
    click(multiJump);
    EXPECT_TRUE(shows(multiJump, PureRed));
    click(multiJump);
    EXPECT_FALSE(shows(multiJump, PureRed));
    EXPECT_EQ(player(), "Red's") << "released before any capture: only the colour changes";

    dragCell(3, 6, 4, 5);
    dragCell(6, 3, 5, 4);
    click(multiJump);
    dragCell(4, 5, 6, 3); // takes the man on (5, 4)
    EXPECT_EQ(player(), "Red's");
    EXPECT_EQ(screenPicture().substr(32, 32), ". b . b . r . b\n"
                                              ". . . . . . . .\n");
    click(multiJump);
    EXPECT_EQ(player(), "Black's");
    EXPECT_FALSE(shows(multiJump, PureRed));

    click(multiJump);
    const QPoint reset = widget("cmdReset")->pos();
    clickAt(window, reset + QPoint(2, 16)); // in the cut margin, left of the rounded shape
    EXPECT_EQ(player(), "Black's");
    clickAt(window, reset + QPoint(36, 16));
    EXPECT_EQ(widgetStates(), opening);
    EXPECT_EQ(player(), "Red's");
    EXPECT_FALSE(multiJump->isChecked());
    EXPECT_FALSE(shows(multiJump, PureRed));
}

// The real pause, cut to 5 ms: a local event loop in which the window shows the board and
// takes clicks, which the game refuses while the computer is to move. The first dump loads
// the test window hidden; it shows Red's move, then the computer's reply.
TEST_F(MainWindowTest, ComputerAnswersAfterAPauseThatRefusesEveryClick)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    EXPECT_EQ(testWindow(), nullptr);
    window->setPauseHook(nullptr);
    window->setPauseLength([&] {
        QTimer::singleShot(0, window, [&] {
            ++pauses;
            EXPECT_EQ(screenPicture(), kAfterRedNineStepsPicture);
            EXPECT_EQ(player(), "Black's");
            ASSERT_NE(testWindow(), nullptr);
            EXPECT_FALSE(testWindow()->isVisible());
            EXPECT_EQ(shownDump(), window->game.board.PrintBoard());
            click(widget("cmdReset"));
            click(widget("cmdExit"));
            click(widget("optMultiJump"));
            window->game.cmdTestMode_Click(); // every piece enabled, and still none may move
            window->syncWidgetsWithGame();
            EXPECT_FALSE(dragStartsAt(cellCentre(5, 6)));
        });
        return 5;
    });
    dragCell(3, 6, 4, 5);

    EXPECT_EQ(pauses, 1);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(window->game.board.intBoard(3, 6), Empty) << "not reset";
    EXPECT_EQ(window->game.board.intAIMoves, 1);
    EXPECT_EQ(screenPicture(), boardPicture(window->game.board));
    EXPECT_EQ(shownDump(), window->game.board.PrintBoard());
    EXPECT_EQ(player(), "Red's");
    // Multi Jump toggles, but its handler refuses the click: the caption stays black.
    EXPECT_TRUE(qobject_cast<QPushButton *>(widget("optMultiJump"))->isChecked());
    EXPECT_FALSE(shows(widget("optMultiJump"), PureRed));
}

struct PressCase { const char *name; QPoint press, release; Qt::MouseButton button; bool movesWindow; };

// A drag that makes no move changes nothing on the board. Without a window manager the
// window follows the pointer itself where a left press meets no control.
TEST_F(MainWindowTest, DragThatMakesNoMoveChangesNothingButMayMoveTheWindow)
{
    const QPoint delta(37, -21);
    const PressCase cases[] = {
        {"a man onto a light cell", cellCentre(3, 6), cellCentre(4, 6), Qt::LeftButton, false},
        {"a man onto another piece", cellCentre(3, 6), cellCentre(1, 6), Qt::LeftButton, false},
        {"a man onto the turn display", cellCentre(3, 6), {564, 380}, Qt::LeftButton, false},
        {"a man onto the hidden Delete square", cellCentre(3, 6), {DeleteLeftPx + 32, DeleteTopPx + 32},
         Qt::LeftButton, false},
        {"a man out of the window", cellCentre(3, 6), {700, 300}, Qt::LeftButton, false},
        {"a man two rows straight up, refused", cellCentre(3, 6), cellCentre(3, 4), Qt::LeftButton, false},
        {"the black background", {515, 300}, QPoint(515, 300) + delta, Qt::LeftButton, true},
        {"a light cell", cellCentre(4, 4), cellCentre(4, 4) + delta, Qt::LeftButton, true},
        {"the banner", {560, 200}, QPoint(560, 200) + delta, Qt::LeftButton, true},
        {"right button on the background", {515, 300}, QPoint(515, 300) + delta, Qt::RightButton, false},
        {"an empty dark cell", cellCentre(4, 5), cellCentre(4, 5) + delta, Qt::LeftButton, false},
        {"the Reset button", {564, 466}, QPoint(564, 466) + delta, Qt::LeftButton, false},
    };
    for (const PressCase &c : cases) {
        SCOPED_TRACE(c.name);
        open();
        const QPoint start = window->pos();
        const auto before = widgetStates();
        drag(c.press, c.release, c.button);
        const QPoint moved = c.movesWindow ? start + c.release - c.press : start;
        EXPECT_EQ(window->pos(), moved);
        QTest::mouseMove(window->windowHandle(), c.release + delta);
        EXPECT_EQ(window->pos(), moved) << "the button is up: it stays";
        EXPECT_EQ(widgetStates(), before);
        EXPECT_EQ(screenPicture(), kOpeningPicture);
        EXPECT_EQ(player(), "Red's");
    }
}

} // namespace
} // namespace jumpline::testing
