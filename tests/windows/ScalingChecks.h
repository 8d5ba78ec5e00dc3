// What the windows look like on a screen of 12 twips per pixel (120 dpi, "large fonts"),
// checked both with the ratio injected and under a real 120 dpi environment.
#pragma once

#include <QRect>
#include <QWidget>

#include <string>
#include <vector>

namespace jumpline::testing {

struct ExpectedControl {
    const char *name;
    QRect pixels;    // in its parent's pixels
    double points;   // font size; 0: not checked
};

// Every control's pixels and font size as expected.
void expectControls(const QWidget *window, const std::vector<ExpectedControl> &expected);

// The start-up window and the main window at 12 twips per pixel both ways.
extern const std::vector<ExpectedControl> kSplashAtTwelve;
extern const std::vector<ExpectedControl> kMainAtTwelve;

} // namespace jumpline::testing
