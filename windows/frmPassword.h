// The password dialog that guards test mode: a masked text box, "Enter" and "Cancel".
// The main window's hot spot opens it; it is hidden, never closed, so whatever was typed
// before a Cancel is still there the next time. The right access code opens the test window.
#pragma once

#include "windows/ScaleFormToScreen.h"

#include <QWidget>

#include <vector>

class QLineEdit;
class QPushButton;
class frmMain;

class frmPassword : public QWidget {
    Q_OBJECT
public:
    // Made on the first double-click on the main window's hot spot; loads at once.
    explicit frmPassword(frmMain &owner);
    ~frmPassword() override;

    // Shown centred on the main window, or, while it is open, only brought forward.
    void showOverOwner();

protected:
    void keyPressEvent(QKeyEvent *event) override; // Enter is "Enter", Escape is "Cancel"

private:
    void createControls();
    void Form_Load();

    void cmdEnter_Click();
    void cmdCancel_Click();

    frmMain &owner;
    QLineEdit *txtPassword = nullptr;
    QPushButton *cmdEnter = nullptr;
    QPushButton *cmdCancel = nullptr;

    std::vector<jumpline::DesignedControl> designed; // every control with its design twips
};
