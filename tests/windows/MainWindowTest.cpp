// The main window: how it looks on screens of several densities, drags by the mouse, play by
// the keys, the guard during the computer's pause, what a screen reader hears, moving the
// window, the message box and the end of the program.
#include "Rig.h"

#include "windows/Controls.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace jumpline::testing {
namespace {

const std::string kOpeningShown = boardPicture(boardFromPicture(kOpening));

std::string after(Cell from, Cell to) // the opening after one move
{
    Board board = boardFromPicture(kOpening);
    std::swap(board.intBoard(from), board.intBoard(to));
    return boardPicture(board);
}

std::string accessibleName(QWidget *widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString(); }

TEST_F(Windows, MainWindowKeepsItsLookOnEveryScreen)
{
    expectLooks(&open(), "main");
    main->game.board = boardFromPicture("1:.R...... 5:...r.... 8:B.......");
    main->game.cmdTestMode_Click();
    main->game.SetMultiJump(true);
    main->syncWidgetsWithGame();
    expectLooks(main.get(), "main-kings-test-mode-multi-jump");
    // Fonts two points smaller below 15 twips per pixel, every control at its pixel place.
    for (const double ratio : {12.0, 11.52, 8.57, 7.5}) {
        setTwipsPerPixelForTests(TwipsPerPixel{ratio, ratio});
        expectLooks(&open(), "main-12");
    }
    setTwipsPerPixelForTests(TwipsPerPixel{15, 12});
    expectLooks(&open(), "main");
    for (const auto &[dpi, twips] : {std::pair{96.0, 15.0}, {120.0, 12.0}, {125.0, 11.52}, {0.0, 60.0}, {2e6, 1.0}})
        EXPECT_DOUBLE_EQ(twipsFromDotsPerInch(dpi), twips) << dpi << " dpi";
}

TEST_F(Windows, ADragShowsAnOutlineAndDropsOnlyOnADarkSquareOfThisWindow)
{
    open();
    QWidget *piece = child(main.get(), "Red(9)");
    const auto outlines = main->findChildren<Outline *>(); // the keys' mark, then a held piece's outline
    const QRect origin = piece->geometry();
    QWindow *handle = main->windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, centreOf({3, 6}) + QPoint(5, -3));
    QTest::mouseMove(handle, centreOf({3, 6}) + QPoint(45, -53));
    EXPECT_EQ(outlines[1]->isVisible() ? outlines[1]->geometry() : QRect(), origin.translated(40, -50));
    EXPECT_EQ(piece->geometry(), origin);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, centreOf({4, 5}));
    EXPECT_FALSE(outlines[1]->isVisible());
    EXPECT_EQ(piece->pos(), QPoint(pieceLeftPx(4), pieceTopPx(5)));
    EXPECT_EQ(piecesPicture(main->game.board), after({3, 6}, {4, 5}));

    // Black on move: a light cell, another piece, the panel, the background, a square under
    // the password dialog: nothing moves.
    openPassword();
    for (const QPoint to : {centreOf({2, 4}), centreOf({1, 2}), QPoint(560, 200), QPoint(3, 3), QPoint(290, 240)})
        drag(centreOf({4, 3}), to);
    EXPECT_EQ(piecesPicture(main->game.board), after({3, 6}, {4, 5}));
    EXPECT_EQ(main->game.board.lblPlayer, "Black's");
    main->loadedPasswordDialog()->hide();
    drag(centreOf({4, 3}), QPoint(290, 240));
    EXPECT_EQ(main->game.board.lblPlayer, "Red's");
}

// In the computer's pause every click and key is refused and leaves nothing behind: the
// Multi Jump button released with its black caption, no new game, no end.
TEST_F(Windows, TheComputersPauseRefusesClicksAndKeysWithoutATrace)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    auto *multiJump = qobject_cast<QPushButton *>(child(main.get(), "optMultiJump"));
    std::string shownInPause;
    screen.duringPause = [&] {
        shownInPause = text(main.get(), "lblPlayer").toStdString();
        for (const char *button : {"optMultiJump", "cmdReset", "cmdExit"})
            click(main.get(), child(main.get(), button)->geometry().center());
        keys(main.get(), {Qt::Key_M, Qt::Key_F2, Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_Q});
        dragPiece({1, 6}, {2, 5});
        EXPECT_FALSE(multiJump->isChecked());
    };
    dragPiece({3, 6}, {4, 5});
    EXPECT_EQ(shownInPause, "Black's");
    EXPECT_EQ(std::tuple(multiJump->isChecked(), main->game.board.optMultiJump.ForeColor, screen.ended, main->game.board.intAIMoves),
              std::tuple(false, CaptionColour::Black, false, 1));
    EXPECT_EQ(text(main.get(), "lblPlayer"), "Red's");
    expectLooks(multiJump, "multi-jump-released");
}

