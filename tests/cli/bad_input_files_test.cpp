// Reading files that are not what they claim, and places a reading cannot be
// saved to: a refusal with a message, never a crash, and nothing that was
// there before is lost.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

namespace fs = std::filesystem;
using cli_test::ReadWholeFile;
using cli_test::RunCli;
using cli_test::RunResult;
using cli_test::ScratchFolder;
using cli_test::WriteWholeFile;

constexpr int kSuccess = 0;
constexpr int kRefused = 3;
constexpr std::size_t kTenMegabytes = std::size_t{10} * 1024 * 1024;
constexpr int kScrambleOffset = 61;

std::string Scrambled(const std::string& name) {
    std::string out;
    for (const char c : name) out.push_back(static_cast<char>(static_cast<unsigned char>(c) + kScrambleOffset));
    return out;
}

// 15 August 1947, 00:00, zone 5:30, 77:13 East.
RunResult SaveReading(const std::string& path) {
    return RunCli({"--date", "1947-08-15", "--time", "00:00", "--zone", "5:30", "--lon", "77:13E", "--save", path});
}

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(BadInputFiles, OpeningWhatIsNotAReadingFile) {
    ScratchFolder folder;
    const fs::path& dir = folder.path();
    fs::create_directory(dir / "folder.vrn");
    WriteWholeFile(dir / "empty.vrn", "");
    WriteWholeFile(dir / "ten-megabytes.vrn", std::string(kTenMegabytes, '\x9e'));
    WriteWholeFile(dir / "nul.vrn", std::string(64, '\0'));
    WriteWholeFile(dir / "lf-only.vrn", Scrambled("Ashwini") + "\n" + Scrambled("Vishkambha") + "\n");
    WriteWholeFile(dir / "READING.VRN", Scrambled("Ashwini") + "\r\n" + Scrambled("Vishkambha") + "\r\n");
    // Neither may be read: a pipe nobody writes to, and endless zeros.
    ASSERT_EQ(::mkfifo((dir / "pipe.vrn").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zeros.vrn");
    const std::vector<std::string> before = Entries(dir);

    for (const char* name : {"folder.vrn", "empty.vrn", "ten-megabytes.vrn", "nul.vrn", "lf-only.vrn",
                             "READING.VRN", "missing.vrn", "pipe.vrn", "zeros.vrn"}) {
        SCOPED_TRACE(name);
        const RunResult run = RunCli({"--open", (dir / name).string()});
        EXPECT_EQ(run.exitStatus, kRefused);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Please Check The File."), std::string::npos) << run.err;
    }
    EXPECT_EQ(Entries(dir), before);
    EXPECT_TRUE(fs::is_directory(dir / "folder.vrn"));
}

TEST(BadInputFiles, OpeningCrOnlyAndTrailingBytesStillReads) {
    ScratchFolder folder;
    const fs::path crOnly = folder.path() / "cr-only.vrn";
    WriteWholeFile(crOnly, Scrambled("Ashwini") + "\r" + Scrambled("Vishkambha"));
    const fs::path trailing = folder.path() / "trailing.vrn";
    WriteWholeFile(trailing, Scrambled("Ashwini") + "\r\n" + Scrambled("Vishkambha") + "\r\n" +
                                 std::string(kTenMegabytes, '\0'));
    for (const fs::path& path : {crOnly, trailing}) {
        const RunResult run = RunCli({"--open", path.string()});
        EXPECT_EQ(run.exitStatus, kSuccess) << run.err;
        EXPECT_NE(run.out.find("Ashwini"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("Vishkambha"), std::string::npos) << run.out;
    }
}

TEST(BadInputFiles, SavingWhereNoFileCanBeWrittenChangesNothing) {
    ScratchFolder folder;
    const fs::path& dir = folder.path();
    // A folder where the file should go, with something of the user's inside.
    fs::create_directory(dir / "taken.vrn");
    WriteWholeFile(dir / "taken.vrn" / "keep.txt", "mine");
    const std::vector<std::string> before = Entries(dir);

    // /proc takes no new files, whoever runs the test: a read-only target.
    for (const fs::path& target : {dir / "taken.vrn", dir / "no-such-folder" / "r.vrn", fs::path("/proc/zorvane.vrn")}) {
        SCOPED_TRACE(target.string());
        const RunResult run = SaveReading(target.string());
        EXPECT_EQ(run.exitStatus, kRefused);
        EXPECT_NE(run.err.find("could not save the reading"), std::string::npos) << run.err;
    }
    EXPECT_EQ(Entries(dir), before);  // no half-written file left beside it
    EXPECT_EQ(ReadWholeFile(dir / "taken.vrn" / "keep.txt"), "mine");
    EXPECT_FALSE(fs::exists("/proc/zorvane.vrn"));
}

TEST(BadInputFiles, ANonAsciiFileNameSavesAndOpens) {
    ScratchFolder folder;
    const fs::path path = folder.path() / "आशा 🙂.vrn";
    const RunResult save = SaveReading(path.string());
    ASSERT_EQ(save.exitStatus, kSuccess) << save.err;
    const RunResult open = RunCli({"--open", path.string()});
    EXPECT_EQ(open.exitStatus, kSuccess) << open.err;
    // A file holds the two names only, not the computed reading's details.
    EXPECT_EQ(open.out, save.out.substr(0, save.out.find("\nDetails\n")));
}

}  // namespace
