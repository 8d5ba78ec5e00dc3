// The windows at the font density of the run, as a desktop sets it with Qt's scaling off
// (QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=...; CTest runs this at 72 to 288 dpi): every
// control at its design place and inside its window, every picture whole, every caption and
// option mark whole. Whole is read from the pixels: what a caption adds to the window is as
// big as what it adds to its control alone with room all round, and nothing else in the
// window changes a picture's pixels.
#include "support/Support.h"
#include "windows/Controls.h"
#include "windows/frmMain.h"
#include "windows/frmPassword.h"
#include "windows/frmSplash.h"
#include "windows/frmTest.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <functional>
#include <map>

#include <gtest/gtest.h>

namespace jumpline::testing {
namespace {

constexpr int Room = 100; // around a control drawn alone: an even number keeps centred text on its pixels

using Places = std::map<QString, QRect>; // each named control's rectangle in its window

std::string str(const QRect &r) { return std::to_string(r.width()) + "x" + std::to_string(r.height()) + "+" + std::to_string(r.x()) + "+" + std::to_string(r.y()); }

Places placesOf(const QWidget *window)
{
    Places places;
    for (const QWidget *control : window->findChildren<QWidget *>())
        if (!control->objectName().isEmpty())
            places[control->objectName()] = {control->mapTo(window, QPoint()), control->size()};
    return places;
}

// The window as the screen shows it at `at`: outside its rounded outline all magenta.
QImage shot(QWidget *window, const QRect &at)
{
    QImage image = window->grab(at).toImage().convertToFormat(QImage::Format_RGB32);
    if (!window->mask().isEmpty()) {
        QPainter painter(&image);
        painter.setClipRegion(QRegion(image.rect()) - window->mask().translated(-at.topLeft()));
        painter.fillRect(image.rect(), Qt::magenta);
    }
    return image;
}

// The box of the pixels in which two pictures of one size differ.
QRect changed(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// What `draw(true)` adds over `draw(false)`: in the window, where the control lies (in the
// window's coordinates), and in the control alone, grown by Room on every side and without
// its outline (corner: pixels that differ from its corner's, where draw(false) is empty).
QRect addedInWindow(QWidget *control, const std::function<void(bool)> &draw)
{
    QWidget *window = control->window();
    const QRect at(control->mapTo(window, QPoint()), control->size());
    draw(true);
    const QImage with = shot(window, at);
    draw(false);
    const QImage without = shot(window, at);
    draw(true);
    return changed(with, without).translated(at.topLeft());
}
QRect addedAlone(QWidget *control, const std::function<void(bool)> &draw, bool againstCorner = false)
{
    const QRect home = control->geometry();
    const QRegion outline = control->mask();
    control->clearMask();
    control->setGeometry(home.adjusted(-Room, -Room, Room, Room));
    draw(true);
    const QImage with = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage without = with;
    if (againstCorner)
        without.fill(with.pixel(0, 0));
    else
        draw(false), without = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    draw(true);
    control->setGeometry(home);
    if (!outline.isEmpty())
        control->setMask(outline);
    return changed(with, without);
}

// Every caption the control shows, now or later, and how to write one on it.
QStringList captionsOf(const QWidget *control)
{
    static const std::map<QString, QStringList> later{{"lblPlayer", {"Red's", "Black's"}}, {"lblTestMode", {"Test Mode is ON"}}};
    QStringList captions = later.contains(control->objectName()) ? later.at(control->objectName()) : QStringList();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        captions << label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        captions << button->text();
    else if (qobject_cast<const QLineEdit *>(control) != nullptr)
        captions << "krov";
    captions.removeAll(QString());
    captions.removeDuplicates();
    return captions;
}
void write(QWidget *control, const QString &caption)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(caption);
    else if (auto *box = qobject_cast<QLineEdit *>(control))
        box->setText(caption);
}

class Density : public ::testing::Test {
protected:
    ~Density() override { setTwipsPerPixelForTests(std::nullopt); }

    template <typename Window> static Window &shown(Window &window) { window.show(); EXPECT_TRUE(QTest::qWaitForWindowExposed(&window)); return window; }
    frmSplash &openSplash() { return shown(*(splash = std::make_unique<frmSplash>([](Settings &) { return nullptr; }))); }
    frmMain &openMain() { return shown(*(main = std::make_unique<frmMain>(settings, random, pictures, &screen))); }
    frmPassword &openPassword() { QTest::mouseDClick(main->windowHandle(), Qt::LeftButton, {}, {600, 336}); return *main->loadedPasswordDialog(); }

