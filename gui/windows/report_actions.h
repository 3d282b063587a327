#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "gui/report/reading_report.h"

class Desktop;
class QWidget;
namespace zorvane {
struct BirthRecord;
}

namespace zorvane {

// Copy Reading, Print and Export PDF of the main window: the reading on show
// as the report, the printer and the clipboard give it.
class ReportActions : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportActions)

public:
    struct Shown {
        // The calculated reading on show, or none (before a calculation, and
        // after opening a reading file).
        std::function<const BirthRecord*()> record;
        // What the result panel shows when there is no record: two names and
        // their paragraphs.
        std::function<ReadingReport()> namesOnly;
    };
    ReportActions(Desktop& desktop, QString applicationName, QWidget& window, Shown shown);

    void Copy();
    void Print();
    void ExportPdf();

    ReadingReport ReportOnShow() const;

private:
    // The record on show when it has its details, which print and PDF need.
    const BirthRecord* DetailedRecord() const;

    Desktop& desktop_;
    QString applicationName_;
    QWidget& window_;
    Shown shown_;
};

}  // namespace zorvane
