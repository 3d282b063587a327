#pragma once

#include <string>

#include "core/text/wording.h"

namespace zorvane {

// "1st", "2nd", "13th": the ordinal of a count, its English suffix worded
// as a template ("%1st") that another language may write as it does.
std::string Ordinal(int n, const Wording& wording);

}  // namespace zorvane
