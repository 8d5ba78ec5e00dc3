// The main window: the board, the pieces and the panel with the turn display, Multi Jump,
// Reset, Exit and the hidden spot that opens the password dialog. It owns the game, hands
// every drop, click and key to it, and redraws from the game's data; it is also the screen
// the game pauses on and speaks through. It owns the password dialog and the test window.
//
// Its code lives in three rooms: frmMain.cpp (its life, the controls' state, the screen
// side), MainLayout.cpp (the controls, their places and the drawn board) and MainInput.cpp
// (the mouse and the keyboard: dragging a piece, moving the window, playing by keys).
#pragma once

#include "game/Game.h"
#include "outside/Screen.h"
#include "windows/Pictures.h"
#include "windows/ScaleFormToScreen.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPushButton;
class frmPassword;
class frmTest;

namespace jumpline {
class ClickLabel;
class Outline;
class PictureBox;
class PieceWidget;
class Random;
class RoundedFrame;
struct DesignRect;
struct Settings;
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

    jumpline::Game game;

    // Brings every widget into line with game.board.
    void syncWidgetsWithGame();

    // Moves this window with the mouse, as a press on a title bar would, until the left
    // button is released: by the window manager, or where there is none by following the
    // pointer itself.
    void MoveFormMouse();

    // Closed, in the order given, before the test window and this one on exit.
    void closeOnExit(QWidget *window);

    // Shows the test window (loading it first if need be) and gives it the focus.
    frmTest &ShowTestWindow();
    // The password dialog and the test window while they are loaded; null before and,
    // for the test window, after it was closed.
    frmPassword *loadedPasswordDialog() const { return passwordDialog.get(); }
    frmTest *loadedTestWindow() const { return testWindow.get(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override; // the left button moves the window
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
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
    QRect onScreen(const QRect &designPixels) const; // design pixels, converted as the controls are

    // frmMain.cpp
    void Form_Load();
    void cmdReset_Click();
    void cmdExit_Click();
    void optMultiJump_Clicked(bool checked);
    void lblPassword_DblClick();
    void afterGame(); // the widgets, and what a screen reader hears, after the game has acted
    frmTest &loadTestWindow(); // hidden, if it was not loaded
    jumpline::PieceWidget *&pieceWidget(jumpline::PieceRef piece); // the piece's place in Red or Black

    // MainInput.cpp
    bool startDrag(jumpline::PieceRef piece, QPoint grip, bool byKeys = false);
    void dropOn(QWidget *target);
    void putBack();
    void moveKeyboardFocus(int key);
    void pickUpOrDrop();
    void showKeyboardFocus(bool shown);
    QWidget *focusedSquare() const;

    jumpline::Settings &settings;
    jumpline::Random &random;
    jumpline::PiecePictures pictures;
    jumpline::Screen *outside;

    std::array<jumpline::ClickLabel *, jumpline::SquareCount + 1> Square{};
    std::array<jumpline::PieceWidget *, jumpline::PieceCount> Red{};
    std::array<jumpline::PieceWidget *, jumpline::PieceCount> Black{};
    jumpline::PictureBox *Image1 = nullptr;
    jumpline::ClickLabel *lblPassword = nullptr;
    jumpline::RoundedFrame *Shape2 = nullptr;
    jumpline::ClickLabel *lblPlayer = nullptr;
    jumpline::ClickLabel *lblTurn = nullptr;
    QPushButton *optMultiJump = nullptr;
    QPushButton *cmdReset = nullptr;
    QPushButton *cmdExit = nullptr;
    jumpline::Outline *focusMark = nullptr; // around the square the keys have reached
    jumpline::Outline *outline = nullptr;   // where a held piece would go

    jumpline::TwipsPerPixel ratio; // intTwipsX and intTwipsY: twips to pixels on this window

    // A piece held: by the mouse (grip: where it was pressed, inside the piece) or by keys.
    struct Drag {
        jumpline::PieceRef piece;
        QPoint grip;
        bool byKeys = false;
    };
    std::optional<Drag> drag;
    std::optional<QPoint> pressedAt; // where the press that moves the window was made
    std::optional<QPoint> moveGrip;  // pointer minus window position, while the window follows it
    int keyboardSquare = 20;         // Square(k) that the arrow keys have reached
    int squareBeforeDelete = 3;      // where the Left key goes back to from "Delete"
    bool captionRed = false;

    bool ending = false;
    std::vector<QPointer<QWidget>> windowsClosedFirst;
    std::unique_ptr<frmPassword> passwordDialog; // made on first use, then only hidden
    std::unique_ptr<frmTest> testWindow;         // made on first use, destroyed when closed
};
