// The test window: its switch and what may be dragged after it, free placement and
// "Delete" by real drags, the board dump, and its life: loaded hidden by the first dump,
// closed (switching test mode off) and loaded afresh, closed by Exit in its turn.

#include "SplashRig.h"
#include "TestModeRig.h"

#include "support/Position.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace jumpline::testing {
namespace {

using TestWindowTest = TestModeTest;

QString dumpOf(const Board &board)
{
    return QString::fromStdString(board.PrintBoard());
}

// Lets Qt delete the windows that closed.
void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Move {
    int fromCol, fromRow, toCol, toRow;
};

TEST_F(TestWindowTest, FirstDumpLoadsItWithoutShowingIt)
{
    open();
    EXPECT_EQ(test(), nullptr) << "nothing is printed before the first move";
    dragCell(3, 6, 3, 4); // refused: no dump
    EXPECT_EQ(test(), nullptr);

    dragCell(3, 6, 4, 5);
    frmTest *loaded = test();
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->isVisible());
    EXPECT_EQ(testModeCaption(), "Test Mode is OFF");
    EXPECT_EQ(shownDump(), dumpOf(window->game.board));

    dragCell(2, 3, 1, 4);
    EXPECT_EQ(test(), loaded) << "one test window takes every dump";
    EXPECT_FALSE(loaded->isVisible());
    EXPECT_EQ(shownDump(), dumpOf(window->game.board));
}

TEST_F(TestWindowTest, DumpFollowsTheMoveAndTheComputersReply)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    openTestWindow();
    QString dumpDuringPause, boardDuringPause;
    duringPause = [&] {
        dumpDuringPause = shownDump();
        boardDuringPause = dumpOf(window->game.board);
    };
    dragCell(3, 6, 4, 5);

    EXPECT_EQ(dumpDuringPause, boardDuringPause);
    EXPECT_EQ(dumpDuringPause, "   -1    -1    -1    -1 \n"
                               "-1    -1    -1    -1 \n"
                               "   -1    -1    -1    -1 \n"
                               " 0     0     0     0 \n"
                               "    0     1     0     0 \n"
                               " 1     0     1     1 \n"
                               "    1     1     1     1 \n"
                               " 1     1     1     1 \n"
                               " \n"
                               "AI Moves =  0 \n");
    EXPECT_EQ(shownDump(), dumpOf(window->game.board)) << "the reply is printed too";
    EXPECT_TRUE(shownDump().endsWith("AI Moves =  1 \n")) << shownDump().toStdString();
}

struct SwitchCase {
    const char *name;
    Settings::Opponent opponent;
    std::vector<Move> before;
    bool redToMove;
};

TEST_F(TestWindowTest, SwitchDecidesWhichPiecesMayBeDragged)
{
    const SwitchCase cases[] = {
        {"Red to move between people", Settings::Opponent::Human, {}, true},
        {"Black to move between people", Settings::Opponent::Human, {{3, 6, 4, 5}}, false},
        {"Red to move against the computer", Settings::Opponent::Computer, {}, true},
    };
    const QPoint redMan = cellCentre(1, 6);
    const QPoint blackMan = cellCentre(2, 3);
    for (const SwitchCase &c : cases) {
        SCOPED_TRACE(c.name);
        settings.opponent = c.opponent;
        open();
        for (const Move &m : c.before)
            dragCell(m.fromCol, m.fromRow, m.toCol, m.toRow);
        openTestWindow();
        const bool blackPlays = c.opponent == Settings::Opponent::Human;
        ASSERT_EQ(dragStartsAt(redMan), c.redToMove);
        ASSERT_EQ(dragStartsAt(blackMan), !c.redToMove && blackPlays);

        clickTestMode();
        EXPECT_EQ(testModeCaption(), "Test Mode is ON");
        EXPECT_TRUE(widget("Square(32)")->isVisible());
        EXPECT_TRUE(widget("Square(32)")->isEnabled());
        EXPECT_TRUE(dragStartsAt(redMan));
        EXPECT_TRUE(dragStartsAt(blackMan));

        clickTestMode();
        EXPECT_EQ(testModeCaption(), "Test Mode is OFF");
        EXPECT_FALSE(widget("Square(32)")->isVisible());
        EXPECT_EQ(dragStartsAt(redMan), c.redToMove);
        // Switching off disables the side not on move and leaves the side on move as it is.
        EXPECT_EQ(dragStartsAt(blackMan), !c.redToMove);
        EXPECT_EQ(text("lblPlayer"), c.redToMove ? "Red's" : "Black's");
        EXPECT_EQ(screenPicture(), piecesPicture(window->game.board)) << "nothing moved";
    }
}

