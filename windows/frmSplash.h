// The start-up window: the player chooses the opponent and, for a game between two
// people, which colour moves first; "Start Game" opens the main window, "Exit" ends the
// program. It owns the game settings of the run, kept in line with its option buttons,
// and stays alive, hidden, until the program ends.
#pragma once

#include "game/Settings.h"
#include "windows/ScaleFormToScreen.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QFrame;
class QPushButton;
class QLabel;
class QRadioButton;
class frmMain;

namespace jumpline {
class PictureBox;
}

class frmSplash : public QWidget {
    Q_OBJECT
public:
    // Makes the main window for "Start Game", reading these settings live.
    using MakeMainWindow = std::function<std::unique_ptr<frmMain>(jumpline::Settings &)>;

    explicit frmSplash(MakeMainWindow makeMainWindow, QWidget *parent = nullptr);
    ~frmSplash() override;

    // The game settings of this run, blnTestMode included.
    jumpline::Settings &settings() { return gameSettings; }
    const jumpline::Settings &settings() const { return gameSettings; }

    // The main window, once "Start Game" has made it.
    frmMain *mainWindow() const { return main.get(); }

protected:
    void keyPressEvent(QKeyEvent *event) override; // Enter starts the game, Escape exits

private:
    void createControls();
    void Form_Load();

    void optHuman_Click();
    void optComputer_Click();
    void cmdStart_Click();
    void cmdExit_Click();
    void syncSettings();

    jumpline::Settings gameSettings; // outlives the main window, which reads it
    MakeMainWindow makeMainWindow;
    std::unique_ptr<frmMain> main;

    QRadioButton *optHuman = nullptr;
    QRadioButton *optComputer = nullptr;
    QFrame *frmFirst = nullptr;
    QRadioButton *optRed = nullptr;
    QRadioButton *optBlack = nullptr;
    QPushButton *cmdStart = nullptr;
    QPushButton *cmdExit = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    jumpline::PictureBox *Image1 = nullptr;
    jumpline::PictureBox *Image2 = nullptr;

    std::vector<jumpline::DesignedControl> designed; // every control with its design twips
};
