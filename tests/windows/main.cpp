#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The offscreen platform warns that it cannot grab the mouse or size windows; the window
// keeps its own grab, so these say nothing about the tests.
QtMessageHandler standard = nullptr;

void quietPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    standard(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    // Widgets need an application; offscreen unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standard = qInstallMessageHandler(quietPlatformNotes);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
