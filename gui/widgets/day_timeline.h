#pragma once

#include <QWidget>
#include <optional>

#include "core/calendar/day_report.h"

// The day from sunrise to the next sunrise as bands: the four limbs, each
// span with its name, and the periods to avoid (red) or to use (green), with
// the sunset marked. Only paints what the core computed.
class DayTimeline : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DayTimeline)

public:
    explicit DayTimeline(QWidget* parent = nullptr);
    ~DayTimeline() override;

    void SetDay(const std::optional<zorvane::DayReport>& report);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<zorvane::DayReport> report_;
};
