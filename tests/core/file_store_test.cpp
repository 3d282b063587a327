// The one loader and saver every file of the program goes through.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/files/file_store.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "zorvane-store-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    fs::path operator/(const std::string& name) const { return path_ / name; }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

constexpr std::size_t kCap = 8;

TEST(LoadFile, GivesTheBytesOrTheReasonAndNeverOpensWhatIsNoRegularFile) {
    ScratchFolder folder;
    Write(folder / "short", "12345");
    Write(folder / "exact", "12345678");
    Write(folder / "long", "123456789abc");
    fs::create_directory(folder / "folder");
    // A named pipe nobody writes to: opening it to read would wait for ever.
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "zeros");
    const struct Case {
        const char* name;
        LoadFault fault;
        std::string bytes;
        bool complete;
    } cases[] = {
        {"short", LoadFault::None, "12345", true},
        {"exact", LoadFault::None, "12345678", true},
        {"long", LoadFault::None, "12345678", false},
        {"folder", LoadFault::NotRegularFile, "", true},
        {"pipe", LoadFault::NotRegularFile, "", true},
        {"zeros", LoadFault::NotRegularFile, "", true},
        {"missing", LoadFault::Missing, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LoadedFile loaded = LoadFile(folder / c.name, kCap);
        EXPECT_EQ(loaded.fault, c.fault);
        EXPECT_EQ(loaded.bytes, c.bytes);
        EXPECT_EQ(loaded.complete, c.complete);
        EXPECT_EQ(loaded.reason.empty(), c.fault != LoadFault::Missing) << loaded.reason;
    }
    EXPECT_EQ(InspectFile(folder / "long", kCap), LoadFault::TooLarge);
    EXPECT_EQ(InspectFile(folder / "exact", kCap), LoadFault::None);
    EXPECT_EQ(InspectFile(folder / "pipe", kCap), LoadFault::NotRegularFile);
    EXPECT_EQ(InspectFile(folder / "missing", kCap), LoadFault::Missing);
}

// Each system call of a save fails in turn, the way a full disk or a lost
// device makes it fail; the old file must survive and nothing may be left.
ssize_t FullDiskWrite(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}
// Takes one byte, then the disk is full: the failure shows only later.
ssize_t ShortThenFullWrite(int descriptor, const void* data, std::size_t size) {
    struct stat info {};
    ::fstat(descriptor, &info);
    if (info.st_size > 0) return FullDiskWrite(descriptor, data, size);
    return ::write(descriptor, data, 1);
}
ssize_t NothingWritten(int, const void*, std::size_t) { return 0; }
int FailedFlush(int) {
    errno = EIO;
    return -1;
}
int FailedClose(int descriptor) {
    ::close(descriptor);
    errno = EDQUOT;
    return -1;
}
int FailedRename(const char*, const char*) {
    errno = EXDEV;
    return -1;
}

TEST(SaveFile, AnyFailedStepKeepsTheOldFileLeavesNothingAndSaysWhy) {
    const SaveCalls system = SystemSaveCalls();
    const struct Case {
        const char* step;
        SaveCalls calls;
        int error;
    } cases[] = {
        {"write", {FullDiskWrite, system.fsync, system.close, system.rename}, ENOSPC},
        {"later write", {ShortThenFullWrite, system.fsync, system.close, system.rename}, ENOSPC},
        {"write of nothing", {NothingWritten, system.fsync, system.close, system.rename}, ENOSPC},
        {"flush", {system.write, FailedFlush, system.close, system.rename}, EIO},
        {"close", {system.write, system.fsync, FailedClose, system.rename}, EDQUOT},
        {"rename", {system.write, system.fsync, system.close, FailedRename}, EXDEV},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        ScratchFolder folder;
        Write(folder / "kept.vrn", "the old reading");
        const std::optional<std::string> reason = SaveFile(folder / "kept.vrn", "a new reading", c.calls);
        ASSERT_TRUE(reason);
        EXPECT_EQ(*reason, std::strerror(c.error));
        EXPECT_EQ(Read(folder / "kept.vrn"), "the old reading");
        EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"kept.vrn"});
    }
}

