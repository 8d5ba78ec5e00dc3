// The borderless windows' rounded outlines and their layouts on screens of other pixel
// densities: every control keeps its design pixels, and the sizes a window keeps in twips
// and the fonts follow its rules. Built a second time as window_tests_120dpi, where the
// screen itself reports 120 dpi, 12 twips per pixel.

#include "Rig.h"

#include <optional>

namespace jumpline::testing {
namespace {

// Where a control is at 15 twips per pixel, in its parent's pixels; its size at 12 (the
// position stays); its font sizes at 15 and 12 (0: not checked).
struct ExpectedControl { const char *window, *name; QRect at15; QSize at12; double points15, points12; };

const ExpectedControl kControls[] = {
    {"frmSplash", "optHuman", {21, 105, 158, 22}, {158, 22}, 9.75, 8},
    {"frmSplash", "optComputer", {21, 126, 188, 22}, {188, 22}, 9.75, 8},
    {"frmSplash", "optRed", {0, 0, 142, 15}, {142, 15}, 9.75, 8},
    {"frmSplash", "optBlack", {0, 21, 142, 15}, {142, 15}, 9.75, 8},
    {"frmSplash", "cmdStart", {28, 154, 127, 43}, {127, 43}, 9.75, 8},
    {"frmSplash", "cmdExit", {175, 154, 127, 43}, {127, 43}, 9.75, 8},
    // Position only: the size stays in design twips; the labels keep their design height.
    {"frmSplash", "frmFirst", {196, 109, 141, 43}, {176, 54}, 0, 0},
    {"frmSplash", "Image1", {-14, 0, 350, 105}, {438, 131}, 0, 0},
    {"frmSplash", "Image2", {115, 231, 113, 41}, {141, 51}, 0, 0},
    {"frmSplash", "Label1", {0, 203, 337, 22}, {337, 28}, 8.25, 8.25},
    {"frmSplash", "Label2", {0, 217, 337, 23}, {337, 29}, 8.25, 8.25},
    {"frmSplash", "Label3", {0, 272, 337, 23}, {337, 29}, 8.25, 8.25},
    {"frmMain", "Square(0)", {70, 7, 64, 64}, {64, 64}, 0, 0},
    {"frmMain", "Square(31)", {385, 448, 64, 64}, {64, 64}, 0, 0},
    {"frmMain", "Square(32)", {536, 24, 64, 64}, {64, 64}, 8.25, 8.25},
    {"frmMain", "Black(0)", {77, 14, 50, 50}, {50, 50}, 0, 0},
    {"frmMain", "Red(0)", {14, 455, 50, 50}, {50, 50}, 0, 0},
    {"frmMain", "Red(9)", {140, 329, 50, 50}, {50, 50}, 0, 0},
    {"frmMain", "Image1", {519, 0, 105, 350}, {131, 438}, 0, 0},
    {"frmMain", "lblPassword", {592, 328, 17, 17}, {17, 17}, 0, 0},
    {"frmMain", "Shape2", {528, 360, 73, 59}, {73, 59}, 0, 0},
    {"frmMain", "lblPlayer", {528, 368, 73, 25}, {73, 25}, 12, 10},
    {"frmMain", "lblTurn", {528, 392, 73, 25}, {73, 25}, 12, 10},
    {"frmMain", "optMultiJump", {524, 416, 80, 41}, {80, 41}, 8.25, 6.25},
    {"frmMain", "cmdReset", {528, 450, 73, 33}, {73, 33}, 9.75, 7.75},
    {"frmMain", "cmdExit", {528, 480, 73, 33}, {73, 33}, 9.75, 7.75},
    {"frmPassword", "txtPassword", {16, 16, 113, 19}, {113, 19}, 8.25, 8.25},
    {"frmPassword", "cmdEnter", {16, 32, 57, 25}, {57, 25}, 8.25, 8.25},
    {"frmPassword", "cmdCancel", {72, 32, 57, 25}, {57, 25}, 8.25, 8.25},
};

// The rounded outlines, in the target's own pixels, right and bottom exclusive; 15 x 15 px
// corners. No target: the window itself.
struct Outline { const char *window, *target; int left, top, right, bottom; };

// Row k from a 15 x 15 corner's edge loses this many pixels: a pixel stays when its
// centre lies inside the ellipse, (14 - 2i)² + (14 - 2k)² <= 15² in half-pixels.
constexpr int kCornerInsets[] = {5, 3, 2, 1, 1, 0};

const Outline kOutlines[] = {
    {"frmSplash", nullptr, 1, 1, 336, 290},    {"frmSplash", "cmdStart", 5, 5, 122, 38},
    {"frmSplash", "cmdExit", 5, 5, 122, 38},   {"frmMain", nullptr, 1, 1, 618, 518},
    {"frmMain", "cmdReset", 5, 5, 67, 28},     {"frmMain", "cmdExit", 5, 5, 67, 28},
    {"frmMain", "optMultiJump", 9, 11, 71, 32}, {"frmPassword", nullptr, 1, 1, 144, 66},
    {"frmPassword", "cmdEnter", 5, 5, 54, 22}, {"frmPassword", "cmdCancel", 5, 5, 54, 22},
};

// The mask cuts the margins and the four corners alike: just inside and just outside.
void expectRounded(const QRegion &region, const Outline &o)
{
    for (int k = 0; k < 6; ++k) {
        for (const int y : {o.top + k, o.bottom - 1 - k}) {
            SCOPED_TRACE(y);
            const int inset = kCornerInsets[k];
            EXPECT_FALSE(region.contains(QPoint(o.left + inset - 1, y)));
            EXPECT_TRUE(region.contains(QPoint(o.left + inset, y)));
            EXPECT_TRUE(region.contains(QPoint(o.right - 1 - inset, y)));
            EXPECT_FALSE(region.contains(QPoint(o.right - inset, y)));
        }
    }
    EXPECT_EQ(region.boundingRect(), QRect(QPoint(o.left, o.top), QPoint(o.right - 1, o.bottom - 1)));
    int area = 0;
    for (const QRect &band : region)
        area += band.width() * band.height();
    EXPECT_EQ(area, (o.right - o.left) * (o.bottom - o.top) - 4 * (5 + 3 + 2 + 1 + 1));
}

class ShapeAndScaleTest : public WindowTest {
protected:
    void TearDown() override { setTwipsPerPixelForTests(std::nullopt); }

