// The main window's life: loading, the buttons, keys and the hot spot, the child windows,
// the window moved by its background, and the screen that the game pauses on and speaks
// through.
#include "windows/frmMain.h"

#include "game/Settings.h"
#include "outside/Pause.h"
#include "outside/Random.h"
#include "windows/BoardView.h"
#include "windows/Commentary.h"
#include "windows/Controls.h"
#include "windows/Look.h"
#include "windows/Placement.h"
#include "windows/ScaleFormToScreen.h"
#include "windows/frmPassword.h"
#include "windows/frmTest.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTime>
#include <QTimer>
#include <QWindow>

#include <utility>

using namespace jumpline;

frmMain::frmMain(Settings &settings, Random &random, const PiecePictures &pictures, Screen *outside)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), settings(settings), random(random),
      game(settings, random, *this), pictures(pictures), outside(outside)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Jumpline"));
    createControls();

    connect(board, &BoardView::dropped, this, &frmMain::Square_DragDrop);
    connect(board, &BoardView::said, announcer, &Announcer::say);
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

    // The board keeps the keys: a click on a button does not take them, and Tab goes from
    // the board to Multi Jump, Reset, Exit and the turn display, so that neither Tab nor
    // Shift+Tab puts Reset or Exit one key away from the board.
    setFocusProxy(board);
    for (QWidget *panel : std::initializer_list<QWidget *>{optMultiJump, cmdReset, cmdExit, Shape2}) {
        panel->setFocusPolicy(Qt::TabFocus);
        panel->installEventFilter(this);
    }
    setTabOrder(board, optMultiJump);
    setTabOrder(optMultiJump, cmdReset);
    setTabOrder(cmdReset, cmdExit);
    setTabOrder(cmdExit, Shape2);

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
    ScaleFormToScreen();
    game.NewGame();
    newGameToTell = true;
    afterGame();
}

void frmMain::afterGame()
{
    const Board &position = game.board;
    board->syncWithGame();
    lblPlayer->setText(QString::fromStdString(position.lblPlayer));
    setAccessibleNameOnce(lblPlayer, QString::fromStdString(position.lblPlayer) + QStringLiteral(" turn"));
    setAccessibleNameOnce(Shape2, QString::fromStdString(position.lblPlayer) + QStringLiteral(" turn"));
    {
        const QSignalBlocker blocker(optMultiJump);
        optMultiJump->setChecked(position.optMultiJump.Value == 1);
    }
    const bool red = position.optMultiJump.ForeColor == CaptionColour::Red;
    if (red != captionRed) {
        captionRed = red;
        optMultiJump->setStyleSheet(buttonStyle(red ? QColor(255, 0, 0) : QColor(0, 0, 0)));
    }
    if (testWindow)
        testWindow->showTestMode(settings.blnTestMode);
    speak();
}

// What happened, said at once: the drop or the computer's step with its captures and
// crowning, and the turn; or a new game. Said before the computer's pause and before a
// message box, and after every event, so that each thing is said once, in order.
void frmMain::speak()
{
    QString text = std::exchange(toSay, QString());
    const QString changes = std::exchange(newGameToTell, false)
                                ? QStringLiteral("New game. ") + QString::fromStdString(game.board.lblPlayer) + QStringLiteral(" turn.")
                                : describeChanges(spoken, game.board);
    spoken = game.board;
    announcer->say((text + QLatin1Char(' ') + changes).trimmed());
}

// Every handler that changes the game other than by a drop puts a held piece back first.
void frmMain::Square_DragDrop(std::int16_t square, PieceRef piece)
{
    const Board before = game.board;
    game.Square_DragDrop(square, piece);
    const Board &after = game.board;
    if (before.Red == after.Red && before.Black == after.Black && before.lblPlayer == after.lblPlayer)
        toSay = describeRefusedDrop(before, piece, square);
    afterGame();
}

void frmMain::cmdReset_Click()
{
    board->putBack();
    newGameToTell = game.ClickAdmitted();
    game.cmdReset_Click();
    afterGame();
}

void frmMain::cmdExit_Click()
{
    board->putBack();
    game.cmdExit_Click();
    afterGame();
}

