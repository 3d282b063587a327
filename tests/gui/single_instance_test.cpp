#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include <QFile>
#include <functional>
#include <string>
#include <QProcess>
#include <QTemporaryDir>

#include "gui/desktop/single_instance.h"

namespace {

using zorvane::SingleInstanceLock;

class SingleInstanceTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString lockPath = folder.filePath(QStringLiteral("zorvane.lock"));
};

TEST_F(SingleInstanceTest, LockLastsExactlyAsLongAsItsHolder) {
    {
        SingleInstanceLock first(lockPath);
        ASSERT_TRUE(first.acquire());
        EXPECT_TRUE(first.acquire()) << "asking again keeps the lock";
        SingleInstanceLock second(lockPath);
        EXPECT_FALSE(second.acquire());
    }
    SingleInstanceLock afterwards(lockPath);
    EXPECT_TRUE(afterwards.acquire());
}

TEST_F(SingleInstanceTest, AnotherProcessIsRefusedWhileThisOneHoldsTheLock) {
    SingleInstanceLock lock(lockPath);
    ASSERT_TRUE(lock.acquire());
    QProcess second;
    second.start(QStringLiteral(ZORVANE_LOCK_HOLDER_PATH), {lockPath});
    ASSERT_TRUE(second.waitForFinished());
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_EQ(second.readAllStandardOutput().trimmed(), "refused");
}

// What a crash leaves behind: a lock file naming a process that is gone.
TEST_F(SingleInstanceTest, KilledHolderLeavesNoLockThatBlocksTheNextStart) {
    QProcess holder;
    holder.start(QStringLiteral(ZORVANE_LOCK_HOLDER_PATH), {lockPath});
    ASSERT_TRUE(holder.waitForReadyRead());
    ASSERT_EQ(holder.readAllStandardOutput().trimmed(), "locked");
    SingleInstanceLock whileHeld(lockPath);
    EXPECT_FALSE(whileHeld.acquire());

    holder.kill();
    ASSERT_TRUE(holder.waitForFinished());
    ASSERT_TRUE(QFile::exists(lockPath)) << "the killed holder had no chance to clean up";
    SingleInstanceLock next(lockPath);
    EXPECT_TRUE(next.acquire());
}

// Refusing every start would be worse than allowing a second copy.
TEST_F(SingleInstanceTest, LockThatCannotBeMadeDoesNotStopTheProgram) {
    SingleInstanceLock lock(folder.filePath(QStringLiteral("no such folder/zorvane.lock")));
    EXPECT_TRUE(lock.acquire());
}

// What may stand at the lock path when nothing runs: each is no live copy's
// lock and must neither block the start (a pipe), spin (a link to /dev/zero),
// cost memory (a huge file) nor pass for a running copy (an empty file,
// random bytes, a folder). Each is removed and the lock taken.
TEST_F(SingleInstanceTest, WhatIsNoLiveLockIsRemovedAndTheLockTaken) {
    const std::string path = QFile::encodeName(lockPath).toStdString();
    const auto writeBytes = [&](const QByteArray& bytes) {
        QFile file(lockPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const struct Case {
        const char* what;
        std::function<void()> make;
    } cases[] = {
        {"an empty file", [&] { writeBytes({}); }},
        {"random bytes", [&] { writeBytes(QByteArray("\x8f\x02zq\xff\n\x01", 7)); }},
        {"a huge file",
         [&] {
             writeBytes("1\n");
             ASSERT_EQ(::truncate(path.c_str(), off_t{300} << 20U), 0);
         }},
        {"a folder", [&] { ASSERT_TRUE(QDir().mkdir(lockPath)); }},
        {"a named pipe", [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
        {"a link to /dev/zero", [&] { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), lockPath)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        {
            SingleInstanceLock lock(lockPath);
            EXPECT_TRUE(lock.acquire());
            EXPECT_TRUE(lock.problem().isEmpty());
            const QFileInfo taken(lockPath);
            EXPECT_TRUE(taken.isFile() && !taken.isSymLink());
            EXPECT_LT(taken.size(), 1024);
        }
        QFile::remove(lockPath);
    }
}

TEST_F(SingleInstanceTest, WhatCannotBeRemovedRefusesTheStartNamingThePath) {
    ASSERT_TRUE(QDir().mkpath(folder.filePath(QStringLiteral("zorvane.lock/inside"))));
    SingleInstanceLock lock(lockPath);
    EXPECT_FALSE(lock.acquire());
    EXPECT_TRUE(lock.problem().contains(lockPath)) << lock.problem().toStdString();
}

}  // namespace
