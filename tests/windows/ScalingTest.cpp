// The layouts converted to screens of other pixel densities: positions stay, sizes and
// fonts follow each window's rules. The ratio is injected; DpiTest.cpp runs the same
// checks under a real 120 dpi environment.

#include "ScalingChecks.h"
#include "SplashRig.h"

#include "support/Position.h"
#include "windows/ScaleFormToScreen.h"

#include <QLabel>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <map>

namespace jumpline::testing {
namespace {

struct GeometryCase {
    const char *name;
    DesignTwips design;
    Conversion how;
    Ratios ratios;
    QRect pixels;
};

constexpr TwipsPerPixel At15{15, 15};
constexpr TwipsPerPixel At12{12, 12};
constexpr TwipsPerPixel At15x12{15, 12};

TEST(ConvertedGeometry, KeepsDesignPixelsUnlessTheRuleKeepsTwips)
{
    const GeometryCase cases[] = {
        {"at 15 nothing changes", {315, 1575, 2370, 330}, Conversion::Full, {At15, At15}, {21, 105, 158, 22}},
        // 252, 1260, 1896 x 264 twips at 12: the same 21, 105, 158 x 22 px.
        {"option button at 12", {315, 1575, 2370, 330}, Conversion::Full, {At12, At12}, {21, 105, 158, 22}},
        {"position only at 12", {-210, 0, 5250, 1575}, Conversion::PositionOnly, {At12, At12}, {-14, 0, 438, 131}},
        {"position and width at 12", {0, 3045, 5055, 330}, Conversion::PositionAndWidth, {At12, At12}, {0, 203, 337, 28}},
        {"position only at 15 x 12", {-210, 0, 5250, 1575}, Conversion::PositionOnly, {At15x12, At15x12},
         {-14, 0, 350, 131}},
        {"position and width at 15 x 12", {0, 3255, 5055, 345}, Conversion::PositionAndWidth, {At15x12, At15x12},
         {0, 217, 337, 29}},
        // The main window multiplies by its rounded 14 and divides by the real 14.4.
        {"rounded ratio used, real ratio shown", {1050, 105, 960, 960}, Conversion::Full, {{14, 14}, {14.4, 14.4}},
         {68, 7, 62, 62}},
        {"exact ratio keeps the design pixels", {1050, 105, 960, 960}, Conversion::Full, {{14.4, 14.4}, {14.4, 14.4}},
         {70, 7, 64, 64}},
    };
    for (const GeometryCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(convertedGeometry(c.design, c.how, c.ratios), c.pixels);
    }
}

TEST(ScaleRulesTable, NamesEachWindowsExceptions)
{
    EXPECT_EQ(conversionFor(SplashRules, "Image1"), Conversion::PositionOnly);
    EXPECT_EQ(conversionFor(SplashRules, "frmFirst"), Conversion::PositionOnly);
    EXPECT_EQ(conversionFor(SplashRules, "Label2"), Conversion::PositionAndWidth);
    EXPECT_EQ(conversionFor(SplashRules, "optRed"), Conversion::Full);
    EXPECT_EQ(conversionFor(MainRules, "Image1"), Conversion::PositionOnly);
    EXPECT_EQ(conversionFor(MainRules, "Square(7)"), Conversion::Full) << "an array element by its array's name";
    EXPECT_EQ(conversionFor(MainRules, "Image2"), Conversion::Full);
    EXPECT_EQ(conversionFor(PasswordRules, "Image1"), Conversion::Full);
}

TEST(TwipsFromDotsPerInch, IsTheExactRatio)
{
    EXPECT_EQ(twipsFromDotsPerInch(96), 15);
    EXPECT_EQ(twipsFromDotsPerInch(120), 12);
    EXPECT_DOUBLE_EQ(twipsFromDotsPerInch(100), 14.4);
    EXPECT_EQ(twipsFromDotsPerInch(0), 60);
}

// Where every named control of a window is, in its parent's pixels.
std::map<std::string, QRect> geometries(const QWidget *window)
{
    std::map<std::string, QRect> placed;
    for (const QWidget *child : window->findChildren<QWidget *>())
        if (!child->objectName().isEmpty())
            placed[child->objectName().toStdString()] = child->geometry();
    return placed;
}

struct RatioCase {
    const char *name;
    TwipsPerPixel ratio;
};

const RatioCase kRatios[] = {{"12", At12}, {"15 x 12", At15x12}, {"12 x 15", {12, 15}}, {"14.4", {14.4, 14.4}}};

TEST_F(SplashTest, EveryControlKeepsItsPixelPosition)
{
    open();
    const auto designed = geometries(splash.get());
    ASSERT_EQ(designed.size(), 12U);
    for (const RatioCase &r : kRatios) {
        SCOPED_TRACE(r.name);
        const TwipsPerPixelOverride ratio(r.ratio);
        open();
        for (const auto &[name, rect] : geometries(splash.get())) {
            SCOPED_TRACE(name);
            EXPECT_EQ(rect.topLeft(), designed.at(name).topLeft());
        }
    }
}

TEST_F(SplashTest, AtTwelveSizesAndFontsFollowTheRules)
{
    const TwipsPerPixelOverride ratio(At12);
    open();
    expectControls(splash.get(), kSplashAtTwelve);
    for (const char *name : {"optHuman", "cmdStart"})
        EXPECT_TRUE(widget(name)->font().bold()) << name;
}

TEST_F(SplashTest, FifteenByTwelveChangesHeightsButNoFont)
{
    const TwipsPerPixelOverride ratio(At15x12);
    open();
    expectControls(splash.get(), {
                                     {"optHuman", {21, 105, 158, 22}, 9.75},
                                     {"cmdExit", {175, 154, 127, 43}, 9.75},
                                     {"optBlack", {0, 21, 142, 15}, 9.75},
                                     {"Image1", {-14, 0, 350, 131}, 0},
                                     {"Image2", {115, 231, 113, 51}, 0},
                                     {"frmFirst", {196, 109, 141, 54}, 0},
                                     {"Label3", {0, 272, 337, 29}, 8.25},
                                 });
}

TEST_F(SplashTest, ExactRatioBelowFifteenSetsEightPoints)
{
    const TwipsPerPixelOverride ratio({14.4, 14.4});
    open();
    expectControls(splash.get(), {
                                     {"optComputer", {21, 126, 188, 22}, 8},
                                     {"cmdStart", {28, 154, 127, 43}, 8},
                                     {"Label1", {0, 203, 337, 23}, 8.25}, // 330 / 14.4 = 22.9
                                 });
}

using ScaledMainTest = WindowTest;

TEST_F(ScaledMainTest, EveryControlKeepsItsPixelPosition)
{
    open();
    const auto designed = geometries(window.get());
    for (const RatioCase &r : kRatios) {
        if (r.ratio.x != std::nearbyint(r.ratio.x))
            continue; // a non-integral ratio moves the main window's controls: see below
        SCOPED_TRACE(r.name);
        const TwipsPerPixelOverride ratio(r.ratio);
        open();
        for (const auto &[name, rect] : geometries(window.get())) {
            SCOPED_TRACE(name);
            EXPECT_EQ(rect.topLeft(), designed.at(name).topLeft());
        }
        EXPECT_EQ(screenPicture(), kOpeningPicture) << "the pieces stand on their cells";
    }
}

TEST_F(ScaledMainTest, AtTwelveSizesAndFontsFollowTheRules)
{
    const TwipsPerPixelOverride ratio(At12);
    open();
    EXPECT_EQ(window->game.board.intTwipsX, 12);
    EXPECT_EQ(window->game.board.intTwipsY, 12);
    expectControls(window.get(), kMainAtTwelve);
    EXPECT_TRUE(widget("lblPlayer")->font().bold());
    EXPECT_TRUE(widget("cmdReset")->font().bold());
    EXPECT_FALSE(widget("optMultiJump")->font().bold());
}

TEST_F(ScaledMainTest, FifteenByTwelveKeepsTheFonts)
{
    const TwipsPerPixelOverride ratio(At15x12);
    open();
    EXPECT_EQ(window->game.board.intTwipsX, 15);
    EXPECT_EQ(window->game.board.intTwipsY, 12);
    expectControls(window.get(), {
                                     {"Image1", {519, 0, 105, 438}, 0},
                                     {"lblPlayer", {528, 368, 73, 25}, 12},
                                     {"optMultiJump", {524, 416, 80, 41}, 8.25},
                                     {"cmdExit", {528, 480, 73, 33}, 9.75},
                                 });
}

struct RoundingCase {
    double real;
    std::int16_t rounded;
    double resetPoints; // cmdReset's font: smaller only when the rounded ratio is below 15
};

TEST_F(ScaledMainTest, UsesTheScreenRatioRoundedHalfToEven)
{
    const RoundingCase cases[] = {
        {14.4, 14, 7.75}, {12.5, 12, 7.75}, {13.5, 14, 7.75}, {14.6, 15, 9.75}, {15.4, 15, 9.75},
    };
    for (const RoundingCase &c : cases) {
        SCOPED_TRACE(c.real);
        const TwipsPerPixelOverride ratio({c.real, c.real});
        open();
        EXPECT_EQ(window->game.board.intTwipsX, c.rounded);
        EXPECT_EQ(window->game.board.intTwipsY, c.rounded);
        EXPECT_EQ(widget("cmdReset")->font().pointSizeF(), c.resetPoints);
    }
}

TEST_F(ScaledMainTest, NonIntegralRatioPlacesByTheRoundedOne)
{
    // 1050 twips ÷ 15 × 14 = 980 twips, shown at 14.4 twips per pixel: 68 px, not 70.
    const TwipsPerPixelOverride ratio({14.4, 14.4});
    open();
    expectControls(window.get(), {
                                     {"Square(0)", {68, 7, 62, 62}, 0},
                                     {"Black(0)", {75, 14, 49, 49}, 0},
                                     {"Red(9)", {136, 320, 49, 49}, 0},
                                     {"cmdExit", {513, 467, 71, 32}, 7.75},
                                 });
    EXPECT_EQ(window->game.board.Black[0].Left, 77 * 14) << "the game's twips use the rounded ratio";
}

struct DragAtCase {
    const char *name;
    TwipsPerPixel ratio;
};

TEST_F(ScaledMainTest, PiecesCanBeDraggedAtEveryRatio)
{
    const DragAtCase cases[] = {{"12", At12}, {"15 x 12", At15x12}, {"14.4", {14.4, 14.4}}};
    for (const DragAtCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TwipsPerPixelOverride ratio(c.ratio);
        open();
        drag(widget("Red(9)")->geometry().center(), widget("Square(17)")->geometry().center());
        EXPECT_EQ(window->game.board.intBoard(4, 5), RedMan);
        EXPECT_TRUE(widget("Square(17)")->geometry().contains(widget("Red(9)")->geometry().center()));
        EXPECT_EQ(text("lblPlayer"), "Black's");
    }
}

} // namespace
} // namespace jumpline::testing
