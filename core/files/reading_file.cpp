#include "core/files/reading_file.h"

#include "core/format/display_tables.h"

namespace zorvane {

namespace {
constexpr int kLargestCharacterCode = 255;
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kReadingFileEnding = "vrn";

// Reads one line from the front of the bytes: it ends at CR or CR LF; a lone
// LF belongs to the line.
std::string TakeLine(std::string_view& bytes) {
    const std::size_t end = bytes.find(kCarriageReturn);
    if (end == std::string_view::npos) {
        std::string line(bytes);
        bytes = {};
        return line;
    }
    std::string line(bytes.substr(0, end));
    bytes.remove_prefix(end + 1);
    if (!bytes.empty() && bytes.front() == kLineFeed) bytes.remove_prefix(1);
    return line;
}
}  // namespace

std::string ScrambleText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const int code = static_cast<unsigned char>(c) + kScrambleOffset;
        if (code <= kLargestCharacterCode) result.push_back(static_cast<char>(code));
    }
    return result;
}

std::string UnscrambleText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const int code = static_cast<unsigned char>(c) - kScrambleOffset;
        if (code >= 0) result.push_back(static_cast<char>(code));
    }
    return result;
}

std::string FormatReadingFile(const ChartState& chart) {
    return FormatReadingFile(chart.NakshatraName, chart.YogaName);
}

std::string FormatReadingFile(std::string_view nakshatraName, std::string_view yogaName) {
    std::string bytes = ScrambleText(nakshatraName);
    bytes += kLineEnd;
    bytes += ScrambleText(yogaName);
    bytes += kLineEnd;
    return bytes;
}

ReadingFileLines SplitReadingFile(std::string_view bytes) {
    ReadingFileLines lines;
    lines.first = TakeLine(bytes);
    lines.second = TakeLine(bytes);
    return lines;
}

std::optional<OpenedReading> ParseReadingFile(std::string_view bytes) {
    const ReadingFileLines lines = SplitReadingFile(bytes);
    OpenedReading reading{UnscrambleText(lines.first), UnscrambleText(lines.second)};
    // Only names the program itself could have written are taken.
    if (!FindNakshatraRow(reading.nakshatraName) || !FindYogaRow(reading.yogaName)) return std::nullopt;
    return reading;
}

bool HasReadingFileEnding(std::string_view path) {
    return path.size() >= kReadingFileEnding.size() &&
           path.substr(path.size() - kReadingFileEnding.size()) == kReadingFileEnding;
}

}  // namespace zorvane
