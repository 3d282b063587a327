#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::ReadWholeFile;
using cli_test::RunCli;
using cli_test::RunResult;
using cli_test::ScratchFolder;
using cli_test::WriteWholeFile;

constexpr int kSuccess = 0;
constexpr int kUsage = 2;
constexpr int kRefused = 3;
constexpr std::string_view kFileRefusal = "Please Check The File.";

// What a reading file holds: each name with every character code raised by
// 61, then CR LF.
std::string ScrambledLine(const std::string& name) {
    std::string line;
    for (char c : name) {
        line.push_back(static_cast<char>(static_cast<unsigned char>(c) + 61));
    }
    return line + "\r\n";
}

const std::vector<std::string> kReading = {"--date", "2000-01-01", "--time", "12:00",
                                           "--zone", "0:00",       "--lon",  "0:00W"};

std::vector<std::string> SaveTo(const std::filesystem::path& path) {
    std::vector<std::string> arguments = kReading;
    arguments.insert(arguments.end(), {"--save", path.string()});
    return arguments;
}

TEST(ReadingFile, SaveWritesTheScrambledNamesAndOpenShowsTheSameResult) {
    ScratchFolder folder;
    const auto path = folder.path() / "reading.vrn";
    const RunResult saved = RunCli(SaveTo(path));
    ASSERT_EQ(saved.exitStatus, kSuccess) << saved.err;

    EXPECT_EQ(ReadWholeFile(path), ScrambledLine("Swati") + ScrambledLine("Dhrithi"));
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);

    const RunResult opened = RunCli({"--open", path.string()});
    EXPECT_EQ(opened.exitStatus, kSuccess) << opened.err;
    // A file holds the two names only, not the computed reading's details.
    EXPECT_EQ(opened.out, saved.out.substr(0, saved.out.find("\nDetails\n")));

    const RunResult json = RunCli({"--open", path.string(), "--format", "json"});
    EXPECT_EQ(json.exitStatus, kSuccess);
    EXPECT_EQ(json.out, "{\"nakshatra\":\"Swati\",\"yoga\":\"Dhrithi\"}\n");
}

TEST(ReadingFile, SavingAgainReplacesTheFile) {
    ScratchFolder folder;
    const auto path = folder.path() / "reading.vrn";
    WriteWholeFile(path, std::string(500, 'x'));
    ASSERT_EQ(RunCli(SaveTo(path)).exitStatus, kSuccess);
    EXPECT_EQ(ReadWholeFile(path), ScrambledLine("Swati") + ScrambledLine("Dhrithi"));
}

TEST(ReadingFile, FilesThatDoNotHoldTwoKnownNamesAreRefused) {
    ScratchFolder folder;
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"damaged.vrn", ScrambledLine("Swati") + ScrambledLine("Dhrithx")},
        {"one-line.vrn", ScrambledLine("Swati")},
        {"lower-case.vrn", ScrambledLine("swati") + ScrambledLine("Dhrithi")},
        {"plain.vrn", "Swati\r\nDhrithi\r\n"},
        {"empty.vrn", ""},
        // Both names right, but the ending is not "vrn" exactly.
        {"reading.txt", ScrambledLine("Swati") + ScrambledLine("Dhrithi")},
        {"READING.VRN", ScrambledLine("Swati") + ScrambledLine("Dhrithi")},
    };
    for (const Case& refused : cases) {
        const auto path = folder.path() / refused.name;
        WriteWholeFile(path, refused.bytes);
        const RunResult run = RunCli({"--open", path.string()});
        EXPECT_EQ(run.exitStatus, kRefused) << refused.name;
        EXPECT_TRUE(run.out.empty()) << refused.name << ": " << run.out;
        EXPECT_NE(run.err.find(kFileRefusal), std::string::npos) << refused.name << ": " << run.err;
    }

    const RunResult missing = RunCli({"--open", (folder.path() / "missing.vrn").string()});
    EXPECT_EQ(missing.exitStatus, kRefused);
    EXPECT_NE(missing.err.find(kFileRefusal), std::string::npos) << missing.err;
}

TEST(ReadingFile, ASaveThatCannotBeWrittenIsReported) {
    ScratchFolder folder;
    const RunResult run = RunCli(SaveTo(folder.path() / "no-such-folder" / "reading.vrn"));
    EXPECT_EQ(run.exitStatus, kRefused);
    EXPECT_NE(run.err.find("could not save"), std::string::npos) << run.err;
}

TEST(ReadingFile, SaveNeedsTheReadingFileEndingAndAComputedReading) {
    ScratchFolder folder;
    const RunResult wrongEnding = RunCli(SaveTo(folder.path() / "reading.txt"));
    EXPECT_EQ(wrongEnding.exitStatus, kUsage);

    std::vector<std::string> refused = SaveTo(folder.path() / "refused.vrn");
    refused[1] = "1990-04-31";
    EXPECT_EQ(RunCli(refused).exitStatus, kRefused);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
