#pragma once

#include <QLockFile>
#include <QString>

namespace zorvane {

// One running copy per user. The lock lives in a file private to the user and
// is held for as long as this object lives. A copy that crashed or was killed
// leaves a file behind, but the file names a process that no longer runs, so
// the next start takes the lock over.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& lockPath);

    // False when another running copy holds the lock, or when something that
    // is no lock stands at the path and cannot be removed (then problem()
    // says so). When the lock cannot be made at all (an unwritable folder),
    // the program is let run: refusing every start would be worse than
    // allowing two. Never blocks.
    bool acquire();

    // Why acquire() refused, when it was not another running copy; empty
    // otherwise.
    QString problem() const { return problem_; }

private:
    QString path_;
    QLockFile file_;
    QString problem_;
};

// Whatever stands at the lock path and cannot be a live copy's lock is
// removed: anything but a regular file (a folder, a named pipe, a link, a
// device), a file larger than a lock, or a file that names no process and
// that no copy holds locked. A live lock, or one naming a process, is left
// for the lock file's own check. Returns why the path could not be cleared,
// naming it, or an empty text. Reads at most a few bytes and never opens a
// pipe.
QString ClearForeignLock(const QString& lockPath);

// The user's runtime folder (or, where the desktop offers none, the user's
// configuration folder), file "<applicationName>.lock".
QString DefaultLockPath(const QString& applicationName);

}  // namespace zorvane
