// The start-up window: its controls, the choice of opponent and first player, "Start Game"
// and "Exit", and the main window's exit, which closes the start-up window first.

#include "SplashRig.h"

#include "support/Position.h"
#include "windows/Controls.h"
#include "windows/Resources.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace jumpline::testing {
namespace {

struct PlacedControl {
    const char *name;
    QRect pixels; // in the start-up window
};

TEST_F(SplashTest, ControlsSitAtTheirDesignPixels)
{
    const PlacedControl placed[] = {
        {"optHuman", {21, 105, 158, 22}},   {"optComputer", {21, 126, 188, 22}}, {"frmFirst", {196, 109, 141, 43}},
        {"optRed", {196, 109, 142, 15}},    {"optBlack", {196, 130, 142, 15}},   {"cmdStart", {28, 154, 127, 43}},
        {"cmdExit", {175, 154, 127, 43}},   {"Label1", {0, 203, 337, 22}},       {"Label2", {0, 217, 337, 23}},
        {"Label3", {0, 272, 337, 23}},      {"Image1", {-14, 0, 350, 105}},      {"Image2", {115, 231, 113, 41}},
    };
    open();
    for (const PlacedControl &c : placed) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(this->placed(c.name), c.pixels);
    }
    EXPECT_EQ(widget("optRed")->parent(), widget("frmFirst"));
    EXPECT_EQ(widget("optBlack")->parent(), widget("frmFirst"));
    EXPECT_EQ(splash->size(), QSize(359, 294));
    EXPECT_EQ(splash->windowTitle(), "Jumpline");
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash->geometry().center(), splash->screen()->availableGeometry().center()) << "opens centred";
}

TEST_F(SplashTest, CaptionsColoursFontsAndPictures)
{
    open();
    const auto caption = [this](const char *name) {
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget(name)))
            return button->text();
        return qobject_cast<const QLabel *>(widget(name))->text();
    };
    EXPECT_EQ(caption("optHuman"), "Versus Human");
    EXPECT_EQ(caption("optComputer"), "Versus Computer");
    EXPECT_EQ(caption("optRed"), "Red is First");
    EXPECT_EQ(caption("optBlack"), "Black is First");
    EXPECT_EQ(caption("cmdStart"), "Start Game");
    EXPECT_EQ(caption("cmdExit"), "Exit");
    EXPECT_EQ(caption("Label1"), "Version 1.3.3");
    EXPECT_FALSE(caption("Label2").isEmpty());
    EXPECT_TRUE(caption("Label3").endsWith(".example")) << "a web address of our own that names no real site";

    for (const char *option : {"optHuman", "optComputer", "optRed", "optBlack"}) {
        SCOPED_TRACE(option);
        EXPECT_EQ(widget(option)->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(widget(option)->font().pointSizeF(), 9.75);
        EXPECT_TRUE(widget(option)->font().bold());
    }
    for (const char *button : {"cmdStart", "cmdExit"}) {
        SCOPED_TRACE(button);
        const auto *push = qobject_cast<const QPushButton *>(widget(button));
        EXPECT_EQ(push->font().pointSizeF(), 9.75);
        EXPECT_TRUE(push->font().bold());
        EXPECT_FALSE(push->isDefault());
        EXPECT_FALSE(push->autoDefault());
        const QImage shown = widget(button)->grab().toImage();
        EXPECT_EQ(QColor(shown.pixel(63, 8)), QColor(0xC0, 0xC0, 0xC0)) << "flat light grey";
    }
    for (const char *label : {"Label1", "Label2", "Label3"}) {
        SCOPED_TRACE(label);
        const auto *text = qobject_cast<const QLabel *>(widget(label));
        EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(text->font().pointSizeF(), 8.25);
        EXPECT_FALSE(text->font().bold());
        EXPECT_TRUE(text->alignment().testFlag(Qt::AlignHCenter));
    }
    EXPECT_EQ(qobject_cast<const QFrame *>(widget("frmFirst"))->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(static_cast<PictureBox *>(widget("Image1"))->picture().size(), QSize(350, 105));
    EXPECT_EQ(static_cast<PictureBox *>(widget("Image2"))->picture().size(), QSize(113, 41));

    const QImage shown = splash->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(100, 250)), QColor(Qt::black)) << "black background";
}

