// The main window: the board (a view of its own, BoardView.h) beside the panel with the
// banner, the turn display, Multi Jump, Reset, Exit and the hidden spot that opens the
// password dialog. It owns the game and keeps it to itself: it hands every drop, click and
// key to the game and brings its widgets into line with the game's data after it; it is
// also the screen that the game pauses on and speaks through. It makes the password dialog
// and the test window, places them beside itself and hears what happens there.
//
// Its code lives in two rooms: frmMain.cpp (its life, the buttons and keys, the window
// moved by its background, the screen side) and MainLayout.cpp (the panel's controls, their
// places and the conversion of the layout).
#pragma once

#include "game/Game.h"
#include "outside/Screen.h"
#include "windows/Pictures.h"

#include <QPointer>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class frmPassword;
class frmTest;

namespace jumpline {
class Announcer;
class BoardView;
class ClickLabel;
class FlatButton;
class PictureBox;
class Random;
class RoundedFrame;
struct DesignRect;
struct Settings;
namespace testing {
struct MainWindowPosition;
}
} // namespace jumpline

class frmMain : public QWidget, private jumpline::Screen {
    Q_OBJECT
public:
    // The settings are read live; the random generator is seeded when the window loads.
    // `outside`, where given, takes over what would wait or end the program: the pause, the
    // message box and the end (tests give a fake); the window's own part (showing the
    // position first, the dump on the test window, closing the windows) stays here.
    frmMain(jumpline::Settings &settings, jumpline::Random &random, const jumpline::PiecePictures &pictures,
            jumpline::Screen *outside = nullptr);
    frmMain(jumpline::Settings &&, jumpline::Random &, const jumpline::PiecePictures &,
            jumpline::Screen * = nullptr) = delete;
    ~frmMain() override;

    // The game as it stands, for reading.
    const jumpline::Game &currentGame() const { return game; }

    // Moves this window with the mouse, as a press on a title bar would, until the left
    // button is released: by the window manager, or where there is none by following the
    // pointer itself.
    void MoveFormMouse();

    // Closed, in the order given, before the test window and this one on exit.
    void closeOnExit(QWidget *window);

    // The password dialog and the test window while they are loaded; null before and,
    // for the test window, after it was closed.
    frmPassword *loadedPasswordDialog() const;
    frmTest *loadedTestWindow() const;

protected:
    void mousePressEvent(QMouseEvent *event) override; // the left button moves the window
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    friend struct jumpline::testing::MainWindowPosition; // tests set up positions

    // jumpline::Screen
    void Pause() override;
    void ShowMessage(const std::string &text) override;
    void ShowBoardDump(const std::string &text) override;
    void EndProgram() override;

    // MainLayout.cpp
    void createControls();
    QWidget *control(const jumpline::DesignRect &design) const;
    void ApplyRoundedRegions();
    void ScaleFormToScreen();

    // frmMain.cpp
    void Form_Load();
    void Square_DragDrop(std::int16_t square, jumpline::PieceRef piece);
    void cmdReset_Click();
    void cmdExit_Click();
    void optMultiJump_Clicked(bool pressed);
    void lblPassword_DblClick();
    void cmdTestMode_Click();
    void TestWindowClosing();
    void showTestWindow();
    frmTest &loadTestWindow(); // hidden, if it was not loaded
    void afterGame();          // the widgets, and what a screen reader hears, after the game has acted
    void speak();              // tells a screen reader what happened since it was last told

    jumpline::Settings &settings;
    jumpline::Random &random;
    jumpline::Game game;
    jumpline::PiecePictures pictures;
    jumpline::Screen *outside;

    jumpline::BoardView *board = nullptr;
    jumpline::PictureBox *Image1 = nullptr;
    jumpline::ClickLabel *lblPassword = nullptr;
    jumpline::RoundedFrame *Shape2 = nullptr;
    jumpline::ClickLabel *lblPlayer = nullptr;
    jumpline::ClickLabel *lblTurn = nullptr;
    jumpline::FlatButton *optMultiJump = nullptr;
    jumpline::FlatButton *cmdReset = nullptr;
    jumpline::FlatButton *cmdExit = nullptr;
    bool captionRed = false;

    jumpline::Announcer *announcer = nullptr;
    jumpline::Board spoken;  // the position a screen reader was last told of
    QString toSay;           // what a handler has to say before the changes
    bool newGameToTell = false;

    std::optional<QPoint> pressedAt; // where the press that moves the window was made
    std::optional<QPoint> moveGrip;  // pointer minus window position, while the window follows it

    bool ending = false;
    std::vector<QPointer<QWidget>> windowsClosedFirst;
    QPointer<frmPassword> passwordDialog; // made on first use, then only hidden
    QPointer<frmTest> testWindow;         // made on first use, gone once closed
};
