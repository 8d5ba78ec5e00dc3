// The main window as a person meets it, offscreen: real widgets, real mouse events sent
// through the window, and what the window shows read back from its pixels. The pause,
// the message box and the end of the program are hooked, so nothing waits or blocks.
#pragma once

#include "game/Settings.h"
#include "support/ScriptedRandom.h"
#include "windows/Pictures.h"
#include "windows/frmMain.h"

#include <QPoint>
#include <QRect>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace jumpline::testing {

// The centre colours of the four pictures; a dark cell is light grey, a light cell white.
inline const QRgb RedManColour = qRgb(200, 30, 30);
inline const QRgb BlackManColour = qRgb(30, 30, 30);
inline const QRgb RedKingColour = qRgb(255, 215, 0);
inline const QRgb BlackKingColour = qRgb(235, 235, 235);

// 50 x 50 pictures on the light grey surround, each with a flat square of its colour in the middle.
PiecePictures flatPictures();

// The centre of cell (col, row) in window pixels.
QPoint cellCentre(int col, int row);

// Where every named control is and whether it shows: a snapshot to compare.
struct WidgetState {
    QRect geometry;
    bool visible = false;
    bool operator==(const WidgetState &) const = default;
};
using WidgetStates = std::map<std::string, WidgetState>;

// The window records what the game asks of the screen instead of waiting or blocking.
class PressCountingMain : public frmMain {
public:
    using frmMain::frmMain;
    int presses = 0; // presses that reached the window itself

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Builds and shows the window with the current settings.
    void open();

    // A drag made of a press, moves and a release, sent through the window.
    void drag(QPoint from, QPoint to);
    void dragCell(int fromCol, int fromRow, int toCol, int toRow);
    void click(const std::string &name);

    // What the board shows, read from the window's pixels, as a picture in the format of
    // Position.h ('?' for a colour that is no piece).
    std::string screenPicture();
    // Whether the control's pixels include its caption drawn in pure red.
    bool showsRedCaption(const std::string &name);

    WidgetStates widgetStates() const;
    QWidget *widget(const std::string &name) const;
    QString text(const std::string &name) const;

    // Puts a position on the board (Red to move) and redraws.
    void setPosition(std::string_view picture);

    Settings settings;
    ScriptedRandom random;
    PiecePictures pictures = flatPictures();
    std::unique_ptr<PressCountingMain> window;

    int pauses = 0;
    std::vector<std::string> messages;
    int exits = 0;
    std::function<void()> duringPause;
    std::function<void(const std::string &)> onMessage;
};

} // namespace jumpline::testing
