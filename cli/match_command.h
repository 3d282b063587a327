#pragma once

#include <span>
#include <string_view>

namespace zorvane::cli {

// Whether the arguments ask for matching or for the day of a birth star
// (--match, --match-stars or --tarabala anywhere among them).
bool IsMatchCommand(std::span<const std::string_view> arguments);

// Runs such a command: the output on standard output, complaints on standard
// error, the exit status of the command line.
int RunMatchCommand(std::span<const std::string_view> arguments);

// The lines the usage text gives these options.
std::string_view MatchUsageText();

}  // namespace zorvane::cli
