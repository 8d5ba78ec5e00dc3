// The main window's panel, every control's place and the conversion of the layout.
#include "windows/MainLayout.h"

#include "windows/BoardView.h"
#include "windows/Controls.h"
#include "windows/Fit.h"
#include "windows/Look.h"
#include "windows/Resources.h"
#include "windows/RoundedRegion.h"
#include "windows/ScaleFormToScreen.h"
#include "windows/frmMain.h"

using namespace jumpline;

namespace jumpline {

std::string controlName(Control control, int index)
{
    const auto element = [index](const char *array) { return std::string(array) + '(' + std::to_string(index) + ')'; };
    switch (control) {
    case Control::Square: return element("Square");
    case Control::Black: return element("Black");
    case Control::Red: return element("Red");
    case Control::Image1: return "Image1";
    case Control::lblPassword: return "lblPassword";
    case Control::Shape2: return "Shape2";
    case Control::lblPlayer: return "lblPlayer";
    case Control::lblTurn: return "lblTurn";
    case Control::optMultiJump: return "optMultiJump";
    case Control::cmdReset: return "cmdReset";
    case Control::cmdExit: return "cmdExit";
    }
    return {};
}

} // namespace jumpline

void frmMain::createControls()
{
    setFixedSize(MainWidthPx, MainHeightPx);
    fillWith(this, Qt::black);
    initResources(); // the banner

    // The banner first, so that "Delete", which the board view brings, lies above it.
    Image1 = new PictureBox(this);
    Image1->setPicture(QPixmap(QStringLiteral(":/banner.png")));
    Image1->setEnabled(false); // presses on the banner reach the window
    Image1->setAccessibleName(QStringLiteral("Jumpline"));
    board = new BoardView(game, pictures, this);

    lblPassword = new ClickLabel(this);
    lblPassword->setAccessibleName(QStringLiteral("Test mode"));
    Shape2 = new RoundedFrame(this);
    Shape2->setAccessibleName(QStringLiteral("Turn display"));
    for (ClickLabel **label : {&lblPlayer, &lblTurn}) {
        *label = new ClickLabel(label == &lblTurn ? QStringLiteral("Turn") : QString(), this);
        (*label)->setFont(designFont(12, true));
        (*label)->setAlignment(Qt::AlignCenter);
        setTextColour(*label, Qt::white);
        if (label == &lblPlayer)
            alsoShows(*label, {QStringLiteral("Red's"), QStringLiteral("Black's")});
    }
    optMultiJump = new FlatButton(QStringLiteral("Multi Jump"), 8.25, false, this);
    optMultiJump->setCheckable(true);
    optMultiJump->setToolTip(QStringLiteral("Press to make a multi jump.  Press again to end turn."));
    cmdReset = new FlatButton(QStringLiteral("Reset"), 9.75, true, this);
    cmdExit = new FlatButton(QStringLiteral("Exit"), 9.75, true, this);
    announcer = new Announcer(this);

    for (const DesignRect &design : MainDesign) // "Square(17)", "Red(9)", "cmdReset"
        control(design)->setObjectName(QString::fromStdString(controlName(design.control, design.index)));
}

QWidget *frmMain::control(const DesignRect &design) const
{
    switch (design.control) {
    case Control::Square: return board->square(design.index);
    case Control::Black: return board->piece({Colour::Black, static_cast<std::int16_t>(design.index)});
    case Control::Red: return board->piece({Colour::Red, static_cast<std::int16_t>(design.index)});
    case Control::Image1: return Image1;
    case Control::lblPassword: return lblPassword;
    case Control::Shape2: return Shape2;
    case Control::lblPlayer: return lblPlayer;
    case Control::lblTurn: return lblTurn;
    case Control::optMultiJump: return optMultiJump;
    case Control::cmdReset: return cmdReset;
    case Control::cmdExit: return cmdExit;
    }
    return nullptr;
}

void frmMain::ApplyRoundedRegions()
{
    ApplyRoundedRegion(this, 1, 1, 618, 518, 15, 15);
    ApplyRoundedRegion(cmdReset, 5, 5, 67, 28, 15, 15);
    ApplyRoundedRegion(cmdExit, 5, 5, 67, 28, 15, 15);
    ApplyRoundedRegion(optMultiJump, 9, 11, 71, 32, 15, 15);
}

void frmMain::ScaleFormToScreen()
{
    std::vector<DesignedControl> controls;
    controls.reserve(MainDesign.size());
    for (const DesignRect &design : MainDesign)
        controls.push_back({control(design), {static_cast<double>(design.Left), static_cast<double>(design.Top),
                                              static_cast<double>(design.Width), static_cast<double>(design.Height)}});
    jumpline::ScaleFormToScreen(controls, MainRules, {static_cast<double>(game.board.intTwipsX), static_cast<double>(game.board.intTwipsY)});
}
