// The password dialog that guards test mode: a masked text box, "Enter" and "Cancel".
// The main window's hot spot opens it; it is hidden, never closed, so whatever was typed
// before a Cancel is still there the next time. The right access code opens the test
// window, which is the owner's to do.
#pragma once

#include "windows/ScaleFormToScreen.h"

#include <QWidget>

#include <vector>

class QLineEdit;

namespace jumpline {
class FlatButton;
}

class frmPassword : public QWidget {
    Q_OBJECT
public:
    // Made on the first double-click on the main window's hot spot, a window of that
    // owner's; loads at once.
    explicit frmPassword(QWidget *owner);
    ~frmPassword() override;

signals:
    // The access code was entered: the owner shows the test window. The dialog hides.
    void accepted();
    // Cancel: the owner takes the focus back. The dialog hides.
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent *event) override; // Enter is "Enter", Escape is "Cancel"

private:
    void createControls();
    void Form_Load();

    void cmdEnter_Click();
    void cmdCancel_Click();

    QLineEdit *txtPassword = nullptr;
    jumpline::FlatButton *cmdEnter = nullptr;
    jumpline::FlatButton *cmdCancel = nullptr;

    std::vector<jumpline::DesignedControl> designed; // every control with its design twips
};