    // Each named control at its design place (where `design` knows one), and inside the
    // window, but where its design reaches past an edge.
    static void expectInPlace(const QWidget *window, const Places &design)
    {
        for (const auto &[name, at] : placesOf(window)) {
            const QRect designed = design.contains(name) ? design.at(name) : at;
            EXPECT_TRUE(at.topLeft() == designed.topLeft() && (at.left() >= 0 || at.left() == designed.left()) &&
                        (at.top() >= 0 || at.top() == designed.top()) && (at.right() < window->width() || at.right() == designed.right()) &&
                        (at.bottom() < window->height() || at.bottom() == designed.bottom()))
                << name.toStdString() << " at " << str(at) << ", designed at " << str(designed) << " in " << window->objectName().toStdString();
        }
    }

    // Each picture as big as its control, and no other control showing over it.
    static void expectPicturesWhole(QWidget *window)
    {
        const QList<QWidget *> controls = window->findChildren<QWidget *>();
        for (PictureBox *box : window->findChildren<PictureBox *>()) {
            const QRect at(box->mapTo(window, QPoint()), box->picture().size());
            const QImage whole = shot(window, at);
            std::vector<QWidget *> hidden;
            for (QWidget *other : controls)
                if (other != box && !other->isAncestorOf(box) && other->isVisible())
                    hidden.push_back(other), other->hide();
            const QRect covered = changed(shot(window, at), whole);
            for (QWidget *other : hidden)
                other->show();
            EXPECT_TRUE(box->rect().contains(QRect(QPoint(), box->picture().size())) && covered.isEmpty())
                << box->objectName().toStdString() << " (" << str(box->geometry()) << ") shows its picture (" << str(at) << ") covered at " << str(covered);
        }
    }

    // Each caption, and each option's mark, as big in the window as alone; no two captions meet.
    static void expectCaptionsWhole(QWidget *window)
    {
        std::vector<std::pair<QString, QRect>> inks;
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!control->isVisibleTo(window))
                continue;
            const QString name = control->objectName(), before = captionsOf(control).value(0);
            for (const QString &caption : captionsOf(control)) {
                const auto draw = [&](bool on) { write(control, on ? caption : QString()); };
                const QRect ink = addedInWindow(control, draw), alone = addedAlone(control, draw);
                EXPECT_TRUE(!alone.isEmpty() && ink.size() == alone.size())
                    << name.toStdString() << " \"" << caption.toStdString() << "\": ink " << str(ink) << " in the window, " << str(alone) << " alone";
                for (const auto &[other, otherInk] : inks)
                    EXPECT_FALSE(other != name && ink.intersects(otherInk)) << name.toStdString() << " \"" << caption.toStdString() << "\" meets " << other.toStdString();
                inks.emplace_back(name, ink);
            }
            write(control, before);
            if (qobject_cast<QRadioButton *>(control) != nullptr) {
                write(control, QString());
                const QRect mark = addedInWindow(control, [&](bool on) { control->setVisible(on); });
                const QRect alone = addedAlone(control, [](bool) {}, true);
                write(control, before);
                EXPECT_TRUE(!alone.isEmpty() && mark.size() == alone.size()) << name.toStdString() << "'s mark: " << str(mark) << " in the window, " << str(alone) << " alone";
            }
        }
    }

    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    PiecePictures pictures = loadPiecePictures().pictures.value();
    std::unique_ptr<frmSplash> splash;
    std::unique_ptr<frmMain> main;
};

TEST_F(Density, EveryCaptionAndPictureIsWholeAndEveryControlInItsPlace)
{
    SCOPED_TRACE(std::to_string(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX())) + " dpi");
    // The design's places: the windows at 15 twips per pixel.
    setTwipsPerPixelForTests(TwipsPerPixel{15, 15});
    const Places splashDesign = placesOf(&openSplash()), mainDesign = placesOf(&openMain()), passwordDesign = placesOf(&openPassword());
    setTwipsPerPixelForTests(std::nullopt);

    for (QWidget *window : std::initializer_list<QWidget *>{&openSplash(), &openMain(), &openPassword(), &main->ShowTestWindow()}) {
        expectInPlace(window, window == splash.get() ? splashDesign : window == main.get() ? mainDesign : window == main->loadedPasswordDialog() ? passwordDesign : Places());
        expectPicturesWhole(window);
        if (window == main.get()) { // "Delete" too
            main->game.cmdTestMode_Click();
            main->syncWidgetsWithGame();
        }
        expectCaptionsWhole(window);
    }
}

} // namespace
} // namespace jumpline::testing
