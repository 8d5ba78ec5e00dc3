// The windows under a real 120 dpi environment (see DpiMain.cpp): the screen reports 12
// twips per pixel, and the windows look as ScalingTest.cpp expects of an injected 12.

#include "ScalingChecks.h"
#include "SplashRig.h"

#include "support/Position.h"

#include <QScreen>

namespace jumpline::testing {
namespace {

using RealDpiSplashTest = SplashTest;
using RealDpiMainTest = WindowTest;

TEST(RealDpi, ScreenReportsTwelveTwipsPerPixel)
{
    QWidget probe;
    EXPECT_EQ(probe.screen()->logicalDotsPerInchX(), 120);
    EXPECT_EQ(screenTwipsPerPixel(&probe), (TwipsPerPixel{12, 12}));
    EXPECT_EQ(probe.screen()->devicePixelRatio(), 1) << "Qt's own scaling is off";
}

TEST_F(RealDpiSplashTest, KeepsItsPixelLayoutWithSmallerFonts)
{
    open();
    expectControls(splash.get(), kSplashAtTwelve);
    EXPECT_EQ(splash->size(), QSize(359, 294));
}

TEST_F(RealDpiSplashTest, StartGameOpensTheMainWindowAtTwelve)
{
    open();
    click("cmdStart");
    ASSERT_NE(main(), nullptr);
    EXPECT_EQ(main()->game.board.intTwipsX, 12);
    expectControls(main(), kMainAtTwelve);
}

TEST_F(RealDpiMainTest, KeepsItsPixelLayoutAndTheGamePlays)
{
    open();
    expectControls(window.get(), kMainAtTwelve);
    EXPECT_EQ(window->size(), QSize(618, 518));
    EXPECT_EQ(screenPicture(), kOpeningPicture);
    dragCell(3, 6, 4, 5);
    EXPECT_EQ(window->game.board.intBoard(4, 5), RedMan);
    EXPECT_EQ(text("lblPlayer"), "Black's");
}

} // namespace
} // namespace jumpline::testing
