// The windows offscreen, as a person meets them: real widgets, real mouse and key events sent
// through the windows, and their looks compared with pictures kept in looks/. The game runs
// on a fake screen, so no pause waits and no message box blocks. (The real X tests play by
// mouse and by keys at a real server and read the screen reader's tree; these look closer.)
#include "Windows.h"
#include "support/WindowRuns.h"
#include "windows/Commentary.h"
#include "windows/Placement.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

namespace jumpline::testing {

namespace {

const std::string kOpeningShown = boardPicture(boardFromPicture(kOpening));
const std::string kRedNineStepped = boardPicture(boardFromPicture(".b.b.b.b b.b.b.b. .b.b.b.b ........ ...r.... r...r.r. .r.r.r.r r.r.r.r."));

// The window as it shows on the screen (outside its rounded outline in magenta) is the same,
// pixel for pixel, as looks/NAME.png. JUMPLINE_UPDATE_LOOKS=1 draws the pictures anew; a
// different look is saved as NAME.png in the working directory.
void expectLooks(QWidget *window, const char *name)
{
    const QImage shown = shot(window);
    const QString kept = QStringLiteral(JUMPLINE_SOURCE_DIR "/tests/windows/looks/%1.png").arg(QLatin1String(name));
    if (qEnvironmentVariableIsSet("JUMPLINE_UPDATE_LOOKS"))
        shown.save(kept);
    if (shown != QImage(kept).convertToFormat(QImage::Format_RGB32) && shown.save(QLatin1String(name) + QStringLiteral(".png")))
        ADD_FAILURE() << name << " looks different from " << kept.toStdString() << " (the look: " << name << ".png)";
}

TEST_F(Windows, TheWindowsKeepTheirLookOnEveryScreen)
{
    expectLooks(&open(), "main");
    EXPECT_EQ(child(main.get(), "optMultiJump")->toolTip(), "Press to make a multi jump.  Press again to end turn.");
    EXPECT_EQ(applicationIcon().availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}})) << "every size of the icon is found";
    setPosition("1:.R...... 5:...r.... 8:B.......");
    MainWindowPosition::switchTestMode(*main);
    keys({Qt::Key_M});
    expectLooks(main.get(), "main-kings-test-mode-multi-jump");
    expectLooks(&openSplash(), "splash");
    click(splash.get(), child(splash.get(), "optComputer")->mapTo(splash.get(), QPoint(30, 8)));
    expectLooks(splash.get(), "splash-versus-computer");
    // Fonts smaller below 15 twips per pixel, every control at its pixel place.
    for (const TwipsPerPixel ratio : {TwipsPerPixel{12, 12}, {11.52, 11.52}, {8.57, 8.57}, {7.5, 7.5}, {15, 12}}) {
        setTwipsPerPixelForTests(ratio);
        expectLooks(&open(), ratio.x < 15 ? "main-12" : "main");
        expectLooks(&openSplash(), ratio.x < 15 ? "splash-12" : "splash");
    }
    for (const auto &[dpi, twips] : {std::pair{96.0, 15.0}, {120.0, 12.0}, {125.0, 11.52}, {0.0, 60.0}, {2e6, 1.0}})
        EXPECT_DOUBLE_EQ(twipsFromDotsPerInch(dpi), twips) << dpi << " dpi";
}

