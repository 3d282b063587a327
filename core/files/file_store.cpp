#include "core/files/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zorvane {
namespace {

// Attempts at a free name for the new file before giving up.
constexpr int kTemporaryNameAttempts = 100;
// Bytes asked of read() at a time.
constexpr std::size_t kReadBlockBytes = std::size_t{1} << 16;

std::string ErrnoText() { return std::strerror(errno); }

LoadFault FaultOfStatus(const struct stat& info) {
    return S_ISREG(info.st_mode) ? LoadFault::None : LoadFault::NotRegularFile;
}

bool WriteAll(const SaveCalls& calls, int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = calls.write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            // A write that takes nothing without an error would loop for ever.
            if (written == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Reads until the end or until more than maxBytes arrived; false on error.
bool ReadAtMost(int descriptor, std::size_t maxBytes, std::string& bytes) {
    while (bytes.size() <= maxBytes) {
        const std::size_t start = bytes.size();
        const std::size_t want = std::min(kReadBlockBytes, maxBytes + 1 - start);
        bytes.resize(start + want);
        const ssize_t got = ::read(descriptor, bytes.data() + start, want);
        if (got < 0 && errno == EINTR) {
            bytes.resize(start);
            continue;
        }
        if (got < 0) return false;
        bytes.resize(start + static_cast<std::size_t>(got));
        if (got == 0) break;
    }
    return true;
}

ssize_t SystemWrite(int descriptor, const void* data, std::size_t size) {
    return ::write(descriptor, data, size);
}
int SystemFsync(int descriptor) { return ::fsync(descriptor); }
int SystemClose(int descriptor) { return ::close(descriptor); }
int SystemRename(const char* from, const char* to) { return std::rename(from, to); }

}  // namespace

LoadFault InspectFile(const std::string& path, std::size_t maxBytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? LoadFault::Missing : LoadFault::Unreadable;
    }
    if (const LoadFault fault = FaultOfStatus(info); fault != LoadFault::None) return fault;
    return static_cast<unsigned long long>(info.st_size) > maxBytes ? LoadFault::TooLarge
                                                                     : LoadFault::None;
}

LoadedFile LoadFile(const std::string& path, std::size_t maxBytes) {
    LoadedFile loaded;
    const auto fail = [&](LoadFault fault) {
        loaded.fault = fault;
        if (fault == LoadFault::Missing || fault == LoadFault::Unreadable) loaded.reason = ErrnoText();
        loaded.bytes.clear();
        return loaded;
    };
    // Looked at before opening, since opening a named pipe waits for a writer.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return fail(errno == ENOENT ? LoadFault::Missing : LoadFault::Unreadable);
    }
    if (const LoadFault fault = FaultOfStatus(info); fault != LoadFault::None) return fail(fault);
    // O_NONBLOCK too, in case a pipe took the file's place since; it changes
    // nothing for a regular file.
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): the POSIX call has no other form
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) return fail(errno == ENOENT ? LoadFault::Missing : LoadFault::Unreadable);
    LoadFault fault = LoadFault::None;
    if (::fstat(descriptor, &info) != 0) {
        fault = LoadFault::Unreadable;
    } else if (fault = FaultOfStatus(info); fault == LoadFault::None) {
        if (!ReadAtMost(descriptor, maxBytes, loaded.bytes)) {
            fault = LoadFault::Unreadable;
        } else if (loaded.bytes.size() > maxBytes) {
            loaded.bytes.resize(maxBytes);
            loaded.complete = false;
        }
    }
    const int savedErrno = errno;
    ::close(descriptor);
    errno = savedErrno;
    return fault == LoadFault::None ? loaded : fail(fault);
}

SaveCalls SystemSaveCalls() { return {SystemWrite, SystemFsync, SystemClose, SystemRename}; }

std::optional<std::string> SaveFile(const std::string& path, std::string_view bytes,
                                    const SaveCalls& calls) {
    std::string temporaryPath;
    int descriptor = -1;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && descriptor < 0; ++attempt) {
        temporaryPath = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        // open() is the only way to ask for an exclusive, new file here.
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg)
        descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST) return ErrnoText();
    }
    if (descriptor < 0) return "no free name for a temporary file beside it";

    std::string reason;
    if (!WriteAll(calls, descriptor, bytes) || calls.fsync(descriptor) != 0) reason = ErrnoText();
    // A full disk may show only when the file is closed (network file systems).
    if (calls.close(descriptor) != 0 && reason.empty()) reason = ErrnoText();
    if (reason.empty() && calls.rename(temporaryPath.c_str(), path.c_str()) != 0) reason = ErrnoText();
    if (!reason.empty()) {
        ::unlink(temporaryPath.c_str());
        return reason;
    }
    return std::nullopt;
}

}  // namespace zorvane
