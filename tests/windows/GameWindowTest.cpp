// The main window's buttons, messages, pauses and end, driven through its widgets.

#include "WindowRig.h"

#include "game/Game.h"
#include "support/FakeScreen.h"
#include "support/Position.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace jumpline::testing {
namespace {

using GameWindowTest = WindowTest;

bool pressed(QWidget *button)
{
    return qobject_cast<QPushButton *>(button)->isChecked();
}

// A black man at (4, 5) that the red man at (3, 6) can take: the last black piece.
constexpr std::string_view kLastBlackMan = ". . . . . . . .\n"
                                           ". . . . . . . .\n"
                                           ". . . . . . . .\n"
                                           ". . . . . . . .\n"
                                           ". . . b . . . .\n"
                                           ". . r . . . . .\n"
                                           ". . . . . . . .\n"
                                           ". . . . . . . .\n";
constexpr std::string_view kLastBlackManTaken = ". . . . . . . .\n"
                                                ". . . . . . . .\n"
                                                ". . . . . . . .\n"
                                                ". . . . r . . .\n"
                                                ". . . . . . . .\n"
                                                ". . . . . . . .\n"
                                                ". . . . . . . .\n"
                                                ". . . . . . . .\n";

TEST_F(GameWindowTest, ResetRestoresOpeningPosition)
{
    open();
    const WidgetStates opening = widgetStates();
    dragCell(3, 6, 4, 5);
    dragCell(6, 3, 5, 4);
    dragCell(4, 5, 6, 3); // takes the man on (5, 4)
    ASSERT_FALSE(widget("Black(10)")->isVisible());
    click("optMultiJump");
    ASSERT_TRUE(showsRedCaption("optMultiJump"));

    click("cmdReset");
    EXPECT_EQ(widgetStates(), opening);
    EXPECT_EQ(screenPicture(), kOpeningPicture);
    EXPECT_EQ(text("lblPlayer"), "Red's");
    EXPECT_FALSE(pressed(widget("optMultiJump")));
    EXPECT_FALSE(showsRedCaption("optMultiJump"));
}

TEST_F(GameWindowTest, MultiJumpCaptionIsRedOnlyWhilePressed)
{
    open();
    EXPECT_FALSE(showsRedCaption("optMultiJump"));
    click("optMultiJump");
    EXPECT_TRUE(pressed(widget("optMultiJump")));
    EXPECT_TRUE(showsRedCaption("optMultiJump"));
    click("optMultiJump");
    EXPECT_FALSE(pressed(widget("optMultiJump")));
    EXPECT_FALSE(showsRedCaption("optMultiJump"));
    EXPECT_EQ(text("lblPlayer"), "Red's") << "releasing before any capture keeps the turn";
}

TEST_F(GameWindowTest, MultiJumpReleaseAfterCapturePassesTurn)
{
    open();
    dragCell(3, 6, 4, 5);
    dragCell(6, 3, 5, 4);
    click("optMultiJump");
    dragCell(4, 5, 6, 3);
    EXPECT_EQ(text("lblPlayer"), "Red's") << "with Multi Jump pressed a capture keeps the turn";
    EXPECT_TRUE(pressed(widget("optMultiJump")));
    EXPECT_EQ(screenPicture().substr(32, 32), ". b . b . r . b\n"
                                              ". . . . . . . .\n");

    click("optMultiJump");
    EXPECT_EQ(text("lblPlayer"), "Black's");
    EXPECT_FALSE(pressed(widget("optMultiJump")));
    EXPECT_FALSE(showsRedCaption("optMultiJump"));
}

TEST_F(GameWindowTest, VictorMessageShowsTheWinningPositionThenNewGame)
{
    open();
    setPosition(kLastBlackMan);
    std::string shownDuringMessage;
    onMessage = [&](const std::string &) { shownDuringMessage = screenPicture(); };
    dragCell(3, 6, 5, 4);
    EXPECT_EQ(messages, std::vector<std::string>{"Red is the victor!"});
    EXPECT_EQ(shownDuringMessage, kLastBlackManTaken);
    EXPECT_EQ(screenPicture(), kOpeningPicture);
    EXPECT_EQ(text("lblPlayer"), "Red's");
}

TEST_F(GameWindowTest, MessageBoxIsPlainWithTitleAndOneOkButton)
{
    open();
    window->setMessageHook(nullptr);
    setPosition(kLastBlackMan);

    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Critical;
        qsizetype buttons = 0;
        bool buttonIcon = true;
        bool applicationModal = false;
        bool readable = false; // not the main window's black
    } seen;
    int answered = 0;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, window.get(), [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->buttons().size(),
                !box->buttons().front()->icon().isNull(), box->windowModality() == Qt::ApplicationModal,
                box->palette().color(QPalette::Window) != QColor(Qt::black)};
        ++answered;
        box->button(QMessageBox::Ok)->click();
    });
    answerer.start(10);
    dragCell(3, 6, 5, 4);
    answerer.stop();

    ASSERT_EQ(answered, 1);
    EXPECT_EQ(seen.title, "Jumpline");
    EXPECT_EQ(seen.text, "Red is the victor!");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_FALSE(seen.buttonIcon);
    EXPECT_TRUE(seen.applicationModal);
    EXPECT_TRUE(seen.readable);
    EXPECT_EQ(screenPicture(), kOpeningPicture);
}

