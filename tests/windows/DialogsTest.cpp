// The start-up window, the password dialog and the test window, by mouse and by keys, and the
// main window's Exit, which closes the windows in their order.
#include "Rig.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

namespace jumpline::testing {
namespace {

// Records the order in which the windows it watches close.
struct CloseOrder : QObject {
    std::string order;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        order += event->type() == QEvent::Close ? watched->objectName().toStdString() + " " : "";
        return false;
    }
};

class Dialogs : public Windows {
protected:
    frmSplash &openSplash()
    {
        splash = std::make_unique<frmSplash>([this](Settings &chosen) { return std::make_unique<frmMain>(chosen, random, pictures, &screen); });
        splash->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(splash.get()));
        return *splash;
    }
    // "Human Red", "Computer Red (Black greyed)": the options selected.
    std::string choice() const
    {
        std::string shown;
        for (const char *option : {"optHuman", "optComputer", "optRed", "optBlack"})
            shown += qobject_cast<const QRadioButton *>(child(splash.get(), option))->isChecked() ? std::string(option + 3) + " " : "";
        return shown + (child(splash.get(), "optBlack")->isEnabled() ? "" : "(Black greyed)");
    }
    void choose(const char *option) { click(splash.get(), child(splash.get(), option)->mapTo(splash.get(), QPoint(30, 8))); }
    QLineEdit *passwordBox() const { return main->loadedPasswordDialog()->findChild<QLineEdit *>(); }

    std::unique_ptr<frmSplash> splash;
};

TEST_F(Dialogs, TheStartUpWindowChoosesTheGameThatStartGameOpens)
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
            choose(option);
        EXPECT_EQ(choice(), chosen);
        click(splash.get(), child(splash.get(), "cmdStart")->geometry().center());
        ASSERT_NE(splash->mainWindow(), nullptr);
        EXPECT_EQ(std::tuple(splash->mainWindow()->isVisible(), splash->isVisible(), splash->mainWindow()->game.board.lblPlayer),
                  std::tuple(true, false, std::string(chosen) == "Human Black " ? "Black's" : "Red's"));
        EXPECT_EQ(splash->settings().optComputer(), *chosen == 'C');
    }
    expectLooks(&openSplash(), "splash");
    choose("optComputer");
    expectLooks(splash.get(), "splash-versus-computer");
    setTwipsPerPixelForTests(TwipsPerPixel{12, 12});
    expectLooks(&openSplash(), "splash-12");
    click(splash.get(), child(splash.get(), "cmdExit")->geometry().center());
    EXPECT_TRUE(!splash->isVisible() && splash->mainWindow() == nullptr);
}

// The arrows go through the choices and buttons (choosing in a group as they go), Enter
// starts the game, Escape leaves.
TEST_F(Dialogs, TheStartUpWindowTakesTheKeys)
{
    openSplash();
    child(splash.get(), "optHuman")->setFocus();
    std::string visited;
    for (int k = 0; k < 4; ++k) {
        keys(QApplication::focusWidget(), {Qt::Key_Down});
        visited += QApplication::focusWidget()->objectName().toStdString() + " ";
    }
    EXPECT_EQ(visited + choice(), "optComputer optRed cmdStart cmdExit Computer Red (Black greyed)");
    keys(QApplication::focusWidget(), {Qt::Key_Return});
    EXPECT_TRUE(splash->mainWindow() != nullptr && splash->settings().optComputer());
    keys(&openSplash(), {Qt::Key_Escape});
    EXPECT_TRUE(!splash->isVisible() && splash->mainWindow() == nullptr);
}

TEST_F(Dialogs, TheHotSpotAndTheCodeInAnyCaseOpenTheTestWindow)
{
    for (const auto &[typed, opens] : {std::pair{"krov", true}, {"KrOv", true}, {"krov ", false}, {"kro", false}}) {
        open();
        frmPassword &dialog = openPassword();
        QTest::keyClicks(passwordBox(), QLatin1String(typed));
        click(&dialog, child(&dialog, "cmdEnter")->geometry().center());
        EXPECT_EQ(std::tuple(passwordBox()->text().isEmpty(), dialog.isVisible(), main->loadedTestWindow() && main->loadedTestWindow()->isVisible()),
                  std::tuple(true, !opens, opens))
            << typed;
    }
    // Only a double-click on the spot opens it; Cancel (or Escape) keeps the text; Enter is "Enter".
    open();
    click(main.get(), {600, 336});
    QTest::mouseDClick(main->windowHandle(), Qt::LeftButton, {}, {590, 336});
    EXPECT_EQ(main->loadedPasswordDialog(), nullptr);
    frmPassword &dialog = openPassword();
    QTest::keyClicks(passwordBox(), QStringLiteral("krov"));
    expectLooks(&dialog, "password");
    click(&dialog, child(&dialog, "cmdCancel")->geometry().center());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(&openPassword(), &dialog);
    keys(passwordBox(), {Qt::Key_Escape});
    EXPECT_FALSE(dialog.isVisible());
    keys(openPassword().findChild<QLineEdit *>(), {Qt::Key_Enter});
    EXPECT_TRUE(!dialog.isVisible() && main->loadedTestWindow()->isVisible());
}

// The button (or Space on it) switches test mode; "Delete" takes a piece; the close box ends
// test mode; the dump follows every move.
TEST_F(Dialogs, TheTestWindowSwitchesTestModeAndShowsTheDump)
{
    open();
    frmTest &test = main->ShowTestWindow();
    click(&test, child(&test, "cmdTestMode")->geometry().center());
    EXPECT_EQ(std::tuple(settings.blnTestMode, text(&test, "lblTestMode")), std::tuple(true, "Test Mode is ON"));
    drag(centreOf({2, 3}), child(main.get(), "Square(32)")->geometry().center());
    EXPECT_EQ(std::tuple(child(main.get(), "Black(8)")->isVisible(), text(&test, "lblDump")), std::tuple(false, main->game.board.PrintBoard()));
    expectLooks(&test, "test-window");
    keys(child(&test, "cmdTestMode"), {Qt::Key_Space});
    EXPECT_EQ(std::tuple(settings.blnTestMode, text(&test, "lblTestMode")), std::tuple(false, "Test Mode is OFF"));
    keys(child(&test, "cmdTestMode"), {Qt::Key_Space});
    test.close();
    EXPECT_EQ(std::tuple(settings.blnTestMode, child(main.get(), "Square(32)")->isVisible(), main->loadedTestWindow()), std::tuple(false, false, nullptr));
    dragPiece({3, 6}, {4, 5});
    EXPECT_EQ(text(main->loadedTestWindow(), "lblDump"), main->game.board.PrintBoard());
}

TEST_F(Dialogs, ExitClosesTheStartUpWindowTheTestWindowAndTheMainWindowInThatOrder)
{
    CloseOrder closes;
    openSplash().installEventFilter(&closes);
    click(splash.get(), child(splash.get(), "cmdStart")->geometry().center());
    frmMain *started = splash->mainWindow();
    started->installEventFilter(&closes);
    started->ShowTestWindow().installEventFilter(&closes);
    click(started, child(started, "cmdExit")->geometry().center());
    EXPECT_EQ(std::tuple(closes.order, screen.ended), std::tuple("frmSplash frmTest frmMain ", true));
}

} // namespace
} // namespace jumpline::testing
