#include "gui/desktop/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>

#include "core/files/file_store.h"

namespace zorvane {
namespace {

// A lock holds a process id, the program's name and the host's: far less.
constexpr std::size_t kLargestLockBytes = 1024;

// True when the lock's first line is a process id, as a copy writes it.
bool NamesAProcess(const std::string& bytes) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string::npos || end == 0) return false;
    long long processId = 0;
    const auto [last, error] = std::from_chars(bytes.data(), bytes.data() + end, processId);
    return error == std::errc() && last == bytes.data() + end && processId > 0;
}

// True when no copy holds the file locked: a running copy keeps an exclusive
// lock on it from the moment it makes it, before it writes its process id.
bool NobodyHoldsIt(const std::string& path) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): the POSIX call has no other form
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) return false;
    const bool free = ::flock(descriptor, LOCK_EX | LOCK_NB) == 0;
    ::close(descriptor);  // releases the lock taken here
    return free;
}

QString CannotRemove(const QString& lockPath, const char* reason) {
    return QCoreApplication::translate("StartUp", "Something that is no lock stands at %1 and cannot be removed (%2). "
                                                  "Remove it, then start the program again.")
        .arg(QDir::toNativeSeparators(lockPath), QString::fromLocal8Bit(reason));
}

}  // namespace

QString ClearForeignLock(const QString& lockPath) {
    const std::string path = QFile::encodeName(lockPath).toStdString();
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return {};  // nothing there, or nothing we can see
    if (S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) <= kLargestLockBytes) {
        const LoadedFile loaded = LoadFile(path, kLargestLockBytes);
        if (loaded.fault != LoadFault::None || NamesAProcess(loaded.bytes) || !NobodyHoldsIt(path)) {
            return {};
        }
    }
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return {};
    if (errno == EISDIR || S_ISDIR(info.st_mode)) {
        if (::rmdir(path.c_str()) == 0) return {};
    }
    return CannotRemove(lockPath, std::strerror(errno));
}

SingleInstanceLock::SingleInstanceLock(const QString& lockPath) : path_(lockPath), file_(lockPath) {
    // A lock is stale only when the process named in it is gone; a copy that
    // has been running for days must keep its lock.
    file_.setStaleLockTime(0);
}

bool SingleInstanceLock::acquire() {
    if (file_.isLocked()) return true;
    problem_ = ClearForeignLock(path_);
    if (!problem_.isEmpty()) return false;
    if (file_.tryLock(0)) return true;
    return file_.error() != QLockFile::LockFailedError;
}

QString DefaultLockPath(const QString& applicationName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(applicationName + QStringLiteral(".lock"));
}

}  // namespace zorvane
