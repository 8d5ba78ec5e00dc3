#include "ScalingChecks.h"

#include <gtest/gtest.h>

namespace jumpline::testing {

// Every control keeps its design position; sizes follow the rules: a position-only control
// keeps its design twips (Image1: 5250 x 1575 twips = 437.5 x 131.25 px, to the nearest
// pixel, halves to even), a label its design height (330 twips = 27.5 px). The six option
// and button controls get 8 pt fonts.
const std::vector<ExpectedControl> kSplashAtTwelve = {
    {"optHuman", {21, 105, 158, 22}, 8},  {"optComputer", {21, 126, 188, 22}, 8},
    {"optRed", {0, 0, 142, 15}, 8},       {"optBlack", {0, 21, 142, 15}, 8},
    {"cmdStart", {28, 154, 127, 43}, 8},  {"cmdExit", {175, 154, 127, 43}, 8},
    {"frmFirst", {196, 109, 176, 54}, 0}, {"Image1", {-14, 0, 438, 131}, 0},
    {"Image2", {115, 231, 141, 51}, 0},   {"Label1", {0, 203, 337, 28}, 8.25},
    {"Label2", {0, 217, 337, 29}, 8.25},  {"Label3", {0, 272, 337, 29}, 8.25},
};

// Image1 keeps its design twips (1575 x 5250 = 131.25 x 437.5 px); the turn labels and
// the three buttons get fonts 2 pt smaller; "Delete" keeps its font.
const std::vector<ExpectedControl> kMainAtTwelve = {
    {"Square(0)", {70, 7, 64, 64}, 0},     {"Square(31)", {385, 448, 64, 64}, 0},
    {"Square(32)", {536, 24, 64, 64}, 8.25}, {"Black(0)", {77, 14, 50, 50}, 0},
    {"Red(9)", {140, 329, 50, 50}, 0},     {"Image1", {519, 0, 131, 438}, 0},
    {"lblPassword", {592, 328, 17, 17}, 0}, {"Shape2", {528, 360, 73, 59}, 0},
    {"lblPlayer", {528, 368, 73, 25}, 10}, {"lblTurn", {528, 392, 73, 25}, 10},
    {"optMultiJump", {524, 416, 80, 41}, 6.25}, {"cmdReset", {528, 450, 73, 33}, 7.75},
    {"cmdExit", {528, 480, 73, 33}, 7.75},
};

void expectControls(const QWidget *window, const std::vector<ExpectedControl> &expected)
{
    for (const ExpectedControl &c : expected) {
        SCOPED_TRACE(c.name);
        const auto *control = window->findChild<const QWidget *>(QString::fromLatin1(c.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), c.pixels);
        if (c.points > 0) {
            EXPECT_EQ(control->font().pointSizeF(), c.points);
        }
    }
}

} // namespace jumpline::testing
