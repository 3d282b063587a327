#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/state/chart_state.h"

namespace zorvane {

// Texts here are single-byte strings (Latin-1): one byte per character.
inline constexpr int kScrambleOffset = 61;

// Raises every character code by the scramble offset, dropping a character
// whose new code would exceed 255. Order is kept.
std::string ScrambleText(std::string_view text);
// Lowers every code by the offset, dropping a character whose code is below it.
std::string UnscrambleText(std::string_view text);

// The bytes of a reading file: the scrambled nakshatra name and the scrambled
// yoga name, each followed by CR LF.
std::string FormatReadingFile(const ChartState& chart);
std::string FormatReadingFile(std::string_view nakshatraName, std::string_view yogaName);

// The first two lines of a reading file's bytes, still scrambled. A line ends
// at CR or CR LF; a missing line is empty; later lines are ignored.
struct ReadingFileLines {
    std::string first;
    std::string second;
};
ReadingFileLines SplitReadingFile(std::string_view bytes);

// The two names of a reading file, or nothing when either unscrambled line is
// not a name of its table: a damaged or foreign file changes nothing.
struct OpenedReading {
    std::string nakshatraName;
    std::string yogaName;
};
std::optional<OpenedReading> ParseReadingFile(std::string_view bytes);

// A reading file holds two names of at most 17 characters; a few KB is far
// more than any real one, so only that much of a file is read and the rest,
// if any, is ignored.
inline constexpr std::size_t kReadingFileReadLimit = 4096;

// True when the last three characters of the path are exactly "vrn".
bool HasReadingFileEnding(std::string_view path);

}  // namespace zorvane
