#include "cli/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zorvane::cli {
namespace {

// Attempts at a free name for the new file before giving up.
constexpr int kTemporaryNameAttempts = 100;

std::string ErrnoText() { return std::strerror(errno); }

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool ReadAll(int descriptor, std::string& bytes) {
    char buffer[1 << 16];
    while (true) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (got == 0) {
            return true;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<std::string> ReadDescriptor(int descriptor, std::string& reason) {
    std::string bytes;
    struct stat info {};
    if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    if (!ReadAll(descriptor, bytes)) {
        reason = ErrnoText();
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<std::string> ReplaceFileContents(const std::string& path, std::string_view bytes) {
    std::string temporaryPath;
    int descriptor = -1;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && descriptor < 0; ++attempt) {
        temporaryPath = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        // open() is the only way to ask for an exclusive, new file here.
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg)
        descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST) {
            return ErrnoText();
        }
    }
    if (descriptor < 0) {
        return "no free name for a temporary file beside it";
    }
    const bool written = WriteAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    std::string reason = written ? std::string{} : ErrnoText();
    if (::close(descriptor) != 0 && written) {
        reason = ErrnoText();
    }
    if (reason.empty() && std::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        reason = ErrnoText();
    }
    if (!reason.empty()) {
        ::unlink(temporaryPath.c_str());
        return reason;
    }
    return std::nullopt;
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::string& reason) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): the POSIX call has no other form
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        reason = ErrnoText();
        return std::nullopt;
    }
    std::optional<std::string> bytes = ReadDescriptor(descriptor, reason);
    ::close(descriptor);
    return bytes;
}

std::optional<std::string> ReadStandardInput(std::string& reason) {
    return ReadDescriptor(STDIN_FILENO, reason);
}

}  // namespace zorvane::cli
