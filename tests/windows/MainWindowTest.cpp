// The main window: its look on screens of several densities, drags by the mouse, play by the
// keys, the computer's pause, what a screen reader hears, moving the window, the real screen.
#include "Rig.h"

#include "windows/Controls.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace jumpline::testing {
namespace {

std::string opening(Cell from = {}, Cell to = {}) // after one move, if any
{
    Board board = boardFromPicture(kOpening);
    if (from.col != 0)
        std::swap(board.intBoard(from), board.intBoard(to));
    return boardPicture(board);
}
std::string heard(QWidget *widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString(); }
std::string square(int k) { return "Square(" + std::to_string(k) + ")"; }

TEST_F(Windows, MainWindowKeepsItsLookOnEveryScreen)
{
    expectLooks(&open(), "main");
    main->game.board = boardFromPicture("1:.R...... 5:...r.... 8:B.......");
    main->game.cmdTestMode_Click();
    main->game.SetMultiJump(true);
    main->syncWidgetsWithGame();
    expectLooks(main.get(), "main-kings-test-mode-multi-jump");
    // Fonts two points smaller below 15 twips per pixel, every control at its pixel place.
    for (const TwipsPerPixel ratio : {TwipsPerPixel{12, 12}, {11.52, 11.52}, {8.57, 8.57}, {7.5, 7.5}, {15, 12}}) {
        setTwipsPerPixelForTests(ratio);
        expectLooks(&open(), ratio.x < 15 ? "main-12" : "main");
    }
    for (const auto &[dpi, twips] : {std::pair{96.0, 15.0}, {120.0, 12.0}, {125.0, 11.52}, {0.0, 60.0}, {2e6, 1.0}})
        EXPECT_DOUBLE_EQ(twipsFromDotsPerInch(dpi), twips) << dpi << " dpi";
}

TEST_F(Windows, ADragShowsAnOutlineAndDropsOnlyOnADarkSquareOfThisWindow)
{
    open();
    const auto outline = main->findChildren<Outline *>()[1]; // after the keys' mark
    const QRect origin = child(main.get(), "Red(9)")->geometry();
    QTest::mousePress(main->windowHandle(), Qt::LeftButton, {}, centreOf({3, 6}) + QPoint(5, -3));
    QTest::mouseMove(main->windowHandle(), centreOf({3, 6}) + QPoint(45, -53));
    EXPECT_EQ(std::tuple(outline->isVisible(), outline->geometry(), child(main.get(), "Red(9)")->geometry()),
              std::tuple(true, origin.translated(40, -50), origin));
    QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, {}, centreOf({4, 5}));
    EXPECT_EQ(std::tuple(outline->isVisible(), child(main.get(), "Red(9)")->pos(), piecesPicture(main->game.board)),
              std::tuple(false, QPoint(pieceLeftPx(4), pieceTopPx(5)), opening({3, 6}, {4, 5})));
    // Black: a light cell, another piece, the panel, the background, a square under the
    // password dialog take nothing; the same square without the dialog does.
    openPassword();
    for (const QPoint to : {centreOf({2, 4}), centreOf({1, 2}), QPoint(560, 200), QPoint(3, 3), QPoint(290, 240)})
        drag(centreOf({4, 3}), to);
    EXPECT_EQ(std::tuple(piecesPicture(main->game.board), main->game.board.lblPlayer), std::tuple(opening({3, 6}, {4, 5}), "Black's"));
    main->loadedPasswordDialog()->hide();
    drag(centreOf({4, 3}), QPoint(290, 240));
    EXPECT_EQ(main->game.board.lblPlayer, "Red's");
}

// Every click and key in the computer's pause is refused and leaves nothing behind.
TEST_F(Windows, TheComputersPauseRefusesClicksAndKeysWithoutATrace)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    auto *multiJump = qobject_cast<QPushButton *>(child(main.get(), "optMultiJump"));
    screen.duringPause = [&] {
        for (const char *button : {"optMultiJump", "cmdReset", "cmdExit"})
            click(main.get(), child(main.get(), button)->geometry().center());
        keys(main.get(), {Qt::Key_M, Qt::Key_F2, Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_Q, Qt::Key_Space, Qt::Key_Space});
        dragPiece({1, 6}, {2, 5});
        EXPECT_EQ(std::tuple(multiJump->isChecked(), text(main.get(), "lblPlayer")), std::tuple(false, "Black's"));
    };
    dragPiece({3, 6}, {4, 5});
    EXPECT_EQ(std::tuple(multiJump->isChecked(), screen.ended, main->game.board.intAIMoves, text(main.get(), "lblPlayer")),
              std::tuple(false, false, 1, "Red's"));
    expectLooks(multiJump, "multi-jump-released");
}