// What the core alone makes of the same Red move with the same random numbers.
std::string computerAnswer(int fromCol, int fromRow, int toCol, int toRow)
{
    Settings settings;
    settings.opponent = Settings::Opponent::Computer;
    ScriptedRandom random;
    FakeScreen screen;
    Game game(settings, random, screen);
    game.NewGame();
    const Board opening = game.board;
    const std::optional<std::size_t> red = [&]() -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < PieceCount; ++i)
            if (opening.cellOf(opening.Red[i]) == Cell{fromCol, fromRow})
                return i;
        return std::nullopt;
    }();
    EXPECT_TRUE(red.has_value());
    game.Square_DragDrop(static_cast<std::int16_t>(squareIndex({toCol, toRow})),
                         {Colour::Red, static_cast<std::int16_t>(red.value_or(0))});
    return piecesPicture(game.board);
}

TEST_F(GameWindowTest, ComputerAnswersRedDropOnTheWidgets)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    QString turnDuringPause;
    std::string shownDuringPause;
    duringPause = [&] {
        turnDuringPause = text("lblPlayer");
        shownDuringPause = screenPicture();
    };
    dragCell(3, 6, 4, 5);

    EXPECT_GE(pauses, 1);
    EXPECT_EQ(turnDuringPause, "Black's");
    EXPECT_EQ(shownDuringPause, kAfterRedNineStepsPicture);
    const std::string answered = computerAnswer(3, 6, 4, 5);
    EXPECT_NE(answered, shownDuringPause);
    EXPECT_EQ(screenPicture(), answered);
    EXPECT_EQ(text("lblPlayer"), "Red's");
}

TEST_F(GameWindowTest, ButtonsDuringComputerPauseChangeNothing)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    duringPause = [&] {
        click("cmdReset");
        click("cmdExit");
        click("optMultiJump");
    };
    dragCell(3, 6, 4, 5);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(window->game.board.intAIMoves, 1);
    EXPECT_EQ(screenPicture(), computerAnswer(3, 6, 4, 5));
    // Multi Jump toggles, but its handler refuses the click: the caption stays black.
    EXPECT_TRUE(pressed(widget("optMultiJump")));
    EXPECT_FALSE(showsRedCaption("optMultiJump"));
}

TEST_F(GameWindowTest, NoDragStartsDuringComputerPause)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    bool dragStarted = true;
    duringPause = [&] {
        // Test mode, switched on from the test window meanwhile, enables every piece.
        window->game.cmdTestMode_Click();
        window->syncWidgetsWithGame();
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, cellCentre(5, 6));
        dragStarted = window->dragging();
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, cellCentre(6, 5));
    };
    dragCell(3, 6, 4, 5);
    EXPECT_FALSE(dragStarted);
    EXPECT_EQ(screenPicture(), computerAnswer(3, 6, 4, 5));
}

TEST_F(GameWindowTest, PauseRunsTheEventLoopWhileTheComputerWaits)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    window->setPauseHook(nullptr);
    bool ranDuringPause = false, computerToMove = false;
    QString turn;
    window->setPauseLength([&] {
        QTimer::singleShot(0, window.get(), [&] {
            ranDuringPause = true;
            computerToMove = window->game.ComputerToMove();
            turn = text("lblPlayer");
            click("cmdReset");
        });
        return 5;
    });
    dragCell(3, 6, 4, 5);
    EXPECT_TRUE(ranDuringPause);
    EXPECT_TRUE(computerToMove);
    EXPECT_EQ(turn, "Black's");
    EXPECT_EQ(screenPicture(), computerAnswer(3, 6, 4, 5));
}

class ClosingRecorder : public QWidget {
public:
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        onClose();
        QWidget::closeEvent(event);
    }
};

TEST_F(GameWindowTest, ExitClosesOtherWindowsFirstThenEnds)
{
    open();
    ClosingRecorder other;
    bool mainShownWhenOtherClosed = false;
    other.onClose = [&] { mainShownWhenOtherClosed = window->isVisible(); };
    other.show();
    window->closeOnExit(&other);

    dragCell(3, 6, 4, 5); // Exit works whichever side is to move in a game between people
    click("cmdExit");
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(other.isVisible());
    EXPECT_TRUE(mainShownWhenOtherClosed);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(GameWindowTest, ClosingDuringComputerPauseEndsTheProgram)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    duringPause = [&] { window->close(); };
    dragCell(3, 6, 4, 5);
    EXPECT_EQ(exits, 1) << "closing is not refused on the computer's turn";
    EXPECT_FALSE(window->isVisible());
    window->Pause();
    window->ShowMessage("Red is the victor!");
    EXPECT_EQ(pauses, 1) << "once ending, a pause returns at once";
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace jumpline::testing
