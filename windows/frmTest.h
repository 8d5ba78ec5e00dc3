// The test window: the switch for test mode ("Test Mode On/Off" and its red caption) and
// the text dump of the board, replaced after every completed drop and after the
// computer's reply. An ordinary window with a title bar and a sizable border, a window of
// the main window's. What its button does, and that closing it switches test mode off, is
// the main window's to do; closed, it is destroyed, and the next dump or the access code
// loads it afresh.
#pragma once

#include <QWidget>

#include <string>

class QCloseEvent;
class QLabel;
class QPushButton;

class frmTest : public QWidget {
    Q_OBJECT
public:
    // Loaded hidden; the main window shows it when the access code is entered.
    explicit frmTest(QWidget *owner);
    ~frmTest() override;

    // Replaces the dump shown with this one.
    void PrintBoard(const std::string &text);
    // "Test Mode is ON" or "Test Mode is OFF".
    void showTestMode(bool on);

    // Shows the window and gives it the focus: Space switches test mode.
    void showAndFocus();

signals:
    // "Test Mode On/Off" was clicked.
    void cmdTestModeClicked();
    // The window is closing and will be destroyed.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();

    QLabel *lblDump = nullptr;
    QPushButton *cmdTestMode = nullptr;
    QLabel *lblTestMode = nullptr;
};