TEST_F(Windows, KeysPlayAsTheMouseDoes)
{
    QWidget *board = &open();
    const auto marks = main->findChildren<Outline *>(); // the keys' mark, a held piece's outline
    const auto shown = [&](int k) { return marks[k]->isVisible() ? marks[k]->geometry() : QRect(); };
    keys(board, {Qt::Key_Space});
    EXPECT_EQ(shown(0), child(board, square(20))->geometry()) << "the first key shows where the keys are";
    keys(board, {Qt::Key_Right, Qt::Key_Return, Qt::Key_Up});
    EXPECT_EQ(shown(1), child(board, square(17))->geometry().adjusted(7, 7, -7, -7));
    keys(board, {Qt::Key_Enter});
    EXPECT_EQ(piecesPicture(main->game.board), opening({3, 6}, {4, 5}));
    // Black: onto its own piece (refused), picked up and put back, then a step.
    keys(board, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Left, Qt::Key_Space, Qt::Key_Down, Qt::Key_Escape});
    EXPECT_EQ(std::tuple(piecesPicture(main->game.board), main->game.board.lblPlayer), std::tuple(opening({3, 6}, {4, 5}), "Black's"));
    keys(board, {Qt::Key_Space, Qt::Key_Up, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_M});
    EXPECT_EQ(std::tuple(main->game.board.lblPlayer, main->game.board.optMultiJump.Value), std::tuple("Red's", 1));
    keys(board, {Qt::Key_M, Qt::Key_F2});
    EXPECT_EQ(std::tuple(piecesPicture(main->game.board), main->game.board.optMultiJump.Value), std::tuple(opening(), 0));
    dragPiece({3, 6}, {4, 5});
    EXPECT_FALSE(marks[0]->isVisible()) << "the mouse hides the keys' mark";
    keys(board, {Qt::CTRL | Qt::Key_N});
    EXPECT_EQ(piecesPicture(main->game.board), opening());
    // "Delete", while test mode shows it, lies right of the last square of a row.
    main->game.cmdTestMode_Click();
    main->syncWidgetsWithGame();
    keys(board, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
    EXPECT_EQ(boardPicture(main->game.board), "1:.b.b.b.b 2:b.b.b.b. 3:.b.b.b.b 6:r...r.r. 7:.r.r.r.r 8:r.r.r.r.");
    keys(board, {Qt::Key_Left, Qt::Key_Left, Qt::CTRL | Qt::Key_Q});
    EXPECT_EQ(std::tuple(marks[0]->geometry(), screen.ended), std::tuple(child(board, square(22))->geometry(), true));
}

TEST_F(Windows, AScreenReaderHearsTheSquaresTheTurnAndWhatBlackDid)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    const auto named = [&](const std::string &name) { return heard(child(main.get(), name)); };
    EXPECT_EQ(std::vector({named(square(21)), named(square(0)), named(square(12)), named("lblPlayer"), named("Black(2)")}),
              std::vector<std::string>({"c3, red man", "b8, black man", "a5, empty", "Red's turn", "black man"}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(child(main.get(), "Red(2)"))->role(), QAccessible::Graphic);
    dragPiece({3, 6}, {4, 5});
    EXPECT_EQ(main->accessibleDescription(), "Black moved d6 to c5");
    main->game.board = boardFromPicture("1:.b...... 2:..r..... 4:..r..... 7:.......r");
    main->syncWidgetsWithGame();
    dragPiece({8, 7}, {7, 6});
    EXPECT_EQ(std::tuple(main->accessibleDescription().toStdString(), named(square(16))), std::tuple("Black captured c7 and c5", "b4, black man"));
}

TEST_F(Windows, APressOnTheBackgroundMovesTheWindowAndNothingElseDoes)
{
    open();
    const QPoint start = main->pos();
    drag(centreOf({1, 1}), centreOf({1, 1}) + QPoint(30, 20));
    drag(centreOf({1, 1}), centreOf({1, 1}) + QPoint(30, 20), Qt::RightButton);
    drag(centreOf({4, 5}), centreOf({4, 5}) + QPoint(30, 20));
    drag(QPoint(564, 466), QPoint(594, 486)); // Reset
    EXPECT_EQ(main->pos(), start + QPoint(30, 20));
}

// The window's own screen: the victor in a box titled "Jumpline" without an icon, then the
// next game; the dump on the test window, which the first one loaded hidden.
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
    EXPECT_EQ(std::tuple(seen, piecesPicture(main->game.board)), std::tuple("Jumpline|Red is the victor!|no icon", opening()));
    ASSERT_NE(main->loadedTestWindow(), nullptr);
    EXPECT_EQ(std::tuple(main->loadedTestWindow()->isVisible(), text(main->loadedTestWindow(), "lblDump")),
              std::tuple(false, boardFromPicture("3:.r......").PrintBoard()));
}

} // namespace
} // namespace jumpline::testing
