#include <gtest/gtest.h>

#include <QFile>
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

}  // namespace