    // Opens the start-up window, the main window by "Start Game" and the password dialog,
    // and checks them against a screen of `ratio` twips per pixel.
    void expectWindows(TwipsPerPixel ratio)
    {
        openSplash();
        startGame();
        openPassword();
        const std::map<std::string, const QWidget *> windows{
            {"frmSplash", splash.get()}, {"frmMain", window}, {"frmPassword", window->loadedPasswordDialog()}};
        for (const ExpectedControl &c : kControls) {
            SCOPED_TRACE(std::string(c.window) + " " + c.name);
            const QWidget *control = find(windows.at(c.window), c.name);
            ASSERT_NE(control, nullptr);
            const QSize size(ratio.x == 12 ? c.at12.width() : c.at15.width(),
                             ratio.y == 12 ? c.at12.height() : c.at15.height());
            EXPECT_EQ(control->geometry(), QRect(c.at15.topLeft(), size));
            if (c.points15 > 0) {
                EXPECT_EQ(control->font().pointSizeF(), ratio.x == 12 ? c.points12 : c.points15);
            }
        }
        for (const Outline &o : kOutlines) {
            SCOPED_TRACE(std::string(o.window) + " " + (o.target ? o.target : "window"));
            expectRounded((o.target ? find(windows.at(o.window), o.target) : windows.at(o.window))->mask(), o);
        }
        EXPECT_EQ(window->game.board.intTwipsX, ratio.x);
        EXPECT_EQ(window->game.board.intTwipsY, ratio.y);
        EXPECT_EQ(screenPicture(), kOpeningPicture);
    }
};

#ifdef JUMPLINE_REAL_120DPI

TEST_F(ShapeAndScaleTest, OnARealScreenOf120DpiTheWindowsKeepTheirPixels)
{
    QWidget probe;
    ASSERT_EQ(screenTwipsPerPixel(&probe), (TwipsPerPixel{12, 12}));
    expectWindows({12, 12});
}

#else

TEST_F(ShapeAndScaleTest, AtFifteenTwelveAndFifteenByTwelveTheWindowsKeepTheirPixels)
{
    for (const TwipsPerPixel ratio : {TwipsPerPixel{15, 15}, TwipsPerPixel{12, 12}, TwipsPerPixel{15, 12}}) {
        SCOPED_TRACE(std::to_string(ratio.x) + " x " + std::to_string(ratio.y));
        setTwipsPerPixelForTests(ratio);
        expectWindows(ratio);
    }
}

// The Reset button's font is smaller only when the rounded ratio is below 15.
struct RoundingCase { double real; std::int16_t rounded; QRect square0; double resetPoints; };

// The main window converts with the screen's ratio rounded half to even; pixels come from
// the real one: at 14.4, 1050 twips ÷ 15 × 14 = 980 twips, shown at 68 px, not 70.
TEST_F(ShapeAndScaleTest, TheMainWindowUsesTheScreenRatioRoundedHalfToEven)
{
    const RoundingCase cases[] = {
        {14.4, 14, {68, 7, 62, 62}, 7.75}, {12.5, 12, {67, 7, 61, 61}, 7.75},
        {13.5, 14, {73, 7, 66, 66}, 7.75}, {14.6, 15, {72, 7, 66, 66}, 9.75},
    };
    for (const RoundingCase &c : cases) {
        SCOPED_TRACE(c.real);
        setTwipsPerPixelForTests(TwipsPerPixel{c.real, c.real});
        open();
        EXPECT_EQ(window->game.board.intTwipsX, c.rounded);
        EXPECT_EQ(window->game.board.intTwipsY, c.rounded);
        EXPECT_EQ(widget("Square(0)")->geometry(), c.square0);
        EXPECT_EQ(widget("cmdReset")->font().pointSizeF(), c.resetPoints);
        drag(widget("Red(9)")->geometry().center(), widget("Square(17)")->geometry().center());
        EXPECT_EQ(window->game.board.intBoard(4, 5), RedMan);
    }
}

#endif

} // namespace
} // namespace jumpline::testing
