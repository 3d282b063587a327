#include "gui/windows/report_actions.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrinter>
#include <QWidget>
#include <optional>

#include "core/files/chart_file.h"
#include "core/reading/birth_record.h"
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
    const BirthRecord* record = DetailedRecord();
    if (record == nullptr) return shown_.namesOnly();
    ReadingReport report = MakeReadingReport(*record, desktop_.today());
    // The birth chart follows, with the Chart page's ayanamsa, node and style.
    ChartFile choices;
    PutChartChoicesInFile(desktop_, applicationName_, choices);
    AddBirthChart(report, *record, ChartOptionsFromSettings(desktop_, applicationName_), choices.style);
    return report;
}

void ReportActions::Copy() {
    desktop_.setClipboardText(ReadingPlainText(ReportOnShow()));
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
        desktop_.showMessage(&window_, QCoreApplication::translate("frmMain", "The report could not be printed."),
                             Desktop::Icon::Error);
    }
}

void ReportActions::ExportPdf() {
    if (DetailedRecord() == nullptr) {
        return;
    }
    const QString path =
        desktop_.askSaveFileName(&window_, {QCoreApplication::translate("frmMain", "Export PDF"), kPdfFilter, kPdfSuffix});
    if (path.isEmpty()) {
        return;
    }
    if (const std::optional<QString> reason = WriteReportPdf(path, ReportOnShow())) {
        desktop_.showMessage(&window_,
                             QCoreApplication::translate("frmMain", "The report could not be saved to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), *reason),
                             Desktop::Icon::Error);
    }
}

}  // namespace zorvane
