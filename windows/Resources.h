// The pictures compiled into the program: the banners, the logo and the icon.
#pragma once

#include <QIcon>

namespace jumpline {

// Makes the compiled-in pictures available under ":/"; safe to call more than once.
void initResources();

// The application icon in its 16, 24 and 32 px sizes; every window carries it.
QIcon applicationIcon();

} // namespace jumpline
