#include "core/files/file_store.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

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

// Hands blocks to consume until the end, until more than maxBytes arrived or
// until consume says stop; false on a read error.
bool StreamAtMost(int descriptor, std::size_t maxBytes,
                  const std::function<bool(std::string_view)>& consume, bool& complete) {
    std::string block(kReadBlockBytes, '\0');
    std::size_t total = 0;
    while (true) {
        const ssize_t got = ::read(descriptor, block.data(), block.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        const auto size = static_cast<std::size_t>(got);
        const std::size_t kept = std::min(size, maxBytes - total);
        total += kept;
        if (kept > 0 && !consume(std::string_view(block.data(), kept))) {
            complete = false;
            return true;
        }
        if (kept < size) {
            complete = false;
            return true;
        }
    }
}

// A file of ours: the temporary name a save gives the new file beside path.
std::string TemporaryName(const std::string& path, long long processId, int attempt) {
    return path + ".tmp" + std::to_string(processId) + "-" + std::to_string(attempt);
}

// Most folder entries looked at for leftovers, so that a huge folder costs a
// bounded time.
constexpr int kLeftoverScanEntries = 10000;

// Removes the temporary files that saves to path left behind when their
// process was killed: "<name>.tmp<pid>-<n>", a regular file, whose process no
// longer runs. The files of running saves (this process's too) are kept.
void RemoveLeftovers(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const std::string prefix = target.filename().string() + ".tmp";
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    int looked = 0;
    for (; !error && entries != fs::directory_iterator() && looked < kLeftoverScanEntries;
         entries.increment(error), ++looked) {
        const std::string name = entries->path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        long long processId = 0;
        int attempt = 0;
        const char* const last = rest.data() + rest.size();
        auto [dash, fault] = std::from_chars(rest.data(), last, processId);
        if (fault != std::errc() || dash == last || *dash != '-' || processId <= 0) continue;
        const auto [end, attemptFault] = std::from_chars(dash + 1, last, attempt);
        if (attemptFault != std::errc() || end != last) continue;
        if (processId == ::getpid()) continue;
        const bool running = ::kill(static_cast<pid_t>(processId), 0) == 0 || errno != ESRCH;
        struct stat info {};
        const std::string leftover = (folder / name).string();
        if (!running && ::lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            ::unlink(leftover.c_str());
        }
    }
}

// The regular file a save replaces: path itself, or the file a symbolic link
// at path names; empty with the reason when there is none to replace.
struct SaveTarget {
    std::string path;
    bool exists = false;
    struct stat info {};
    std::string refusal;
};

constexpr mode_t kAnyWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kPermissionBits = 07777;

SaveTarget FindSaveTarget(const std::string& path) {
    SaveTarget target;
    target.path = path;
    if (::lstat(path.c_str(), &target.info) != 0) {
        if (errno != ENOENT) target.refusal = ErrnoText();
        return target;
    }
    if (S_ISLNK(target.info.st_mode)) {
        const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                                   &std::free);
        if (!resolved || ::stat(resolved.get(), &target.info) != 0) {
            target.refusal = "it is a link to nothing that can be written (" + ErrnoText() + ")";
            return target;
        }
        target.path = resolved.get();
    }
    if (!S_ISREG(target.info.st_mode)) {
        target.refusal = "it is not a regular file (a folder, device or pipe), and only a file is replaced";
        return target;
    }
    // The superuser may write anywhere, but a file kept without write
    // permission was meant to stay as it is.
    if ((target.info.st_mode & kAnyWriteBits) == 0 || ::access(target.path.c_str(), W_OK) != 0) {
        target.refusal = "the file is read-only";
        return target;
    }
    target.exists = true;
    return target;
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

StreamedFile StreamFile(const std::string& path, std::size_t maxBytes,
                        const std::function<bool(std::string_view)>& consume) {
    StreamedFile streamed;
    const auto fail = [&](LoadFault fault) {
        streamed.fault = fault;
        if (fault == LoadFault::Missing || fault == LoadFault::Unreadable) streamed.reason = ErrnoText();
        return streamed;
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
        if (!StreamAtMost(descriptor, maxBytes, consume, streamed.complete)) fault = LoadFault::Unreadable;
    }
    const int savedErrno = errno;
    ::close(descriptor);
    errno = savedErrno;
    return fault == LoadFault::None ? streamed : fail(fault);
}

LoadedFile LoadFile(const std::string& path, std::size_t maxBytes) {
    LoadedFile loaded;
    const StreamedFile streamed = StreamFile(path, maxBytes, [&loaded](std::string_view block) {
        loaded.bytes.append(block);
        return true;
    });
    loaded.fault = streamed.fault;
    loaded.reason = streamed.reason;
    loaded.complete = streamed.complete;
    if (loaded.fault != LoadFault::None) {
        loaded.bytes.clear();
        loaded.complete = true;
    }
    return loaded;
}

SaveCalls SystemSaveCalls() { return {SystemWrite, SystemFsync, SystemClose, SystemRename}; }

std::optional<std::string> SaveFile(const std::string& path, std::string_view bytes,
                                    const SaveCalls& calls) {
    const SaveTarget target = FindSaveTarget(path);
    if (!target.refusal.empty()) return target.refusal;
    RemoveLeftovers(target.path);

    // An old file's copy starts private and gets its permissions once made.
    const mode_t createMode = target.exists ? S_IRUSR | S_IWUSR : 0666;
    std::string temporaryPath;
    int descriptor = -1;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && descriptor < 0; ++attempt) {
        temporaryPath = TemporaryName(target.path, ::getpid(), attempt);
        // open() is the only way to ask for an exclusive, new file here.
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg)
        descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        if (descriptor < 0 && errno != EEXIST) return ErrnoText();
    }
    if (descriptor < 0) return "no free name for a temporary file beside it";

    std::string reason;
    if (target.exists) {
        // The owner only where permitted (the superuser, or a group of ours);
        // the permissions always, after the owner, which may clear some.
        if (::fchown(descriptor, target.info.st_uid, target.info.st_gid) != 0) {
            // Not permitted: the new file stays ours, as a save by anyone else makes it.
        }
        if (::fchmod(descriptor, target.info.st_mode & kPermissionBits) != 0) reason = ErrnoText();
    }
    if (reason.empty() && (!WriteAll(calls, descriptor, bytes) || calls.fsync(descriptor) != 0)) {
        reason = ErrnoText();
    }
    // A full disk may show only when the file is closed (network file systems).
    if (calls.close(descriptor) != 0 && reason.empty()) reason = ErrnoText();
    if (reason.empty() && calls.rename(temporaryPath.c_str(), target.path.c_str()) != 0) {
        reason = ErrnoText();
    }
    if (!reason.empty()) {
        ::unlink(temporaryPath.c_str());
        return reason;
    }
    return std::nullopt;
}

}  // namespace zorvane
