#include "windows/ScaleFormToScreen.h"

#include "windows/Fit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <string>

namespace jumpline {

namespace {

constexpr double DesignTwipsPerPixel = 15;

std::optional<TwipsPerPixel> &ratioForTests()
{
    static std::optional<TwipsPerPixel> ratio;
    return ratio;
}

// "Square(3)" -> "Square"; a single control's name as it is.
std::string_view arrayName(std::string_view name)
{
    const auto bracket = name.find('(');
    return bracket == std::string_view::npos ? name : name.substr(0, bracket);
}

bool named(const std::vector<std::string_view> &names, std::string_view name)
{
    return std::find(names.begin(), names.end(), arrayName(name)) != names.end();
}

double converted(double design, double twipsPerPixel)
{
    return design / DesignTwipsPerPixel * twipsPerPixel;
}

} // namespace

const ScaleRules SplashRules{
    .positionOnly = {"Image1", "Image2", "frmFirst"},
    .positionAndWidth = {"Label1", "Label2", "Label3"},
    .fontControls = {"optHuman", "optComputer", "optRed", "optBlack", "cmdStart", "cmdExit"},
    .font = ScaleRules::Font::SetTo,
    .points = 8,
};

const ScaleRules MainRules{
    .positionOnly = {"Image1"},
    .positionAndWidth = {},
    .fontControls = {"lblPlayer", "lblTurn", "optMultiJump", "cmdReset", "cmdExit"},
    .font = ScaleRules::Font::SmallerBy,
    .points = 2,
};

const ScaleRules PasswordRules{};

double twipsFromDotsPerInch(double dotsPerInch)
{
    constexpr double fewest = 1, most = 60;
    return dotsPerInch > 0 ? std::clamp(TwipsPerInch / dotsPerInch, fewest, most) : most;
}

TwipsPerPixel screenTwipsPerPixel(const QWidget *window)
{
    if (ratioForTests())
        return *ratioForTests();
    const QScreen *screen = window->screen();
    return {twipsFromDotsPerInch(screen->logicalDotsPerInchX()), twipsFromDotsPerInch(screen->logicalDotsPerInchY())};
}

void setTwipsPerPixelForTests(std::optional<TwipsPerPixel> ratio)
{
    ratioForTests() = ratio;
}

int twipsToPixels(double twips, double twipsPerPixel)
{
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

QRect convertedGeometry(const DesignTwips &design, Conversion how, const TwipsPerPixel &ratio, QSize room)
{
    const int left = twipsToPixels(converted(design.Left, ratio.x), ratio.x);
    const int top = twipsToPixels(converted(design.Top, ratio.y), ratio.y);
    // A size left at its design twips: at least its design pixels, at most up to the room's edge.
    const auto kept = [](double twips, double twipsPerPixel, int at, int roomPixels) {
        const int grown = twipsToPixels(twips, twipsPerPixel);
        return std::max(twipsToPixels(twips, DesignTwipsPerPixel), roomPixels < 0 ? grown : std::min(grown, roomPixels - at));
    };
    return {left, top,
            how != Conversion::PositionOnly ? twipsToPixels(converted(design.Width, ratio.x), ratio.x) : kept(design.Width, ratio.x, left, room.width()),
            how == Conversion::Full ? twipsToPixels(converted(design.Height, ratio.y), ratio.y) : kept(design.Height, ratio.y, top, room.height())};
}

Conversion conversionFor(const ScaleRules &rules, std::string_view controlName)
{
    if (named(rules.positionOnly, controlName))
        return Conversion::PositionOnly;
    if (named(rules.positionAndWidth, controlName))
        return Conversion::PositionAndWidth;
    return Conversion::Full;
}

void ScaleFormToScreen(std::span<const DesignedControl> controls, const ScaleRules &rules, const TwipsPerPixel &ratio)
{
    const bool smallerFonts = ratio.x < DesignTwipsPerPixel && rules.font != ScaleRules::Font::Unchanged;
    std::vector<QWidget *> widgets;
    for (const DesignedControl &control : controls) {
        const std::string name = control.widget->objectName().toStdString();
        widgets.push_back(control.widget);
        control.widget->setGeometry(convertedGeometry(control.design, conversionFor(rules, name), ratio, control.widget->parentWidget()->size()));
        if (smallerFonts && named(rules.fontControls, name)) {
            QFont font = control.widget->font();
            font.setPointSizeF(rules.font == ScaleRules::Font::SetTo ? rules.points : font.pointSizeF() - rules.points);
            control.widget->setFont(font);
        }
    }
    fitCaptions(widgets);
}

} // namespace jumpline
