// The rounded outlines of the borderless windows and their buttons: the region itself,
// pixel by pixel, and the real widgets cut to it, which take the mouse only inside.

#include "SplashRig.h"

#include "support/Position.h"
#include "windows/RoundedRegion.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace jumpline::testing {
namespace {

// How far each of the first rows of a 15 x 15 px corner is cut in from the side: a pixel
// stays when its centre lies inside the ellipse of radius 7.5 px about the corner's
// centre. Row 0: (14 - 2i)² + 14² <= 15² first holds at i = 5, and so on (half-pixels).
constexpr int kCornerInsets[] = {5, 3, 2, 1, 1, 0, 0, 0};

struct RegionCase {
    const char *target;
    int left, top, right, bottom;
};

const RegionCase kRegions[] = {
    {"frmSplash", 1, 1, 336, 290},  {"cmdStart, cmdExit", 5, 5, 122, 38}, {"frmMain", 1, 1, 618, 518},
    {"cmdReset, cmdExit", 5, 5, 67, 28}, {"optMultiJump", 9, 11, 71, 32}, {"frmPassword", 1, 1, 144, 66},
    {"cmdEnter, cmdCancel", 5, 5, 54, 22},
};

TEST(RoundedRegion, CornersAreCutAlikeAtAllFourCorners)
{
    for (const RegionCase &c : kRegions) {
        SCOPED_TRACE(c.target);
        const QRegion region = roundedRegion(c.left, c.top, c.right, c.bottom, 15, 15);
        const int last = c.right - 1; // right and bottom are exclusive
        const int bottom = c.bottom - 1;
        for (int k = 0; k < 8; ++k) {
            SCOPED_TRACE(k);
            const int inset = kCornerInsets[k];
            for (const int y : {c.top + k, bottom - k}) {
                EXPECT_TRUE(region.contains(QPoint(c.left + inset, y)));
                EXPECT_TRUE(region.contains(QPoint(last - inset, y)));
                EXPECT_FALSE(region.contains(QPoint(c.left + inset - 1, y)));
                EXPECT_FALSE(region.contains(QPoint(last - inset + 1, y)));
            }
        }
    }
}

TEST(RoundedRegion, RightAndBottomAreExclusive)
{
    for (const RegionCase &c : kRegions) {
        SCOPED_TRACE(c.target);
        const QRegion region = roundedRegion(c.left, c.top, c.right, c.bottom, 15, 15);
        const int midX = (c.left + c.right) / 2;
        const int midY = (c.top + c.bottom) / 2;
        EXPECT_EQ(region.boundingRect(), QRect(QPoint(c.left, c.top), QPoint(c.right - 1, c.bottom - 1)));
        // The cut margins: the first row and column, and everything from right and bottom on.
        EXPECT_FALSE(region.contains(QPoint(c.left - 1, midY)));
        EXPECT_TRUE(region.contains(QPoint(c.left, midY)));
        EXPECT_TRUE(region.contains(QPoint(c.right - 1, midY)));
        EXPECT_FALSE(region.contains(QPoint(c.right, midY)));
        EXPECT_FALSE(region.contains(QPoint(midX, c.top - 1)));
        EXPECT_TRUE(region.contains(QPoint(midX, c.top)));
        EXPECT_TRUE(region.contains(QPoint(midX, c.bottom - 1)));
        EXPECT_FALSE(region.contains(QPoint(midX, c.bottom)));
        // Four corners of 5 + 3 + 2 + 1 + 1 cut pixels each.
        int area = 0;
        for (const QRect &band : region)
            area += band.width() * band.height();
        EXPECT_EQ(area, (c.right - c.left) * (c.bottom - c.top) - 4 * 12);
    }
}

struct SmallCase {
    const char *name;
    int left, top, right, bottom, cornerWidth, cornerHeight;
    int area;
};

TEST(RoundedRegion, SmallAndEmptyRectangles)
{
    const SmallCase cases[] = {
        {"no corners", 0, 0, 10, 4, 0, 0, 40},
        {"a corner larger than the rectangle is cut down to it", 0, 0, 4, 4, 15, 15, 12},
        {"nothing wide", 3, 3, 3, 10, 15, 15, 0},
        {"right before left", 5, 0, 2, 10, 15, 15, 0},
    };
    for (const SmallCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QRegion region = roundedRegion(c.left, c.top, c.right, c.bottom, c.cornerWidth, c.cornerHeight);
        int area = 0;
        for (const QRect &band : region)
            area += band.width() * band.height();
        EXPECT_EQ(area, c.area);
    }
    // A 4 x 4 circle keeps its middle rows whole and the middle of its top and bottom rows.
    const QRegion disc = roundedRegion(0, 0, 4, 4, 4, 4);
    EXPECT_FALSE(disc.contains(QPoint(0, 0)));
    EXPECT_TRUE(disc.contains(QPoint(1, 0)));
    EXPECT_TRUE(disc.contains(QPoint(0, 1)));
    EXPECT_FALSE(disc.contains(QPoint(3, 3)));
}

// Windows: the real widgets carry the regions.
using RoundedMainTest = WindowTest;

struct ButtonShape {
    const char *name;
    int left, top, right, bottom;
};

TEST_F(RoundedMainTest, WindowAndButtonsAreCut)
{
    open();
    EXPECT_EQ(window->mask(), roundedRegion(1, 1, 618, 518, 15, 15));
    const ButtonShape buttons[] = {
        {"cmdReset", 5, 5, 67, 28},
        {"cmdExit", 5, 5, 67, 28},
        {"optMultiJump", 9, 11, 71, 32},
    };
    for (const ButtonShape &b : buttons) {
        SCOPED_TRACE(b.name);
        const QWidget *button = widget(b.name);
        EXPECT_EQ(button->mask(), roundedRegion(b.left, b.top, b.right, b.bottom, 15, 15));
        const QPoint at = button->pos();
        // The mouse finds the button inside its shape only.
        const QPoint inside = at + QPoint((b.left + b.right) / 2, (b.top + b.bottom) / 2);
        EXPECT_EQ(window->childAt(inside), button);
        for (const QPoint margin : {QPoint(b.left - 1, (b.top + b.bottom) / 2), QPoint(b.left, b.top),
                                    QPoint(b.right, (b.top + b.bottom) / 2), QPoint((b.left + b.right) / 2, b.bottom)}) {
            SCOPED_TRACE(margin.x());
            EXPECT_NE(window->childAt(at + margin), button);
        }
    }
}

TEST_F(RoundedMainTest, ClickInCutMarginGoesToTheWindowBeneath)
{
    open();
    dragCell(3, 6, 4, 5);
    ASSERT_EQ(text("lblPlayer"), "Black's");
    const QWidget *reset = widget("cmdReset");
    QWindow *handle = window->windowHandle();

    window->presses = 0;
    const QPoint margin = reset->pos() + QPoint(2, 16); // left of the rounded shape
    QTest::mouseClick(handle, Qt::LeftButton, {}, margin);
    EXPECT_EQ(window->presses, 1) << "the press reached the window beneath";
    EXPECT_EQ(text("lblPlayer"), "Black's") << "Reset was not clicked";

    QTest::mouseClick(handle, Qt::LeftButton, {}, reset->pos() + QPoint(36, 16));
    EXPECT_EQ(screenPicture(), kOpeningPicture) << "inside the shape Reset works";
    EXPECT_EQ(text("lblPlayer"), "Red's");
}

TEST_F(SplashTest, WindowAndButtonsAreCut)
{
    open();
    EXPECT_EQ(splash->mask(), roundedRegion(1, 1, 336, 290, 15, 15));
    for (const char *name : {"cmdStart", "cmdExit"}) {
        SCOPED_TRACE(name);
        const QWidget *button = widget(name);
        EXPECT_EQ(button->mask(), roundedRegion(5, 5, 122, 38, 15, 15));
        const QPoint at = button->pos();
        EXPECT_EQ(splash->childAt(at + QPoint(63, 21)), button);
        EXPECT_EQ(splash->childAt(at + QPoint(10, 5)), button) << "first pixel of the top row";
        EXPECT_NE(splash->childAt(at + QPoint(9, 5)), button) << "cut by the corner";
        EXPECT_NE(splash->childAt(at + QPoint(2, 21)), button);
        EXPECT_NE(splash->childAt(at + QPoint(124, 21)), button);
        EXPECT_NE(splash->childAt(at + QPoint(63, 40)), button);
    }
}

TEST_F(SplashTest, ClickInButtonMarginClicksNothing)
{
    open();
    clickAt(placed("cmdExit").topLeft() + QPoint(2, 21));
    clickAt(placed("cmdExit").topLeft() + QPoint(63, 41));
    clickAt(placed("cmdStart").topLeft() + QPoint(124, 21));
    EXPECT_EQ(splashExits, 0);
    EXPECT_EQ(main(), nullptr);
    clickAt(placed("cmdExit").topLeft() + QPoint(10, 21));
    EXPECT_EQ(splashExits, 1) << "just inside the shape the button works";
}

} // namespace
} // namespace jumpline::testing
