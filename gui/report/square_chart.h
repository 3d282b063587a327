#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include "core/chart/birth_chart.h"
#include "core/chart/indian_chart_layout.h"
#include "gui/widgets/window_language.h"

class QPainter;
class QRectF;

// One divisional chart as drawn: the chart, which varga (index into
// kVargas), the style, and whether the degrees are written (D1 only).
struct ChartPanel {
    zorvane::BirthChart chart;
    int vargaIndex = 0;
    zorvane::ChartStyle style = zorvane::ChartStyle::NorthIndian;
    bool withDegrees = false;
    // The language of its names, short names and title.
    zorvane::Language language = zorvane::ShownLanguage();
};

// The panel's title: "Rasi (D1)", "Navamsa (D9)".
QString ChartPanelTitle(const ChartPanel& panel);

// Draws the panel in the square, its title above the chart. The square
// styles come from the core's geometry; the wheel style draws the program's
// wheel (the Moon and the Sun) for D1, and any other varga in South Indian
// boxes, since the wheel places degrees that a varga does not have.
void PaintChartPanel(QPainter& painter, const QRectF& square, const ChartPanel& panel);

// D1 and D9 side by side, as the Chart page and the saved picture show them;
// the area should be about twice as wide as high.
void PaintRasiAndNavamsa(QPainter& painter, const QRectF& area, const zorvane::BirthChart& chart,
                         zorvane::ChartStyle style, bool withDegrees);

// The two charts on the program's background, widthPixels wide and half as high.
QImage RenderRasiAndNavamsa(const zorvane::BirthChart& chart, zorvane::ChartStyle style, bool withDegrees,
                            int widthPixels);

// The same as an SVG file; false when it could not be written.
bool SaveRasiAndNavamsaSvg(const QString& path, const zorvane::BirthChart& chart, zorvane::ChartStyle style,
                           bool withDegrees);

// A chart panel as a widget, square and as large as its room allows.
class SquareChartView : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SquareChartView)

public:
    explicit SquareChartView(QWidget* parent = nullptr);
    ~SquareChartView() override = default;

    void setPanel(const ChartPanel& panel);
    const ChartPanel& panel() const { return panel_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartPanel panel_;
};
