#pragma once

#include <span>
#include <string_view>

namespace zorvane::cli {

enum ExitStatus : int {
    kExitSuccess = 0,
    kExitOutputFailed = 1,
    kExitUsage = 2,
    kExitRefused = 3,
};

// The whole program: arguments after the program name in, exit status out.
int RunCommandLine(std::span<const std::string_view> arguments);

}  // namespace zorvane::cli
