#include "gui/report/square_chart.h"

#include "gui/widgets/utf8_text.h"
#include <QFont>
#include <QCoreApplication>
#include <QPainter>
#include <QPolygonF>
#include <QSvgGenerator>
#include <algorithm>
#include <string>

#include "core/format/local_names.h"
#include "core/panchang/limb_names.h"
#include "gui/report/chart_wheel.h"

namespace {

// The wheel's colours, so both kinds of chart look of one program.
const QColor kPaper(255, 250, 238);
const QColor kCream(255, 244, 214);
const QColor kLagnaCream(255, 225, 150);
const QColor kInk(0, 0, 150);
const QColor kBrown(150, 100, 0);
const QColor kLine(120, 80, 0);

// Shares of the chart's side.
constexpr double kTitleShare = 0.08;       // the title's band above the chart
constexpr double kContentFontShare = 0.042;
constexpr double kSignFontShare = 0.032;
constexpr double kTitleFontShare = 0.05;
constexpr double kLineWidthShare = 0.004;
constexpr double kLineSpacing = 1.15;      // of the font's height
constexpr int kNavamsaIndex = 5;           // D9 in kVargas
constexpr double kSavedHeightShare = 0.5;  // of the width
constexpr int kSvgWidthPixels = 1200;

using zorvane::FromUtf8;

QPointF Scaled(const QRectF& square, zorvane::ChartPoint2D point) {
    return {square.left() + point.x * square.width(), square.top() + point.y * square.height()};
}

QFont FontOfSize(double pixels, bool bold = false) {
    QFont font;
    // DejaVu Sans for its metrics, Noto Sans Devanagari for the Hindi names.
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Devanagari")});
    font.setPixelSize(std::max(6, static_cast<int>(pixels)));
    font.setBold(bold);
    return font;
}

// Lines of text centred on a point; two entries share a line when a box
// holds many.
void WriteCentred(QPainter& painter, QPointF centre, const std::vector<std::string>& entries, double side) {
    if (entries.empty()) return;
    QStringList lines;
    const bool pair = entries.size() > 3;
    for (std::size_t i = 0; i < entries.size(); i += pair ? 2 : 1) {
        QString line = FromUtf8(entries[i]);
        if (pair && i + 1 < entries.size()) line += QStringLiteral("  ") + FromUtf8(entries[i + 1]);
        lines.append(line);
    }
    painter.setFont(FontOfSize(side * kContentFontShare));
    const double height = painter.fontMetrics().height() * kLineSpacing;
    double top = centre.y() - height * lines.size() / 2.0;
    for (const QString& line : lines) {
        painter.drawText(QRectF(centre.x() - side / 2, top, side, height), Qt::AlignCenter, line);
        top += height;
    }
}

void PaintSquare(QPainter& painter, const QRectF& square, const ChartPanel& panel, zorvane::ChartStyle style) {
    const zorvane::BirthChart& chart = panel.chart;
    const auto index = static_cast<std::size_t>(panel.vargaIndex);
    const std::optional<int> lagnaSign =
        chart.lagna ? std::optional(chart.lagna->vargaSigns[index]) : std::nullopt;
    const zorvane::SquareChartLayout layout = zorvane::LayoutSquareChart(style, lagnaSign);
    const auto contents = zorvane::SignContents(chart, panel.vargaIndex, panel.withDegrees, panel.language);
    const double side = square.width();

    painter.setPen(QPen(kLine, side * kLineWidthShare));
    for (const zorvane::ChartCell& cell : layout.cells) {
        QPolygonF outline;
        for (const zorvane::ChartPoint2D& corner : cell.outline) outline << Scaled(square, corner);
        const bool rising = lagnaSign && cell.sign == *lagnaSign;
        painter.setBrush(rising ? kLagnaCream : kCream);
        painter.drawPolygon(outline);
    }
    if (layout.lagnaMark) {
        painter.drawLine(Scaled(square, layout.lagnaMark->first), Scaled(square, layout.lagnaMark->second));
    }
    for (const zorvane::ChartCell& cell : layout.cells) {
        painter.setPen(kBrown);
        painter.setFont(FontOfSize(side * kSignFontShare));
        if (cell.signNumberAt) {
            // North Indian: the sign's number in its fixed house.
            const QPointF at = Scaled(square, *cell.signNumberAt);
            painter.drawText(QRectF(at.x() - side / 10, at.y() - side / 20, side / 5, side / 10), Qt::AlignCenter,
                             QString::number(cell.sign + 1));
        } else {
            // South and East Indian: the sign's name small at the top of a
            // square box, or just above the contents of a triangle.
            const QPointF centre = Scaled(square, cell.textCentre);
            double topPixels = centre.y() - side * (0.035 + 0.03 * contents[static_cast<std::size_t>(cell.sign)].size());
            if (cell.outline.size() == 4) {
                double top = 1.0;
                for (const zorvane::ChartPoint2D& corner : cell.outline) top = std::min(top, corner.y);
                topPixels = square.top() + top * side + side * 0.01;
            }
            painter.drawText(QRectF(centre.x() - side / 8, topPixels, side / 4, side * 0.05),
                             Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromStdString(zorvane::SignText(cell.sign, panel.language)));
        }
        painter.setPen(kInk);
        WriteCentred(painter, Scaled(square, cell.textCentre), contents[static_cast<std::size_t>(cell.sign)], side);
    }
}

}  // namespace

