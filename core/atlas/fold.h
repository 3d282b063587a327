#pragma once

#include <string>
#include <string_view>

namespace zorvane {

// The form of a name that the atlas compares, from UTF-8 to UTF-8: lower
// case, accents and apostrophes dropped, letters without a decomposition
// spelt out (ß, ø, æ, ł, ...), and every other run of non-letters one blank,
// so that "Saint-Étienne", "saint etienne" and "SAINT ETIENNE " all read
// "saint etienne" and "Xi'an" reads "xian". Any script: the table behind it
// covers every code point. Bytes that are not UTF-8 count as a blank.
std::string FoldForSearch(std::string_view utf8);

// The same, appended to `out`; the atlas folds its names with it.
void AppendFolded(std::string_view utf8, std::string& out);

}  // namespace zorvane