TEST_F(Windows, ADragDropsOnlyOnADarkSquareOfThisWindowAndAPressOnTheBackgroundMovesIt)
{
    open();
    const QWidget *outline = child(main.get(), "outline");
    const QRect origin = child(main.get(), "Red(9)")->geometry();
    QTest::mousePress(main->windowHandle(), Qt::LeftButton, {}, centreOf({3, 6}) + QPoint(5, -3));
    QTest::mouseMove(main->windowHandle(), centreOf({3, 6}) + QPoint(45, -53));
    EXPECT_EQ(std::tuple(outline->isVisible(), outline->geometry()), std::tuple(true, origin.translated(40, -50)));
    QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, {}, centreOf({4, 5}));
    EXPECT_EQ(std::tuple(outline->isVisible(), child(main.get(), "Red(9)")->pos()), std::tuple(false, QPoint(pieceLeftPx(4), pieceTopPx(5))));
    // Black: a light cell, another piece, the panel, the background, a square under the
    // password dialog take nothing; the same square without the dialog does.
    openPassword();
    for (const QPoint to : {centreOf({2, 4}), centreOf({1, 2}), QPoint(560, 200), QPoint(3, 3), QPoint(290, 240)})
        drag(centreOf({4, 3}), to);
    EXPECT_EQ(std::tuple(piecesPicture(board()), board().lblPlayer), std::tuple(kRedNineStepped, "Black's"));
    main->loadedPasswordDialog()->hide();
    drag(centreOf({4, 3}), QPoint(290, 240));
    EXPECT_EQ(board().lblPlayer, "Red's");
    // A left press on the background moves the window, which follows the pointer; no other press does.
    const QPoint start = main->pos();
    QTest::mousePress(main->windowHandle(), Qt::LeftButton, {}, centreOf({1, 1}));
    QTest::mouseMove(main->windowHandle(), centreOf({1, 1}) + QPoint(30, 20));
    const QPoint moving = main->pos();
    QTest::mousePress(main->windowHandle(), Qt::RightButton, {}, centreOf({1, 1})); // another press ends the move
    QTest::mouseMove(main->windowHandle(), centreOf({1, 1}) + QPoint(10, 10));
    QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, {}, centreOf({1, 1})); // the pointer has kept its place in the window
    drag(centreOf({1, 1}), centreOf({1, 1}) + QPoint(30, 20), Qt::RightButton);
    drag(centreOf({4, 5}), centreOf({4, 5}) + QPoint(30, 20));
    drag(QPoint(564, 466), QPoint(594, 486)); // Reset
    EXPECT_EQ(std::tuple(moving, main->pos()), std::tuple(start + QPoint(30, 20), start + QPoint(30, 20)));
}

// Every click and key in the computer's pause is refused and leaves nothing behind; a screen
// reader is told the drop before the pause and what Black did after it.
TEST_F(Windows, TheComputersPauseRefusesClicksAndKeysWithoutATrace)
{
    settings.opponent = Settings::Opponent::Computer;
    open();
    listen();
    keys({Qt::Key_Space}); // the mark shows
    const QWidget *mark = child(main.get(), "mark");
    auto *multiJump = qobject_cast<QPushButton *>(child(main.get(), "optMultiJump"));
    screen.duringPause = [&] {
        const QRect marked = mark->geometry();
        for (const char *button : {"optMultiJump", "cmdReset", "cmdExit"})
            press(main.get(), button);
        keys({Qt::Key_M, Qt::Key_F2, Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_Q, Qt::Key_Space, Qt::Key_Space, Qt::Key_Up,
              Qt::Key_PageUp, Qt::Key_C, Qt::Key_5, Qt::Key_Tab, Qt::Key_Space});
        dragPiece({1, 6}, {2, 5});
        EXPECT_EQ(std::tuple(multiJump->isChecked(), text(main.get(), "lblPlayer"), mark->geometry(), focused()), std::tuple(false, "Black's", marked, "board"));
    };
    dragPiece({3, 6}, {4, 5});
    EXPECT_EQ(std::tuple(multiJump->isChecked(), screen.ends, board().intAIMoves, text(main.get(), "lblPlayer")), std::tuple(false, 0, 1, "Red's"));
    EXPECT_EQ(std::tuple(screen.dumps.size(), screen.dumps.back()), std::tuple(2u, board().PrintBoard())) << "a dump after each move";
    expectLooks(multiJump, "multi-jump-released");
    EXPECT_EQ(heard(), (std::vector<std::string>{"Red c3 to d4. Black's turn.", "Black d6 to c5. Red's turn."}));
    setPosition("1:.b...... 2:..r..... 5:...r....");
    heard();
    dragPiece({4, 5}, {3, 4}); // Black takes both red men, a pause before each jump, and has won
    EXPECT_EQ(heard(), (std::vector<std::string>{"Red d4 to c5. Black's turn.", "Black b8 takes c7, lands on d6.", "Black d6 takes c5, lands on b4.", "Red's turn.", "New game. Red's turn."}));
    EXPECT_EQ(screen.messages, std::vector<std::string>{"Black is the victor!"});
    // Every control has a name a screen reader can say: a square by its cell and what stands on it.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(child(main.get(), square(21)))->text(QAccessible::Name), "c3, red man");
    openTestWindow(); // it and the password dialog are the main window's
    const auto everyControlNamed = [](const QWidget *window) {
        for (QWidget *control : window->findChildren<QWidget *>())
            EXPECT_NE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), QString()) << control->objectName().toStdString();
    };
    everyControlNamed(main.get());
    everyControlNamed(&openSplash());
}

