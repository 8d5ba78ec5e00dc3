// The windows offscreen, as a person meets them: real widgets, real mouse and key events
// sent through the window, and the board read back from the window's pixels. The pause,
// the message box and the end of the program are hooked, so nothing waits or blocks.
#pragma once

#include "support/Position.h"
#include "support/ScriptedRandom.h"
#include "windows/frmMain.h"
#include "windows/frmPassword.h"
#include "windows/frmSplash.h"
#include "windows/frmTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace jumpline::testing {

inline QPoint cellCentre(int c, int r) { return {cellLeftPx(c) + CellSizePx / 2, cellTopPx(r) + CellSizePx / 2}; }

inline QWidget *find(const QWidget *in, const char *name)
{
    QWidget *found = in->findChild<QWidget *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << "no control named " << name;
    return found;
}

inline QString labelText(const QWidget *in, const char *name) { return qobject_cast<QLabel *>(find(in, name))->text(); }

// Whether any pixel of the widget shows this colour (a caption in pure red, say).
inline bool shows(QWidget *widget, QRgb colour)
{
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) == colour)
                return true;
    return false;
}

inline void click(QWidget *widget, QPoint at = {}) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }

// A left click through the window at one of its points: it goes to whatever takes the mouse there.
inline void clickAt(QWidget *window, QPoint at) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at); }

class WindowTest : public ::testing::Test {
protected:
    // The main window with the current settings.
    void open()
    {
        owned = std::make_unique<frmMain>(settings, random, pictures);
        hook(*owned);
        owned->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(owned.get()));
    }

    // The start-up window; its "Start Game" makes a main window hooked like open()'s.
    void openSplash()
    {
        splash = std::make_unique<frmSplash>([this](Settings &chosen) {
            auto made = std::make_unique<frmMain>(chosen, random, pictures);
            hook(*made);
            return made;
        });
        splash->setExitHook([this] { ++exits; });
        splash->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(splash.get()));
    }

    // A press, four moves and a release sent through the main window. Each event goes to
    // the window's point under the hand, also while the window moves.
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QWindow *handle = window->windowHandle();
        const QPoint start = handle->mapToGlobal(from);
        const QPoint end = handle->mapToGlobal(to);
        const auto at = [&](int k) { return handle->mapFromGlobal(start + (end - start) * k / 4); };
        QTest::mousePress(handle, button, {}, at(0));
        for (int k = 1; k <= 4; ++k)
            QTest::mouseMove(handle, at(k));
        QTest::mouseRelease(handle, button, {}, at(4));
    }
    void dragCell(int col, int row, int toCol, int toRow) { drag(cellCentre(col, row), cellCentre(toCol, toRow)); }

    // Whether a left press there starts a drag; released where pressed.
    bool dragStartsAt(QPoint at)
    {
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at);
        const bool started = window->dragging();
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at);
        return started;
    }

    QWidget *widget(const char *name) const { return find(window, name); }
    QString player() const { return labelText(window, "lblPlayer"); }

    // The board as the window shows it, in the format of Position.h: a piece by its
    // picture's centre colour, '.' for an empty cell in its own colour, '?' for anything else.
    std::string screenPicture() const
    {
        const QImage shown = window->grab().toImage();
        const std::pair<char, QRgb> pieces[] = {// the committed pictures' flat centre colours
                                                {'r', qRgb(200, 30, 30)}, {'R', qRgb(255, 215, 0)},
                                                {'b', qRgb(30, 30, 30)}, {'B', qRgb(235, 235, 235)}};
        std::string picture;
        for (int row = 1; row <= BoardSize; ++row) {
            for (int col = 1; col <= BoardSize; ++col) {
                const QRgb at = shown.pixel(cellCentre(col, row)) | 0xFF000000u;
                char symbol = at == (isDark({col, row}) ? qRgb(192, 192, 192) : qRgb(255, 255, 255)) ? '.' : '?';
                for (const auto &[piece, colour] : pieces)
                    symbol = at == colour ? piece : symbol;
                picture += symbol;
                picture += col < BoardSize ? ' ' : '\n';
            }
        }
        return picture;
    }

    // Where every named control of the main window is and whether it shows.
    std::map<std::string, std::pair<QRect, bool>> widgetStates() const
    {
        std::map<std::string, std::pair<QRect, bool>> states;
        for (const QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->objectName().isEmpty())
                states[child->objectName().toStdString()] = {child->geometry(), child->isVisible()};
        return states;
    }

    void startGame() { clickAt(splash.get(), find(splash.get(), "cmdStart")->geometry().center()); }

    // The password dialog, opened by a double-click on the hot spot (17 x 17 px at (592, 328)).
    frmPassword *openPassword()
    {
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, {600, 336});
        return window->loadedPasswordDialog();
    }
    QLineEdit *passwordBox() const { return window->loadedPasswordDialog()->findChild<QLineEdit *>(); }
    void type(const char *typed) { QTest::keyClicks(passwordBox(), QLatin1String(typed)); }
    // "cmdEnter" or "cmdCancel", clicked in the middle of its rounded shape.
    void pressInDialog(const char *button) { click(find(window->loadedPasswordDialog(), button), {29, 13}); }

    frmTest *testWindow() const { return window->loadedTestWindow(); }
    void clickTestMode() { click(find(testWindow(), "cmdTestMode")); }
    QString testModeCaption() const { return labelText(testWindow(), "lblTestMode"); }
    std::string shownDump() const { return labelText(testWindow(), "lblDump").toStdString(); }

    Settings settings;
    ScriptedRandom random;
    PiecePictures pictures = loadPiecePictures({QStringLiteral(JUMPLINE_SOURCE_DIR "/Images")}).pictures.value();
    std::unique_ptr<frmSplash> splash;
    frmMain *window = nullptr; // open()'s, or the one "Start Game" made

    int pauses = 0;
    int exits = 0;

private:
    void hook(frmMain &made)
    {
        window = &made;
        made.setPauseHook([this] { ++pauses; });
        made.setMessageHook([](const std::string &) {});
        made.setExitHook([this] { ++exits; });
    }

    std::unique_ptr<frmMain> owned;
};

} // namespace jumpline::testing
