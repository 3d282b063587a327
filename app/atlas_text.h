#pragma once

#include <QString>

namespace zorvane {

// The form of a name that the atlas compares: lower case, accents and
// apostrophes dropped, letters without a decomposition spelt out (ß, ø, æ,
// ł, ...), and every other run of non-letters and non-digits one blank, so
// that "Saint-Étienne", "saint etienne" and "SAINT ETIENNE " all read
// "saint etienne" and "Xi'an" reads "xian".
QString FoldForSearch(const QString& text);

}  // namespace zorvane
