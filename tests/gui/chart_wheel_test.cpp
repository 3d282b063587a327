#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cmath>
#include <numbers>

#include "gui/report/chart_wheel.h"
#include "core/panchang/nakshatra_names.h"

namespace {

using zorvane::PolarPoint;

const QColor kHighlight(0, 0, 255);    // the program's blue
const QColor kSunCentre(150, 100, 0);  // the frames' brown

struct Drawn {
    double moonDegrees;
    double sunDegrees;
    int nakshatra;
    int sidePixels;
};

constexpr Drawn kDrawn[] = {
    {93.98782321756244, 207.5, 7, 600},
    {2.0, 300.0, 0, 1200},
    {275.0, 276.0, 20, 800},
};

QPoint PixelAt(PolarPoint point, int side) {
    const double radius = side * (1.0 - 2.0 * kWheelImageMarginShare) / 2.0 * point.radius;
    const double angle = point.angleDegrees * std::numbers::pi / 180.0;
    return {static_cast<int>(std::lround(side / 2.0 + radius * std::cos(angle))),
            static_cast<int>(std::lround(side / 2.0 - radius * std::sin(angle)))};
}

// Just inside the nakshatra ring's inner edge, clear of the labels.
QPoint InNakshatra(const zorvane::WheelLayout& layout, int nakshatra, int side) {
    const auto& sector = layout.nakshatraSectors.at(static_cast<std::size_t>(nakshatra));
    return PixelAt(
        {sector.startAngleDegrees + sector.spanDegrees / 2.0, sector.innerRadius + 0.012}, side);
}

TEST(ChartWheelPicture, DrawsTheHighlightAndBodiesWhereTheLayoutPutsThem) {
    for (const Drawn& drawn : kDrawn) {
        const WheelPicture picture =
            WheelPictureForBirth(drawn.moonDegrees, drawn.sunDegrees, drawn.nakshatra);
        const QImage image = RenderChartWheel(picture, drawn.sidePixels);
        ASSERT_EQ(image.size(), QSize(drawn.sidePixels, drawn.sidePixels));
        const auto& layout = picture.layout;
        const int side = drawn.sidePixels;
        EXPECT_EQ(image.pixelColor(InNakshatra(layout, drawn.nakshatra, side)), kHighlight)
            << drawn.nakshatra;
        for (const int neighbour : {(drawn.nakshatra + 1) % 27, (drawn.nakshatra + 26) % 27}) {
            EXPECT_NE(image.pixelColor(InNakshatra(layout, neighbour, side)), kHighlight)
                << neighbour;
        }
        EXPECT_EQ(image.pixelColor(PixelAt(layout.sun.centre, side)), kSunCentre)
            << drawn.sidePixels;
        // The crescent's lit side lies right of the Moon disc's centre.
        const QPoint centre = PixelAt(layout.moon.centre, side);
        const double offset =
            0.45 * layout.moon.radius * side * (1.0 - 2.0 * kWheelImageMarginShare) / 2.0;
        EXPECT_EQ(image.pixelColor(centre + QPoint(static_cast<int>(offset), 0)), kHighlight)
            << drawn.sidePixels;
        EXPECT_EQ(picture.caption.front(), QString::fromUtf8(zorvane::NakshatraNames.at(
                                               static_cast<std::size_t>(drawn.nakshatra))));
    }
}

TEST(ChartWheelPicture, WidgetDrawsTheLargestCircleInTheMiddleOfItsRoom) {
    ChartWheel wheel;
    const WheelPicture picture = WheelPictureForBirth(93.98782321756244, 207.5, 7);
    wheel.setPicture(picture);
    constexpr int kWidth = 300;
    constexpr int kHeight = 500;
    wheel.resize(kWidth, kHeight);
    const QImage shot = wheel.grab().toImage();
    // The wheel fills a 300-pixel square centred top to bottom, without margin.
    const auto& sector = picture.layout.nakshatraSectors.at(7);
    const double angle =
        (sector.startAngleDegrees + sector.spanDegrees / 2.0) * std::numbers::pi / 180.0;
    const double radius = kWidth / 2.0 * (sector.innerRadius + 0.02);
    const QPoint inHighlight(
        static_cast<int>(std::lround(kWidth / 2.0 + radius * std::cos(angle))),
        static_cast<int>(std::lround(kHeight / 2.0 - radius * std::sin(angle))));
    EXPECT_EQ(shot.pixelColor(inHighlight), kHighlight);
}

}  // namespace
