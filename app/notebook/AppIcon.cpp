#include "notebook/AppIcon.h"

// The pictures live in the static application library; pull them in. The
// macro may not stand inside a namespace.
static void initResources()
{
    Q_INIT_RESOURCE(jotwell);
}

namespace AppIcon {

QIcon icon()
{
    initResources();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/jotwell-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace AppIcon