TEST_F(TestWindowTest, SwitchDuringTheComputersPauseLetsNothingMoveMeanwhile)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    openTestWindow();
    QString captionOn;
    bool deleteShown = false, anyDrag = true;
    duringPause = [&] {
        clickTestMode();
        captionOn = testModeCaption();
        deleteShown = widget("Square(32)")->isVisible();
        anyDrag = dragStartsAt(cellCentre(1, 6)) || dragStartsAt(cellCentre(2, 1));
        clickTestMode(); // off while Black is to move
    };
    dragCell(3, 6, 4, 5);

    EXPECT_EQ(captionOn, "Test Mode is ON");
    EXPECT_TRUE(deleteShown);
    EXPECT_FALSE(anyDrag) << "no piece moves while the computer thinks";
    EXPECT_EQ(testModeCaption(), "Test Mode is OFF");
    EXPECT_EQ(window->game.board.intAIMoves, 1);
    EXPECT_TRUE(dragStartsAt(cellCentre(1, 6))) << "Red is on move again";
    EXPECT_FALSE(dragStartsAt(cellCentre(2, 1)));
}

struct PlaceCase {
    const char *name;
    const char *piece;
    Cell from;
    QPoint to;
    Cell target;
    std::int16_t value;
};

// A point in the free margin around a piece: it lies on the dark cell, not on the piece.
QPoint marginOf(int col, int row, int dx, int dy)
{
    return {cellLeftPx(col) + dx, cellTopPx(row) + dy};
}

TEST_F(TestWindowTest, AnyPieceGoesAnywhereByMouse)
{
    // kPlacement: Black(0) the king on (5, 2), Red(0) the king on (6, 3), Black(1) on (4, 5), Red(1) on (3, 6).
    const PlaceCase cases[] = {
        {"a red man to an empty square", "Red(1)", {3, 6}, cellCentre(2, 5), {2, 5}, RedMan},
        {"a red man to the far row, uncrowned", "Red(1)", {3, 6}, cellCentre(8, 1), {8, 1}, RedMan},
        {"a black man, not on move, to the far row", "Black(1)", {4, 5}, cellCentre(7, 8), {7, 8}, BlackMan},
        {"a red king backwards", "Red(0)", {6, 3}, cellCentre(7, 6), {7, 6}, RedKing},
        {"a black king", "Black(0)", {5, 2}, cellCentre(2, 1), {2, 1}, BlackKing},
        {"a red man onto the black man's square, by its margin", "Red(1)", {3, 6}, marginOf(4, 5, 3, 3), {4, 5},
         RedMan},
        {"a black king onto the red king's square, by its margin", "Black(0)", {5, 2}, marginOf(6, 3, 60, 60), {6, 3},
         BlackKing},
        {"a black man onto its own square", "Black(1)", {4, 5}, marginOf(4, 5, 60, 3), {4, 5}, BlackMan},
    };
    for (const PlaceCase &c : cases) {
        SCOPED_TRACE(c.name);
        settings.blnTestMode = false; // as the start-up window sets it
        open();
        setPosition(kPlacement);
        openTestWindow();
        clickTestMode();

        drag(cellCentre(c.from.col, c.from.row), c.to);

        const Board &board = window->game.board;
        EXPECT_EQ(board.intBoard(c.target), c.value);
        if (c.target != c.from) {
            EXPECT_EQ(board.intBoard(c.from), Empty);
        }
        EXPECT_EQ(widget(c.piece)->pos(), QPoint(pieceLeftPx(c.target.col), pieceTopPx(c.target.row)));
        EXPECT_TRUE(widget(c.piece)->isVisible());
        for (const char *name : {"Red(0)", "Red(1)", "Black(0)", "Black(1)"})
            EXPECT_TRUE(widget(name)->isVisible()) << name << ": nothing is taken";
        EXPECT_EQ(text("lblPlayer"), "Red's") << "the turn does not pass";
        EXPECT_EQ(shownDump(), dumpOf(board)) << "every drop is printed";
    }
}

