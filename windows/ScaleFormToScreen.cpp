#include "windows/ScaleFormToScreen.h"

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

QRect convertedGeometry(const DesignTwips &design, Conversion how, const TwipsPerPixel &ratio)
{
    const bool width = how != Conversion::PositionOnly;
    const bool height = how == Conversion::Full;
    return {twipsToPixels(converted(design.Left, ratio.x), ratio.x), twipsToPixels(converted(design.Top, ratio.y), ratio.y),
            twipsToPixels(width ? converted(design.Width, ratio.x) : design.Width, ratio.x),
            twipsToPixels(height ? converted(design.Height, ratio.y) : design.Height, ratio.y)};
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
    for (const DesignedControl &control : controls) {
        const std::string name = control.widget->objectName().toStdString();
        control.widget->setGeometry(convertedGeometry(control.design, conversionFor(rules, name), ratio));
        if (smallerFonts && named(rules.fontControls, name)) {
            QFont font = control.widget->font();
            font.setPointSizeF(rules.font == ScaleRules::Font::SetTo ? rules.points : font.pointSizeF() - rules.points);
            control.widget->setFont(font);
        }
    }
}

} // namespace jumpline
