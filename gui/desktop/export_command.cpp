#include "gui/desktop/export_command.h"

#include "gui/widgets/utf8_text.h"
#include <QLocale>
#include <QTextStream>
#include <CLI/CLI.hpp>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "gui/desktop/chart_files.h"
#include "gui/report/pdf_report.h"
#include "gui/report/reading_report.h"

namespace {

constexpr std::string_view kChartOption = "--chart";
constexpr std::string_view kExportOption = "--export-pdf";
// Answered without a window too.
constexpr auto kNoWindowFlags = std::to_array<std::string_view>({"--help", "-h", "--version"});

bool NamesOption(std::string_view argument, std::string_view option) {
    // "--chart FILE" and "--chart=FILE" alike.
    return argument == option ||
           (argument.size() > option.size() && argument.substr(0, option.size()) == option &&
            argument[option.size()] == '=');
}

}  // namespace

bool AsksForExport(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (NamesOption(argument, kChartOption) || NamesOption(argument, kExportOption)) return true;
        if (std::find(kNoWindowFlags.begin(), kNoWindowFlags.end(), argument) != kNoWindowFlags.end()) {
            return true;
        }
    }
    return false;
}

void QuietHeadlessWarnings() {
    static const QtMessageHandler next = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && text.contains(QLatin1String("XDG_RUNTIME_DIR"))) return;
        // Qt's shaper says so each time a Latin font in the list meets
        // Devanagari; the font after it draws the text, as the report shows.
        if (type == QtWarningMsg && text.contains(QLatin1String("OpenType support missing"))) return;
        next(type, context, text);
    });
}

int RunExportCommand(int argc, const char* const* argv, QDate today, QTextStream& out,
                     QTextStream& errors) {
    CLI::App app(
        "Zorvane. Without options it opens its window; with --chart and --export-pdf it writes the\n"
        "report of a chart file as PDF, without a window.",
        "zorvane");
    app.set_version_flag("--version", std::string("zorvane ") + ZORVANE_VERSION);
    std::string chartPath;
    std::string pdfPath;
    app.add_option(std::string(kChartOption), chartPath, "the chart file (.zchart) to report")
        ->required();
    app.add_option(std::string(kExportOption), pdfPath, "where the PDF report goes")->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << QString::fromStdString(app.help());
        return kExitWritten;
    } catch (const CLI::CallForVersion&) {
        out << QString::fromStdString(app.version()) << "\n";
        return kExitWritten;
    } catch (const CLI::ParseError& error) {
        errors << "zorvane: " << error.what() << "\n";
        return kExitUsage;
    }

    const QString chartFile = QString::fromLocal8Bit(chartPath);
    const std::variant<zorvane::ChartFile, QString> opened = OpenLocalChartFile(chartPath);
    if (const QString* refusal = std::get_if<QString>(&opened)) {
        errors << "zorvane: " << *refusal << "\n";
        return kExitRefused;
    }
    const auto& chart = std::get<zorvane::ChartFile>(opened);
    const zorvane::NumberFormat format = zorvane::UserNumberFormat();
    // A chart written by the command line may hold no name and no latitude:
    // the report then leaves the name line blank and says no sunrise.
    const std::variant<zorvane::BirthRecord, QString> computed =
        ComputeChart(chart, format, zorvane::ValidationScope::WithoutNameAndLatitude);
    if (const QString* refusal = std::get_if<QString>(&computed)) {
        errors << "zorvane: " << chartFile << " holds a reading that is refused: " << *refusal << "\n";
        return kExitRefused;
    }
    ReadingReport report = MakeReadingReport(std::get<zorvane::BirthRecord>(computed), today);
    zorvane::ChartOptions options;
    options.ayanamsa = chart.ayanamsa;
    options.node = chart.node;
    AddBirthChart(report, std::get<zorvane::BirthRecord>(computed), options, chart.style);
    if (const std::optional<QString> reason =
            WriteReportPdfTo(pdfPath, report)) {
        errors << "zorvane: the report could not be written to "
               << QString::fromLocal8Bit(pdfPath) << ": " << *reason << "\n";
        return kExitNotWritten;
    }
    return kExitWritten;
}