QString ChartPanelTitle(const ChartPanel& panel) {
    const zorvane::VargaKind& varga = zorvane::kVargas[static_cast<std::size_t>(panel.vargaIndex)];
    return QStringLiteral("%1 (D%2)")
        .arg(QString::fromStdString(zorvane::VargaText(panel.vargaIndex, panel.language)))
        .arg(varga.division);
}

void PaintChartPanel(QPainter& painter, const QRectF& square, const ChartPanel& panel) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(square.width(), square.height());
    const double titleHeight = side * kTitleShare;
    const double chartSide = side - titleHeight;
    const QRectF chartSquare(square.left() + (square.width() - chartSide) / 2, square.top() + titleHeight, chartSide,
                             chartSide);
    painter.setPen(kInk);
    painter.setFont(FontOfSize(side * kTitleFontShare, true));
    QString title = ChartPanelTitle(panel);
    if (!panel.chart.lagna) title += QCoreApplication::translate("SquareChart", " \u2014 no lagna without a latitude");
    painter.drawText(QRectF(square.left(), square.top(), square.width(), titleHeight), Qt::AlignCenter, title);

    if (panel.style == zorvane::ChartStyle::Wheel && panel.vargaIndex == 0) {
        const zorvane::ChartPoint& moon = panel.chart.grahas[static_cast<std::size_t>(zorvane::Graha::Moon)];
        const zorvane::ChartPoint& sun = panel.chart.grahas[static_cast<std::size_t>(zorvane::Graha::Sun)];
        PaintChartWheel(painter, chartSquare,
                        WheelPictureForBirth(moon.longitudeDegrees, sun.longitudeDegrees, moon.nakshatra));
    } else {
        const zorvane::ChartStyle style =
            panel.style == zorvane::ChartStyle::Wheel ? zorvane::ChartStyle::SouthIndian : panel.style;
        PaintSquare(painter, chartSquare, panel, style);
    }
    painter.restore();
}

void PaintRasiAndNavamsa(QPainter& painter, const QRectF& area, const zorvane::BirthChart& chart,
                         zorvane::ChartStyle style, bool withDegrees) {
    const double gap = area.width() * 0.02;
    const double half = (area.width() - gap) / 2;
    PaintChartPanel(painter, QRectF(area.left(), area.top(), half, area.height()), {chart, 0, style, withDegrees});
    PaintChartPanel(painter, QRectF(area.left() + half + gap, area.top(), half, area.height()),
                    {chart, kNavamsaIndex, style, false});
}

QImage RenderRasiAndNavamsa(const zorvane::BirthChart& chart, zorvane::ChartStyle style, bool withDegrees,
                            int widthPixels) {
    const int width = std::max(2, widthPixels);
    const int height = std::max(1, static_cast<int>(width * kSavedHeightShare));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(kPaper);
    QPainter painter(&image);
    PaintRasiAndNavamsa(painter, QRectF(0, 0, width, height), chart, style, withDegrees);
    painter.end();
    return image;
}

bool SaveRasiAndNavamsaSvg(const QString& path, const zorvane::BirthChart& chart, zorvane::ChartStyle style,
                           bool withDegrees) {
    const int height = static_cast<int>(kSvgWidthPixels * kSavedHeightShare);
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(QSize(kSvgWidthPixels, height));
    generator.setViewBox(QRect(0, 0, kSvgWidthPixels, height));
    generator.setTitle(QStringLiteral("Rasi and Navamsa"));
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    painter.fillRect(QRectF(0, 0, kSvgWidthPixels, height), kPaper);
    PaintRasiAndNavamsa(painter, QRectF(0, 0, kSvgWidthPixels, height), chart, style, withDegrees);
    return painter.end();
}

SquareChartView::SquareChartView(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void SquareChartView::setPanel(const ChartPanel& panel) {
    panel_ = panel;
    update();
}

QSize SquareChartView::sizeHint() const { return {360, 360}; }

QSize SquareChartView::minimumSizeHint() const { return {220, 220}; }

int SquareChartView::heightForWidth(int width) const { return width; }

void SquareChartView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const double side = std::min(width(), height());
    PaintChartPanel(painter, QRectF((width() - side) / 2, (height() - side) / 2, side, side), panel_);
}
