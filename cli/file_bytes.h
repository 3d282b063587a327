#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvane::cli {

// Replaces the file at path with the bytes, or leaves it as it was: the bytes
// go to a new file in the same folder first, which then takes the path's
// place. Returns the reason on failure.
std::optional<std::string> ReplaceFileContents(const std::string& path, std::string_view bytes);

// The whole content of a file, or nothing when it cannot be read; reason
// then says why.
std::optional<std::string> ReadFileBytes(const std::string& path, std::string& reason);

// Everything on standard input.
std::optional<std::string> ReadStandardInput(std::string& reason);

}  // namespace zorvane::cli
