// The conversion of a window's layout, designed at 15 twips per pixel (96 dpi), to the
// screen it opens on, so that every control keeps its design position in pixels.
//
// A control's design position and size are held in twips. Converting one value gives
// design ÷ 15 × twips per pixel (across for Left and Width, down for Top and Height), in
// double precision, rounded to the nearest pixel when the widget is placed. A value that a
// window's rules leave unconverted stays at its design twips, which on a screen of fewer
// twips per pixel are more pixels.
#pragma once

#include <QRect>
#include <QSize>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QWidget;

namespace jumpline {

inline constexpr double TwipsPerInch = 1440;

// Twips per pixel across (x) and down (y).
struct TwipsPerPixel {
    double x = 15;
    double y = 15;
    bool operator==(const TwipsPerPixel &) const = default;
};

// 1440 ÷ dots per inch, kept within 1..60; 60 where the screen reports no density.
double twipsFromDotsPerInch(double dotsPerInch);

// The twips per pixel of the screen the window is on, from its logical dots per inch, or
// the ratio set by setTwipsPerPixelForTests. Qt scales high-density screens itself, so a
// window normally sees 96 dpi, 15 twips per pixel.
TwipsPerPixel screenTwipsPerPixel(const QWidget *window);

// Every window that loads from now on sees this ratio instead of its screen's; nothing
// goes back to the screen's. For tests of other pixel densities.
void setTwipsPerPixelForTests(std::optional<TwipsPerPixel> ratio);

// A control's design position and size in twips (pixels × 15).
struct DesignTwips {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
};

enum class Conversion {
    Full,             // Width, Height, Left and Top
    PositionOnly,     // Left and Top; the size stays at its design twips
    PositionAndWidth, // Left, Top and Width; the height stays at its design twips
};

// The control's pixel geometry after conversion: design twips ÷ 15 × twips per pixel, then
// back to pixels at the same ratio. So every converted value keeps its design pixels on any
// screen, and only the values a window leaves unconverted grow on a screen of fewer twips
// per pixel. (The main window converts with its whole-number intTwipsX and intTwipsY, so
// that its cells stay square and whole, and inside the window, at every density.)
// An unconverted value never has fewer pixels than its design, so that on a screen of more
// twips per pixel (72 dpi) a picture or a frame does not crop what it holds, and grows no
// further than the edge of `room` (the parent's size, where given) unless its design
// reaches past it, so that on a screen of fewer it does not grow out of its window.
QRect convertedGeometry(const DesignTwips &design, Conversion how, const TwipsPerPixel &ratio, QSize room = {});

// One twips value turned into whole pixels at `twipsPerPixel`, halves to even.
int twipsToPixels(double twips, double twipsPerPixel);

// A window's rules. A control is recognised by its object name (for an element of a
// control array, "Square(3)", by the array's name).
struct ScaleRules {
    std::vector<std::string_view> positionOnly;
    std::vector<std::string_view> positionAndWidth;
    // The font rule, applied only below 15 twips per pixel across.
    enum class Font { Unchanged, SetTo, SmallerBy };
    std::vector<std::string_view> fontControls;
    Font font = Font::Unchanged;
    double points = 0;
};

// The start-up window: Image1, Image2 and the frame in position only; the three labels
// keep their design height; the option buttons and buttons get 8 pt fonts.
extern const ScaleRules SplashRules;
// The main window: Image1 keeps its design size; the turn labels and the three buttons get
// fonts 2 pt smaller.
extern const ScaleRules MainRules;
// The password dialog: every control converted in full, no font rule.
extern const ScaleRules PasswordRules;

// A control and its design twips.
struct DesignedControl {
    QWidget *widget = nullptr;
    DesignTwips design;
};

// The conversion of the rule that applies to the control's name.
Conversion conversionFor(const ScaleRules &rules, std::string_view controlName);

// Places every control inside its parent, applies the font rule, then makes every caption
// whole (fitCaptions): below 96 dpi nothing needs it, and from 125 dpi on the design fonts,
// even 2 points smaller, can be too big for the controls' pixels.
void ScaleFormToScreen(std::span<const DesignedControl> controls, const ScaleRules &rules, const TwipsPerPixel &ratio);

} // namespace jumpline
