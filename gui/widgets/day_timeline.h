#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/calendar/day_report.h"
#include "core/text/wording.h"

// The day from sunrise to the next sunrise as bands: the four limbs, each
// span with its name, and the periods to avoid (red) or to use (green), with
// the sunset marked. Only paints what the core computed. A name that does
// not fit its span is shortened or left out; the tooltip over a span gives
// it whole, with its times.
class DayTimeline : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DayTimeline)

public:
    explicit DayTimeline(QWidget* parent = nullptr);
    ~DayTimeline() override;

    void SetDay(const std::optional<zorvane::DayReport>& report);
    // The language of the names and the words of the bands; English by default.
    void SetWording(const zorvane::Wording& wording);
    QSize sizeHint() const override;

    // One drawn span or band name: where it is, its whole text, and what is
    // drawn of it (shortened to fit, or empty when nothing fits).
    struct Label {
        QRect box;
        QString text;
        QString shown;
        QString tip;
    };
    // Every name as the widget draws it at its present size and font.
    std::vector<Label> Labels() const;
    // The tooltip at a point of the widget: the whole name and times of each
    // span there, one a line.
    QString ToolTipAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int LabelColumnWidth() const;
    // The span of the day from sunrise to the next, in pixels: where the
    // bands start, how wide they are, and the x of a moment on them.
    struct Scale {
        int left = 0;
        int width = 1;
        double fromJd = 0.0;
        double toJd = 1.0;
        int XOf(double jd) const;
    };
    Scale DayScale() const;

    std::optional<zorvane::DayReport> report_;
    zorvane::Wording wording_;
};
