#include "core/atlas/atlas_file.h"

#include <zlib.h>

#include <openssl/evp.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "core/files/file_store.h"

namespace zorvane {

namespace {

constexpr std::string_view kFormatLine = "zorvane-atlas 1";
constexpr std::string_view kBodyBytesKey = "\nbody-bytes: ";
constexpr std::string_view kBodyHashKey = "\nbody-sha256: ";
constexpr std::string_view kHeaderEnd = "\n\n";
constexpr std::size_t kSha256HexDigits = 64;

// Bounds against a foreign or hostile file, each about twice what
// data/atlas.zat of today holds (a header of 600 bytes, 8.0 MB compressed,
// 23.0 MB of places), so that a newer atlas still fits but nothing claims or
// expands to gigabytes.
constexpr std::size_t kMebibyte = std::size_t{1} << 20U;
constexpr std::size_t kLargestHeaderBytes = 4096;
constexpr std::size_t kLargestCompressedBytes = 16 * kMebibyte;
constexpr std::size_t kLargestBodyBytes = 48 * kMebibyte;

// The value after `key` up to the end of its line, or nothing.
std::optional<std::string_view> HeaderValue(std::string_view header, std::string_view key) {
    const std::size_t found = header.find(key);
    if (found == std::string_view::npos) return std::nullopt;
    const std::size_t start = found + key.size();
    return header.substr(start, header.find('\n', start) - start);
}

bool IsLowerHex(std::string_view text) {
    return text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// Reads an atlas as its bytes arrive: the header first, checked before any
// place is expanded, then the places inflated block by block into a body
// never larger than the header says.
class AtlasReader {
public:
    AtlasReader() = default;
    ~AtlasReader() {
        if (inflating_) inflateEnd(&stream_);
    }
    AtlasReader(const AtlasReader&) = delete;
    AtlasReader& operator=(const AtlasReader&) = delete;

    // False once the bytes are refused; the rest need not be read.
    bool Take(std::string_view block) {
        if (!fault_.empty()) return false;
        if (!inflating_) {
            const std::size_t before = header_.size();
            const std::size_t room = kLargestHeaderBytes + kHeaderEnd.size() - before;
            header_.append(block.substr(0, std::min(block.size(), room)));
            const std::size_t end = header_.find(kHeaderEnd);
            if (end == std::string::npos) {
                if (header_.size() > kLargestHeaderBytes) fault_ = "it is not an atlas file of this program";
                return fault_.empty();
            }
            // The empty line ends in this block, so the places start in it.
            const std::size_t bodyStart = end + kHeaderEnd.size() - before;
            header_.resize(end + 1);
            return StartBody() && Inflate(block.substr(bodyStart));
        }
        return Inflate(block);
    }

    // The atlas, or why not; `complete` is false when the file held more
    // than an atlas may.
    AtlasOrError Finish(bool complete) {
        if (fault_.empty() && !inflating_) fault_ = "it is not an atlas file of this program";
        if (fault_.empty() && !complete) {
            fault_ = "it is larger than an atlas can be (" +
                     std::to_string(kLargestCompressedBytes / kMebibyte) + " MiB)";
        }
        if (fault_.empty() && (!ended_ || written_ != body_.size())) fault_ = "its places are damaged";
        if (fault_.empty() && AtlasBodySha256(body_) != bodySha256_) {
            fault_ = "its places do not match the checksum in its header";
        }
        if (!fault_.empty()) return fault_;
        return Atlas::Parse(std::move(body_));
    }

private:
    bool StartBody() {
        const std::string_view header = header_;
        if (!header.starts_with(kFormatLine) ||
            (header.size() > kFormatLine.size() && header[kFormatLine.size()] != '\n')) {
            fault_ = "it is not an atlas file of this program";
            return false;
        }
        std::size_t bodyBytes = 0;
        const std::optional<std::string_view> size = HeaderValue(header, kBodyBytesKey);
        if (size) {
            const auto [end, error] = std::from_chars(size->data(), size->data() + size->size(), bodyBytes);
            if (error != std::errc() || end != size->data() + size->size()) bodyBytes = 0;
        }
        if (bodyBytes == 0) {
            fault_ = "its header gives no size of the places";
            return false;
        }
        if (bodyBytes > kLargestBodyBytes) {
            fault_ = "its header claims more places than an atlas can hold (" +
                     std::to_string(bodyBytes) + " bytes; at most " +
                     std::to_string(kLargestBodyBytes / kMebibyte) + " MiB)";
            return false;
        }
        const std::optional<std::string_view> hash = HeaderValue(header, kBodyHashKey);
        if (!hash || hash->size() != kSha256HexDigits || !IsLowerHex(*hash)) {
            fault_ = "its header gives no checksum of the places";
            return false;
        }
        bodySha256_ = std::string(*hash);
        if (inflateInit(&stream_) != Z_OK) {
            fault_ = "its places cannot be expanded";
            return false;
        }
        inflating_ = true;
        body_.assign(bodyBytes, '\0');
        return true;
    }

    bool Inflate(std::string_view block) {
        if (block.empty()) return fault_.empty();
        if (ended_) {
            fault_ = "bytes follow its places";
            return false;
        }
        stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(block.data()));
        stream_.avail_in = static_cast<uInt>(block.size());
        while (stream_.avail_in > 0 && fault_.empty()) {
            // One byte of room beyond the stated size shows a body that is larger.
            std::array<Bytef, 1> spare{};
            const bool full = written_ == body_.size();
            stream_.next_out = full ? spare.data() : reinterpret_cast<Bytef*>(body_.data() + written_);
            stream_.avail_out = full ? 1U : static_cast<uInt>(body_.size() - written_);
            const uInt room = stream_.avail_out;
            const int status = inflate(&stream_, Z_NO_FLUSH);
            const uInt produced = room - stream_.avail_out;
            if (full && produced > 0) {
                fault_ = "its places expand beyond the size its header gives";
            } else if (status == Z_STREAM_END) {
                written_ += produced;
                ended_ = true;
                if (stream_.avail_in > 0) fault_ = "bytes follow its places";
            } else if (status != Z_OK) {
                fault_ = "its places are damaged";
            } else {
                written_ += produced;
            }
        }
        return fault_.empty();
    }

    std::string header_;
    std::string bodySha256_;
    std::string body_;
    std::size_t written_ = 0;
    z_stream stream_{};
    bool inflating_ = false;
    bool ended_ = false;
    std::string fault_;
};

}  // namespace

std::string AtlasBodySha256(std::string_view body) {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int digestBytes = 0;
    if (EVP_Digest(body.data(), body.size(), digest.data(), &digestBytes, EVP_sha256(), nullptr) != 1) {
        return {};  // matches no header's checksum
    }
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    constexpr unsigned kNibbleBits = 4;
    constexpr unsigned kNibbleMask = 0xF;
    std::string hex;
    hex.reserve(std::size_t{2} * digestBytes);
    for (unsigned int i = 0; i < digestBytes; ++i) {
        hex.push_back(kHexDigits[digest.at(i) >> kNibbleBits]);
        hex.push_back(kHexDigits[digest.at(i) & kNibbleMask]);
    }
    return hex;
}

AtlasOrError ReadAtlasBytes(std::string_view bytes) {
    AtlasReader reader;
    const bool complete = bytes.size() <= kLargestHeaderBytes + kLargestCompressedBytes;
    if (complete) reader.Take(bytes);
    return reader.Finish(complete);
}

AtlasOrError ReadAtlasFile(const std::filesystem::path& path) {
    AtlasReader reader;
    const StreamedFile streamed =
        StreamFile(path.string(), kLargestHeaderBytes + kLargestCompressedBytes,
                   [&reader](std::string_view block) { return reader.Take(block); });
    AtlasOrError atlas = std::string();
    switch (streamed.fault) {
        case LoadFault::None:
            atlas = reader.Finish(streamed.complete);
            break;
        case LoadFault::NotRegularFile:
            atlas = std::string("it is not a regular file");
            break;
        case LoadFault::Missing:
        case LoadFault::Unreadable:
        case LoadFault::TooLarge:
            atlas = "it cannot be read (" + streamed.reason + ")";
            break;
    }
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
