// The main window with its password dialog and test window, offscreen: the hot spot
// double-clicked, the code typed, the test window's button clicked, all through real
// mouse and key events.
#pragma once

#include "WindowRig.h"
#include "windows/frmPassword.h"
#include "windows/frmTest.h"

#include <QPoint>
#include <QString>

#include <string_view>

class QLineEdit;

namespace jumpline::testing {

// The hot spot, lblPassword: 17 x 17 px at (592, 328) on the main window.
inline const QPoint HotSpot(592 + 8, 328 + 8);

// A red man on (3, 6), a red king on (6, 3), a black man on (4, 5), a black king on (5, 2).
inline constexpr std::string_view kPlacement = ". . . . . . . .\n"
                                               ". . . . B . . .\n"
                                               ". . . . . R . .\n"
                                               ". . . . . . . .\n"
                                               ". . . b . . . .\n"
                                               ". . r . . . . .\n"
                                               ". . . . . . . .\n"
                                               ". . . . . . . .\n";

class TestModeTest : public WindowTest {
protected:
    // A double-click (or a single click) at a point of the main window.
    void doubleClickAt(QPoint at);
    void singleClickAt(QPoint at);

    // Double-clicks the middle of the hot spot; the dialog that shows (null if none).
    frmPassword *openPassword();
    frmPassword *password() const { return window->loadedPasswordDialog(); }
    QLineEdit *passwordBox() const;
    // Types into the password box, key by key.
    void type(const QString &text);
    // Clicks "Enter" or "Cancel" in the middle of its rounded shape.
    void pressInDialog(const char *button);

    frmTest *test() const { return window->loadedTestWindow(); }
    // Opens the test window as the access code does.
    frmTest *openTestWindow();
    // Clicks "Test Mode On/Off".
    void clickTestMode();
    QString testModeCaption() const;
    QString shownDump() const;

    // Whether a left press on this point of the main window starts a drag. The button is
    // released where it was pressed: a piece dropped on itself, or a window moved by nothing.
    bool dragStartsAt(QPoint at);
};

} // namespace jumpline::testing