struct DeleteCase {
    const char *name;
    const char *widgetName;
    PieceRef piece;
    Cell from;
    QPoint on; // in the free margin of "Delete" (536, 24) 64 x 64
};

TEST_F(TestWindowTest, DeleteParksThePieceAndClearsItsSquare)
{
    const DeleteCase cases[] = {
        {"a black man, by the bottom-left margin", "Black(1)", {Colour::Black, 1}, {4, 5}, {536 + 4, 24 + 58}},
        {"a red king, by the right margin", "Red(0)", {Colour::Red, 0}, {6, 3}, {536 + 60, 24 + 30}},
        {"a red man, by the caption", "Red(1)", {Colour::Red, 1}, {3, 6}, {536 + 12, 24 + 6}},
    };
    for (const DeleteCase &c : cases) {
        SCOPED_TRACE(c.name);
        settings.blnTestMode = false; // as the start-up window sets it
        open();
        setPosition(kPlacement);
        openTestWindow();
        clickTestMode();
        const std::array<bool, PieceCount> kings = window->game.board.blnRedKing;

        drag(cellCentre(c.from.col, c.from.row), c.on);

        const Board &board = window->game.board;
        EXPECT_FALSE(widget(c.widgetName)->isVisible());
        EXPECT_EQ(board.intBoard(c.from), Empty);
        EXPECT_EQ(board.piece(c.piece).Left, ParkLeftPx * 15);
        EXPECT_EQ(board.piece(c.piece).Top, ParkTopPx * 15);
        EXPECT_EQ(board.blnRedKing, kings) << "a deleted king keeps its flag";
        EXPECT_EQ(text("lblPlayer"), "Red's");
        EXPECT_EQ(shownDump(), dumpOf(board));
    }
}

struct CloseCase {
    const char *name;
    std::vector<Move> before;
    bool byExit;
};

TEST_F(TestWindowTest, ClosingItSwitchesTestModeOff)
{
    const CloseCase cases[] = {
        {"its close box, Red to move", {}, false},
        {"its close box, Black to move", {{3, 6, 4, 5}}, false},
        {"Exit on the main window, Red to move", {}, true},
        {"Exit on the main window, Black to move", {{3, 6, 4, 5}}, true},
    };
    for (const CloseCase &c : cases) {
        SCOPED_TRACE(c.name);
        open();
        exits = 0;
        for (const Move &m : c.before)
            dragCell(m.fromCol, m.fromRow, m.toCol, m.toRow);
        const bool redToMove = c.before.empty();
        openTestWindow();
        clickTestMode();
        ASSERT_TRUE(settings.blnTestMode);
        const QPointer<frmTest> closing = test();

        if (c.byExit)
            click("cmdExit");
        else
            test()->close();

        EXPECT_FALSE(settings.blnTestMode);
        EXPECT_FALSE(widget("Square(32)")->isVisibleTo(window.get()));
        EXPECT_FALSE(widget("Square(32)")->isEnabled());
        const Board &board = window->game.board;
        for (std::size_t i = 0; i < PieceCount; ++i) {
            EXPECT_EQ(board.Red[i].Enabled, redToMove) << "Red(" << i << ")";
            EXPECT_EQ(board.Black[i].Enabled, !redToMove) << "Black(" << i << ")";
        }
        EXPECT_EQ(test(), nullptr);
        deleteClosedWindows();
        EXPECT_TRUE(closing.isNull()) << "closed is destroyed";
        EXPECT_EQ(exits, c.byExit ? 1 : 0);
    }
}

