// The main window's controls, their places on the screen and the drawn part of the board.
#include "windows/MainLayout.h"

#include "windows/Controls.h"
#include "windows/Fit.h"
#include "windows/Look.h"
#include "windows/RoundedRegion.h"
#include "windows/frmMain.h"

#include <QPainter>
#include <QPushButton>

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

namespace {

const QColor LightCell(0xFF, 0xFF, 0xFF);
const QColor KeyboardFocus(0x00, 0x60, 0xFF);

// A dark cell: light grey, a flat one-pixel black border.
void makeDarkCell(ClickLabel *cell)
{
    fillWith(cell, LightGrey);
    setTextColour(cell, Qt::black);
    cell->setFrameStyle(QFrame::Box | QFrame::Plain);
    cell->setLineWidth(1);
}

} // namespace

void frmMain::createControls()
{
    for (const DesignRect &design : MainDesign) {
        const auto index = static_cast<std::int16_t>(design.index);
        QWidget *widget = nullptr;
        switch (design.control) {
        case Control::Square: {
            auto *cell = new ClickLabel(this);
            makeDarkCell(cell);
            Square[static_cast<std::size_t>(index)] = cell;
            widget = cell;
            break;
        }
        case Control::Black:
        case Control::Red: {
            const PieceRef ref{design.control == Control::Red ? Colour::Red : Colour::Black, index};
            auto *piece = new PieceWidget([this, ref](QPoint grip) { return startDrag(ref, grip); }, this);
            fillWith(piece, LightGrey);
            pieceWidget(ref) = piece;
            widget = piece;
            break;
        }
        case Control::Image1:
            Image1 = new PictureBox(this);
            Image1->setPicture(QPixmap(QStringLiteral(":/banner.png")));
            Image1->setEnabled(false); // presses on the banner reach the window
            Image1->setAccessibleName(QStringLiteral("Jumpline"));
            widget = Image1;
            break;
        case Control::lblPassword:
            widget = lblPassword = new ClickLabel(this);
            lblPassword->setAccessibleName(QStringLiteral("Test mode"));
            break;
        case Control::Shape2:
            widget = Shape2 = new RoundedFrame(this);
            Shape2->setAccessibleName(QStringLiteral("Turn display"));
            break;
        case Control::lblPlayer:
        case Control::lblTurn: {
            auto *label = new ClickLabel(design.control == Control::lblTurn ? QStringLiteral("Turn") : QString(), this);
            label->setFont(designFont(12, true));
            label->setAlignment(Qt::AlignCenter);
            setTextColour(label, Qt::white);
            if (design.control == Control::lblPlayer)
                alsoShows(label, {QStringLiteral("Red's"), QStringLiteral("Black's")});
            (design.control == Control::lblTurn ? lblTurn : lblPlayer) = label;
            widget = label;
            break;
        }
        case Control::optMultiJump:
            optMultiJump = new QPushButton(QStringLiteral("Multi Jump"), this);
            optMultiJump->setCheckable(true);
            optMultiJump->setFont(designFont(8.25, false));
            optMultiJump->setToolTip(QStringLiteral("Press to make a multi jump.  Press again to end turn."));
            optMultiJump->setStyleSheet(buttonStyle(Qt::black));
            widget = optMultiJump;
            break;
        case Control::cmdReset:
        case Control::cmdExit: {
            const bool reset = design.control == Control::cmdReset;
            auto *button = new QPushButton(reset ? QStringLiteral("Reset") : QStringLiteral("Exit"), this);
            button->setFont(designFont(9.75, true));
            button->setStyleSheet(buttonStyle(Qt::black));
            (reset ? cmdReset : cmdExit) = button;
            widget = button;
            break;
        }
        }
        widget->setObjectName(QString::fromStdString(controlName(design.control, design.index)));
    }

    QLabel *deleteSquare = Square[DeleteSquare];
    deleteSquare->setText(QStringLiteral("Delete"));
    deleteSquare->setFont(designFont(8.25, false));
    deleteSquare->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    deleteSquare->hide();
    deleteSquare->setEnabled(false);

    // Above everything: the keyboard's square, then a held piece's outline.
    focusMark = new Outline(KeyboardFocus, this);
    focusMark->setAccessibleName(QStringLiteral("Square of the keys"));
    outline = new Outline(Qt::white, this);
    outline->setAccessibleName(QStringLiteral("Piece held"));

    setTabOrder(cmdExit, cmdReset);
    setTabOrder(cmdReset, optMultiJump);
}

QWidget *frmMain::control(const DesignRect &design) const
{
    const auto element = static_cast<std::size_t>(design.index);
    switch (design.control) {
    case Control::Square: return Square[element];
    case Control::Black: return Black[element];
    case Control::Red: return Red[element];
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
    jumpline::ScaleFormToScreen(controls, MainRules, ratio);
}

QRect frmMain::onScreen(const QRect &designPixels) const
{
    constexpr double twips = DesignTwipsPerPixel;
    return convertedGeometry({designPixels.x() * twips, designPixels.y() * twips, designPixels.width() * twips,
                              designPixels.height() * twips},
                             Conversion::Full, ratio);
}

void frmMain::paintEvent(QPaintEvent *)
{
    // The light cells and the board's outline are drawn; the dark cells are labels.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int row = 1; row <= BoardSize; ++row) {
        for (int col = 1; col <= BoardSize; ++col) {
            if (isDark({col, row}))
                continue;
            const QRect cell = onScreen({cellLeftPx(col), cellTopPx(row), CellSizePx, CellSizePx});
            painter.fillRect(cell, LightCell);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
    const int boardSize = CellPitchPx * (BoardSize - 1) + CellSizePx;
    painter.drawRect(onScreen({CellOriginPx, CellOriginPx, boardSize, boardSize}).adjusted(0, 0, -1, -1));
}
