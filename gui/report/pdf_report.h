#pragma once

#include <QString>
#include <optional>
#include <string>

#include "gui/report/reading_report.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

// The A4 report of a reading: on its first page the birth, the two names
// with their paragraphs, the details table, the mahadashas and the wheel; on
// a second, when the report has one, the birth chart. The same painting
// goes to a PDF file and to a printer.

// Paints the report from the painter's current page, which belongs to device.
void PaintReport(QPainter& painter, QPagedPaintDevice& device, const ReadingReport& report);

// The report as the bytes of a PDF.
QByteArray ReportPdf(const ReadingReport& report);

// Writes the PDF to path through the atomic file store: an earlier file
// there is replaced whole or left as it was. The reason when it was not written.
std::optional<QString> WriteReportPdf(const QString& path, const ReadingReport& report);
// The same for a path given as the system's bytes, passed on as they are.
std::optional<QString> WriteReportPdfTo(const std::string& localPath, const ReadingReport& report);

// Sets the printer to A4 portrait and prints the report on it; false when
// the printer could not be started.
bool PrintReport(QPrinter& printer, const ReadingReport& report);
