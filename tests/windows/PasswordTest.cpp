// The hot spot and the password dialog: what opens it, the access code, the keys that do
// nothing, Cancel, and the dialog's rounded outline and layout.

#include "ScalingChecks.h"
#include "SplashRig.h"
#include "TestModeRig.h"

#include "windows/RoundedRegion.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace jumpline::testing {
namespace {

using PasswordTest = TestModeTest;

bool shown(const QWidget *window)
{
    return window != nullptr && window->isVisible();
}

struct HotSpotCase {
    const char *name;
    QPoint at;
    bool doubleClick;
    bool opens;
};

TEST_F(PasswordTest, OnlyADoubleClickOnTheHotSpotOpensTheDialog)
{
    const HotSpotCase cases[] = {
        {"a double-click in the middle of the spot", HotSpot, true, true},
        {"a double-click on its top-left pixel", {592, 328}, true, true},
        {"a double-click on its bottom-right pixel", {608, 344}, true, true},
        {"a single click on the spot", HotSpot, false, false},
        {"a double-click just left of it", {591, 336}, true, false},
        {"a double-click just below it", {600, 345}, true, false},
        {"a double-click on the banner above it", {600, 200}, true, false},
        {"a double-click on the banner's foot", {540, 336}, true, false},
    };
    for (const HotSpotCase &c : cases) {
        SCOPED_TRACE(c.name);
        open();
        const QPoint placed = window->pos();
        if (c.doubleClick)
            doubleClickAt(c.at);
        else
            singleClickAt(c.at);
        EXPECT_EQ(shown(password()), c.opens);
        EXPECT_EQ(window->pos(), placed) << "a double-click on the banner does not move the window either";
        EXPECT_EQ(test(), nullptr);
    }
}

TEST_F(PasswordTest, SecondDoubleClickOnlyBringsItForward)
{
    open();
    frmPassword *first = openPassword();
    ASSERT_TRUE(shown(first));
    type("kr");
    first->move(first->pos() + QPoint(30, 20));
    const QPoint moved = first->pos();

    EXPECT_EQ(openPassword(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->pos(), moved) << "not placed again while it is open";
    EXPECT_EQ(passwordBox()->text(), "kr");
    int dialogs = 0;
    for (const QWidget *topLevel : QApplication::topLevelWidgets())
        dialogs += topLevel->objectName() == "frmPassword" ? 1 : 0;
    EXPECT_EQ(dialogs, 1);
}

TEST_F(PasswordTest, OpensCentredOnTheMainWindow)
{
    open();
    window->move(40, 30);
    frmPassword *dialog = openPassword();
    ASSERT_TRUE(shown(dialog));
    EXPECT_EQ(dialog->geometry().center(), window->geometry().center());
    EXPECT_FALSE(dialog->isModal());

    pressInDialog("cmdCancel");
    window->move(120, 70);
    EXPECT_EQ(openPassword(), dialog);
    EXPECT_EQ(dialog->geometry().center(), window->geometry().center()) << "it opens where the main window is now";
}

TEST_F(PasswordTest, AccessCodeInAnyCaseOpensTheTestWindow)
{
    for (const char *code : {"krov", "KrOv", "KROV"}) {
        SCOPED_TRACE(code);
        open();
        frmPassword *dialog = openPassword();
        type(QString::fromLatin1(code));
        pressInDialog("cmdEnter");

        ASSERT_NE(test(), nullptr);
        EXPECT_TRUE(test()->isVisible());
        EXPECT_FALSE(test()->isModal());
        EXPECT_TRUE(QTest::qWaitForWindowActive(test())) << "the test window has the focus";
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(password(), dialog) << "hidden, not closed";
        EXPECT_TRUE(passwordBox()->text().isEmpty());
        EXPECT_FALSE(settings.blnTestMode) << "the code opens the window; the button switches";
    }
}

TEST_F(PasswordTest, AnythingElseEmptiesTheBoxAndTheDialogStays)
{
    for (const char *entry : {" krov", "krov ", "kro", "krovk", "k rov", "crov", "KROW", ""}) {
        SCOPED_TRACE(std::string("\"") + entry + "\"");
        open();
        frmPassword *dialog = openPassword();
        type(QString::fromLatin1(entry));
        pressInDialog("cmdEnter");
        EXPECT_TRUE(passwordBox()->text().isEmpty());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(test(), nullptr);
    }
}

TEST_F(PasswordTest, ReturnAndEscapePressNeitherButton)
{
    open();
    frmPassword *dialog = openPassword();
    type("krov");
    for (const char *focused : {"txtPassword", "cmdEnter", "cmdCancel"}) {
        auto *target = dialog->findChild<QWidget *>(QLatin1String(focused));
        ASSERT_NE(target, nullptr);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            SCOPED_TRACE(std::string(focused) + " key " + std::to_string(key));
            target->setFocus();
            QTest::keyClick(target, key);
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(passwordBox()->text(), "krov");
            EXPECT_EQ(test(), nullptr);
        }
    }
}

TEST_F(PasswordTest, CancelHidesItAndKeepsTheTextForNextTime)
{
    open();
    frmPassword *dialog = openPassword();
    type("kr");
    pressInDialog("cmdCancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get())) << "the main window has the focus";
    EXPECT_EQ(test(), nullptr);

    EXPECT_EQ(openPassword(), dialog);
    EXPECT_EQ(passwordBox()->text(), "kr");
    type("OV");
    pressInDialog("cmdEnter");
    EXPECT_TRUE(shown(test())) << "\"krOV\" is the code";
}

TEST_F(PasswordTest, EveryTypedCharacterShowsAsAStar)
{
    open();
    openPassword();
    EXPECT_TRUE(passwordBox()->text().isEmpty()) << "empty at start";
    type("kRov 1");
    EXPECT_EQ(passwordBox()->text(), "kRov 1");
    EXPECT_EQ(passwordBox()->displayText(), "******");
}

struct PasswordRatioCase {
    const char *name;
    TwipsPerPixel ratio;
};

TEST_F(PasswordTest, KeepsItsDesignPixelsAndFontsAtEveryRatio)
{
    const PasswordRatioCase cases[] = {
        {"15", {15, 15}}, {"12", {12, 12}}, {"15 x 12", {15, 12}}, {"14.4", {14.4, 14.4}},
    };
    for (const PasswordRatioCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TwipsPerPixelOverride ratio(c.ratio);
        open();
        frmPassword *dialog = openPassword();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->size(), QSize(143, 73));
        // Every control converted in full, and no font rule.
        expectControls(dialog, {
                                   {"txtPassword", {16, 16, 113, 19}, 8.25},
                                   {"cmdEnter", {16, 32, 57, 25}, 8.25},
                                   {"cmdCancel", {72, 32, 57, 25}, 8.25},
                               });
    }
}

struct MaskPoint {
    QPoint at;
    bool inside;
};

TEST_F(PasswordTest, WindowAndButtonsAreCutToRoundedShapes)
{
    open();
    frmPassword *dialog = openPassword();
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(dialog->windowTitle(), "Password");

    // (1, 1)-(144, 66): the first row and column and the bottom 7 px are cut; each corner
    // row 0 loses 5 px.
    EXPECT_EQ(dialog->mask(), roundedRegion(1, 1, 144, 66, 15, 15));
    const MaskPoint outline[] = {
        {{6, 1}, true},   {{5, 1}, false},   {{138, 1}, true},  {{139, 1}, false}, {{1, 30}, true},
        {{0, 30}, false}, {{142, 30}, true}, {{70, 65}, true},  {{70, 66}, false}, {{70, 72}, false},
        {{6, 65}, true},  {{5, 65}, false},  {{1, 6}, true},    {{1, 5}, false},   {{70, 0}, false},
    };
    for (const MaskPoint &p : outline) {
        SCOPED_TRACE(std::to_string(p.at.x()) + ", " + std::to_string(p.at.y()));
        EXPECT_EQ(dialog->mask().contains(p.at), p.inside);
    }

    // The buttons show only (5, 5)-(54, 22); a click in the cut margin finds no button.
    for (const char *name : {"cmdEnter", "cmdCancel"}) {
        SCOPED_TRACE(name);
        const QWidget *button = dialog->findChild<QWidget *>(QLatin1String(name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->mask(), roundedRegion(5, 5, 54, 22, 15, 15));
        const QPoint at = button->pos();
        const MaskPoint margins[] = {
            {{29, 13}, true},  {{10, 5}, true},   {{9, 5}, false},  {{5, 13}, true},  {{4, 13}, false},
            {{53, 13}, true},  {{54, 13}, false}, {{29, 21}, true}, {{29, 22}, false}, {{29, 4}, false},
        };
        for (const MaskPoint &p : margins) {
            SCOPED_TRACE(std::to_string(p.at.x()) + ", " + std::to_string(p.at.y()));
            EXPECT_EQ(dialog->childAt(at + p.at) == button, p.inside);
        }
    }
}

TEST_F(PasswordTest, BlackWithAWhiteBoxAndLightGreyButtons)
{
    open();
    frmPassword *dialog = openPassword();
    const QImage shown = dialog->grab().toImage();
    EXPECT_EQ(shown.pixel(8, 60) | 0xFF000000u, qRgb(0, 0, 0)) << "the background";
    EXPECT_EQ(shown.pixel(120, 25) | 0xFF000000u, qRgb(255, 255, 255)) << "inside the box";
    EXPECT_EQ(shown.pixel(16 + 8, 32 + 18) | 0xFF000000u, qRgb(192, 192, 192)) << "Enter";
    EXPECT_EQ(shown.pixel(72 + 50, 32 + 18) | 0xFF000000u, qRgb(192, 192, 192)) << "Cancel";
    EXPECT_EQ(qobject_cast<QPushButton *>(dialog->findChild<QWidget *>("cmdEnter"))->text(), "Enter");
    EXPECT_EQ(qobject_cast<QPushButton *>(dialog->findChild<QWidget *>("cmdCancel"))->text(), "Cancel");
}

} // namespace
} // namespace jumpline::testing
