#pragma once

#include <string_view>
#include <vector>

namespace zorvane {

// One amanta month, from the new moon that begins it to the next (moments of
// the panchang's tithi reaching 0, universal-time Julian days).
struct LunarMonth {
    int nameIndex = 0;  // 0 Chaitra .. 11 Phalguna
    bool adhika = false;
    double startJd = 0;
    double endJd = 0;
};

// The month of two consecutive new moons: named one on from the Sun's sign
// at the first; adhika when the Sun is in the same sign at both (no
// sankranti in the month: it takes the name of the month after it, which is
// then the nija one). A month with two sankrantis (kshaya) simply skips a
// name, as the rule gives.
LunarMonth MonthBetweenNewMoons(double startJd, double endJd);

// The amanta month in which a moment falls.
LunarMonth AmantaMonthAt(double universalJd);

// The new moons from the last one at or before fromJd to the first one at or
// after toJd, in order.
std::vector<double> NewMoonsCovering(double fromJd, double toJd);

// The purnimanta month (full moon to full moon) of a moment in an amanta
// month: the bright half keeps the amanta month's name, the dark half takes
// the next amanta month's, an adhika month keeps its name and its mark in
// both halves (it runs new moon to new moon in either reckoning).
struct PurnimantaMonth {
    int nameIndex = 0;
    bool adhika = false;
};
PurnimantaMonth PurnimantaOf(const LunarMonth& amanta, bool krishnaPaksha, const LunarMonth& nextAmanta);

std::string_view LunarMonthName(int nameIndex);

}  // namespace zorvane
