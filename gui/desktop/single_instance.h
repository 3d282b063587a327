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

    // False only when another running copy holds the lock. When the lock
    // cannot be made at all (an unwritable folder), the program is let run:
    // refusing every start would be worse than allowing two.
    bool acquire();

private:
    QLockFile file_;
};

// The user's runtime folder (or, where the desktop offers none, the user's
// configuration folder), file "<applicationName>.lock".
QString DefaultLockPath(const QString& applicationName);

}  // namespace zorvane
