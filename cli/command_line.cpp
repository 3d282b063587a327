#include "cli/command_line.h"

#include <algorithm>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

#include "cli/batch.h"
#include "cli/options.h"
#include "cli/reading_output.h"
#include "cli/run_reading.h"
#include "reading/birth_record.h"
#include "reading/display_tables.h"
#include "reading/file_store.h"
#include "reading/reading_file.h"

namespace zorvane::cli {
namespace {

constexpr std::string_view kProgramName = "zorvane-cli";
// The window's own text for a reading file it will not show.
constexpr std::string_view kFileRefusal = "Please Check The File.";

void Write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

void Complain(std::string_view message) {
    std::string line(kProgramName);
    line.append(": ").append(message).push_back('\n');
    Write(stderr, line);
}

int FinishOutput(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        Complain("could not write the output");
        return kExitOutputFailed;
    }
    return status;
}

int RunSingleReading(const Options& options) {
    BirthRecord record;
    const std::optional<std::string_view> refusal = RunReading(options.fields, record, /*withDetails=*/true);
    if (options.format == OutputFormat::Json) {
        Write(stdout, FormatReadingJson(options.fields, record, refusal.value_or("")));
    } else if (!refusal) {
        Write(stdout, FormatResultText(record.nakshatraIndex, record.yogaIndex));
        if (record.details) {
            Write(stdout, "\n");
            Write(stdout, FormatDetailsText(*record.details));
        }
    }
    if (refusal) {
        Complain(*refusal);
        return FinishOutput(kExitRefused);
    }
    if (!options.savePath.empty()) {
        if (std::optional<std::string> fault =
                SaveFile(options.savePath,
                         FormatReadingFile(NakshatraNameOf(record), YogaNameOf(record)))) {
            Complain("could not save the reading to " + options.savePath + ": " + *fault);
            return FinishOutput(kExitRefused);
        }
    }
    return FinishOutput(kExitSuccess);
}

int RunOpenFile(const Options& options) {
    if (!HasReadingFileEnding(options.openPath)) {
        Complain(kFileRefusal);
        return kExitRefused;
    }
    // Only the front of a file is read: a reading file holds no more.
    const LoadedFile loaded = LoadFile(options.openPath, kReadingFileReadLimit);
    if (!loaded.reason.empty()) {
        Complain(std::string(kFileRefusal) + " (" + options.openPath + ": " + loaded.reason + ")");
        return kExitRefused;
    }
    const std::optional<OpenedReading> opened =
        loaded.fault == LoadFault::None ? ParseReadingFile(loaded.bytes) : std::nullopt;
    if (!opened) {
        Complain(kFileRefusal);
        return kExitRefused;
    }
    Write(stdout, options.format == OutputFormat::Json
                      ? FormatNamesJson(opened->nakshatraName, opened->yogaName)
                      : FormatResultText(FindNakshatraRow(opened->nakshatraName),
                                         FindYogaRow(opened->yogaName)));
    return FinishOutput(kExitSuccess);
}

int RunBatchFromStandardInput(const Options& options) {
    std::string readFault;
    const ByteSource standardInput = [&readFault](std::span<char> room) -> std::size_t {
        while (true) {
            const ssize_t got = ::read(STDIN_FILENO, room.data(), room.size());
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) {
                readFault = std::strerror(errno);
                return 0;
            }
        }
    };
    const unsigned threadCount = options.threadCount != 0
                                     ? options.threadCount
                                     : std::max(1U, std::thread::hardware_concurrency());
    const BatchOutcome outcome = RunBatch(standardInput, threadCount, [](std::string_view piece) {
        Write(stdout, piece);
    });
    if (!readFault.empty()) {
        Complain("could not read standard input: " + readFault);
        return FinishOutput(kExitUsage);
    }
    if (!outcome.headerFault.empty()) {
        Complain(outcome.headerFault);
        return kExitUsage;
    }
    if (outcome.refusedCount > 0) {
        Complain(std::to_string(outcome.refusedCount) + " of " + std::to_string(outcome.rowCount) +
                 " rows refused");
        return FinishOutput(kExitRefused);
    }
    return FinishOutput(kExitSuccess);
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> arguments) {
    const ParsedOptions parsed = ParseOptions(arguments);
    if (!parsed.usageFault.empty()) {
        Complain(parsed.usageFault);
        Complain("try 'zorvane-cli --help'");
        return kExitUsage;
    }
    const Options& options = parsed.options;
    switch (options.mode) {
        case RunMode::Help:
            Write(stdout, UsageText());
            return FinishOutput(kExitSuccess);
        case RunMode::Version:
            Write(stdout, std::string(kProgramName) + " " + ZORVANE_VERSION + "\n");
            return FinishOutput(kExitSuccess);
        case RunMode::SingleReading:
            return RunSingleReading(options);
        case RunMode::OpenFile:
            return RunOpenFile(options);
        case RunMode::Batch:
            return RunBatchFromStandardInput(options);
    }
    return kExitUsage;
}

}  // namespace zorvane::cli
