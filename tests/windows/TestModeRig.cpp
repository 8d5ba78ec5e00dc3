#include "TestModeRig.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace jumpline::testing {

void TestModeTest::doubleClickAt(QPoint at)
{
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at);
}

void TestModeTest::singleClickAt(QPoint at)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
}

frmPassword *TestModeTest::openPassword()
{
    doubleClickAt(widget("lblPassword")->geometry().center()); // (600, 336) unless the layout was converted
    return password();
}

QLineEdit *TestModeTest::passwordBox() const
{
    return password() == nullptr ? nullptr : password()->findChild<QLineEdit *>(QStringLiteral("txtPassword"));
}

void TestModeTest::type(const QString &text)
{
    QTest::keyClicks(passwordBox(), text);
}

void TestModeTest::pressInDialog(const char *button)
{
    auto *found = password()->findChild<QPushButton *>(QLatin1String(button));
    ASSERT_NE(found, nullptr) << button;
    QTest::mouseClick(found, Qt::LeftButton, {}, QPoint(29, 13)); // the middle of (5, 5)-(54, 22)
}

frmTest *TestModeTest::openTestWindow()
{
    return &window->ShowTestWindow();
}

void TestModeTest::clickTestMode()
{
    auto *button = test()->findChild<QPushButton *>(QStringLiteral("cmdTestMode"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

QString TestModeTest::testModeCaption() const
{
    return test()->findChild<QLabel *>(QStringLiteral("lblTestMode"))->text();
}

QString TestModeTest::shownDump() const
{
    return test()->findChild<QLabel *>(QStringLiteral("lblDump"))->text();
}

bool TestModeTest::dragStartsAt(QPoint at)
{
    QWindow *handle = window->windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, at);
    const bool started = window->dragging();
    QTest::mouseRelease(handle, Qt::LeftButton, {}, at);
    return started;
}

} // namespace jumpline::testing
