#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/chart/wheel_layout.h"
#include "core/text/language.h"
#include "gui/widgets/window_language.h"

class QPainter;
class QRectF;

// What a wheel shows: the geometry, and whether a birth has been placed on
// it (an empty wheel still shows the signs and nakshatras).
struct WheelPicture {
    zorvane::WheelLayout layout = zorvane::LayoutWheel(0.0, 0.0, -1);
    bool showsBodies = false;
    // Lines in the middle: the first larger, as a title.
    QStringList caption;
    // The language of the sign and nakshatra names on the rings.
    zorvane::Language language = zorvane::ShownLanguage();
};

// The picture for a birth, with the birth nakshatra and the two bodies'
// places as its caption.
WheelPicture WheelPictureForBirth(double moonSiderealDegrees, double sunSiderealDegrees,
                                  int nakshatraIndex);

// Draws the wheel filling the largest circle in the square; any painter will
// do (screen, image, printer), so the same picture goes everywhere.
void PaintChartWheel(QPainter& painter, const QRectF& square, const WheelPicture& picture);

// The wheel alone on the program's background, sidePixels square, for a PNG,
// with this share of the side left free around the rim.
inline constexpr double kWheelImageMarginShare = 0.03;
QImage RenderChartWheel(const WheelPicture& picture, int sidePixels);

// The wheel as a widget: it keeps itself round and as large as its room allows.
class ChartWheel : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartWheel)

public:
    explicit ChartWheel(QWidget* parent = nullptr);
    ~ChartWheel() override = default;

    void setPicture(const WheelPicture& picture);
    const WheelPicture& picture() const { return picture_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WheelPicture picture_;
};
