#include "core/chart/vargas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

#include "core/chart/birth_chart.h"

namespace zorvane {
namespace {

// Sign numbers from Mesha, to keep the worked examples readable.
enum Sign { Mesha, Vrishabha, Mithuna, Karka, Simha, Kanya, Tula, Vrishchika, Dhanu, Makara, Kumbha, Meena };

struct Worked {
    double longitudeDegrees;
    int division;
    int sign;
};

// Worked by hand from the rules, three points each through every varga:
// 100°30' = Karka 10°30' (even, movable, watery); 247° = Dhanu 7° (odd,
// dual, fiery); 52° = Vrishabha 22° (even, fixed, earthy). For example the
// D7 of Karka 10°30': part 3 of 7 (10.5 / 4.286 = 2.45), an even sign
// counts from its 7th (Makara), so Makara, Kumbha, Meena.
constexpr auto kWorked = std::to_array<Worked>({
    {100.5, 1, Karka},      {100.5, 2, Karka},       {100.5, 3, Vrishchika}, {100.5, 4, Tula},
    {100.5, 7, Meena},      {100.5, 9, Tula},        {100.5, 10, Mithuna},   {100.5, 12, Vrishchika},
    {100.5, 16, Kanya},     {100.5, 20, Vrishchika}, {100.5, 24, Meena},     {100.5, 27, Tula},
    {100.5, 30, Kanya},     {100.5, 40, Dhanu},      {100.5, 45, Karka},     {100.5, 60, Mesha},
    {247.0, 1, Dhanu},      {247.0, 2, Simha},       {247.0, 3, Dhanu},      {247.0, 4, Dhanu},
    {247.0, 7, Makara},     {247.0, 9, Mithuna},     {247.0, 10, Kumbha},    {247.0, 12, Kumbha},
    {247.0, 16, Meena},     {247.0, 20, Dhanu},      {247.0, 24, Makara},    {247.0, 27, Tula},
    {247.0, 30, Kumbha},    {247.0, 40, Makara},     {247.0, 45, Tula},      {247.0, 60, Kumbha},
    {52.0, 2, Simha},       {52.0, 3, Makara},       {52.0, 9, Karka},       {52.0, 16, Karka},
    {52.0, 20, Kumbha},     {52.0, 30, Makara},      {52.0, 45, Vrishabha},
    // Trimsamsa bounds: 5° of an odd sign starts Saturn's part; 12° of an
    // even sign starts Jupiter's; the last part of an odd sign is Venus's.
    {5.0, 30, Kumbha},      {4.999, 30, Mesha},      {42.0, 30, Meena},      {29.999, 30, Tula},
    // Whole turns and negative longitudes are folded first.
    {360.0 + 100.5, 9, Tula}, {100.5 - 720.0, 9, Tula},
});

TEST(Vargas, WorkedExamplesFollowTheRules) {
    for (const Worked& worked : kWorked) {
        EXPECT_EQ(VargaSign(worked.division, worked.longitudeDegrees), worked.sign)
            << "D" << worked.division << " of " << worked.longitudeDegrees;
    }
    EXPECT_EQ(VargaSign(5, 10.0), -1);
}

// Over every sign, at the middle of each part: the equal-part vargas step a
// fixed count of signs a part; the hora gives only Simha and Karka; the trimsamsa gives the
// five signs of its parity; and D9 starts every sign of a triplicity at the
// same place.
TEST(Vargas, EveryPartOfEverySignFollowsItsCounting) {
    for (const VargaKind& varga : kVargas) {
        for (int sign = 0; sign < 12; ++sign) {
            const double partWidth = 30.0 / varga.division;
            std::set<int> seen;
            int previous = -1;
            for (int part = 0; part < varga.division; ++part) {
                const int result = VargaSign(varga.division, sign * 30.0 + (part + 0.5) * partWidth);
                ASSERT_GE(result, 0);
                ASSERT_LT(result, 12);
                seen.insert(result);
                // The drekkana steps to the 5th, the chaturthamsa to the 4th.
                const int step = varga.division == 3 ? 4 : varga.division == 4 ? 3 : 1;
                if (varga.division != 2 && varga.division != 30 && previous >= 0) {
                    EXPECT_EQ(result, (previous + step) % 12) << "D" << varga.division << " sign " << sign;
                }
                previous = result;
            }
            if (varga.division == 2) {
                const std::set<int> hora{Karka, Simha};
                EXPECT_EQ(seen, hora);
            } else if (varga.division == 30) {
                const std::set<int> odd{Mesha, Mithuna, Dhanu, Tula, Kumbha};
                const std::set<int> even{Vrishabha, Kanya, Meena, Makara, Vrishchika};
                EXPECT_EQ(seen, sign % 2 == 0 ? odd : even) << sign;
            }
        }
    }
    // Signs four apart share an element (fiery, earthy, airy, watery), so
    // their navamsas start alike.
    for (int sign = 0; sign < 12; ++sign) {
        EXPECT_EQ(VargaSign(9, sign * 30.0 + 0.1), VargaSign(9, (sign % 4) * 30.0 + 0.1)) << sign;
    }
}

TEST(Vargas, PointsCarryEveryVargaAndTheirNakshatra) {
    // 100°30': Pushya (93°20' to 106°40'), pada 3 (100°00' to 103°20'), Saturn's.
    const ChartPoint point = MakeChartPoint("Moon", "Mo", 100.5, 13.2, 1);
    EXPECT_EQ(point.sign, Karka);
    EXPECT_NEAR(point.degreeInSign, 10.5, 1e-12);
    EXPECT_EQ(point.nakshatra, 7);
    EXPECT_EQ(point.pada, 3);
    EXPECT_EQ(point.lord, "Saturn");
    EXPECT_EQ(point.house, 3);  // Vrishabha rising: Karka is the third house
    EXPECT_FALSE(point.retrograde);
    for (std::size_t i = 0; i < kVargas.size(); ++i) {
        EXPECT_EQ(point.vargaSigns[i], VargaSign(kVargas[i].division, 100.5)) << kVargas[i].name;
    }
    EXPECT_EQ(VargaIndexOf(9), 5);
    EXPECT_FALSE(VargaIndexOf(8).has_value());
    // The last point of the circle stays in Meena and Revati's fourth pada.
    const ChartPoint last = MakeChartPoint("Ketu", "Ke", std::nextafter(360.0, 0.0), -0.05, std::nullopt);
    EXPECT_EQ(last.sign, Meena);
    EXPECT_EQ(last.nakshatra, 26);
    EXPECT_EQ(last.pada, 4);
    EXPECT_TRUE(last.retrograde);
    EXPECT_FALSE(last.house.has_value());
}

}  // namespace
}  // namespace zorvane