TEST_F(Windows, KeysPlayAsTheMouseDoes)
{
    open();
    const QWidget *marks[] = {child(main.get(), "mark"), child(main.get(), "outline")};
    keys({Qt::Key_Space});
    EXPECT_EQ(std::tuple(marks[0]->isVisible(), marks[0]->geometry()), std::tuple(true, child(main.get(), square(20))->geometry())) << "the first key shows where the keys are";
    expectLooks(main.get(), "main-keyboard-mark");
    keys({Qt::Key_Right, Qt::Key_Return});
    EXPECT_EQ(std::tuple(marks[1]->isVisible(), marks[1]->geometry()), std::tuple(true, child(main.get(), square(21))->geometry().adjusted(7, 7, -7, -7)));
    keys({Qt::Key_Up});
    EXPECT_EQ(marks[1]->geometry(), child(main.get(), square(17))->geometry().adjusted(7, 7, -7, -7)) << "the piece in hand goes with the mark";
    // Red steps; Black onto its own piece (refused), picked up and put back, then a step.
    listen();
    keys({Qt::Key_Enter, Qt::Key_Up, Qt::Key_Up, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Left, Qt::Key_Space, Qt::Key_Down, Qt::Key_Escape});
    EXPECT_EQ(std::tuple(piecesPicture(board()), board().lblPlayer), std::tuple(kRedNineStepped, "Black's"));
    keys({Qt::Key_Up, Qt::Key_Left, Qt::Key_Space, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space}); // b6 to c5
    keys({Qt::Key_Down, Qt::Key_Space, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Space, Qt::Key_M}); // d4 takes c5
    EXPECT_EQ(std::tuple(boardPicture(board()), board().lblPlayer, board().optMultiJump.Value),
              std::tuple("1:.b.b.b.b 2:b.b.b.b. 3:.r.b.b.b 6:r...r.r. 7:.r.r.r.r 8:r.r.r.r.", "Black's", 1));
    keys({Qt::Key_M, Qt::Key_F2});
    EXPECT_EQ(std::tuple(piecesPicture(board()), board().optMultiJump.Value), std::tuple(kOpeningShown, 0));
    EXPECT_EQ(heard(), (std::vector<std::string>{"Red c3 to d4. Black's turn.", "Black man on d6 picked up.", "Black d6 to f6 is not allowed. Nothing moved.",
                                                 "Black man on d6 picked up.", "Black man on d6 put back.", "Black man on b6 picked up.",
                                                 "Black b6 to c5. Red's turn.", "Red man on d4 picked up.", "Red d4 takes c5, lands on b6. Black's turn.",
                                                 "Multi Jump pressed.", "Multi Jump released.", "New game. Red's turn."}));
    // A step along a diagonal: pick up, one key, drop; or the squares typed by name. Home,
    // Page Up, End and Page Down go up-left, up-right, down-left, down-right, as the keypad's
    // 7, 9, 1 and 3 do.
    keys({Qt::Key_E, Qt::Key_3, Qt::Key_Space, Qt::Key_PageUp, Qt::Key_Space, Qt::Key_D, Qt::Key_6, Qt::Key_Space, Qt::Key_End, Qt::Key_Space});
    keys({Qt::Key_G, Qt::Key_3, Qt::Key_Space, Qt::Key_H, Qt::Key_4, Qt::Key_Space, Qt::Key_H, Qt::Key_6, Qt::Key_Space});
    QTest::keyClick(main->windowHandle(), Qt::Key_1, Qt::KeypadModifier);
    keys({Qt::Key_Space});
    EXPECT_EQ(boardPicture(board()), "1:.b.b.b.b 2:b.b.b.b. 3:.b...b.. 4:..b...b. 5:.....r.r 6:r.r..... 7:.r.r.r.r 8:r.r.r.r.");
    keys({Qt::Key_A, Qt::Key_2, Qt::Key_Home, Qt::Key_B, Qt::Key_9}); // a light square, up-left from g5, a row of none
    EXPECT_EQ(marks[0]->geometry(), child(main.get(), square(10))->geometry());
    dragPiece({1, 6}, {2, 5});
    keys({Qt::CTRL | Qt::Key_N});
    EXPECT_EQ(std::tuple(marks[0]->isVisible(), piecesPicture(board())), std::tuple(false, kOpeningShown)) << "the mouse hides the keys' mark";
    // "Delete", while test mode shows it, lies right of the last square of a row.
    MainWindowPosition::switchTestMode(*main);
    keys({Qt::Key_C, Qt::Key_3, Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
    EXPECT_EQ(boardPicture(board()), "1:.b.b.b.b 2:b.b.b.b. 3:.b.b.b.b 6:r...r.r. 7:.r.r.r.r 8:r.r.r.r.");
    keys({Qt::Key_Left, Qt::Key_Left, Qt::CTRL | Qt::Key_Q});
    EXPECT_EQ(std::tuple(marks[0]->geometry(), screen.ends), std::tuple(child(main.get(), square(22))->geometry(), 1));
}

// One piece in hand, by the mouse or the keys: whatever changes the game other than its drop
// puts it back first, so that it can never be dropped where it may no longer go (a man held
// while M passes the turn, dropped backwards, is the real X test's).
TEST_F(Windows, AHeldPieceGoesBackBeforeAnythingElseChangesTheGame)
{
    const auto heldByMouse = [&](Cell at) {
        QTest::mousePress(main->windowHandle(), Qt::LeftButton, {}, centreOf(at));
        QTest::mouseMove(main->windowHandle(), centreOf(at) + QPoint(10, -10));
    };
    const auto releasedOn = [&](Cell at) { QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, {}, centreOf(at)); };
    const std::pair<const char *, std::function<void()>> cases[] = {
        {"M", [&] { keys({Qt::Key_M}); }},
        {"F2", [&] { keys({Qt::Key_F2}); }},
        {"Ctrl+N", [&] { keys({Qt::CTRL | Qt::Key_N}); }},
        {"test mode on", [&] { MainWindowPosition::switchTestMode(*main); }},
        {"the window loses the keys", [&] { shown(elsewhere); }},
    };
    for (const auto &[name, act] : cases) {
        SCOPED_TRACE(name);
        for (const bool byKeys : {false, true}) {
            open();
            if (byKeys)
                keys({Qt::Key_Space, Qt::Key_Space, Qt::Key_Up});
            else
                heldByMouse({3, 6});
            act();
            EXPECT_FALSE(child(main.get(), "outline")->isVisible()) << "put back";
            if (byKeys)
                keys({Qt::Key_Space});
            else
                releasedOn({4, 5});
            EXPECT_EQ(piecesPicture(board()), kOpeningShown);
        }
    }
}

// The board keeps the keys: a click on a button leaves them there, and Tab reaches the buttons
// in an order in which no single stray key resets or ends the game.
TEST_F(Windows, TheBoardKeepsTheKeysAndNoStrayKeyEndsTheGame)
{
    open();
    press(main.get(), "optMultiJump");
    press(main.get(), "optMultiJump");
    keys({Qt::Key_Space, Qt::Key_Space, Qt::Key_Up});
    EXPECT_EQ(std::tuple(focused(), board().optMultiJump.Value, child(main.get(), "outline")->isVisible()), std::tuple("board", 0, true)) << "Space picked up a piece, the arrows moved it";
    keys({Qt::Key_Escape});
    QString walk = focused();
    for (int k = 0; k < 5; ++k) {
        keys({Qt::Key_Tab});
        walk += " " + focused();
    }
    EXPECT_EQ(walk, "board optMultiJump cmdReset cmdExit Shape2 board");
    keys({Qt::SHIFT | Qt::Key_Tab, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return});
    EXPECT_EQ(std::tuple(screen.ends, piecesPicture(board()), board().optMultiJump.Value), std::tuple(0, kOpeningShown, 1)) << "Tab and Space pressed Multi Jump";
    // A focused button shows it, and the board's mark goes until a key brings the board back.
    const QWidget *mark = child(main.get(), "mark");
    const QImage unfocused = child(main.get(), "cmdExit")->grab().toImage();
    keys({Qt::Key_Tab, Qt::Key_Tab});
    EXPECT_EQ(std::tuple(focused(), mark->isVisible(), child(main.get(), "cmdExit")->grab().toImage() == unfocused), std::tuple("cmdExit", false, false));
    keys({Qt::Key_Down});
    EXPECT_EQ(std::tuple(focused(), mark->isVisible()), std::tuple("board", true));
}

// The window's own screen: the victor in a box titled "Jumpline" without an icon, then the
// next game; the dump on the test window, which the first one loaded hidden.
TEST_F(Windows, TheRealScreenShowsAPlainMessageBoxAndTheDump)
{
    main = std::make_unique<frmMain>(settings, random, pictures);
    main->show();
    setPosition("4:..b..... 5:...r....");
    std::string seen;
    QTimer answer;
    answer.callOnTimeout(main.get(), [&] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(window); box != nullptr && box->isVisible()) {
                seen = (box->windowTitle() + "|" + box->text()).toStdString() + (box->icon() == QMessageBox::NoIcon ? "|no icon" : "") +
                       (box->windowHandle()->transientParent() == main->windowHandle() ? "|the main window's" : "");
                box->button(QMessageBox::Ok)->click();
            }
    });
    answer.start(10);
    dragPiece({4, 5}, {2, 3});
    EXPECT_EQ(std::tuple(seen, piecesPicture(board())), std::tuple("Jumpline|Red is the victor!|no icon|the main window's", kOpeningShown));
    EXPECT_EQ(std::tuple(main->loadedTestWindow()->isVisible(), text(main->loadedTestWindow(), "lblDump")), std::tuple(false, boardFromPicture("3:.r......").PrintBoard()));
}

