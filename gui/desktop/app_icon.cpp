#include "gui/desktop/app_icon.h"

#include <QString>

// The icons are compiled into this static library; a resource file in a static
// library is registered only when something asks for it by name.
static void RegisterIconResources() { Q_INIT_RESOURCE(zorvane); }

namespace zorvane {

QIcon ApplicationIcon() {
    RegisterIconResources();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/zorvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace zorvane
