// The start-up window, the password dialog and the test window, by mouse and by keys, and
// the main window's Exit, which closes the windows in their order.
#include "Rig.h"

#include <QLineEdit>
#include <QRadioButton>

namespace jumpline::testing {
namespace {

class Dialogs : public Windows {
protected:
    frmSplash &openSplash()
    {
        splash = std::make_unique<frmSplash>([this](Settings &chosen) {
            auto made = std::make_unique<frmMain>(chosen, random, pictures, &screen);
            made->installEventFilter(&closes);
            return made;
        });
        splash->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(splash.get()));
        return *splash;
    }
    // "Human Red", "Computer Red (Black greyed)": the options selected.
    std::string choice() const
    {
        std::string shown;
        for (const char *option : {"optHuman", "optComputer", "optRed", "optBlack"})
            if (qobject_cast<const QRadioButton *>(child(splash.get(), option))->isChecked())
                shown += std::string(shown.empty() ? "" : " ") + (option + 3);
        return shown + (child(splash.get(), "optBlack")->isEnabled() ? "" : " (Black greyed)");
    }
    void choose(const char *option) { click(splash.get(), child(splash.get(), option)->mapTo(splash.get(), QPoint(30, 8))); }
    QLineEdit *passwordBox() const { return main->loadedPasswordDialog()->findChild<QLineEdit *>(); }

    struct CloseOrder : QObject {
        std::string order;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Close)
                order += watched->objectName().toStdString() + " ";
            return false;
        }
    } closes;
    std::unique_ptr<frmSplash> splash;
};

TEST_F(Dialogs, TheStartUpWindowChoosesTheGameThatStartGameOpens)
{
    const struct {
        const char *name;
        std::vector<const char *> clicks;
        const char *choice;
    } cases[] = {
        {"untouched", {}, "Human Red"},
        {"Black is First", {"optBlack"}, "Human Black"},
        {"Versus Computer forces Red", {"optBlack", "optComputer"}, "Computer Red (Black greyed)"},
        {"back to Human, Red stays", {"optBlack", "optComputer", "optHuman"}, "Human Red"},
        {"a greyed-out Black cannot be chosen", {"optComputer", "optBlack", "optComputer"}, "Computer Red (Black greyed)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        openSplash();
        for (const char *option : c.clicks)
            choose(option);
        EXPECT_EQ(choice(), c.choice);
        click(splash.get(), child(splash.get(), "cmdStart")->geometry().center());
        frmMain *started = splash->mainWindow();
        ASSERT_NE(started, nullptr);
        EXPECT_TRUE(started->isVisible() && !splash->isVisible());
        EXPECT_EQ(started->game.board.lblPlayer, std::string_view(c.choice).ends_with("Black") ? "Black's" : "Red's");
        EXPECT_EQ(splash->settings().optComputer(), std::string(c.choice).starts_with("Computer"));
    }
    expectLooks(&openSplash(), "splash");
    choose("optComputer");
    expectLooks(splash.get(), "splash-versus-computer");
    setTwipsPerPixelForTests(TwipsPerPixel{12, 12});
    expectLooks(&openSplash(), "splash-12");
    click(splash.get(), child(splash.get(), "cmdExit")->geometry().center());
    EXPECT_TRUE(!splash->isVisible() && splash->mainWindow() == nullptr);
}

TEST_F(Dialogs, TheStartUpWindowTakesTheKeys)
{
    openSplash();
    child(splash.get(), "optHuman")->setFocus();
    std::string visited;
    for (int k = 0; k < 4; ++k) {
        keys(QApplication::focusWidget(), {Qt::Key_Down});
        visited += QApplication::focusWidget()->objectName().toStdString() + " ";
    }
    EXPECT_EQ(visited, "optComputer optRed cmdStart cmdExit ");
    EXPECT_EQ(choice(), "Computer Red (Black greyed)");
    keys(QApplication::focusWidget(), {Qt::Key_Return});
    ASSERT_NE(splash->mainWindow(), nullptr);
    EXPECT_TRUE(splash->settings().optComputer());
    openSplash();
    keys(splash.get(), {Qt::Key_Escape});
    EXPECT_TRUE(!splash->isVisible() && splash->mainWindow() == nullptr);
}

TEST_F(Dialogs, TheHotSpotAndTheCodeInAnyCaseOpenTheTestWindow)
{
    for (const auto &[typed, opens] : {std::pair{"krov", true}, {"KrOv", true}, {"krov ", false}, {"kro", false}}) {
        SCOPED_TRACE(typed);
        open();
        frmPassword &dialog = openPassword();
        QTest::keyClicks(passwordBox(), QLatin1String(typed));
        click(&dialog, child(&dialog, "cmdEnter")->geometry().center());
        EXPECT_TRUE(passwordBox()->text().isEmpty());
        EXPECT_EQ(dialog.isVisible(), !opens);
        EXPECT_EQ(main->loadedTestWindow() != nullptr && main->loadedTestWindow()->isVisible(), opens);
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
    openPassword();
    keys(passwordBox(), {Qt::Key_Enter});
    EXPECT_TRUE(!dialog.isVisible() && main->loadedTestWindow()->isVisible());
}

// The button (or Space on it) switches test mode; "Delete" takes a piece; the close box ends
// test mode; the dump follows every move.
TEST_F(Dialogs, TheTestWindowSwitchesTestModeAndShowsTheDump)
{
    open();
    frmTest &test = main->ShowTestWindow();
    click(&test, child(&test, "cmdTestMode")->geometry().center());
    EXPECT_EQ(std::tuple(settings.blnTestMode, text(&test, "lblTestMode")), std::tuple(true, QStringLiteral("Test Mode is ON")));
    drag(centreOf({2, 3}), child(main.get(), "Square(32)")->geometry().center());
    EXPECT_FALSE(child(main.get(), "Black(8)")->isVisible());
    EXPECT_EQ(text(&test, "lblDump").toStdString(), main->game.board.PrintBoard());
    expectLooks(&test, "test-window");
    keys(child(&test, "cmdTestMode"), {Qt::Key_Space});
    EXPECT_EQ(std::tuple(settings.blnTestMode, text(&test, "lblTestMode")), std::tuple(false, QStringLiteral("Test Mode is OFF")));
    keys(child(&test, "cmdTestMode"), {Qt::Key_Space});
    test.close();
    EXPECT_FALSE(settings.blnTestMode || child(main.get(), "Square(32)")->isVisible());
    EXPECT_EQ(main->loadedTestWindow(), nullptr);
    dragPiece({3, 6}, {4, 5});
    EXPECT_EQ(text(main->loadedTestWindow(), "lblDump").toStdString(), main->game.board.PrintBoard());
}

TEST_F(Dialogs, ExitClosesTheStartUpWindowTheTestWindowAndTheMainWindowInThatOrder)
{
    openSplash().installEventFilter(&closes);
    click(splash.get(), child(splash.get(), "cmdStart")->geometry().center());
    main.reset(); // the start-up window owns the one it made
    frmMain *started = splash->mainWindow();
    started->ShowTestWindow().installEventFilter(&closes);
    click(started, child(started, "cmdExit")->geometry().center());
    EXPECT_EQ(closes.order, "frmSplash frmTest frmMain ");
    EXPECT_TRUE(screen.ended);
}

} // namespace
} // namespace jumpline::testing