TEST_F(Windows, KeysPlayAsTheMouseDoes)
{
    open();
    QWidget *board = main.get();
    const auto outlines = main->findChildren<Outline *>();
    const auto square = [&](int k) { return child(board, ("Square(" + std::to_string(k) + ")").c_str())->geometry(); };
    keys(board, {Qt::Key_Space});
    EXPECT_EQ(outlines[0]->isVisible() ? outlines[0]->geometry() : QRect(), square(20)) << "the first key shows where the keys are";
    keys(board, {Qt::Key_Right, Qt::Key_Return, Qt::Key_Up});
    EXPECT_EQ(outlines[1]->isVisible() ? outlines[1]->geometry() : QRect(), square(17).adjusted(7, 7, -7, -7));
    keys(board, {Qt::Key_Enter});
    EXPECT_EQ(piecesPicture(main->game.board), after({3, 6}, {4, 5}));
    // Black: onto its own piece (refused), picked up and put back, then a step.
    keys(board, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space});
    keys(board, {Qt::Key_Left, Qt::Key_Space, Qt::Key_Down, Qt::Key_Escape, Qt::Key_Space});
    EXPECT_EQ(std::tuple(piecesPicture(main->game.board), main->game.board.lblPlayer), std::tuple(after({3, 6}, {4, 5}), "Black's"));
    keys(board, {Qt::Key_Up, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space});
    EXPECT_EQ(main->game.board.lblPlayer, "Red's");
    keys(board, {Qt::Key_M});
    EXPECT_EQ(main->game.board.optMultiJump.Value, 1);
    keys(board, {Qt::Key_M, Qt::Key_F2});
    EXPECT_EQ(std::tuple(piecesPicture(main->game.board), main->game.board.optMultiJump.Value), std::tuple(kOpeningShown, 0));
    dragPiece({3, 6}, {4, 5});
    EXPECT_FALSE(outlines[0]->isVisible()) << "the mouse hides the keys' mark";
    keys(board, {Qt::CTRL | Qt::Key_N});
    EXPECT_EQ(piecesPicture(main->game.board), kOpeningShown);
    // "Delete", while test mode shows it, lies right of the last square of a row.
    main->game.cmdTestMode_Click();
    main->syncWidgetsWithGame();
    keys(board, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
    EXPECT_EQ(boardPicture(main->game.board), "1:.b.b.b.b 2:b.b.b.b. 3:.b.b.b.b 6:r...r.r. 7:.r.r.r.r 8:r.r.r.r.");
    keys(board, {Qt::Key_Left, Qt::Key_Left, Qt::CTRL | Qt::Key_Q});
    EXPECT_EQ(outlines[0]->geometry(), square(22));
    EXPECT_TRUE(screen.ended);
}

TEST_F(Windows, AScreenReaderHearsTheSquaresTheTurnAndWhatBlackDid)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    const auto square = [&](int k) { return child(main.get(), ("Square(" + std::to_string(k) + ")").c_str()); };
    EXPECT_EQ(std::vector({accessibleName(square(21)), accessibleName(square(0)), accessibleName(square(12))}),
              std::vector<std::string>({"c3, red man", "b8, black man", "a5, empty"}));
    EXPECT_EQ(accessibleName(child(main.get(), "lblPlayer")), "Red's turn");
    EXPECT_EQ(accessibleName(child(main.get(), "Black(2)")), "black man");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(child(main.get(), "cmdReset"))->role(), QAccessible::PushButton);
    dragPiece({3, 6}, {4, 5});
    EXPECT_EQ(main->accessibleDescription(), "Black moved d6 to c5");

    main->game.board = boardFromPicture("1:.b...... 2:..r..... 4:..r..... 7:.......r");
    main->syncWidgetsWithGame();
    dragPiece({8, 7}, {7, 6});
    EXPECT_EQ(main->accessibleDescription(), "Black captured c7 and c5");
    EXPECT_EQ(accessibleName(square(16)), "b4, black man");
}

TEST_F(Windows, APressOnTheBackgroundMovesTheWindowAndNothingElseDoes)
{
    open();
    const QPoint start = main->pos();
    drag(centreOf({1, 1}), centreOf({1, 1}) + QPoint(30, 20));
    EXPECT_EQ(main->pos(), start + QPoint(30, 20));
    drag(centreOf({1, 1}), centreOf({1, 1}) + QPoint(30, 20), Qt::RightButton);
    drag(centreOf({4, 5}), centreOf({4, 5}) + QPoint(30, 20));
    drag(QPoint(564, 466), QPoint(594, 486)); // Reset
    EXPECT_EQ(main->pos(), start + QPoint(30, 20));
}

// With the window's own screen: the victor in a box titled "Jumpline" without an icon, then
// the next game; the dumps on the test window, which the first one loaded hidden.
TEST_F(Windows, TheRealScreenShowsAPlainMessageBoxAndTheDump)
{
    main = std::make_unique<frmMain>(settings, random, pictures);
    main->show();
    main->game.board = boardFromPicture("4:..b..... 5:...r....");
    main->syncWidgetsWithGame();
    std::string seen;
    QTimer answer;
    answer.callOnTimeout(main.get(), [&] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(window); box != nullptr && box->isVisible()) {
                seen = (box->windowTitle() + "|" + box->text()).toStdString() + (box->icon() == QMessageBox::NoIcon ? "|no icon" : "");
                box->button(QMessageBox::Ok)->click();
            }
    });
    answer.start(10);
    dragPiece({4, 5}, {2, 3});
    EXPECT_EQ(seen, "Jumpline|Red is the victor!|no icon");
    EXPECT_EQ(piecesPicture(main->game.board), kOpeningShown);
    ASSERT_NE(main->loadedTestWindow(), nullptr);
    EXPECT_FALSE(main->loadedTestWindow()->isVisible());
    EXPECT_EQ(text(main->loadedTestWindow(), "lblDump").toStdString(), boardFromPicture("3:.r......").PrintBoard());
}

} // namespace
} // namespace jumpline::testing
