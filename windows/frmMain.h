// The main window: the board, the pieces and the panel with the turn display, Multi Jump,
// Reset, Exit and the hidden spot that opens the password dialog. It owns the game, hands
// every drop and click to it, and redraws from the game's data; it is also the screen the
// game pauses on and speaks through. It owns the password dialog and the test window too.
#pragma once

#include "game/Game.h"
#include "game/Screen.h"
#include "windows/Pictures.h"
#include "windows/ScaleFormToScreen.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPushButton;
class frmPassword;
class frmTest;

namespace jumpline {
class ClickLabel;
class DragOutline;
class PictureBox;
class PieceWidget;
class Random;
class RoundedFrame;
struct DesignRect;
struct Settings;
} // namespace jumpline

class frmMain : public QWidget, public jumpline::Screen {
    Q_OBJECT
public:
    // The settings are read live; the random generator is seeded when the window loads.
    frmMain(jumpline::Settings &settings, jumpline::Random &random, const jumpline::PiecePictures &pictures,
            QWidget *parent = nullptr);
    frmMain(jumpline::Settings &&, jumpline::Random &, const jumpline::PiecePictures &, QWidget * = nullptr) = delete;
    ~frmMain() override;

    jumpline::Game game;

    // Brings every widget into line with game.board.
    void syncWidgetsWithGame();

    // Moves this window with the mouse, as a press on a title bar would, until the left
    // button is released: by the window manager, or where there is none by following the
    // pointer itself.
    void MoveFormMouse();

    // Seams for tests and for the other windows.
    void setPauseHook(std::function<void()> hook);                      // instead of waiting
    void setPauseLength(std::function<int()> milliseconds);             // instead of the clock
    void setMessageHook(std::function<void(const std::string &)> hook); // instead of the box
    void setExitHook(std::function<void()> hook);                       // instead of ending the program
    void closeOnExit(QWidget *window); // closed, in the order given, before the test window and this one on exit

    // Shows the test window (loading it first if need be) and gives it the focus.
    frmTest &ShowTestWindow();
    // The password dialog and the test window while they are loaded; null before and,
    // for the test window, after it was closed.
    frmPassword *loadedPasswordDialog() const { return passwordDialog.get(); }
    frmTest *loadedTestWindow() const { return testWindow.get(); }

    const std::string &boardDump() const { return lastDump; }
    bool dragging() const { return drag.has_value(); }

    // jumpline::Screen
    void Pause() override;
    void ShowMessage(const std::string &text) override;
    void ShowBoardDump(const std::string &text) override;
    void EndProgram() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override; // the left button moves the window
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    QWidget *control(const jumpline::DesignRect &design) const;

    void Form_Load();
    void ApplyRoundedRegions();
    void ScaleFormToScreen();
    QRect onScreen(const QRect &designPixels) const; // a drawn shape's design pixels, converted

    void cmdReset_Click();
    void cmdExit_Click();
    void optMultiJump_Clicked(bool checked);
    void lblPassword_DblClick();

    frmTest &loadTestWindow(); // hidden, if it was not loaded

    bool startDrag(jumpline::PieceRef piece, QPoint pressInPiece);
    void finishDrag(QPoint releasePoint);
    std::optional<std::int16_t> dropSquare(const QWidget *target) const;
    void releaseGrab();

    jumpline::Settings &settings;
    jumpline::Random &random;
    jumpline::PiecePictures pictures;

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
    jumpline::DragOutline *outline = nullptr;

    struct Drag {
        jumpline::PieceRef piece;
        QPoint pressInPiece;
    };
    std::optional<Drag> drag;
    bool captionRed = false;

    jumpline::Ratios scaling;          // of the load: intTwipsX/Y and the screen's own ratio
    std::optional<QPoint> pressedAt;   // where the press that moves the window was made
    std::optional<QPoint> moveGrip;    // pointer minus window position, while it follows the pointer

    std::string lastDump;
    bool ending = false;
    std::vector<QPointer<QWidget>> windowsClosedFirst;
    std::unique_ptr<frmPassword> passwordDialog; // made on first use, then only hidden
    std::unique_ptr<frmTest> testWindow;         // made on first use, destroyed when closed

    std::function<void()> pauseHook;
    std::function<int()> pauseLength;
    std::function<void(const std::string &)> messageHook;
    std::function<void()> exitHook;
};
