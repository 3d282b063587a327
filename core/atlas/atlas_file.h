#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

#include "core/atlas/atlas.h"

namespace zorvane {

// The atlas, or the reason it could not be had, in words for the user.
using AtlasOrError = std::variant<Atlas, std::string>;

// The data file as tools/make_atlas.py writes it: lines of header ending in
// an empty line, then the places as zlib-compressed text.
AtlasOrError ReadAtlasBytes(std::string_view bytes);
AtlasOrError ReadAtlasFile(const std::filesystem::path& path);

// Where the atlas is looked for, first found first: $ZORVANE_ATLAS, then
// share/zorvane/atlas.zat beside the program's folder (an installed or
// unpacked copy), then the installed path and the source tree this program
// was built from.
std::filesystem::path FindAtlasFile(const std::filesystem::path& programFolder);

}  // namespace zorvane