TEST(ApplicationIcon, HoldsThreeSizes)
{
    const QIcon icon = applicationIcon();
    for (const int size : {16, 24, 32}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        EXPECT_EQ(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
    }
}

// The states of the four option buttons and the settings they stand for.
struct Choice {
    bool human, computer, red, black, blackEnabled;
    bool operator==(const Choice &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Choice &c)
{
    return out << (c.human ? "Human " : "") << (c.computer ? "Computer " : "") << (c.red ? "Red " : "")
               << (c.black ? "Black " : "") << (c.blackEnabled ? "(Black enabled)" : "(Black disabled)");
}

struct ChoiceCase {
    const char *name;
    std::vector<const char *> clicks;
    Choice after;
};

constexpr Choice HumanRed{true, false, true, false, true};
constexpr Choice HumanBlack{true, false, false, true, true};
constexpr Choice ComputerRed{false, true, true, false, false};

TEST_F(SplashTest, OptionButtonsFollowTheRulesOfTheChoice)
{
    const ChoiceCase cases[] = {
        {"as the window opens", {}, HumanRed},
        {"Black is First", {"optBlack"}, HumanBlack},
        {"Versus Computer forces Red and greys out Black", {"optBlack", "optComputer"}, ComputerRed},
        {"back to Human re-enables Black, Red stays", {"optBlack", "optComputer", "optHuman"}, HumanRed},
        {"a greyed-out Black cannot be chosen", {"optComputer", "optBlack"}, ComputerRed},
        {"Black chosen again after the round trip", {"optComputer", "optHuman", "optBlack"}, HumanBlack},
        {"clicking the selected Human changes nothing", {"optBlack", "optHuman"}, HumanBlack},
        {"clicking the selected Computer changes nothing", {"optComputer", "optComputer"}, ComputerRed},
        {"clicking the selected Red changes nothing", {"optRed"}, HumanRed},
        {"clicking the selected Black changes nothing", {"optBlack", "optBlack"}, HumanBlack},
    };
    for (const ChoiceCase &c : cases) {
        SCOPED_TRACE(c.name);
        open();
        for (const char *option : c.clicks)
            choose(option);
        const auto checked = [this](const char *name) { return qobject_cast<QRadioButton *>(widget(name))->isChecked(); };
        const Choice shown{checked("optHuman"), checked("optComputer"), checked("optRed"), checked("optBlack"),
                           widget("optBlack")->isEnabled()};
        EXPECT_EQ(shown, c.after);
        // The settings the game reads say the same.
        const Settings &settings = splash->settings();
        EXPECT_EQ(settings.optHuman(), c.after.human);
        EXPECT_EQ(settings.optComputer(), c.after.computer);
        EXPECT_EQ(settings.optRed(), c.after.red);
        EXPECT_EQ(settings.optBlack(), c.after.black);
        EXPECT_FALSE(settings.blnTestMode);
    }
}

TEST_F(SplashTest, GreyedOutChoiceShowsGrey)
{
    open();
    choose("optComputer");
    const QImage shown = widget("optBlack")->grab().toImage();
    bool white = false;
    bool grey = false;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 30; x < shown.width(); ++x) { // the caption, right of the indicator
            const QColor colour = shown.pixelColor(x, y);
            white = white || colour == QColor(Qt::white);
            grey = grey || (colour.red() == colour.green() && colour.red() > 0x40 && colour.red() < 0xC0);
        }
    }
    EXPECT_TRUE(grey);
    EXPECT_FALSE(white) << "a disabled choice has no white caption";
}

// A drag through the main window, from the centre of one cell to another's.
void dragCell(frmMain *window, int fromCol, int fromRow, int toCol, int toRow)
{
    QWindow *handle = window->windowHandle();
    const QPoint from = cellCentre(fromCol, fromRow);
    const QPoint to = cellCentre(toCol, toRow);
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    QTest::mouseMove(handle, (from + to) / 2);
    QTest::mouseMove(handle, to);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
}

constexpr std::string_view kBlackFirstMoved = ". b . b . b . b\n"
                                              "b . b . b . b .\n"
                                              ". . . b . b . b\n"
                                              "b . . . . . . .\n"
                                              ". . . . . . . .\n"
                                              "r . r . r . r .\n"
                                              ". r . r . r . r\n"
                                              "r . r . r . r .\n";

struct StartCase {
    const char *name;
    std::vector<const char *> clicks;
    const char *firstCaption;
    bool redFirst;
    bool computerAnswers;
};

