// Where the main window's controls sit, in pixels, and how they look.

#include "WindowRig.h"

#include "windows/MainLayout.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include <cmath>
#include <limits>

namespace jumpline::testing {
namespace {

using LayoutWindowTest = WindowTest;

struct PlacedControl {
    const char *name;
    QRect pixels;
};

TEST_F(LayoutWindowTest, ControlsSitWhereTheLayoutPutsThem)
{
    const PlacedControl placed[] = {
        {"Square(0)", {70, 7, 64, 64}},
        {"Square(4)", {7, 70, 64, 64}},
        {"Square(17)", {196, 259, 64, 64}},
        {"Square(31)", {385, 448, 64, 64}},
        {"Square(32)", {536, 24, 64, 64}},
        {"Black(0)", {77, 14, 50, 50}},
        {"Black(4)", {14, 77, 50, 50}},
        {"Black(11)", {455, 140, 50, 50}},
        {"Red(0)", {14, 455, 50, 50}},
        {"Red(7)", {455, 392, 50, 50}},
        {"Red(9)", {140, 329, 50, 50}},
        {"Image1", {519, 0, 105, 350}},
        {"lblPassword", {592, 328, 17, 17}},
        {"Shape2", {528, 360, 73, 59}},
        {"lblPlayer", {528, 368, 73, 25}},
        {"lblTurn", {528, 392, 73, 25}},
        {"optMultiJump", {524, 416, 80, 41}},
        {"cmdReset", {528, 450, 73, 33}},
        {"cmdExit", {528, 480, 73, 33}},
    };
    open();
    for (const PlacedControl &c : placed) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(widget(c.name)->geometry(), c.pixels);
    }
    EXPECT_EQ(window->size(), QSize(618, 518));
    EXPECT_EQ(window->windowTitle(), "Jumpline");
    EXPECT_EQ(window->geometry().center(), window->screen()->availableGeometry().center()) << "opens centred";
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->findChildren<QLabel *>(QRegularExpression(R"(^Square\(\d+\)$)")).size(), 33);
}

TEST_F(LayoutWindowTest, StackingPutsPiecesAboveCellsAndHotSpotAboveBanner)
{
    open();
    EXPECT_EQ(window->childAt(cellCentre(1, 6)), widget("Red(8)"));
    EXPECT_EQ(window->childAt(cellLeftPx(1) + 3, cellTopPx(6) + 3), widget("Square(20)"));
    EXPECT_EQ(window->childAt(600, 336), widget("lblPassword"));
    EXPECT_EQ(window->childAt(560, 200), widget("Image1"));
    EXPECT_EQ(window->childAt(cellCentre(2, 6)), nullptr) << "light cells are drawn, not controls";
}

TEST_F(LayoutWindowTest, BoardIsDrawnAsTheGridOfCells)
{
    open();
    const QImage shown = window->grab().toImage();
    const auto at = [&](int x, int y) { return QColor(shown.pixel(x, y)); };
    const QColor line = window->palette().color(QPalette::WindowText);

    EXPECT_EQ(at(8 + 63, 8 + 63), QColor(Qt::white)) << "inside light cell (2, 2)";
    EXPECT_EQ(at(cellLeftPx(2) + 1, cellTopPx(2) + 1), QColor(Qt::white));
    EXPECT_EQ(at(cellCentre(1, 4).x(), cellCentre(1, 4).y()), QColor(192, 192, 192)) << "empty dark cell";
    // One-pixel grid lines shared by neighbouring cells; the outline closes the board.
    EXPECT_EQ(at(cellLeftPx(2), cellCentre(2, 2).y()), line);
    EXPECT_EQ(at(cellLeftPx(2) - 1, cellCentre(1, 1).y()), QColor(Qt::white)) << "cell (1, 1) reaches the line";
    EXPECT_EQ(at(7, 100), line);
    EXPECT_EQ(at(511, 100), line);
    EXPECT_EQ(at(6, 100), QColor(Qt::black)) << "window background";
    EXPECT_EQ(at(512, 100), QColor(Qt::black));
    // A piece never covers a grid line: 6 free pixels between a piece and its cell's outline.
    EXPECT_EQ(at(pieceLeftPx(1) - 1, cellCentre(1, 8).y()), QColor(192, 192, 192));
    EXPECT_EQ(at(cellLeftPx(1), cellCentre(1, 8).y()), QColor(Qt::black));
}

TEST_F(LayoutWindowTest, PanelTextsColoursAndFonts)
{
    open();
    EXPECT_EQ(text("lblPlayer"), "Red's");
    EXPECT_EQ(text("lblTurn"), "Turn");
    EXPECT_EQ(text("optMultiJump"), "Multi Jump");
    EXPECT_EQ(text("cmdReset"), "Reset");
    EXPECT_EQ(text("cmdExit"), "Exit");
    EXPECT_EQ(widget("optMultiJump")->toolTip(), "Press to make a multi jump.  Press again to end turn.");
    for (const char *label : {"lblPlayer", "lblTurn"}) {
        SCOPED_TRACE(label);
        const QWidget *w = widget(label);
        EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(w->font().pointSizeF(), 12);
        EXPECT_TRUE(w->font().bold());
        EXPECT_EQ(qobject_cast<const QLabel *>(w)->alignment(), Qt::AlignCenter);
        EXPECT_FALSE(w->autoFillBackground());
    }
    for (const char *button : {"cmdReset", "cmdExit"}) {
        SCOPED_TRACE(button);
        EXPECT_EQ(widget(button)->font().pointSizeF(), 9.75);
        EXPECT_TRUE(widget(button)->font().bold());
    }
    EXPECT_EQ(widget("optMultiJump")->font().pointSizeF(), 8.25);
    EXPECT_TRUE(qobject_cast<QPushButton *>(widget("optMultiJump"))->isCheckable());
    EXPECT_FALSE(widget("Square(32)")->isVisible());
    EXPECT_FALSE(widget("Square(32)")->isEnabled());
    EXPECT_FALSE(widget("Image1")->isEnabled());
    const QImage turnShown = widget("lblTurn")->grab().toImage();
    bool white = false;
    for (int x = 0; x < turnShown.width(); ++x)
        white = white || turnShown.pixel(x, turnShown.height() / 2) == qRgb(255, 255, 255);
    EXPECT_TRUE(white) << "the turn label's text shows white on black";
}

struct DpiCase {
    double dotsPerInch;
    std::int16_t twips;
};

TEST(TwipsPerPixel, IsRoundedHalfToEvenWithinBounds)
{
    const DpiCase cases[] = {
        {96, 15},  {120, 12}, {144, 10}, {72, 20}, {1440, 1},
        {576, 2},  // 2.5 goes down to even
        {192, 8},  // 7.5 goes up to even
        {64, 22},  // 22.5
        {5000, 1}, {1, 60}, {0, 60}, {-96, 60}, {std::numeric_limits<double>::quiet_NaN(), 60},
    };
    for (const DpiCase &c : cases) {
        SCOPED_TRACE(c.dotsPerInch);
        EXPECT_EQ(frmMain::twipsPerPixel(c.dotsPerInch), c.twips);
    }
}

TEST_F(LayoutWindowTest, LoadReadsTwipsPerPixelFromTheScreen)
{
    open();
    const QScreen *screen = window->screen();
    EXPECT_EQ(window->game.board.intTwipsX, frmMain::twipsPerPixel(screen->logicalDotsPerInchX()));
    EXPECT_EQ(window->game.board.intTwipsY, frmMain::twipsPerPixel(screen->logicalDotsPerInchY()));
}

} // namespace
} // namespace jumpline::testing
