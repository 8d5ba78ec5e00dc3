// The test window: the switch for test mode ("Test Mode On/Off" and its red caption) and
// the text dump of the board, replaced after every completed drop and after the
// computer's reply. An ordinary window with a title bar and a sizable border. Closing it
// switches test mode off and destroys it; the next dump or the access code loads it afresh.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <string>

class QCloseEvent;
class QLabel;
class QPushButton;
class frmMain;

namespace jumpline {

// Where a window of `size` first opens: beside the main window, to its right or else to
// its left, level with its top; centred in `available` where neither side has room.
QPoint besideOrCentred(const QRect &mainWindow, const QSize &size, const QRect &available);

} // namespace jumpline

class frmTest : public QWidget {
    Q_OBJECT
public:
    // Loaded hidden; the main window shows it when the access code is entered.
    explicit frmTest(frmMain &owner);
    ~frmTest() override;

    // Replaces the dump shown with this one.
    void PrintBoard(const std::string &text);
    // "Test Mode is ON" or "Test Mode is OFF".
    void showTestMode(bool on);

    // Shows the window, at its first position the first time, and gives it the focus.
    void showAndFocus();

signals:
    // The window is closing and will be destroyed: its owner lets go of it.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void cmdTestMode_Click();

    frmMain &owner;
    QLabel *lblDump = nullptr;
    QPushButton *cmdTestMode = nullptr;
    QLabel *lblTestMode = nullptr;
    bool placed = false;
};
