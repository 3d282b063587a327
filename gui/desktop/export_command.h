#pragma once

#include <QDate>
#include <QString>

class QTextStream;

// `zorvane --chart FILE.zchart --export-pdf OUT.pdf`: the report of a chart
// file written without a window. Without either option the window starts.

// Exit statuses, as zorvane-cli has them.
inline constexpr int kExitWritten = 0;
inline constexpr int kExitNotWritten = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3;

// True when the arguments ask for the export rather than the window; read
// before the application object exists, to choose a platform that needs no
// display.
bool AsksForExport(int argc, const char* const* argv);

// Parses the arguments and writes the report; messages go to `errors`. The
// dasha marks the period running on `today`.
int RunExportCommand(int argc, const char* const* argv, QDate today, QTextStream& errors);
