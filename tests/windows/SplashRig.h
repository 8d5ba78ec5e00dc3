// The start-up window as a person meets it, offscreen, with the main window that its
// "Start Game" makes: the main window's pause, message box and end of the program are
// hooked, and so is the start-up window's own end of the program.
#pragma once

#include "WindowRig.h"
#include "windows/ScaleFormToScreen.h"
#include "windows/frmSplash.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace jumpline::testing {

// For as long as it lives, every window that loads sees this many twips per pixel.
class TwipsPerPixelOverride {
public:
    explicit TwipsPerPixelOverride(TwipsPerPixel ratio) { setTwipsPerPixelForTests(ratio); }
    ~TwipsPerPixelOverride() { setTwipsPerPixelForTests(std::nullopt); }
    TwipsPerPixelOverride(const TwipsPerPixelOverride &) = delete;
    TwipsPerPixelOverride &operator=(const TwipsPerPixelOverride &) = delete;
};

// Records the close of the windows it watches, in order.
class CloseRecorder : public QObject {
public:
    void watch(QWidget *window);
    std::vector<std::string> closed; // object names
protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

class SplashTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Builds and shows the start-up window.
    void open();

    // A left click at a point of the start-up window, sent through the window as the
    // mouse would: it goes to whatever takes the mouse there.
    void clickAt(QPoint inWindow);
    // A left click at the centre of the named control.
    void click(const std::string &name);
    // A left click on an option button's caption.
    void choose(const std::string &option);

    QWidget *widget(const std::string &name) const;
    // The control's rectangle in the start-up window's pixels.
    QRect placed(const std::string &name) const;

    // The main window that "Start Game" made; null before.
    PressCountingMain *main() const;

    ScriptedRandom random;
    PiecePictures pictures = flatPictures();
    std::unique_ptr<frmSplash> splash;

    int mainWindowsMade = 0;
    int splashExits = 0; // the start-up window ended the program
    int mainExits = 0;   // the main window ended the program
    int pauses = 0;
};

} // namespace jumpline::testing
