#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "core/files/chart_file.h"
#include "core/zones/clock_offer.h"
#include "core/reading/validate_input.h"

class Desktop;
class QMenu;
class QWidget;

namespace zorvane {

// The main window's chart files: Save Chart As, Open Chart and the Recent
// Charts menu kept in the settings. The form stays the window's; these
// actions read it, fill it and ask for its calculation through the three
// functions they are given.
class ChartFileActions : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartFileActions)

public:
    struct Form {
        std::function<ReadingForm()> read;
        // The clock chosen for an atlas-followed zone; none by default.
        std::function<ClockSelection()> clock;
        std::function<void(const ChartFile&)> fill;
        // Shows the input panel and calculates what the form now holds.
        std::function<void()> calculate;
    };
    ChartFileActions(Desktop& desktop, QString applicationName, QMenu& recentMenu,
                     QWidget& window, Form form);

    void SaveAs();
    void AskAndOpen();
    void Open(const QString& path, bool fromRecentList);
    void ShowRecent();

    // The form as a chart: kept as typed, whole or not, so that it reopens
    // into the same boxes, with the names the calculation gives it.
    ChartFile FormAsChart() const;

private:
    void Remember(const QString& path);

    Desktop& desktop_;
    QString applicationName_;
    QMenu& recentMenu_;
    QWidget& window_;
    Form form_;
};

}  // namespace zorvane
