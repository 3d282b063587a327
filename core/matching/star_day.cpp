#include "core/matching/star_day.h"

#include <cmath>
#include <cstddef>

#include "core/matching/ashtakoota.h"
#include "core/matching/match_tables.h"
#include "core/panchang/limbs.h"
#include "core/time/crossing_search.h"

namespace zorvane {

namespace {

using namespace matching;

constexpr double kNakshatrasPerSign = 27.0 / 12.0;
// The Moon crosses at most two bounds of a nakshatra or sign in a day; the
// cap is far above any span this is asked for.
constexpr int kMostSpans = 64;

bool TaraFavourable(int tara) { return tara != 3 && tara != 5 && tara != 7; }

// The Moon's position counted in the given unit (a nakshatra, or a sign as
// 9/4 nakshatras), unwrapped around its value at the day's start.
struct MoonCounter {
    double dayStartJd;
    double startNakshatras;
    double unitNakshatras;

    double At(double jd) const {
        return UnwrapNear(LimbPositionAt(Limb::Nakshatra, jd), startNakshatras, kNakshatras) / unitNakshatras;
    }
    double Crossing(double target) const {
        const GrowingAngle angle = [this](double jd) { return At(jd); };
        return FindCrossing(angle,
                            {dayStartJd, startNakshatras / unitNakshatras,
                             LimbMeanRatePerDay(Limb::Nakshatra) / unitNakshatras},
                            target);
    }
};

// Calls add(index, start, end) for every whole unit the position passes
// through from the day's start to its end.
template <typename Add>
void EachSpan(const MoonCounter& counter, double dayEndJd, int unitsPerTurn, Add add) {
    double bound = std::floor(counter.At(counter.dayStartJd));
    double startJd = counter.Crossing(bound);
    for (int i = 0; i < kMostSpans; ++i) {
        const double endJd = counter.Crossing(bound + 1.0);
        const int index = static_cast<int>(bound - unitsPerTurn * std::floor(bound / unitsPerTurn));
        add(index, startJd, endJd);
        if (endJd >= dayEndJd) break;
        startJd = endJd;
        bound += 1.0;
    }
}

}  // namespace

StarDay ComputeStarDay(const Star& birth, double dayStartJd, double dayEndJd) {
    StarDay day;
    const double start = LimbPositionAt(Limb::Nakshatra, dayStartJd);
    const MoonCounter stars{dayStartJd, start, 1.0};
    EachSpan(stars, dayEndJd, kNakshatras, [&](int nakshatra, double from, double to) {
        const int tara = TaraOf(birth.nakshatra, nakshatra);
        day.taras.push_back({nakshatra, tara, TaraFavourable(tara), from, to});
    });
    const int birthSign = SignOfStar(birth);
    const MoonCounter signs{dayStartJd, start, kNakshatrasPerSign};
    EachSpan(signs, dayEndJd, kSigns, [&](int sign, double from, double to) {
        const int count = SignCount(birthSign, sign);
        const bool chandrashtama = count == kChandrashtamaCount;
        day.signs.push_back({sign, count, kChandrabalaFavourable[static_cast<std::size_t>(count - 1)],
                             chandrashtama, from, to});
        day.chandrashtama = day.chandrashtama || chandrashtama;
    });
    return day;
}

std::string_view TaraName(int tara) { return kTaraNames[static_cast<std::size_t>(tara - 1)]; }

std::string_view TaraVerdict(int tara) {
    if (tara == 1) return "mixed";
    return TaraFavourable(tara) ? "favourable" : "unfavourable";
}

}  // namespace zorvane