void frmMain::optMultiJump_Clicked(bool pressed)
{
    board->putBack();
    const std::int16_t was = game.board.optMultiJump.Value;
    game.SetMultiJump(pressed);
    if (game.board.optMultiJump.Value != was)
        toSay = pressed ? QStringLiteral("Multi Jump pressed.") : QStringLiteral("Multi Jump released.");
    afterGame(); // a refused click puts the button back as it was
}

void frmMain::cmdTestMode_Click()
{
    board->putBack();
    game.cmdTestMode_Click();
    afterGame();
}

void frmMain::TestWindowClosing()
{
    // Test mode does not outlive the test window, which is gone once closed.
    board->putBack();
    game.TestWindowClosing();
    testWindow = nullptr;
    afterGame();
}

void frmMain::lblPassword_DblClick()
{
    if (!passwordDialog) {
        passwordDialog = new frmPassword(this);
        connect(passwordDialog, &frmPassword::accepted, this, &frmMain::showTestWindow);
        connect(passwordDialog, &frmPassword::cancelled, this, [this] {
            activateWindow();
            setFocus();
        });
    }
    if (!passwordDialog->isVisible()) {
        passwordDialog->move(centredOn(geometry(), passwordDialog->size()));
        passwordDialog->show();
    }
    passwordDialog->raise(); // while it is open, a double-click only brings it forward
    passwordDialog->activateWindow();
}

frmTest &frmMain::loadTestWindow()
{
    if (!testWindow) {
        testWindow = new frmTest(this);
        testWindow->showTestMode(settings.blnTestMode);
        connect(testWindow, &frmTest::cmdTestModeClicked, this, &frmMain::cmdTestMode_Click);
        connect(testWindow, &frmTest::closing, this, &frmMain::TestWindowClosing);
    }
    return *testWindow;
}

void frmMain::showTestWindow()
{
    frmTest &window = loadTestWindow();
    if (!window.isVisible()) // first shown beside the main window
        window.move(besideOrCentred(frameGeometry(), window.frameGeometry().size(), screen()->availableGeometry()));
    window.showAndFocus();
}

frmPassword *frmMain::loadedPasswordDialog() const
{
    return passwordDialog;
}

frmTest *frmMain::loadedTestWindow() const
{
    return testWindow;
}

void frmMain::closeOnExit(QWidget *window)
{
    windowsClosedFirst.emplace_back(window);
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
    const QPoint pointer = std::exchange(pressedAt, std::nullopt).value_or(QCursor::pos());
    if (QWindow *handle = windowHandle(); handle != nullptr && handle->startSystemMove())
        return;
    // No window manager to move it: the window follows the pointer until the button is released.
    moveGrip = pointer - pos();
}

void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    if (moveGrip)
        move(event->globalPosition().toPoint() - *moveGrip);
}

void frmMain::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && moveGrip) {
        move(event->globalPosition().toPoint() - *moveGrip);
        moveGrip.reset();
    }
}

void frmMain::showEvent(QShowEvent *event)
{
    // Every press anywhere in the window passes here first: the mouse is in use again.
    windowHandle()->installEventFilter(this);
    QWidget::showEvent(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::MouseButtonPress) {
        moveGrip.reset();
        board->pointerPressed();
    } else if (event->type() == QEvent::KeyPress && watched != windowHandle()) {
        // On the panel, Escape and the arrows go back to the board.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
            if (!game.ComputerToMove())
                board->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frmMain::focusNextPrevChild(bool next)
{
    // While the computer moves, Tab is refused as every other key is.
    return game.ComputerToMove() || QWidget::focusNextPrevChild(next);
}

void frmMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        board->putBack(); // the window lost the keys: a held piece goes back
    QWidget::changeEvent(event);
}

void frmMain::Pause()
{
    if (ending)
        return;
    board->putBack();
    afterGame(); // the user sees the position the computer is thinking about
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
    // The box takes the mouse: a window move or a drag under way ends here.
    moveGrip.reset();
    board->putBack();
    afterGame();
    newGameToTell = true; // a new game follows every message
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
