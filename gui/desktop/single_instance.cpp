#include "gui/desktop/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace zorvane {

SingleInstanceLock::SingleInstanceLock(const QString& lockPath) : file_(lockPath) {
    // A lock is stale only when the process named in it is gone; a copy that
    // has been running for days must keep its lock.
    file_.setStaleLockTime(0);
}

bool SingleInstanceLock::acquire() {
    if (file_.isLocked() || file_.tryLock(0)) return true;
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
