#pragma once

#include <string_view>
#include <vector>

#include "core/matching/star.h"

namespace zorvane {

// The Moon in one nakshatra, whose tara from the birth star it is, and the
// moments (universal-time Julian days) it entered and leaves the nakshatra.
struct TaraSpan {
    int nakshatra = 0;
    int tara = 1;  // 1 Janma .. 9 Parama Mitra
    bool favourable = true;
    double startJd = 0;
    double endJd = 0;
};

// The Moon in one sign, counted from the birth Moon's sign (1..12).
struct MoonSignSpan {
    int sign = 0;
    int count = 1;
    bool favourable = true;     // chandrabala
    bool chandrashtama = false;  // the 8th sign from the birth Moon's
    double startJd = 0;
    double endJd = 0;
};

// What a day holds for a birth star: every nakshatra and sign the Moon is in
// at some moment of the day, with their whole spans (the first starts and the
// last ends outside the day).
struct StarDay {
    std::vector<TaraSpan> taras;
    std::vector<MoonSignSpan> signs;
    bool chandrashtama = false;  // at any moment of the day
};

// The day from dayStartJd to dayEndJd (universal-time Julian days, start
// before end, at most a few days apart), by the program's nakshatra Moon and
// its crossing search.
StarDay ComputeStarDay(const Star& birth, double dayStartJd, double dayEndJd);

std::string_view TaraName(int tara);
// "Mixed" for Janma, then "favourable" or "unfavourable".
std::string_view TaraVerdict(int tara);

}  // namespace zorvane
