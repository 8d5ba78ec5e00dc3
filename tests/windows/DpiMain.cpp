// The windows on a real 120 dpi screen ("large fonts"): Qt's own scaling off and the font
// dpi at 120, set before the application exists, so that the screen reports 120 dpi.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

QtMessageHandler standard = nullptr;

// The offscreen platform cannot grab the mouse; the windows keep their own grab.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    standard(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "120");
    standard = qInstallMessageHandler(quietPlatformNotes);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
