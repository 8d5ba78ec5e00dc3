// Moving the borderless main window with the mouse. Offscreen there is no window manager
// to move it, so the window follows the pointer itself.

#include "WindowRig.h"

#include <QTest>
#include <QWindow>

namespace jumpline::testing {
namespace {

using MoveWindowTest = WindowTest;

TEST_F(MoveWindowTest, OffscreenHasNoSystemMove)
{
    open();
    EXPECT_FALSE(window->windowHandle()->startSystemMove());
}

struct MoveCase {
    const char *name;
    QPoint press;
    Qt::MouseButton button;
    bool moves;
};

TEST_F(MoveWindowTest, LeftPressWhereNoControlTakesItMovesTheWindow)
{
    const MoveCase cases[] = {
        {"the black background", {515, 300}, Qt::LeftButton, true},
        {"a light cell", cellCentre(4, 4), Qt::LeftButton, true},
        {"the banner", {560, 200}, Qt::LeftButton, true},
        {"a man of the side not on move", cellCentre(2, 3), Qt::LeftButton, true},
        {"right button on the background", {515, 300}, Qt::RightButton, false},
        {"middle button on the background", {515, 300}, Qt::MiddleButton, false},
        {"an empty dark cell", cellCentre(4, 5), Qt::LeftButton, false},
        {"a man of the side on move", cellCentre(3, 6), Qt::LeftButton, false},
        {"the turn display", {564, 380}, Qt::LeftButton, false},
        {"the Reset button", {564, 466}, Qt::LeftButton, false},
    };
    const QPoint delta(37, -21);
    for (const MoveCase &c : cases) {
        SCOPED_TRACE(c.name);
        open();
        QWindow *handle = window->windowHandle();
        const QPoint start = window->pos();
        const QPoint pressGlobal = start + c.press;
        // Each event is sent at the local point of the same place on the screen, as a hand
        // holding still on the screen while the window moves under it would produce.
        QTest::mousePress(handle, c.button, {}, handle->mapFromGlobal(pressGlobal));
        QTest::mouseMove(handle, handle->mapFromGlobal(pressGlobal + delta / 2));
        QTest::mouseMove(handle, handle->mapFromGlobal(pressGlobal + delta));
        QTest::mouseRelease(handle, c.button, {}, handle->mapFromGlobal(pressGlobal + delta));
        EXPECT_EQ(window->pos(), c.moves ? start + delta : start);

        // Once the button is up, the window stays where it is.
        const QPoint after = window->pos();
        QTest::mouseMove(handle, handle->mapFromGlobal(pressGlobal + delta * 2));
        EXPECT_EQ(window->pos(), after);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_EQ(exits, 0);
    }
}

TEST_F(MoveWindowTest, MovingKeepsTheGameAsItWas)
{
    open();
    dragCell(3, 6, 4, 5);
    const std::string shown = screenPicture();
    QWindow *handle = window->windowHandle();
    const QPoint pressGlobal = window->pos() + QPoint(515, 300);
    QTest::mousePress(handle, Qt::LeftButton, {}, handle->mapFromGlobal(pressGlobal));
    QTest::mouseMove(handle, handle->mapFromGlobal(pressGlobal + QPoint(-50, 40)));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->mapFromGlobal(pressGlobal + QPoint(-50, 40)));
    EXPECT_EQ(screenPicture(), shown);
    EXPECT_EQ(text("lblPlayer"), "Black's");
    // Black's turn goes on in the moved window.
    dragCell(2, 3, 1, 4);
    EXPECT_EQ(text("lblPlayer"), "Red's");
}

} // namespace
} // namespace jumpline::testing
