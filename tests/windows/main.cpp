// The window tests' main: a QApplication first, offscreen unless the caller chose a
// platform. window_tests_120dpi turns Qt's own scaling off and sets the font dpi to 120
// first, so that the screen reports 120 dpi ("large fonts").
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
#ifdef JUMPLINE_REAL_120DPI
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "120");
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
