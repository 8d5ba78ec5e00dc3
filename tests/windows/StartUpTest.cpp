// The start-up window: the choice of opponent and first player, "Start Game", "Exit", and
// the main window's Exit, which closes the windows in their order.

#include "Rig.h"

#include <QRadioButton>

namespace jumpline::testing {
namespace {

class StartUpTest : public WindowTest {
protected:
    // A click on an option button's caption, through the window.
    void choose(const char *option)
    {
        const QWidget *control = find(splash.get(), option);
        clickAt(splash.get(), control->mapTo(splash.get(), QPoint(30, control->height() / 2)));
    }

    // "Human Red", "Computer Red (Black greyed)": the options selected.
    std::string choice() const
    {
        std::string shown;
        for (const char *option : {"optHuman", "optComputer", "optRed", "optBlack"})
            if (qobject_cast<const QRadioButton *>(find(splash.get(), option))->isChecked())
                shown += std::string(shown.empty() ? "" : " ") + (option + 3);
        return shown + (find(splash.get(), "optBlack")->isEnabled() ? "" : " (Black greyed)");
    }
};

struct StartCase { const char *name; std::vector<const char *> clicks; const char *choice; };

TEST_F(StartUpTest, OptionsFollowTheRulesOfTheChoiceAndStartGameOpensItsGame)
{
    const StartCase cases[] = {
        {"untouched", {}, "Human Red"},
        {"Black is First", {"optBlack"}, "Human Black"},
        {"Versus Computer forces Red", {"optBlack", "optComputer"}, "Computer Red (Black greyed)"},
        {"back to Human, Red stays", {"optBlack", "optComputer", "optHuman"}, "Human Red"},
        {"a greyed-out Black cannot be chosen", {"optComputer", "optBlack"}, "Computer Red (Black greyed)"},
        {"a selected option clicked again", {"optBlack", "optBlack", "optComputer", "optComputer"},
         "Computer Red (Black greyed)"},
    };
    for (const StartCase &c : cases) {
        SCOPED_TRACE(c.name);
        openSplash();
        pauses = 0;
        for (const char *option : c.clicks)
            choose(option);
        EXPECT_EQ(choice(), c.choice);

        startGame();
        ASSERT_EQ(splash->mainWindow(), window);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(splash->isVisible());
        // The side on move steps; the other side, or after the computer's reply Red, is on move.
        const bool redFirst = c.choice != std::string("Human Black");
        const bool computer = c.choice[0] == 'C';
        EXPECT_EQ(player(), redFirst ? "Red's" : "Black's");
        redFirst ? dragCell(3, 6, 4, 5) : dragCell(2, 3, 1, 4);
        EXPECT_EQ(player(), redFirst && !computer ? "Black's" : "Red's");
        EXPECT_EQ(pauses, computer ? 1 : 0);
    }
}

TEST_F(StartUpTest, ExitBeforeAnyGameEndsTheProgramWithoutAMainWindow)
{
    openSplash();
    click(find(splash.get(), "cmdExit"), {63, 21});
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(splash->mainWindow(), nullptr);
    EXPECT_FALSE(splash->isVisible());
}

// Records the windows' closes, in order.
class CloseRecorder : public QObject {
public:
    std::vector<std::string> closed;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            closed.push_back(watched->objectName().toStdString());
        return false;
    }
};

TEST_F(StartUpTest, ExitClosesTheStartUpWindowThenTheTestWindowThenTheMainWindow)
{
    for (const bool testModeOn : {true, false}) {
        SCOPED_TRACE(testModeOn ? "test window shown, test mode on" : "test window loaded hidden by a dump");
        openSplash();
        exits = 0;
        startGame();
        if (testModeOn) {
            window->ShowTestWindow();
            clickTestMode();
        } else {
            dragCell(3, 6, 4, 5);
        }
        ASSERT_NE(testWindow(), nullptr);
        EXPECT_EQ(testWindow()->isVisible(), testModeOn);
        CloseRecorder recorder;
        for (QWidget *watched : std::vector<QWidget *>{splash.get(), testWindow(), window})
            watched->installEventFilter(&recorder);

        click(widget("cmdExit"));
        EXPECT_EQ(recorder.closed, (std::vector<std::string>{"frmSplash", "frmTest", "frmMain"}));
        EXPECT_FALSE(splash->settings().blnTestMode);
        EXPECT_EQ(testWindow(), nullptr);
        EXPECT_EQ(exits, 1);
    }
}

} // namespace
} // namespace jumpline::testing
