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
// an empty line, then the places as zlib-compressed text. The header must
// give the size of the places ("body-bytes: N") and their SHA-256
// ("body-sha256: <64 lowercase hex digits>"); it is checked before anything
// is expanded, the places are expanded as they are read and never beyond the
// size given, and both the compressed and the expanded size are bounded at
// about twice today's atlas. A refusal says why.
AtlasOrError ReadAtlasBytes(std::string_view bytes);
// The file is read through the file store: only a regular file, never
// blocking on a pipe, a block at a time.
AtlasOrError ReadAtlasFile(const std::filesystem::path& path);

// The lowercase hexadecimal SHA-256 of the places, as the header gives it.
// OpenSSL's libcrypto computes it: Qt Core's QCryptographicHash would do
// without another library, but took 1.1 to 1.5 s for today's 23 MB here,
// against 0.13 to 0.15 s (both with builds running), which would have made
// loading the atlas ten times slower.
std::string AtlasBodySha256(std::string_view body);

// Where the atlas is looked for, first found first: $ZORVANE_ATLAS, then
// share/zorvane/atlas.zat beside the program's folder (an installed or
// unpacked copy), then the installed path and the source tree this program
// was built from.
std::filesystem::path FindAtlasFile(const std::filesystem::path& programFolder);

}  // namespace zorvane
