#include "windows/Resources.h"

#include <QString>

// Outside any namespace, as Qt's resource macro requires. The pictures live in a static
// library, whose resource initialiser the linker would otherwise leave out.
static void initJumplineResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace jumpline {

void initResources()
{
    static const bool done = (initJumplineResources(), true);
    (void)done;
}

QIcon applicationIcon()
{
    initResources();
    QIcon icon;
    for (const int size : {16, 24, 32})
        icon.addFile(QStringLiteral(":/icons/jumpline-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace jumpline
