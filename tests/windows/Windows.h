// What the window tests share: the main window, the start-up window and the dialogs opened
// and driven with real mouse and key events, offscreen, on a fake screen (so no pause waits
// and no message box blocks), and the pixels a window shows.
#pragma once

#include "support/Support.h"
#include "support/WindowRuns.h"
#include "windows/Controls.h"
#include "windows/Resources.h"
#include "windows/ScaleFormToScreen.h"
#include "windows/frmMain.h"
#include "windows/frmPassword.h"
#include "windows/frmSplash.h"
#include "windows/frmTest.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace jumpline::testing {

inline QWidget *child(const QWidget *window, const std::string &name) { return window->findChild<QWidget *>(QString::fromStdString(name)); }
inline std::string text(const QWidget *window, const char *name) { return qobject_cast<QLabel *>(child(window, name))->text().toStdString(); }
inline std::string square(int k) { return "Square(" + std::to_string(k) + ")"; }

// The window's pixels at `at` (all of it by default) as the screen shows them: magenta outside its rounded outline.
inline QImage shot(QWidget *window, QRect at = {})
{
    at = at.isNull() ? window->rect() : at;
    QImage image = window->grab(at).toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setClipRegion(QRegion(image.rect()) - (window->mask().isEmpty() ? QRegion(window->rect()) : window->mask()).translated(-at.topLeft()));
    painter.fillRect(image.rect(), Qt::magenta);
    return image;
}

// Sets up a position as a test needs it, and reaches what only the window's own handlers do.
struct MainWindowPosition {
    static void set(frmMain &window, const Board &board)
    {
        window.game.board = board;
        window.afterGame();
    }
    static void switchTestMode(frmMain &window) { window.cmdTestMode_Click(); }
};

class Windows : public ::testing::Test {
protected:
    ~Windows() override { setTwipsPerPixelForTests(std::nullopt); }
    // What a screen reader is told without asking, from now on: the text of each notification
    // shown, in order.
    struct Listener : QObject {
        std::vector<std::string> said;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            const QAccessibleInterface *note = QAccessible::queryAccessibleInterface(watched);
            if (event->type() == QEvent::Show && note->role() == QAccessible::Notification && note->parent()->role() == QAccessible::StatusBar)
                said.push_back(note->text(QAccessible::Name).toStdString());
            return false;
        }
    } listener;
    void listen()
    {
        for (QWidget *note : main->findChildren<QWidget *>("announcement"))
            note->installEventFilter(&listener);
    }
    std::vector<std::string> heard() { return std::exchange(listener.said, {}); }

    template <typename Window> static Window &shown(Window &window)
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }
    frmMain &open()
    {
        shown(*(main = std::make_unique<frmMain>(settings, random, pictures, &screen)));
        main->setFocus();
        return *main;
    }
    frmSplash &openSplash()
    {
        main.reset();
        splash = std::make_unique<frmSplash>();
        QObject::connect(splash.get(), &frmSplash::startGame, [this] {
            main = std::make_unique<frmMain>(splash->settings(), random, pictures, &screen);
            main->closeOnExit(splash.get());
            shown(*main).setFocus();
        });
        return shown(*splash);
    }
    const Board &board() const { return main->currentGame().board; }
    void setPosition(const char *picture, bool redToMove = true) { MainWindowPosition::set(*main, boardFromPicture(picture, redToMove)); }
    // A press, moves and a release, each at the window's point under the hand as it moves.
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QWindow *handle = main->windowHandle();
        const QPoint start = handle->mapToGlobal(from), end = handle->mapToGlobal(to);
        QTest::mousePress(handle, button, {}, from);
        for (int k = 1; k <= 4; ++k)
            QTest::mouseMove(handle, handle->mapFromGlobal(start + (end - start) * k / 4));
        QTest::mouseRelease(handle, button, {}, handle->mapFromGlobal(end));
    }
    void dragPiece(Cell from, Cell to) { drag(centreOf(from), centreOf(to)); }
    static void click(QWidget *window, QPoint at) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at); }
    static void press(QWidget *window, const char *button) { click(window, child(window, button)->geometry().center()); }
    // Keys as the window system delivers them: to the window, on to its focused control.
    static void keys(QWidget *window, std::initializer_list<QKeyCombination> pressed)
    {
        for (const QKeyCombination key : pressed)
            QTest::keyClick(window->windowHandle(), key.key(), key.keyboardModifiers());
    }
    void keys(std::initializer_list<QKeyCombination> pressed) { keys(main.get(), pressed); }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    // The password dialog, opened by a double-click on the hot spot (17 x 17 px at (592, 328)).
    frmPassword &openPassword()
    {
        QTest::mouseDClick(main->windowHandle(), Qt::LeftButton, {}, {600, 336});
        return *main->loadedPasswordDialog();
    }
    frmTest &openTestWindow()
    {
        frmPassword &dialog = openPassword();
        QTest::keyClicks(dialog.findChild<QLineEdit *>(), QStringLiteral("krov"));
        press(&dialog, "cmdEnter");
        return *main->loadedTestWindow();
    }

    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    PiecePictures pictures = loadPiecePictures().pictures.value(); // from Images/ beside the tests, as the program reads them
    std::unique_ptr<frmMain> main;
    std::unique_ptr<frmSplash> splash;
    QWidget elsewhere; // another program's window
};

} // namespace jumpline::testing
