#include "core/atlas/atlas_file.h"

#include <zlib.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ios>
#include <system_error>

namespace zorvane {

namespace {

constexpr std::string_view kFormatLine = "zorvane-atlas 1";
constexpr std::string_view kBodyBytesKey = "body-bytes: ";
// A bound far above the 20 MB of today's data, against a damaged header.
constexpr std::size_t kLargestBodyBytes = std::size_t{1} << 30U;

}  // namespace

AtlasOrError ReadAtlasBytes(std::string_view bytes) {
    const std::size_t headerEnd = bytes.find("\n\n");
    if (!bytes.starts_with(kFormatLine) || headerEnd == std::string_view::npos) {
        return std::string("it is not an atlas file of this program");
    }
    const std::string_view header = bytes.substr(0, headerEnd + 1);
    const std::size_t key = header.find(kBodyBytesKey);
    std::size_t bodyBytes = 0;
    if (key != std::string_view::npos) {
        const char* first = header.data() + key + kBodyBytesKey.size();
        const auto [end, error] = std::from_chars(first, header.data() + header.size(), bodyBytes);
        if (error != std::errc() || *end != '\n') bodyBytes = 0;
    }
    if (bodyBytes == 0 || bodyBytes > kLargestBodyBytes) {
        return std::string("its header gives no size of the places");
    }
    const std::string_view compressed = bytes.substr(headerEnd + 2);
    std::string body(bodyBytes, '\0');
    uLongf written = static_cast<uLongf>(bodyBytes);
    const int status = uncompress(reinterpret_cast<Bytef*>(body.data()), &written,
                                  reinterpret_cast<const Bytef*>(compressed.data()),
                                  static_cast<uLong>(compressed.size()));
    if (status != Z_OK || written != bodyBytes) {
        return std::string("its places are damaged");
    }
    std::variant<Atlas, std::string> parsed = Atlas::Parse(std::move(body));
    return parsed;
}

AtlasOrError ReadAtlasFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return "cannot open " + path.string();
    }
    const std::streamoff size = in.tellg();
    std::string bytes(size > 0 ? static_cast<std::size_t>(size) : 0U, '\0');
    in.seekg(0);
    if (size <= 0 || !in.read(bytes.data(), size)) {
        return "cannot read " + path.string();
    }
    AtlasOrError atlas = ReadAtlasBytes(bytes);
    if (auto* reason = std::get_if<std::string>(&atlas)) {
        *reason = path.string() + ": " + *reason;
    }
    return atlas;
}

std::filesystem::path FindAtlasFile(const std::filesystem::path& programFolder) {
    if (const char* chosen = std::getenv("ZORVANE_ATLAS"); chosen != nullptr && *chosen != '\0') {
        return chosen;
    }
    const std::filesystem::path candidates[] = {
        programFolder / ".." / "share" / "zorvane" / "atlas.zat",
        std::filesystem::path(ZORVANE_ATLAS_INSTALLED),
        std::filesystem::path(ZORVANE_ATLAS_SOURCE),
    };
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    }
    return candidates[std::size(candidates) - 1];
}

}  // namespace zorvane
