// The windows at the font density of the run, as a desktop sets it with Qt's scaling off
// (QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=...; CTest runs this at 72 to 288 dpi): every
// control at its design place and inside its window, every picture, caption and option mark
// whole. Whole is read from the pixels: what a caption (or a mark) adds to the window is as
// big as what it adds to its control alone with room all round, and hiding every other
// control changes no pixel of a picture.
#include "Windows.h"

#include <QGuiApplication>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>

#include <functional>
#include <map>

namespace jumpline::testing {
namespace {

using Places = std::map<QString, QRect>; // the named controls' rectangles in their window
using Change = std::function<void(bool)>;

std::string str(const QRect &r) { return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y()).toStdString(); }

Places placesOf(const QWidget *window)
{
    Places places;
    for (const QWidget *control : window->findChildren<QWidget *>())
        if (!control->objectName().isEmpty() && control->window() == window)
            places[control->objectName()] = {control->mapTo(window, QPoint()), control->size()};
    return places;
}

// The box of the pixels in which two pictures differ; `b` null: of those unlike a's corner.
QRect changed(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != (b.isNull() ? a.pixel(0, 0) : b.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// What change(true) adds over change(false): in the window, where the control lies (in
// window coordinates); and in the control alone, grown by 100 px all round (an even number
// keeps centred text on the same pixels) and without its outline (without `change`: what it
// draws on its background).
QRect inWindow(QWidget *control, const Change &change, QSize part = {}) // part: of the control's top left
{
    QWidget *window = control->window();
    const QRect at(control->mapTo(window, QPoint()), part.isValid() ? part : control->size());
    change(false);
    const QImage without = shot(window, at);
    change(true);
    return changed(shot(window, at), without).translated(at.topLeft());
}
QRect alone(QWidget *control, const Change &change)
{
    const QRegion outline = control->mask();
    control->clearMask();
    control->setGeometry(control->geometry().adjusted(-100, -100, 100, 100));
    const auto grab = [control] { return control->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    QImage without;
    if (change)
        change(false), without = grab(), change(true);
    const QRect box = changed(grab(), without);
    control->setGeometry(control->geometry().adjusted(100, 100, -100, -100));
    if (!outline.isEmpty())
        control->setMask(outline);
    return box;
}

// Every caption the control shows, now or later (a label's, a button's, a text box's).
QStringList captionsOf(const QWidget *control)
{
    static const QMap<QString, QStringList> later{{"lblPlayer", {"Black's"}}, {"lblTestMode", {"Test Mode is ON"}}, {"txtPassword", {"krov"}}};
    return (QStringList(control->property("text").toString()) + later.value(control->objectName())).filter(QRegularExpression("."));
}

// Each named control at its design place, and inside the window but where its design
// reaches past an edge; pictures as big as their controls, and nothing else showing over them.
void expectInPlace(QWidget *window, const Places &design)
{
    for (const auto &[name, at] : placesOf(window)) {
        const QRect d = design.contains(name) ? design.at(name) : at;
        EXPECT_TRUE(at.topLeft() == d.topLeft() && (at.left() >= 0 || at.left() == d.left()) && (at.top() >= 0 || at.top() == d.top()) &&
                    (at.right() < window->width() || at.right() == d.right()) && (at.bottom() < window->height() || at.bottom() == d.bottom()))
            << name.toStdString() << " at " << str(at) << ", designed at " << str(d) << " in " << window->objectName().toStdString();
    }
    for (PictureBox *box : window->findChildren<PictureBox *>()) {
        std::vector<QWidget *> others;
        for (QWidget *other : window->findChildren<QWidget *>())
            if (other != box && !other->isAncestorOf(box) && other->isVisible())
                others.push_back(other);
        const QRect covered = inWindow(box, [&](bool shown) { for (QWidget *other : others) other->setVisible(shown); }, box->picture().size());
        EXPECT_TRUE(covered.isEmpty() && box->rect().contains(QRect(QPoint(), box->picture().size())))
            << box->objectName().toStdString() << " (" << str(box->geometry()) << ") covered at " << str(covered);
    }
}

// Every caption and option mark as big in the window as alone; no two captions meet.
void expectCaptionsWhole(QWidget *window)
{
    std::vector<std::pair<QString, QRect>> inks;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QString name = control->objectName(), before = control->property("text").toString();
        for (const QString &caption : control->window() == window && control->isVisibleTo(window) ? captionsOf(control) : QStringList()) {
            const Change writeIt = [&](bool on) { control->setProperty("text", on ? caption : QString()); };
            const QRect ink = inWindow(control, writeIt), byItself = alone(control, writeIt);
            EXPECT_TRUE(byItself.height() >= 5 && ink.size() == byItself.size()) // whole, and readable (a password box shows 5-px dots)
                << name.toStdString() << " \"" << caption.toStdString() << "\": " << str(ink) << " shown, " << str(byItself) << " alone";
            for (const auto &[other, otherInk] : inks)
                EXPECT_FALSE(other != name && ink.intersects(otherInk)) << name.toStdString() << " \"" << caption.toStdString() << "\" meets " << other.toStdString();
            inks.emplace_back(name, ink);
        }
        control->setProperty("text", QString());
        if (qobject_cast<QRadioButton *>(control) != nullptr) {
            const QRect mark = inWindow(control, [&](bool on) { control->setVisible(on); }), byItself = alone(control, {});
            EXPECT_TRUE(!byItself.isEmpty() && mark.size() == byItself.size()) << name.toStdString() << "'s mark: " << str(mark) << " shown, " << str(byItself) << " alone";
        }
        control->setProperty("text", before);
    }
}

class Density : public Windows {};

TEST_F(Density, EveryCaptionAndPictureIsWholeAndEveryControlInItsPlace)
{
    SCOPED_TRACE(std::to_string(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX())) + " dpi");
    // The design's places: the windows at 15 twips per pixel.
    setTwipsPerPixelForTests(TwipsPerPixel{15, 15});
    const Places splashDesign = placesOf(&openSplash()), mainDesign = placesOf(&open()), passwordDesign = placesOf(&openPassword());
    setTwipsPerPixelForTests(std::nullopt);
    for (const auto &[window, design] : {std::pair<QWidget *, Places>{&openSplash(), splashDesign}, {&open(), mainDesign}, {&openPassword(), passwordDesign}}) {
        expectInPlace(window, design);
        expectCaptionsWhole(window);
    }
    frmTest &test = openTestWindow();
    expectInPlace(&test, {});
    expectCaptionsWhole(&test);
    press(&test, "cmdTestMode"); // and "Delete", which then lies over the banner
    expectCaptionsWhole(main.get());
}

} // namespace
} // namespace jumpline::testing