TEST_F(Windows, TheStartUpWindowChoosesTheGameAndExitClosesTheWindowsInOrder)
{
    const std::pair<std::vector<const char *>, const char *> cases[] = {
        {{}, "Human Red "},
        {{"optBlack"}, "Human Black "},
        {{"optBlack", "optComputer"}, "Computer Red (Black greyed)"},
        {{"optBlack", "optComputer", "optHuman"}, "Human Red "},
        {{"optComputer", "optBlack", "optComputer"}, "Computer Red (Black greyed)"},
    };
    for (const auto &[clicks, chosen] : cases) {
        openSplash();
        for (const char *option : clicks)
            click(splash.get(), child(splash.get(), option)->mapTo(splash.get(), QPoint(30, 8)));
        std::string shown;
        for (const char *option : {"optHuman", "optComputer", "optRed", "optBlack"})
            shown += qobject_cast<const QRadioButton *>(child(splash.get(), option))->isChecked() ? std::string(option + 3) + " " : "";
        EXPECT_EQ(shown + (child(splash.get(), "optBlack")->isEnabled() ? "" : "(Black greyed)"), chosen);
        press(splash.get(), "cmdStart");
        EXPECT_EQ(std::tuple(splash->isVisible(), main->isVisible(), board().lblPlayer, splash->settings().optComputer()),
                  std::tuple(false, true, std::string(chosen) == "Human Black " ? "Black's" : "Red's", *chosen == 'C'));
    }
    press(&openSplash(), "cmdExit");
    EXPECT_TRUE(!splash->isVisible() && main == nullptr);
    keys(&openSplash(), {Qt::Key_Escape}); // as Exit
    EXPECT_TRUE(!splash->isVisible() && main == nullptr);
    // The main window's Exit closes the start-up window, the test window and itself, in that order.
    struct CloseOrder : QObject {
        std::string order;
        bool eventFilter(QObject *watched, QEvent *event) override { return (order += event->type() == QEvent::Close ? watched->objectName().toStdString() + " " : "", false); }
    } closes;
    openSplash().findChild<QPushButton *>("cmdExit")->setFocus();
    keys(splash.get(), {Qt::Key_Return}); // Enter presses the focused button; elsewhere it is Start Game
    EXPECT_TRUE(!splash->isVisible() && main == nullptr);
    openSplash().findChild<QRadioButton *>("optRed")->setFocus();
    keys(splash.get(), {Qt::Key_Return});
    ASSERT_NE(main, nullptr);
    for (QObject *window : std::initializer_list<QObject *>{splash.get(), main.get(), &openTestWindow()})
        window->installEventFilter(&closes);
    press(main.get(), "cmdExit");
    EXPECT_EQ(std::tuple(closes.order, screen.ends), std::tuple("frmSplash frmTest frmMain ", 1));
}

