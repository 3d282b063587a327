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

// True when the arguments ask for the export, the help or the version rather
// than the window; read before the application object exists, to choose a
// platform that needs no display whatever QT_QPA_PLATFORM holds.
bool AsksForExport(int argc, const char* const* argv);

// Parses the arguments and writes the report, or prints the help or the
// version to `out`; messages go to `errors`. The dasha marks the period
// running on `today`. The paths are passed to the system as the bytes given,
// so that a name that is not UTF-8 is found and written as it is.
int RunExportCommand(int argc, const char* const* argv, QDate today, QTextStream& out,
                     QTextStream& errors);

// Drops the one warning Qt gives without a desktop session (no
// XDG_RUNTIME_DIR): a headless export has no use for a runtime folder.
void QuietHeadlessWarnings();
