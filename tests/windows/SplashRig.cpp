#include "SplashRig.h"

#include <QEvent>
#include <QTest>
#include <QWindow>

namespace jumpline::testing {

void CloseRecorder::watch(QWidget *window)
{
    window->installEventFilter(this);
}

bool CloseRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close)
        closed.push_back(watched->objectName().toStdString());
    return false;
}

void SplashTest::open()
{
    splash = std::make_unique<frmSplash>([this](Settings &settings) {
        ++mainWindowsMade;
        auto window = std::make_unique<PressCountingMain>(settings, random, pictures);
        window->setObjectName(QStringLiteral("frmMain"));
        window->setPauseHook([this] { ++pauses; });
        window->setMessageHook([](const std::string &) {});
        window->setExitHook([this] { ++mainExits; });
        return window;
    });
    splash->setExitHook([this] { ++splashExits; });
    splash->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(splash.get()));
}

void SplashTest::TearDown()
{
    splash.reset();
}

void SplashTest::clickAt(QPoint inWindow)
{
    QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, inWindow);
}

void SplashTest::click(const std::string &name)
{
    clickAt(placed(name).center());
}

void SplashTest::choose(const std::string &option)
{
    const QRect at = placed(option);
    clickAt({at.left() + 30, at.center().y()});
}

QWidget *SplashTest::widget(const std::string &name) const
{
    auto *found = splash->findChild<QWidget *>(QString::fromStdString(name));
    EXPECT_NE(found, nullptr) << "no control named " << name;
    return found;
}

QRect SplashTest::placed(const std::string &name) const
{
    const QWidget *control = widget(name);
    return {control->mapTo(splash.get(), QPoint(0, 0)), control->size()};
}

PressCountingMain *SplashTest::main() const
{
    return static_cast<PressCountingMain *>(splash->mainWindow());
}

} // namespace jumpline::testing
