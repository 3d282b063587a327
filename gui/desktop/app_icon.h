#pragma once

#include <QIcon>

namespace zorvane {

// The program's icon in every size drawn for it, from the built-in resources.
// The SVG is not used here: reading it would need Qt's SVG plugin.
QIcon ApplicationIcon();

}  // namespace zorvane