// Only a double-click on the spot opens the dialog; a wrong code empties the box; Cancel, or
// Escape, keeps what was typed; the code in any case opens the test window, whose button (or
// Space on it) switches test mode and whose close box ends it; the dump follows every move.
TEST_F(Windows, ThePasswordDialogAndTheTestWindow)
{
    open();
    click(main.get(), {600, 336});
    QTest::mouseDClick(main->windowHandle(), Qt::LeftButton, {}, {590, 336});
    EXPECT_EQ(main->loadedPasswordDialog(), nullptr);
    frmPassword &dialog = openPassword();
    auto *box = dialog.findChild<QLineEdit *>();
    QTest::keyClicks(box, QStringLiteral("krov "));
    press(&dialog, "cmdEnter");
    EXPECT_TRUE(dialog.isVisible() && box->text().isEmpty() && main->loadedTestWindow() == nullptr && dialog.focusWidget() == box);
    QTest::keyClicks(box, QStringLiteral("KrOv"));
    expectLooks(&dialog, "password");
    press(&dialog, "cmdCancel");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(openPassword().focusWidget(), box) << "opened again, it takes the code at once";
    keys(&dialog, {Qt::Key_Escape});
    EXPECT_FALSE(dialog.isVisible());
    press(&openPassword(), "cmdEnter");
    frmTest &test = *main->loadedTestWindow();
    EXPECT_TRUE(!dialog.isVisible() && test.isVisible());
    for (const QWidget *window : std::initializer_list<const QWidget *>{&dialog, &test}) // a Wayland compositor places them by it
        EXPECT_EQ(window->windowHandle()->transientParent(), main->windowHandle()) << window->objectName().toStdString() << " is the main window's";
    press(&test, "cmdTestMode");
    drag(centreOf({2, 3}), child(main.get(), square(32))->geometry().center());
    expectLooks(&test, "test-window"); // test mode on, Black(8) deleted
    keys(&test, {Qt::Key_Space, Qt::Key_Space});
    test.close();
    EXPECT_EQ(std::tuple(settings.blnTestMode, child(main.get(), square(32))->isVisible(), main->loadedTestWindow()), std::tuple(false, false, nullptr));
    dragPiece({3, 6}, {4, 5});
    EXPECT_EQ(text(main->loadedTestWindow(), "lblDump"), board().PrintBoard());
    // It stands right of the main window, else left of it, else centred, and never below the screen.
    for (const auto &[mainWindow, where] : {std::pair{QRect(100, 600, 300, 200), QPoint(408, 550)}, {QRect(600, 0, 300, 200), QPoint(392, 0)}, {QRect(100, 0, 800, 200), QPoint(400, 275)}})
        EXPECT_EQ(besideOrCentred(mainWindow, {200, 150}, {0, 0, 1000, 700}), where);
}

