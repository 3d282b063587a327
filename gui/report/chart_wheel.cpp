#include "gui/report/chart_wheel.h"

#include "gui/report/palette.h"
#include "gui/widgets/form_look.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "core/time/angles.h"
#include "core/format/local_names.h"
#include "core/panchang/nakshatra_names.h"

namespace {

using zorvane::BodyMarker;
using zorvane::LabelBox;
using zorvane::PolarPoint;
using zorvane::RingSector;
using zorvane::WheelLayout;

// The program's colours: the window's amber, its blue text, the frames'
// brown, and paler shades of the amber so that the rings alternate.

// Line widths in wheel radii, with a floor so that a small wheel stays crisp.
constexpr double kRingLineWidth = 0.004;
constexpr double kTickLineWidth = 0.0025;
constexpr double kThinnestLinePixels = 0.75;
constexpr double kLeaderDotRadius = 0.012;
// Fonts are measured at this size and scaled to fit.
constexpr int kProbePixels = 100;
constexpr double kCaptionTitleScale = 1.45;

constexpr double kMinutesPerSign = zorvane::kDegreesPerSign * zorvane::kMinutesPerDegree;

QFont WheelFont(int pixels, bool bold = false) {
    QFont font;
    font.setFamilies(zorvane::FormFontFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    return font;
}

class WheelPainter {
public:
    WheelPainter(QPainter& painter, const QRectF& square)
        : painter_(painter),
          centre_(square.center()),
          radius_(std::min(square.width(), square.height()) / 2.0) {}

    QPointF At(PolarPoint point) const {
        const double angle = point.angleDegrees * zorvane::kDegToRad;
        return {centre_.x() + point.radius * radius_ * std::cos(angle),
                centre_.y() - point.radius * radius_ * std::sin(angle)};
    }

    double Pixels(double units) const { return units * radius_; }

    QPen Pen(const QColor& colour, double widthUnits) const {
        QPen pen(colour, std::max(kThinnestLinePixels, Pixels(widthUnits)));
        pen.setCapStyle(Qt::FlatCap);
        return pen;
    }

    QRectF Circle(double radiusUnits) const {
        const double r = Pixels(radiusUnits);
        return {centre_.x() - r, centre_.y() - r, 2.0 * r, 2.0 * r};
    }

    QPainterPath Sector(const RingSector& sector) const {
        QPainterPath path;
        const QRectF outer = Circle(sector.outerRadius);
        const QRectF inner = Circle(sector.innerRadius);
        path.arcMoveTo(outer, sector.startAngleDegrees);
        path.arcTo(outer, sector.startAngleDegrees, sector.spanDegrees);
        path.arcTo(inner, sector.startAngleDegrees + sector.spanDegrees, -sector.spanDegrees);
        path.closeSubpath();
        return path;
    }

    void FillSector(const RingSector& sector, const QColor& fill) {
        painter_.setPen(Pen(kBrown, kRingLineWidth));
        painter_.setBrush(fill);
        painter_.drawPath(Sector(sector));
    }

    // The largest whole pixel size at which every text fits its box.
    template <typename Labels>
    int FittingPixels(const Labels& labels, bool bold, bool wrapWords) const {
        const QFontMetricsF metrics(WheelFont(kProbePixels, bold), painter_.device());
        double fit = std::numeric_limits<double>::max();
        for (const LabelBox& label : labels) {
            const QStringList lines = LabelLines(label, wrapWords).split(QLatin1Char('\n'));
            double width = 0.0;
            for (const QString& line : lines) {
                width = std::max(width, metrics.horizontalAdvance(line));
            }
            const double height =
                metrics.height() + metrics.lineSpacing() * static_cast<double>(lines.size() - 1);
            if (width > 0.0) {
                fit = std::min(fit, Pixels(label.length) / width);
            }
            fit = std::min(fit, Pixels(label.height) / height);
        }
        return static_cast<int>(std::floor(fit * kProbePixels));
    }

    // Names of two words go on two lines, which lets every name be larger.
    static QString LabelLines(const LabelBox& label, bool wrapWords) {
        QString text = QString::fromUtf8(label.text);
        if (wrapWords) {
            text.replace(QLatin1Char(' '), QLatin1Char('\n'));
        }
        return text;
    }

    void DrawLabel(const LabelBox& label, bool wrapWords) {
        painter_.save();
        painter_.translate(At(label.centre));
        painter_.rotate(-label.baselineAngleDegrees);  // Qt turns clockwise on screen
        const double length = Pixels(label.length);
        const double height = Pixels(label.height);
        painter_.drawText(QRectF(-length / 2.0, -height / 2.0, length, height), Qt::AlignCenter,
                          LabelLines(label, wrapWords));
        painter_.restore();
    }

    void DrawLeader(const BodyMarker& marker, const QColor& colour) {
        painter_.setPen(Pen(colour, kTickLineWidth));
        painter_.drawLine(At(marker.leaderStart), At(marker.leaderEnd));
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(colour);
        const double dot = Pixels(kLeaderDotRadius);
        painter_.drawEllipse(At(marker.leaderEnd), dot, dot);
    }

    void DrawMoon(const BodyMarker& marker) {
        const QPointF centre = At(marker.centre);
        const double r = Pixels(marker.radius);
        painter_.setPen(Pen(kBlue, kRingLineWidth));
        painter_.setBrush(kWhite);
        painter_.drawEllipse(centre, r, r);
        // A waxing crescent: a disc less a disc moved towards the left.
        QPainterPath lit;
        lit.addEllipse(centre, 0.62 * r, 0.62 * r);
        QPainterPath shade;
        shade.addEllipse(centre - QPointF(0.32 * r, 0.0), 0.56 * r, 0.56 * r);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(kBlue);
        painter_.drawPath(lit.subtracted(shade));
    }

    void DrawSun(const BodyMarker& marker) {
        const QPointF centre = At(marker.centre);
        const double r = Pixels(marker.radius);
        painter_.setPen(Pen(kBrown, kRingLineWidth));
        painter_.setBrush(kWhite);
        painter_.drawEllipse(centre, r, r);
        painter_.setBrush(kAmber);
        painter_.drawEllipse(centre, 0.55 * r, 0.55 * r);
        constexpr int kRays = 8;
        for (int ray = 0; ray < kRays; ++ray) {
            const double angle = ray * zorvane::kDegreesPerTurn / kRays * zorvane::kDegToRad;
            const QPointF along(std::cos(angle), std::sin(angle));
            painter_.drawLine(centre + 0.68 * r * along, centre + 0.86 * r * along);
        }
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(kBrown);
        painter_.drawEllipse(centre, 0.14 * r, 0.14 * r);
    }

    void DrawCaption(const LabelBox& box, const QStringList& lines) {
        if (lines.isEmpty()) {
            return;
        }
        // Measure at the probe size, then scale the block to fit the box.
        const QFontMetricsF title(WheelFont(kProbePixels, true), painter_.device());
        const QFontMetricsF body(WheelFont(kProbePixels), painter_.device());
        double widest = title.horizontalAdvance(lines.front()) * kCaptionTitleScale;
        double tallest = title.height() * kCaptionTitleScale;
        for (qsizetype line = 1; line < lines.size(); ++line) {
            widest = std::max(widest, body.horizontalAdvance(lines.at(line)));
            tallest += body.height();
        }
        const double scale = std::min(Pixels(box.length) / widest, Pixels(box.height) / tallest);
        const int bodyPixels = static_cast<int>(std::floor(scale * kProbePixels));
        const int titlePixels =
            static_cast<int>(std::floor(scale * kProbePixels * kCaptionTitleScale));

        const QFont titleFont = WheelFont(titlePixels, true);
        const QFont bodyFont = WheelFont(bodyPixels);
        const double titleHeight = QFontMetricsF(titleFont, painter_.device()).height();
        const double bodyHeight = QFontMetricsF(bodyFont, painter_.device()).height();
        const double blockHeight = titleHeight + bodyHeight * static_cast<double>(lines.size() - 1);
        const double width = Pixels(box.length);
        double top = centre_.y() - blockHeight / 2.0;
        painter_.setPen(kInk);
        painter_.setFont(titleFont);
        painter_.drawText(QRectF(centre_.x() - width / 2.0, top, width, titleHeight),
                          Qt::AlignCenter, lines.front());
        top += titleHeight;
        painter_.setFont(bodyFont);
        for (qsizetype line = 1; line < lines.size(); ++line) {
            painter_.drawText(QRectF(centre_.x() - width / 2.0, top, width, bodyHeight),
                              Qt::AlignCenter, lines.at(line));
            top += bodyHeight;
        }
    }

    QPainter& painter() { return painter_; }

private:
    QPainter& painter_;
    QPointF centre_;
    double radius_;
};

// "Karka 3°59′": the sign and the whole degrees and minutes within it.
QString SignPlace(double longitudeDegrees, zorvane::Language language) {
    const auto totalMinutes =
        static_cast<long>(std::floor(longitudeDegrees * zorvane::kMinutesPerDegree));
    const auto minutesPerSign = static_cast<long>(kMinutesPerSign);
    const auto perDegree = static_cast<long>(zorvane::kMinutesPerDegree);
    const long sign = (totalMinutes / minutesPerSign) % zorvane::kSignCount;
    const long within = totalMinutes % minutesPerSign;
    return QStringLiteral("%1 %2\u00b0%3\u2032")
        .arg(QString::fromStdString(zorvane::SignText(static_cast<int>(sign), language)))
        .arg(within / perDegree)
        .arg(within % perDegree, 2, 10, QLatin1Char('0'));
}

}  // namespace

WheelPicture WheelPictureForBirth(double moonSiderealDegrees, double sunSiderealDegrees,
                                  int nakshatraIndex) {
    WheelPicture picture;
    picture.layout = zorvane::LayoutWheel(moonSiderealDegrees, sunSiderealDegrees, nakshatraIndex);
    picture.showsBodies = true;
    const zorvane::Language language = picture.language;
    if (picture.layout.highlightedNakshatra) {
        picture.caption << QString::fromStdString(
            zorvane::NakshatraText(*picture.layout.highlightedNakshatra, language));
    }
    const zorvane::Wording wording = zorvane::WindowWording(language);
    picture.caption
        << QStringLiteral("%1  %2").arg(QString::fromStdString(wording.Say("Moon")),
                                        SignPlace(picture.layout.moon.longitudeDegrees, language))
        << QStringLiteral("%1  %2").arg(QString::fromStdString(wording.Say("Sun")),
                                        SignPlace(picture.layout.sun.longitudeDegrees, language));
    return picture;
}

void PaintChartWheel(QPainter& painter, const QRectF& square, const WheelPicture& picture) {
    const WheelLayout& layout = picture.layout;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    WheelPainter wheel(painter, square);

    for (std::size_t sign = 0; sign < layout.signSectors.size(); ++sign) {
        wheel.FillSector(layout.signSectors.at(sign), sign % 2 == 0 ? kAmber : kPaleAmber);
    }
    for (std::size_t nakshatra = 0; nakshatra < layout.nakshatraSectors.size(); ++nakshatra) {
        const bool highlighted = layout.highlightedNakshatra == static_cast<int>(nakshatra);
        wheel.FillSector(layout.nakshatraSectors.at(nakshatra),
                         highlighted ? kBlue : (nakshatra % 2 == 0 ? kCream : kPaleCream));
    }
    wheel.FillSector(layout.padaBand, kWhite);
    painter.setBrush(kPaper);
    painter.drawEllipse(wheel.Circle(layout.hubRadius));

    if (picture.showsBodies) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kBlue);
        painter.drawPath(wheel.Sector(layout.moonPada));
    }
    painter.setPen(wheel.Pen(kBrown, kTickLineWidth));
    for (const zorvane::Tick& tick : layout.degreeTicks) {
        painter.drawLine(wheel.At(tick.inner), wheel.At(tick.outer));
    }
    for (const zorvane::Tick& tick : layout.padaTicks) {
        painter.drawLine(wheel.At(tick.inner), wheel.At(tick.outer));
    }

    // The names in the picture's language in the layout's boxes; the arrays
    // of names outlive the labels that view them.
    std::array<std::string, zorvane::kSignCount> signNames;
    std::array<LabelBox, zorvane::kSignCount> signLabels = layout.signLabels;
    for (std::size_t sign = 0; sign < signLabels.size(); ++sign) {
        signNames.at(sign) = zorvane::SignText(static_cast<int>(sign), picture.language);
        signLabels.at(sign).text = signNames.at(sign);
    }
    std::array<std::string, zorvane::kNakshatraCount> nakshatraNames;
    std::array<LabelBox, zorvane::kNakshatraCount> nakshatraLabels = layout.nakshatraLabels;
    for (std::size_t nakshatra = 0; nakshatra < nakshatraLabels.size(); ++nakshatra) {
        nakshatraNames.at(nakshatra) = zorvane::NakshatraText(static_cast<int>(nakshatra), picture.language);
        nakshatraLabels.at(nakshatra).text = nakshatraNames.at(nakshatra);
    }

    painter.setPen(kBlue);
    painter.setFont(WheelFont(wheel.FittingPixels(signLabels, true, false), true));
    for (const LabelBox& label : signLabels) {
        wheel.DrawLabel(label, false);
    }
    painter.setFont(WheelFont(wheel.FittingPixels(nakshatraLabels, false, true)));
    for (std::size_t nakshatra = 0; nakshatra < nakshatraLabels.size(); ++nakshatra) {
        const bool highlighted = layout.highlightedNakshatra == static_cast<int>(nakshatra);
        painter.setPen(highlighted ? kWhite : kInk);
        wheel.DrawLabel(nakshatraLabels.at(nakshatra), true);
    }

    if (picture.showsBodies) {
        wheel.DrawLeader(layout.sun, kBrown);
        wheel.DrawLeader(layout.moon, kBlue);
        wheel.DrawSun(layout.sun);
        wheel.DrawMoon(layout.moon);
    }
    wheel.DrawCaption(layout.caption, picture.caption);
    painter.restore();
}

QImage RenderChartWheel(const WheelPicture& picture, int sidePixels) {
    const int side = std::max(1, sidePixels);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(kPaper);
    QPainter painter(&image);
    const double margin = side * kWheelImageMarginShare;
    PaintChartWheel(painter, QRectF(margin, margin, side - 2.0 * margin, side - 2.0 * margin),
                    picture);
    painter.end();
    return image;
}

ChartWheel::ChartWheel(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ChartWheel::setPicture(const WheelPicture& picture) {
    picture_ = picture;
    update();
}

QSize ChartWheel::sizeHint() const {
    constexpr int kPreferredSide = 480;
    return {kPreferredSide, kPreferredSide};
}

QSize ChartWheel::minimumSizeHint() const {
    constexpr int kSmallestSide = 240;
    return {kSmallestSide, kSmallestSide};
}

void ChartWheel::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    const double side = std::min(width(), height());
    QPainter painter(this);
    PaintChartWheel(painter, QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side),
                    picture_);
}
