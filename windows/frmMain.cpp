#include "windows/frmMain.h"

#include "game/Pause.h"
#include "game/Random.h"
#include "game/Settings.h"
#include "windows/Controls.h"
#include "windows/Look.h"
#include "windows/MainLayout.h"
#include "windows/Resources.h"
#include "windows/RoundedRegion.h"
#include "windows/frmPassword.h"
#include "windows/frmTest.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QIcon>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTime>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <utility>

using namespace jumpline;

namespace {

const QColor LightCell(0xFF, 0xFF, 0xFF);

// A dark cell: light grey, a flat one-pixel black border.
void makeDarkCell(ClickLabel *cell)
{
    fillWith(cell, LightGrey);
    setTextColour(cell, Qt::black);
    cell->setFrameStyle(QFrame::Box | QFrame::Plain);
    cell->setLineWidth(1);
}

} // namespace

frmMain::frmMain(Settings &settings, Random &random, const PiecePictures &pictures, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), game(settings, random, *this), settings(settings),
      random(random), pictures(pictures)
{
    initResources(); // the banner
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Jumpline"));
    setFixedSize(MainWidthPx, MainHeightPx);
    fillWith(this, Qt::black);

    createControls();
    Form_Load();
    move(screen()->availableGeometry().center() - rect().center()); // opens centred on the screen
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    for (const DesignRect &design : MainDesign) {
        const std::int16_t index = static_cast<std::int16_t>(design.index);
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
            auto *piece = new PieceWidget([this, ref](QPoint press) { return startDrag(ref, press); }, this);
            fillWith(piece, LightGrey);
            (ref.colour == Colour::Red ? Red : Black)[static_cast<std::size_t>(index)] = piece;
            widget = piece;
            break;
        }
        case Control::Image1:
            Image1 = new PictureBox(this);
            Image1->setPicture(QPixmap(QStringLiteral(":/banner.png")));
            Image1->setEnabled(false); // presses on the banner reach the window
            widget = Image1;
            break;
        case Control::lblPassword:
            widget = lblPassword = new ClickLabel(this);
            break;
        case Control::Shape2:
            widget = Shape2 = new RoundedFrame(this);
            break;
        case Control::lblPlayer:
        case Control::lblTurn: {
            auto *label = new ClickLabel(design.control == Control::lblTurn ? QStringLiteral("Turn") : QString(), this);
            label->setFont(designFont(12, true));
            label->setAlignment(Qt::AlignCenter);
            setTextColour(label, Qt::white);
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
            auto *button = new QPushButton(design.control == Control::cmdReset ? QStringLiteral("Reset") : QStringLiteral("Exit"), this);
            button->setFont(designFont(9.75, true));
            button->setStyleSheet(buttonStyle(Qt::black));
            (design.control == Control::cmdReset ? cmdReset : cmdExit) = button;
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

    outline = new DragOutline(this); // created last: above everything

    setTabOrder(cmdExit, cmdReset);
    setTabOrder(cmdReset, optMultiJump);

    connect(cmdReset, &QPushButton::clicked, this, &frmMain::cmdReset_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(optMultiJump, &QPushButton::clicked, this, &frmMain::optMultiJump_Clicked);
    connect(lblPassword, &ClickLabel::doubleClicked, this, &frmMain::lblPassword_DblClick);
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

void frmMain::Form_Load()
{
    random.Randomize();
    ApplyRoundedRegions();
    // The whole numbers serve every board position; the screen's own ratio turns twips into pixels.
    const TwipsPerPixel screenRatio = screenTwipsPerPixel(this);
    game.board.intTwipsX = roundToInt16(screenRatio.x);
    game.board.intTwipsY = roundToInt16(screenRatio.y);
    scaling = {{static_cast<double>(game.board.intTwipsX), static_cast<double>(game.board.intTwipsY)}, screenRatio};
    ScaleFormToScreen();
    game.NewGame();
    syncWidgetsWithGame();
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
    jumpline::ScaleFormToScreen(controls, MainRules, scaling);
}

QRect frmMain::onScreen(const QRect &designPixels) const
{
    constexpr double twips = DesignTwipsPerPixel;
    return convertedGeometry({designPixels.x() * twips, designPixels.y() * twips, designPixels.width() * twips,
                              designPixels.height() * twips},
                             Conversion::Full, scaling);
}

void frmMain::syncWidgetsWithGame()
{
    const Board &board = game.board;
    for (std::size_t i = 0; i < PieceCount; ++i) {
        for (const auto &[widget, piece] : {std::pair{Red[i], &board.Red[i]}, std::pair{Black[i], &board.Black[i]}}) {
            widget->move(twipsToPixels(piece->Left, scaling.real.x), twipsToPixels(piece->Top, scaling.real.y));
            widget->setPicture(pictures[piece->picture]);
            widget->setVisible(piece->Visible);
        }
    }
    lblPlayer->setText(QString::fromStdString(board.lblPlayer));
    {
        const QSignalBlocker blocker(optMultiJump);
        optMultiJump->setChecked(board.optMultiJump.Value == 1);
    }
    const bool red = board.optMultiJump.ForeColor == CaptionColour::Red;
    if (red != captionRed) {
        captionRed = red;
        optMultiJump->setStyleSheet(buttonStyle(red ? QColor(255, 0, 0) : QColor(0, 0, 0)));
    }
    Square[DeleteSquare]->setVisible(board.DeleteVisible);
    Square[DeleteSquare]->setEnabled(board.DeleteEnabled);
    if (testWindow)
        testWindow->showTestMode(settings.blnTestMode);
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

void frmMain::cmdReset_Click()
{
    game.cmdReset_Click();
    syncWidgetsWithGame();
}

void frmMain::cmdExit_Click()
{
    game.cmdExit_Click();
    syncWidgetsWithGame();
}

void frmMain::optMultiJump_Clicked(bool checked)
{
    game.SetMultiJump(checked);
    syncWidgetsWithGame();
}

void frmMain::lblPassword_DblClick()
{
    if (!passwordDialog)
        passwordDialog = std::make_unique<frmPassword>(*this);
    passwordDialog->showOverOwner();
}

frmTest &frmMain::loadTestWindow()
{
    if (!testWindow) {
        testWindow = std::make_unique<frmTest>(*this);
        testWindow->showTestMode(settings.blnTestMode);
        connect(testWindow.get(), &frmTest::unloaded, this, [this] {
            // It deletes itself once its close is done.
            static_cast<void>(testWindow.release());
        });
    }
    return *testWindow;
}

frmTest &frmMain::ShowTestWindow()
{
    frmTest &window = loadTestWindow();
    window.showAndFocus();
    return window;
}

bool frmMain::startDrag(PieceRef piece, QPoint pressInPiece)
{
    if (drag || game.ComputerToMove() || !game.board.piece(piece).Enabled)
        return false;
    const QWidget *widget = (piece.colour == Colour::Red ? Red : Black)[static_cast<std::size_t>(piece.index)];
    drag = Drag{piece, pressInPiece};
    outline->setGeometry(widget->geometry());
    outline->show();
    outline->raise();
    grabMouse();
    return true;
}

void frmMain::mousePressEvent(QMouseEvent *event)
{
    // Presses reach the window where no enabled control takes them: the background, the
    // light cells, the banner, a piece that may not be dragged.
    if (event->button() != Qt::LeftButton)
        return;
    pressedAt = event->globalPosition().toPoint();
    MoveFormMouse();
}

void frmMain::MoveFormMouse()
{
    releaseGrab();
    const QPoint pointer = pressedAt ? *pressedAt : QCursor::pos();
    pressedAt.reset();
    if (QWindow *handle = windowHandle(); handle != nullptr && handle->startSystemMove())
        return;
    // No window manager to move it: the window follows the pointer until the button is released.
    moveGrip = pointer - pos();
    grabMouse();
}

void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    if (drag)
        outline->move(event->position().toPoint() - drag->pressInPiece);
    else if (moveGrip)
        move(event->globalPosition().toPoint() - *moveGrip);
    else
        QWidget::mouseMoveEvent(event);
}

void frmMain::mouseReleaseEvent(QMouseEvent *event)
{
    if (drag && event->button() == Qt::LeftButton) {
        finishDrag(event->position().toPoint());
    } else if (moveGrip && event->button() == Qt::LeftButton) {
        move(event->globalPosition().toPoint() - *moveGrip);
        moveGrip.reset();
        releaseGrab();
    } else {
        QWidget::mouseReleaseEvent(event);
    }
}

void frmMain::finishDrag(QPoint releasePoint)
{
    const PieceRef piece = drag->piece;
    drag.reset();
    outline->hide();
    releaseGrab();
    // Only a dark cell, or "Delete" while it is shown, takes the piece; a release over
    // anything else (a light cell, another piece, the panel) changes nothing.
    if (const auto square = dropSquare(childAt(releasePoint)))
        game.Square_DragDrop(*square, piece);
    syncWidgetsWithGame();
}

std::optional<std::int16_t> frmMain::dropSquare(const QWidget *target) const
{
    if (target == nullptr)
        return std::nullopt;
    const auto found = std::find(Square.begin(), Square.end(), target);
    if (found == Square.end())
        return std::nullopt;
    return static_cast<std::int16_t>(found - Square.begin());
}

void frmMain::releaseGrab()
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

void frmMain::setPauseHook(std::function<void()> hook)
{
    pauseHook = std::move(hook);
}

void frmMain::setPauseLength(std::function<int()> milliseconds)
{
    pauseLength = std::move(milliseconds);
}

void frmMain::setMessageHook(std::function<void(const std::string &)> hook)
{
    messageHook = std::move(hook);
}

void frmMain::setExitHook(std::function<void()> hook)
{
    exitHook = std::move(hook);
}

void frmMain::closeOnExit(QWidget *window)
{
    windowsClosedFirst.emplace_back(window);
}

void frmMain::Pause()
{
    if (ending)
        return;
    syncWidgetsWithGame();
    releaseGrab();
    if (pauseHook) {
        pauseHook();
        return;
    }
    const int milliseconds =
        pauseLength ? pauseLength() : pauseMilliseconds(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
    // The window repaints and takes clicks meanwhile; the game refuses what may not happen now.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void frmMain::ShowMessage(const std::string &text)
{
    if (ending)
        return;
    syncWidgetsWithGame();
    releaseGrab();
    if (messageHook) {
        messageHook(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Jumpline"), QString::fromStdString(text), QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    if (QAbstractButton *ok = box.button(QMessageBox::Ok))
        ok->setIcon(QIcon());
    box.exec();
}

void frmMain::ShowBoardDump(const std::string &text)
{
    lastDump = text;
    // The first dump loads the test window without showing it.
    if (!ending)
        loadTestWindow().PrintBoard(text);
}

void frmMain::EndProgram()
{
    if (ending)
        return;
    ending = true;
    for (const QPointer<QWidget> &window : windowsClosedFirst)
        if (window)
            window->close();
    if (testWindow)
        testWindow->close(); // its own close switches test mode off first
    close();
    if (exitHook)
        exitHook();
    else
        QCoreApplication::exit(0); // also leaves a pause that is waiting
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // However the window is closed, the program ends as it does on Exit.
    event->accept();
    EndProgram();
}
