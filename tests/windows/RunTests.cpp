#include "RunTests.h"

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

int runWindowTests(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standard = qInstallMessageHandler(quietPlatformNotes);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