// Random mouse and key events, checked by the referee after every one. JUMPLINE_WINDOW_SOAK_RUNS
// sets the number of runs: scripts/fuzz.sh plays more under the sanitizers.
// What a screen reader is told of a change, one row per kind of change.
TEST(Commentary, SaysWhatChangedBetweenTwoPositions)
{
    const struct {
        const char *before;
        bool redBefore;
        const char *after;
        bool redAfter;
        const char *said;
    } cases[] = {
        {"6:..r.....", true, "5:...r....", false, "Red c3 to d4. Black's turn."},
        {"6:..b..... 7:...r....", false, "8:....B...", true, "Black c3 takes d2, lands on e1, crowned. Red's turn."},
        {"3:.r...... 2:..b.....", true, "1:...R....", true, "Red b6 takes c7, lands on d8, crowned."},
        {"8:..b.....", false, "8:..B.....", true, "Black man on c1 crowned. Red's turn."},
        {"1:.b...... 6:..r.....", true, "6:..r.....", true, "Black piece on b8 taken off."},
        {"6:..r.....", true, "6:..r.....", true, ""},
    };
    for (const auto &row : cases)
        EXPECT_EQ(describeChanges(boardFromPicture(row.before, row.redBefore), boardFromPicture(row.after, row.redAfter)).toStdString(), row.said)
            << row.before << " to " << row.after;
}

TEST(WindowSoak, RandomEventsKeepEveryRule)
{
    const char *runs = std::getenv("JUMPLINE_WINDOW_SOAK_RUNS");
    const SoakResult result = soak(0, runs != nullptr ? std::atol(runs) : 12, playWindowEvents);
    EXPECT_EQ(result.problems, std::vector<std::string>{});
    std::printf("%ld mouse and key events\n", result.events);
}

} // namespace
} // namespace jumpline::testing

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The fonts and the look are the tests' own, not the machine's or the desktop's.
    qputenv("FONTCONFIG_FILE", JUMPLINE_SOURCE_DIR "/tests/fonts.conf");
    for (const char *setting : {"QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "XDG_CURRENT_DESKTOP"})
        qunsetenv(setting);
    QApplication app(argc, argv);
    QApplication::setCursorFlashTime(0); // a text cursor that shows steadily, so that looks can be compared
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
