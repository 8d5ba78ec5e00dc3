// The main window's life: loading, the controls brought into line with the game, the
// buttons and the hot spot, and the screen that the game pauses on and speaks through.
#include "windows/frmMain.h"

#include "outside/Pause.h"
#include "outside/Random.h"
#include "game/Settings.h"
#include "windows/Controls.h"
#include "windows/Look.h"
#include "windows/MainLayout.h"
#include "windows/Resources.h"
#include "windows/frmPassword.h"
#include "windows/frmTest.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTime>
#include <QTimer>

using namespace jumpline;

namespace {

// A cell as the player names it: column a to h from the left, row 1 to 8 from the bottom.
QString cellName(Cell c)
{
    return QChar(u'a' + c.col - 1) + QString::number(BoardSize + 1 - c.row);
}

QString pieceName(Colour colour, bool king)
{
    return QLatin1String(colour == Colour::Red ? "red " : "black ") + QLatin1String(king ? "king" : "man");
}

// "c3, red man", "d4, empty": what stands on a dark square, as the screen shows it.
QString squareName(const Board &board, int k)
{
    const Cell cell = squareCell(k);
    QString what = QStringLiteral("empty");
    for (const Colour colour : {Colour::Black, Colour::Red}) // red pieces lie above black ones
        for (std::int16_t i = 0; i < PieceCount; ++i)
            if (const Piece &p = board.piece({colour, i}); p.Visible && board.cellOf(p) == cell)
                what = pieceName(colour, board.isKing({colour, i}));
    return cellName(cell) + QStringLiteral(", ") + what;
}

// "Black moved e3 to f4", "Black captured d4 and f6".
QString moveDescription(const MoveRecord &move)
{
    if (move.captured.empty())
        return QStringLiteral("Black moved %1 to %2").arg(cellName(move.from), cellName(move.to));
    QStringList taken;
    for (const Cell c : move.captured)
        taken << cellName(c);
    const QString last = taken.takeLast();
    return QStringLiteral("Black captured ") + (taken.isEmpty() ? last : taken.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last);
}

} // namespace

frmMain::frmMain(Settings &settings, Random &random, const PiecePictures &pictures, Screen *outside)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), game(settings, random, *this), settings(settings),
      random(random), pictures(pictures), outside(outside)
{
    initResources(); // the banner
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Jumpline"));
    setFixedSize(MainWidthPx, MainHeightPx);
    setFocusPolicy(Qt::StrongFocus); // the board takes the keys
    fillWith(this, Qt::black);

    createControls();
    connect(cmdReset, &QPushButton::clicked, this, &frmMain::cmdReset_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(optMultiJump, &QPushButton::clicked, this, &frmMain::optMultiJump_Clicked);
    connect(lblPassword, &ClickLabel::doubleClicked, this, &frmMain::lblPassword_DblClick);
    // Desktop keys for the three buttons; the game's guard refuses them as it refuses clicks.
    const auto shortcut = [this](const QKeySequence &keys, auto handler) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
    };
    shortcut(QKeySequence(Qt::Key_F2), &frmMain::cmdReset_Click);
    shortcut(QKeySequence::New, &frmMain::cmdReset_Click);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &frmMain::cmdExit_Click);
    shortcut(QKeySequence(Qt::Key_M), [this] { optMultiJump_Clicked(game.board.optMultiJump.Value == 0); });

    Form_Load();
    move(screen()->availableGeometry().center() - rect().center()); // opens centred on the screen
}

frmMain::~frmMain() = default;

void frmMain::Form_Load()
{
    random.Randomize();
    ApplyRoundedRegions();
    // Whole numbers of twips per pixel serve every position of the board and the panel.
    const TwipsPerPixel screenRatio = screenTwipsPerPixel(this);
    game.board.intTwipsX = roundToInt16(screenRatio.x);
    game.board.intTwipsY = roundToInt16(screenRatio.y);
    ratio = {static_cast<double>(game.board.intTwipsX), static_cast<double>(game.board.intTwipsY)};
    ScaleFormToScreen();
    game.NewGame();
    syncWidgetsWithGame();
}

jumpline::PieceWidget *&frmMain::pieceWidget(PieceRef piece)
{
    return (piece.colour == Colour::Red ? Red : Black)[static_cast<std::size_t>(piece.index)];
}

void frmMain::syncWidgetsWithGame()
{
    const Board &board = game.board;
    for (std::size_t i = 0; i < PieceCount; ++i) {
        for (const Colour colour : {Colour::Red, Colour::Black}) {
            const PieceRef ref{colour, static_cast<std::int16_t>(i)};
            const Piece &piece = board.piece(ref);
            PieceWidget *widget = pieceWidget(ref);
            widget->move(twipsToPixels(piece.Left, ratio.x), twipsToPixels(piece.Top, ratio.y));
            widget->setPicture(pictures[piece.picture]);
            widget->setVisible(piece.Visible);
            widget->setAccessibleName(pieceName(colour, board.isKing(ref)));
        }
    }
    for (int k = 0; k < SquareCount; ++k)
        Square[static_cast<std::size_t>(k)]->setAccessibleName(squareName(board, k));
    lblPlayer->setText(QString::fromStdString(board.lblPlayer));
    lblPlayer->setAccessibleName(QString::fromStdString(board.lblPlayer) + QStringLiteral(" turn"));
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
    if (keyboardSquare == DeleteSquare && !board.DeleteVisible)
        moveKeyboardFocus(Qt::Key_Left);
    if (testWindow)
        testWindow->showTestMode(settings.blnTestMode);
}

void frmMain::afterGame()
{
    syncWidgetsWithGame();
    if (const auto move = std::exchange(game.computerMove, std::nullopt))
        setAccessibleDescription(moveDescription(*move));
}

void frmMain::cmdReset_Click()
{
    game.cmdReset_Click();
    afterGame();
}

void frmMain::cmdExit_Click()
{
    game.cmdExit_Click();
    afterGame();
}

void frmMain::optMultiJump_Clicked(bool checked)
{
    game.SetMultiJump(checked);
    afterGame(); // a refused click puts the button back as it was
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

void frmMain::closeOnExit(QWidget *window)
{
    windowsClosedFirst.emplace_back(window);
}

void frmMain::Pause()
{
    if (ending)
        return;
    syncWidgetsWithGame(); // the user sees the position the computer is thinking about
    if (outside) {
        outside->Pause();
        return;
    }
    const int milliseconds = pauseMilliseconds(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
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
    // The box takes the mouse: a window move or a drag under way ends here.
    moveGrip.reset();
    putBack();
    if (outside) {
        outside->ShowMessage(text);
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
    // The first dump loads the test window without showing it.
    if (!ending)
        loadTestWindow().PrintBoard(text);
    if (outside)
        outside->ShowBoardDump(text);
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
    if (outside)
        outside->EndProgram();
    else
        QCoreApplication::exit(0); // also leaves a pause that is waiting
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // However the window is closed, the program ends as it does on Exit.
    event->accept();
    EndProgram();
}