TEST_F(TestWindowTest, ClosingItWithTestModeOffChangesNothing)
{
    open();
    dragCell(3, 6, 4, 5);
    openTestWindow();
    const WidgetStates before = widgetStates();
    const Board board = window->game.board;
    test()->close();
    EXPECT_EQ(widgetStates(), before);
    EXPECT_EQ(window->game.board, board);
    EXPECT_EQ(test(), nullptr);
}

TEST_F(TestWindowTest, ClosedItComesBackAfreshWithTestModeOff)
{
    for (const bool byCode : {false, true}) {
        SCOPED_TRACE(byCode ? "by the access code" : "by the next dump");
        open();
        setPosition(kPlacement);
        openTestWindow();
        clickTestMode();
        drag(cellCentre(3, 6), cellCentre(2, 5)); // printed on the old window
        test()->close();
        deleteClosedWindows();
        ASSERT_EQ(test(), nullptr);

        if (byCode) {
            openPassword();
            type("krov");
            pressInDialog("cmdEnter");
        } else {
            dragCell(2, 5, 1, 4);
        }
        ASSERT_NE(test(), nullptr);
        EXPECT_EQ(test()->isVisible(), byCode);
        EXPECT_EQ(testModeCaption(), "Test Mode is OFF");
        EXPECT_EQ(shownDump(), byCode ? QString() : dumpOf(window->game.board));
    }
}

TEST_F(TestWindowTest, LaidOutWithAReadableDump)
{
    open();
    frmTest *shown = openTestWindow();
    EXPECT_EQ(shown->windowTitle(), "Test Window");
    EXPECT_FALSE(shown->windowFlags().testFlag(Qt::FramelessWindowHint)) << "a title bar and a border";
    EXPECT_TRUE(shown->mask().isEmpty()) << "not shaped";

    const auto *button = shown->findChild<QPushButton *>("cmdTestMode");
    auto *caption = shown->findChild<QLabel *>("lblTestMode");
    const auto *dump = shown->findChild<QLabel *>("lblDump");
    ASSERT_TRUE(button != nullptr && caption != nullptr && dump != nullptr);
    EXPECT_EQ(button->text(), "Test Mode On/Off");
    EXPECT_EQ(button->size(), QSize(105, 25));
    EXPECT_EQ(caption->size(), QSize(105, 17));
    EXPECT_EQ(button->y(), 8);
    EXPECT_EQ(caption->y(), 40);
    EXPECT_EQ(caption->x(), button->x());
    EXPECT_GE(button->x(), 112);
    EXPECT_EQ(shown->width() - (button->x() + button->width()), 4) << "the design's right margin";
    EXPECT_TRUE(caption->alignment().testFlag(Qt::AlignHCenter));
    bool red = false;
    const QImage captionPixels = caption->grab().toImage();
    for (int y = 0; y < captionPixels.height(); ++y)
        for (int x = 0; x < captionPixels.width(); ++x)
            red = red || (captionPixels.pixel(x, y) | 0xFF000000u) == qRgb(255, 0, 0);
    EXPECT_TRUE(red) << "the caption is pure red";

    // The widest dump there can be fits, in a fixed-pitch font, beside the controls.
    const QFontMetrics metrics = dump->fontMetrics();
    for (const QChar c : QStringLiteral("-AIMoves=0123456789"))
        EXPECT_EQ(metrics.horizontalAdvance(c), metrics.horizontalAdvance(QLatin1Char(' ')))
            << "'" << c.toLatin1() << "'";
    Board widest;
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            widest.intBoard(col, row) = BlackKing;
    widest.intAIMoves = -32768;
    shown->PrintBoard(widest.PrintBoard());
    EXPECT_LE(dump->x(), 8);
    EXPECT_LE(dump->y(), 8);
    EXPECT_TRUE(dump->geometry().contains(QRect(dump->pos(), dump->sizeHint())))
        << "needs " << dump->sizeHint().width() << " x " << dump->sizeHint().height();
    EXPECT_FALSE(dump->geometry().intersects(button->geometry()));
    EXPECT_FALSE(dump->geometry().intersects(caption->geometry()));
    EXPECT_TRUE(shown->rect().contains(dump->geometry()));
}

