#include "core/chart/wheel_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>
#include <numbers>

namespace zorvane {
namespace {

// Layout angles pass through fmod, sin/cos and atan2: a few ulps of 360.
constexpr double kAngleToleranceDegrees = 1e-9;
constexpr double kLengthTolerance = 1e-12;  // in wheel radii
constexpr int kSamplesPerEdge = 16;         // points checked along each side of a label box

struct Xy {
    double x;
    double y;
};

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

Xy ToXy(PolarPoint point) {
    return {point.radius * std::cos(Radians(point.angleDegrees)),
            point.radius * std::sin(Radians(point.angleDegrees))};
}

double TurnFrom(double fromDegrees, double toDegrees) {
    const double turn = std::fmod(toDegrees - fromDegrees, 360.0);
    return turn < 0.0 ? turn + 360.0 : turn;
}

double AngularGap(double a, double b) {
    const double turn = TurnFrom(a, b);
    return std::min(turn, 360.0 - turn);
}

// Points along the four sides of a label's box.
std::vector<Xy> Outline(const LabelBox& box) {
    const Xy centre = ToXy(box.centre);
    const double along = Radians(box.baselineAngleDegrees);
    const Xy u{std::cos(along), std::sin(along)};
    const Xy v{-u.y, u.x};
    std::vector<Xy> points;
    for (int side = 0; side < 4; ++side) {
        for (int step = 0; step <= kSamplesPerEdge; ++step) {
            const double t = -0.5 + static_cast<double>(step) / kSamplesPerEdge;
            const double s = side % 2 == 0 ? t : (side == 1 ? 0.5 : -0.5);
            const double h = side % 2 == 1 ? t : (side == 0 ? 0.5 : -0.5);
            points.push_back({centre.x + s * box.length * u.x + h * box.height * v.x,
                              centre.y + s * box.length * u.y + h * box.height * v.y});
        }
    }
    return points;
}

bool Inside(const RingSector& sector, Xy point) {
    const double radius = std::hypot(point.x, point.y);
    const double angle = std::atan2(point.y, point.x) * 180.0 / std::numbers::pi;
    return radius >= sector.innerRadius && radius <= sector.outerRadius &&
           TurnFrom(sector.startAngleDegrees, angle) <= sector.spanDegrees;
}

struct BirthCase {
    const char* label;
    double moonDegrees;
    double sunDegrees;
    int nakshatra;
};

constexpr BirthCase kBirths[] = {
    {"far apart", 93.98782321756244, 207.5, 7},     {"close, Sun ahead", 117.0, 118.5, 8},
    {"close across 0 Mesha", 359.5, 0.7, 26},       {"same longitude", 45.0, 45.0, 3},
    {"turns outside one circle", -10.0, 725.0, 26},
};

TEST(WheelLayout, MeshaAtNineOClockAndTheZodiacCounterClockwise) {
    EXPECT_NEAR(WheelAngleDegrees(0.0), 180.0, kAngleToleranceDegrees);
    EXPECT_NEAR(WheelAngleDegrees(90.0), 270.0, kAngleToleranceDegrees);
    EXPECT_NEAR(WheelAngleDegrees(270.0), 90.0, kAngleToleranceDegrees);
    EXPECT_NEAR(WheelAngleDegrees(-30.0), 150.0, kAngleToleranceDegrees);
}

TEST(WheelLayout, BodiesPointAtTheirLongitudesWithoutCoveringEachOther) {
    for (const BirthCase& birth : kBirths) {
        const WheelLayout layout =
            LayoutWheel(birth.moonDegrees, birth.sunDegrees, birth.nakshatra);
        for (const auto& [marker, longitude] :
             {std::pair{layout.moon, birth.moonDegrees}, std::pair{layout.sun, birth.sunDegrees}}) {
            EXPECT_NEAR(AngularGap(marker.leaderEnd.angleDegrees, WheelAngleDegrees(longitude)),
                        0.0, kAngleToleranceDegrees)
                << birth.label;
            EXPECT_NEAR(AngularGap(marker.longitudeDegrees, longitude), 0.0, kAngleToleranceDegrees)
                << birth.label;
            EXPECT_NEAR(marker.leaderEnd.radius, layout.hubRadius, kLengthTolerance) << birth.label;
            const Xy centre = ToXy(marker.centre);
            const Xy start = ToXy(marker.leaderStart);
            EXPECT_NEAR(std::hypot(start.x - centre.x, start.y - centre.y), marker.radius,
                        kLengthTolerance)
                << birth.label;
            EXPECT_LE(marker.centre.radius + marker.radius, layout.hubRadius) << birth.label;
            for (const Xy point : Outline(layout.caption)) {
                EXPECT_GT(std::hypot(point.x - centre.x, point.y - centre.y), marker.radius)
                    << birth.label;
            }
        }
        const Xy moon = ToXy(layout.moon.centre);
        const Xy sun = ToXy(layout.sun.centre);
        EXPECT_GT(std::hypot(moon.x - sun.x, moon.y - sun.y),
                  layout.moon.radius + layout.sun.radius)
            << birth.label;
        if (AngularGap(birth.moonDegrees, birth.sunDegrees) > 90.0) {
            // Nothing to avoid: each disc sits on its own longitude.
            EXPECT_NEAR(
                AngularGap(layout.moon.centre.angleDegrees, WheelAngleDegrees(birth.moonDegrees)),
                0.0, kAngleToleranceDegrees)
                << birth.label;
        }
        EXPECT_LT(TurnFrom(layout.moonPada.startAngleDegrees, WheelAngleDegrees(birth.moonDegrees)),
                  layout.moonPada.spanDegrees)
            << birth.label;
        EXPECT_EQ(layout.highlightedNakshatra, birth.nakshatra) << birth.label;
    }
    EXPECT_FALSE(LayoutWheel(0.0, 0.0, 27).highlightedNakshatra.has_value());
    EXPECT_FALSE(LayoutWheel(0.0, 0.0, -1).highlightedNakshatra.has_value());
}

template <std::size_t N>
void ExpectTiling(const std::array<RingSector, N>& sectors) {
    double total = 0.0;
    for (std::size_t i = 0; i < N; ++i) {
        const RingSector& next = sectors.at((i + 1) % N);
        EXPECT_NEAR(AngularGap(sectors.at(i).startAngleDegrees + sectors.at(i).spanDegrees,
                               next.startAngleDegrees),
                    0.0, kAngleToleranceDegrees)
            << i;
        total += sectors.at(i).spanDegrees;
    }
    EXPECT_NEAR(total, 360.0, kAngleToleranceDegrees);
}

TEST(WheelLayout, SectorsTileTheCircleFromMeshaAndPadasQuarterEachNakshatra) {
    const WheelLayout layout = LayoutWheel(10.0, 20.0, 0);
    ExpectTiling(layout.signSectors);
    ExpectTiling(layout.nakshatraSectors);
    EXPECT_NEAR(layout.signSectors.front().startAngleDegrees, WheelAngleDegrees(0.0),
                kAngleToleranceDegrees);
    EXPECT_NEAR(layout.nakshatraSectors.front().startAngleDegrees, WheelAngleDegrees(0.0),
                kAngleToleranceDegrees);
    for (std::size_t pada = 0; pada < layout.padaTicks.size(); ++pada) {
        const Tick& tick = layout.padaTicks.at(pada);
        EXPECT_NEAR(AngularGap(tick.outer.angleDegrees, WheelAngleDegrees(pada * 10.0 / 3.0)), 0.0,
                    kAngleToleranceDegrees)
            << pada;
        EXPECT_EQ(tick.startsNakshatra, pada % 4 == 0) << pada;
    }
}

TEST(WheelLayout, LabelsStayInsideTheirOwnSectorsAndReadUpright) {
    for (const BirthCase& birth : kBirths) {
        const WheelLayout layout =
            LayoutWheel(birth.moonDegrees, birth.sunDegrees, birth.nakshatra);
        const auto check = [&](const auto& labels, const auto& sectors) {
            for (std::size_t i = 0; i < labels.size(); ++i) {
                const LabelBox& label = labels.at(i);
                EXPECT_FALSE(label.text.empty()) << i;
                EXPECT_GT(label.baselineAngleDegrees, -90.0) << label.text;
                EXPECT_LE(label.baselineAngleDegrees, 90.0) << label.text;
                for (const Xy point : Outline(label)) {
                    EXPECT_TRUE(Inside(sectors.at(i), point)) << label.text;
                }
            }
        };
        check(layout.signLabels, layout.signSectors);
        // The degree ticks stop short of the sign names.
        double tickReach = 0.0;
        for (const Tick& tick : layout.degreeTicks) {
            tickReach = std::max(tickReach, tick.outer.radius);
        }
        for (const LabelBox& label : layout.signLabels) {
            for (const Xy point : Outline(label)) {
                EXPECT_GT(std::hypot(point.x, point.y), tickReach) << label.text;
            }
        }
        check(layout.nakshatraLabels, layout.nakshatraSectors);
    }
    const WheelLayout layout = LayoutWheel(0.0, 0.0, 0);
    EXPECT_EQ(layout.signLabels.front().text, "Mesha");
    EXPECT_EQ(layout.signLabels.back().text, "Meena");
    EXPECT_EQ(layout.nakshatraLabels.front().text, "Ashwini");
    EXPECT_EQ(layout.nakshatraLabels.back().text, "Revati");
}

}  // namespace
}  // namespace zorvane
