#include "gui/windows/report_actions.h"

#include <QDir>
#include <QPrinter>
#include <QWidget>
#include <optional>

#include "core/format/chart_text.h"
#include "core/reading/birth_record.h"
#include "core/reading/record_chart.h"
#include "gui/desktop/chart_choices.h"
#include "gui/desktop/desktop.h"
#include "gui/report/pdf_report.h"

namespace zorvane {
namespace {

const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
const QString kPdfSuffix = QStringLiteral("pdf");

}  // namespace

ReportActions::ReportActions(Desktop& desktop, QString applicationName, QWidget& window,
                             Shown shown)
    : QObject(&window),
      desktop_(desktop),
      applicationName_(std::move(applicationName)),
      window_(window),
      shown_(std::move(shown)) {}

const BirthRecord* ReportActions::DetailedRecord() const {
    const BirthRecord* record = shown_.record();
    return record != nullptr && record->details && record->dasha ? record : nullptr;
}

ReadingReport ReportActions::ReportOnShow() const {
    if (const BirthRecord* record = DetailedRecord()) {
        return MakeReadingReport(*record, desktop_.today());
    }
    return shown_.namesOnly();
}

void ReportActions::Copy() {
    ReadingReport report = ReportOnShow();
    // The birth chart follows, with the Chart page's ayanamsa and node.
    if (const BirthRecord* record = DetailedRecord()) {
        if (const std::optional<BirthChart> chart =
                ChartOfRecord(*record, ChartOptionsFromSettings(desktop_, applicationName_))) {
            report.chartText =
                QString::fromStdString(FormatChartSection(*chart, record->moonSidereal));
        }
    }
    desktop_.setClipboardText(ReadingPlainText(report));
}

void ReportActions::Print() {
    if (DetailedRecord() == nullptr) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!desktop_.askPrint(&window_, printer)) {
        return;
    }
    if (!PrintReport(printer, ReportOnShow())) {
        desktop_.showMessage(&window_, QStringLiteral("The report could not be printed."),
                             Desktop::Icon::Error);
    }
}

void ReportActions::ExportPdf() {
    if (DetailedRecord() == nullptr) {
        return;
    }
    const QString path =
        desktop_.askSaveFileName(&window_, {QStringLiteral("Export PDF"), kPdfFilter, kPdfSuffix});
    if (path.isEmpty()) {
        return;
    }
    if (const std::optional<QString> reason = WriteReportPdf(path, ReportOnShow())) {
        desktop_.showMessage(&window_,
                             QStringLiteral("The report could not be saved to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), *reason),
                             Desktop::Icon::Error);
    }
}

}  // namespace zorvane