TEST_F(SplashTest, StartGameOpensTheFirstGameOfTheChoice)
{
    const StartCase cases[] = {
        {"untouched: two people, Red first", {}, "Red's", true, false},
        {"two people, Black first", {"optBlack"}, "Black's", false, false},
        {"against the computer", {"optComputer"}, "Red's", true, true},
        {"against the computer after Black was chosen", {"optBlack", "optComputer"}, "Red's", true, true},
        {"back to two people after the computer", {"optBlack", "optComputer", "optHuman"}, "Red's", true, false},
    };
    for (const StartCase &c : cases) {
        SCOPED_TRACE(c.name);
        mainWindowsMade = pauses = 0;
        open();
        for (const char *option : c.clicks)
            choose(option);
        click("cmdStart");

        ASSERT_NE(main(), nullptr);
        EXPECT_EQ(mainWindowsMade, 1);
        EXPECT_TRUE(main()->isVisible());
        EXPECT_EQ(main()->windowTitle(), "Jumpline");
        EXPECT_FALSE(splash->isVisible()) << "the start-up window is hidden";
        EXPECT_EQ(main()->findChild<QLabel *>("lblPlayer")->text(), c.firstCaption);
        EXPECT_EQ(boardPicture(main()->game.board), kOpeningPicture);

        // Only the side on move can drag: try the other side first, then the side on move.
        if (c.redFirst) {
            dragCell(main(), 2, 3, 1, 4);
            EXPECT_EQ(boardPicture(main()->game.board), kOpeningPicture) << "Black may not move first";
            dragCell(main(), 3, 6, 4, 5);
            if (c.computerAnswers) {
                EXPECT_EQ(pauses, 1) << "the computer answered";
                EXPECT_EQ(main()->game.board.intAIMoves, 1);
                EXPECT_NE(boardPicture(main()->game.board), kAfterRedNineStepsPicture);
                EXPECT_EQ(main()->findChild<QLabel *>("lblPlayer")->text(), "Red's");
            } else {
                EXPECT_EQ(pauses, 0);
                EXPECT_EQ(boardPicture(main()->game.board), kAfterRedNineStepsPicture);
                EXPECT_EQ(main()->findChild<QLabel *>("lblPlayer")->text(), "Black's");
            }
        } else {
            dragCell(main(), 3, 6, 4, 5);
            EXPECT_EQ(boardPicture(main()->game.board), kOpeningPicture) << "Red may not move first";
            dragCell(main(), 2, 3, 1, 4);
            EXPECT_EQ(boardPicture(main()->game.board), kBlackFirstMoved);
            EXPECT_EQ(main()->findChild<QLabel *>("lblPlayer")->text(), "Red's");
        }
        EXPECT_EQ(splashExits + mainExits, 0);
    }
}

TEST_F(SplashTest, StartGameGivesTheMainWindowTheFocus)
{
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(splash.get()));
    click("cmdStart");
    ASSERT_NE(main(), nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(main()));
    EXPECT_EQ(QApplication::activeWindow(), main());
}

TEST_F(SplashTest, ReturnAndEscapePressNeitherButton)
{
    open();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        QTest::keyClick(splash.get(), key);
        QTest::keyClick(widget("optHuman"), key);
    }
    EXPECT_EQ(main(), nullptr);
    EXPECT_EQ(splashExits, 0);
    EXPECT_TRUE(splash->isVisible());
}

TEST_F(SplashTest, ExitBeforeAnyGameEndsTheProgramWithoutMainWindow)
{
    open();
    CloseRecorder closes;
    closes.watch(splash.get());
    choose("optComputer");
    click("cmdExit");
    EXPECT_EQ(splashExits, 1);
    EXPECT_EQ(mainWindowsMade, 0);
    EXPECT_EQ(main(), nullptr);
    EXPECT_EQ(closes.closed, std::vector<std::string>{"frmSplash"});
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(SplashTest, MainWindowExitClosesTheStartUpWindowFirst)
{
    open();
    click("cmdStart");
    ASSERT_NE(main(), nullptr);
    CloseRecorder closes;
    closes.watch(splash.get());
    closes.watch(main());
    QTest::mouseClick(main()->findChild<QPushButton *>("cmdExit"), Qt::LeftButton);
    EXPECT_EQ(mainExits, 1);
    EXPECT_EQ(splashExits, 0);
    EXPECT_EQ(closes.closed, (std::vector<std::string>{"frmSplash", "frmMain"}));
    EXPECT_FALSE(main()->isVisible());
}

TEST_F(SplashTest, SettingsStayWithTheStartUpWindowWhileTheGameRuns)
{
    open();
    choose("optComputer");
    click("cmdStart");
    ASSERT_NE(main(), nullptr);
    // The game reads the settings live: test mode switched on later is seen at once, and
    // in test mode a move hands nothing over to the computer.
    splash->settings().blnTestMode = true;
    dragCell(main(), 3, 6, 4, 5);
    EXPECT_EQ(main()->game.board.intBoard(4, 5), RedMan);
    EXPECT_EQ(pauses, 0) << "no computer reply in test mode";
    EXPECT_EQ(main()->findChild<QLabel *>("lblPlayer")->text(), "Red's");
}

} // namespace
} // namespace jumpline::testing