// The real thing: a 16 KiB file system filled up, where only the superuser
// may mount one.
TEST(SaveFile, OnAFullDiskKeepsTheOldFile) {
    ScratchFolder folder;
    const fs::path disk = folder / "disk";
    fs::create_directory(disk);
    if (::geteuid() != 0 || ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "needs the superuser and a tmpfs mount";
    }
    const std::string old = "seventeen bytes!!";
    Write(disk / "kept.vrn", old);
    Write(disk / "filler", std::string(std::size_t{64} * 1024, 'x'));  // stops at the size limit
    const std::optional<std::string> reason = SaveFile(disk / "kept.vrn", std::string(8192, 'n'));
    const std::optional<std::string> fresh = SaveFile(disk / "fresh.vrn", std::string(8192, 'n'));
    const std::string kept = Read(disk / "kept.vrn");
    const std::vector<std::string> entries = Entries(disk);
    ::umount2(disk.c_str(), MNT_DETACH);
    EXPECT_EQ(reason, std::strerror(ENOSPC));
    EXPECT_EQ(fresh, std::strerror(ENOSPC));
    EXPECT_EQ(kept, old);
    EXPECT_EQ(entries, (std::vector<std::string>{"filler", "kept.vrn"}));
}


// What stands at the path decides whether a save may replace it: only a
// regular file (directly or through a link) is replaced, everything else is
// refused and left as it was.
TEST(SaveFile, ReplacesOnlyARegularFileAndWritesThroughALink) {
    ScratchFolder folder;
    Write(folder / "plain", "old");
    Write(folder / "aimed", "old");
    fs::create_symlink(folder / "aimed", folder / "link");
    fs::create_directory(folder / "folder");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", folder / "device");
    fs::create_symlink(folder / "nowhere", folder / "dangling");
    const struct Case {
        const char* name;
        bool saved;
        const char* written;  // where the bytes must land when saved
    } cases[] = {
        {"plain", true, "plain"},   {"link", true, "aimed"},      {"fresh", true, "fresh"},
        {"folder", false, nullptr}, {"pipe", false, nullptr},     {"device", false, nullptr},
        {"dangling", false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::file_status before = fs::symlink_status(folder / c.name);
        const std::optional<std::string> reason = SaveFile(folder / c.name, "new");
        EXPECT_EQ(!reason.has_value(), c.saved) << reason.value_or("");
        if (c.saved) {
            EXPECT_EQ(Read(folder / c.written), "new");
        }
        // A link stays a link, a pipe a pipe, /dev/null a device.
        if (fs::exists(before)) {
            EXPECT_EQ(fs::symlink_status(folder / c.name).type(), before.type());
        }
    }
    EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);
    EXPECT_FALSE(fs::exists(folder / "nowhere"));
}

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(SaveFile, KeepsTheModeAndRefusesAFileWithoutWritePermission) {
    ScratchFolder folder;
    const struct Case {
        const char* name;
        mode_t mode;
        bool saved;
    } cases[] = {
        {"private", 0600, true},
        {"shared", 0664, true},
        {"read-only", 0444, false},  // refused even for the superuser
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(folder / c.name, "old");
        ASSERT_EQ(::chmod((folder / c.name).c_str(), c.mode), 0);
        const std::optional<std::string> reason = SaveFile(folder / c.name, "new");
        EXPECT_EQ(!reason.has_value(), c.saved) << reason.value_or("");
        EXPECT_EQ(Read(folder / c.name), c.saved ? "new" : "old");
        EXPECT_EQ(ModeOf(folder / c.name), c.mode);
    }
    // The owner too, where the system lets a save give the file away.
    if (::geteuid() == 0) {
        constexpr uid_t kSomeoneElse = 4321;
        Write(folder / "theirs", "old");
        ASSERT_EQ(::chown((folder / "theirs").c_str(), kSomeoneElse, kSomeoneElse), 0);
        ASSERT_FALSE(SaveFile(folder / "theirs", "new"));
        struct stat info {};
        ::stat((folder / "theirs").c_str(), &info);
        EXPECT_EQ(info.st_uid, kSomeoneElse);
        EXPECT_EQ(info.st_gid, kSomeoneElse);
    }
}

// A process that has ended, for a leftover of a save that was killed.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(SaveFile, ClearsTheLeftoversOfAKilledSaveToTheSameFileOnly) {
    ScratchFolder folder;
    const std::string dead = std::to_string(EndedProcess());
    const std::string alive = std::to_string(::getppid());
    Write(folder / "kept.vrn", "old");
    const std::vector<std::string> left = {
        "kept.vrn.tmp" + dead + "-0",    // ours, its process gone: removed
        "kept.vrn.tmp" + alive + "-0",   // a save still running: kept
        "other.vrn.tmp" + dead + "-0",   // another file's: kept
        "kept.vrn.tmp" + dead + "-0x",   // not a name we give: kept
    };
    for (const std::string& name : left) Write(folder / name, "partial");
    ASSERT_FALSE(SaveFile(folder / "kept.vrn", "new"));
    std::vector<std::string> expected = {"kept.vrn", left[1], left[2], left[3]};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(folder.path()), expected);
}

}  // namespace
}  // namespace zorvane
