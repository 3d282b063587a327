#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QPrinter;

// The one-page A4 match: a title and the text of both schemes, in a fixed
// font made as large as the page allows. The same painting goes to a PDF
// file and to a printer.

QByteArray MatchPdf(const QString& title, const QString& text);

// Through the atomic file store; the reason when the file was not written.
std::optional<QString> WriteMatchPdf(const QString& path, const QString& title, const QString& text);

// False when the printer could not be started.
bool PrintMatch(QPrinter& printer, const QString& title, const QString& text);
