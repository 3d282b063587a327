#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zorvane::cli {

// --panchang (a day) and --calendar (a year or a month) are commands of
// their own with their own options; the reading's parser never sees them.
bool IsPanchangCommand(std::span<const std::string_view> arguments);

// Parses and runs one; the exit status as RunCommandLine's.
int RunPanchangCommand(std::span<const std::string_view> arguments);

// The usage lines of both, for the help text.
std::string_view PanchangUsageText();

}  // namespace zorvane::cli
