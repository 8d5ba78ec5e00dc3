// The windows on a real 120 dpi screen ("large fonts"): Qt's own scaling off and the font
// dpi at 120, set before the application exists, so that the screen reports 120 dpi.
#include "RunTests.h"

#include <QByteArray>

int main(int argc, char **argv)
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "120");
    return runWindowTests(argc, argv);
}
