// The start-up window: the player chooses the opponent and, for a game between two
// people, which colour moves first; "Start Game" asks for the main window, "Exit" ends the
// program. It owns the game settings of the run, kept in line with its option buttons,
// and stays alive, hidden, until the program ends.
#pragma once

#include "game/Settings.h"
#include "windows/ScaleFormToScreen.h"

#include <QWidget>

#include <vector>

class QFrame;
class QLabel;
class QRadioButton;

namespace jumpline {
class FlatButton;
class PictureBox;
}

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);
    ~frmSplash() override;

    // The game settings of this run, blnTestMode included: the main window reads them live.
    jumpline::Settings &settings() { return gameSettings; }
    const jumpline::Settings &settings() const { return gameSettings; }

signals:
    // "Start Game", once: the receiver makes the main window, shows it and gives it the
    // focus; then this window hides.
    void startGame();

protected:
    void keyPressEvent(QKeyEvent *event) override; // Enter presses Start Game or the focused button, Escape exits

private:
    void createControls();
    void Form_Load();

    void optHuman_Click();
    void optComputer_Click();
    void cmdStart_Click();
    void cmdExit_Click();
    void syncSettings();

    jumpline::Settings gameSettings; // outlives the main window, which reads it
    bool started = false;

    QRadioButton *optHuman = nullptr;
    QRadioButton *optComputer = nullptr;
    QFrame *frmFirst = nullptr;
    QRadioButton *optRed = nullptr;
    QRadioButton *optBlack = nullptr;
    jumpline::FlatButton *cmdStart = nullptr;
    jumpline::FlatButton *cmdExit = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    jumpline::PictureBox *Image1 = nullptr;
    jumpline::PictureBox *Image2 = nullptr;

    std::vector<jumpline::DesignedControl> designed; // every control with its design twips
};
