// The windows offscreen, as a person meets them: real widgets, real mouse and key events sent
// through the windows, and their looks compared with pictures kept beside the tests. The game
// runs on a fake screen, so no pause waits and no message box blocks.
#pragma once

#include "support/Support.h"
#include "windows/frmMain.h"
#include "windows/frmPassword.h"
#include "windows/frmSplash.h"
#include "windows/frmTest.h"

#include <QDir>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace jumpline::testing {

inline QPoint centreOf(Cell c) { return {cellLeftPx(c.col) + CellSizePx / 2, cellTopPx(c.row) + CellSizePx / 2}; }
inline QWidget *child(const QWidget *window, const std::string &name) { return window->findChild<QWidget *>(QString::fromStdString(name)); }
inline std::string text(const QWidget *window, const char *name) { return qobject_cast<QLabel *>(child(window, name))->text().toStdString(); }

// The window as it shows on the screen (outside its rounded outline in magenta) is the same,
// pixel for pixel, as tests/windows/looks/NAME.png. JUMPLINE_UPDATE_LOOKS=1 draws the
// pictures anew; a different look is saved as NAME.png in the working directory.
void expectLooks(QWidget *window, const char *name);

class Windows : public ::testing::Test {
protected:
    ~Windows() override { setTwipsPerPixelForTests(std::nullopt); }

    frmMain &open()
    {
        main = std::make_unique<frmMain>(settings, random, pictures, &screen);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        return *main;
    }
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
    static void keys(QWidget *widget, std::initializer_list<QKeyCombination> pressed)
    {
        for (const QKeyCombination key : pressed)
            QTest::keyClick(widget, key.key(), key.keyboardModifiers());
    }
    // The password dialog, opened by a double-click on the hot spot (17 x 17 px at (592, 328)).
    frmPassword &openPassword()
    {
        QTest::mouseDClick(main->windowHandle(), Qt::LeftButton, {}, {600, 336});
        return *main->loadedPasswordDialog();
    }

    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    PiecePictures pictures = [] { // as the program finds them, in Images/ under the working directory
        const QString here = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(JUMPLINE_SOURCE_DIR));
        const PictureLoad loaded = loadPiecePictures();
        QDir::setCurrent(here);
        return loaded.pictures.value();
    }();
    std::unique_ptr<frmMain> main;
};

} // namespace jumpline::testing