struct PlacementCase {
    const char *name;
    QRect screen;
    QRect main;
    QPoint expected;
};

TEST(TestWindowPlacement, BesideTheMainWindowOrCentredOnTheScreen)
{
    const QRect wide(0, 0, 1600, 900);
    const QSize size(290, 200);
    const PlacementCase cases[] = {
        {"room on the right", wide, {100, 100, 618, 518}, {726, 100}},
        {"just room on the right", wide, {684, 0, 618, 518}, {1310, 0}},
        {"no room on the right: on the left", wide, {1000, 150, 618, 518}, {702, 150}},
        {"no room on either side: centred", {0, 0, 1024, 768}, {203, 125, 618, 518}, {367, 284}},
        {"a screen that does not start at 0", {1600, 0, 1024, 768}, {1803, 125, 618, 518}, {1967, 284}},
        {"a main window low on the screen: as low as there is room", wide, {100, 800, 618, 518}, {726, 700}},
        {"a main window above the screen: level with its top", wide, {100, -50, 618, 518}, {726, 0}},
    };
    for (const PlacementCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(besideOrCentred(c.main, size, c.screen), c.expected);
    }
}

// Exit: the start-up window, then the test window through its close rule, then the main window.
struct ExitCase {
    const char *name;
    bool shownWithTestModeOn;
};

using ExitOrderTest = SplashTest;

TEST_F(ExitOrderTest, ExitClosesStartUpWindowThenTestWindowThenMainWindow)
{
    const ExitCase cases[] = {{"shown, test mode on", true}, {"loaded hidden by a dump", false}};
    for (const ExitCase &c : cases) {
        SCOPED_TRACE(c.name);
        open();
        mainExits = 0;
        click("cmdStart");
        ASSERT_NE(main(), nullptr);
        if (c.shownWithTestModeOn) {
            frmTest &shown = main()->ShowTestWindow();
            QTest::mouseClick(shown.findChild<QPushButton *>("cmdTestMode"), Qt::LeftButton);
            ASSERT_TRUE(splash->settings().blnTestMode);
        } else {
            QWindow *handle = main()->windowHandle();
            QTest::mousePress(handle, Qt::LeftButton, {}, cellCentre(3, 6));
            QTest::mouseMove(handle, cellCentre(4, 5));
            QTest::mouseRelease(handle, Qt::LeftButton, {}, cellCentre(4, 5));
            ASSERT_NE(main()->loadedTestWindow(), nullptr);
            ASSERT_FALSE(main()->loadedTestWindow()->isVisible());
        }
        CloseRecorder recorder;
        recorder.watch(splash.get());
        recorder.watch(main()->loadedTestWindow());
        recorder.watch(main());

        const QWidget *exit = main()->findChild<QWidget *>("cmdExit");
        QTest::mouseClick(main()->windowHandle(), Qt::LeftButton, {}, exit->geometry().center());

        EXPECT_EQ(recorder.closed, (std::vector<std::string>{"frmSplash", "frmTest", "frmMain"}));
        EXPECT_FALSE(splash->settings().blnTestMode);
        EXPECT_EQ(main()->loadedTestWindow(), nullptr);
        EXPECT_EQ(mainExits, 1);
        deleteClosedWindows();
    }
}

} // namespace
} // namespace jumpline::testing
