// The window program's answers that need no window: the export of a chart to
// PDF, the help and the version, whatever platform the environment names and
// whatever bytes the file names hold.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Runs the program with these argument bytes, exactly as given, and this
// environment: no display, and the platform plugin named.
Ran RunProgram(const std::string& folder, const std::vector<std::string>& arguments, const std::string& platform) {
    const std::string out = folder + "/stdout";
    const std::string err = folder + "/stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> strings{ZORVANE_WINDOW_PATH};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& s : strings) argv.push_back(s.data());
    argv.push_back(nullptr);
    // Neither a display nor a runtime folder: what a cron job or a server has.
    std::vector<std::string> environment{"QT_QPA_PLATFORM=" + platform, "HOME=" + folder,
                                         "PATH=/usr/bin:/bin"};
    std::vector<char*> envp;
    for (std::string& s : environment) envp.push_back(s.data());
    envp.push_back(nullptr);
    Ran run;
    pid_t child = 0;
    if (posix_spawn(&child, ZORVANE_WINDOW_PATH, &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        if (waitpid(child, &status, 0) == child && WIFEXITED(status)) run.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadAll(out);
    run.err = ReadAll(err);
    return run;
}

bool IsPdf(const std::string& path) { return ReadAll(path).starts_with("%PDF-"); }

TEST(HeadlessExport, WritesThePdfWhateverPlatformIsNamedWithoutWarnings) {
    QTemporaryDir scratch;
    const std::string folder = scratch.path().toStdString();
    const std::string chart = ZORVANE_TEST_DATA_DIR "/chart_v1.zchart";
    for (const std::string platform : {"xcb", "wayland;xcb", "offscreen", ""}) {
        SCOPED_TRACE(platform);
        const std::string pdf = folder + "/report.pdf";
        std::filesystem::remove(pdf);
        const Ran run = RunProgram(folder, {"--chart", chart, "--export-pdf", pdf}, platform);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(IsPdf(pdf));
        // No display was looked for, and no runtime folder missed.
        for (const char* warning : {"XDG_RUNTIME_DIR", "display", "platform plugin"}) {
            EXPECT_EQ(run.err.find(warning), std::string::npos) << run.err;
        }
    }
}

TEST(HeadlessExport, HelpAndVersionPrintWithoutAWindow) {
    QTemporaryDir scratch;
    const std::string folder = scratch.path().toStdString();
    const struct Case {
        const char* argument;
        const char* printed;
    } cases[] = {{"--help", "--export-pdf"}, {"-h", "--chart"}, {"--version", "zorvane " ZORVANE_VERSION}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        const Ran run = RunProgram(folder, {c.argument}, "xcb");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(c.printed), std::string::npos) << run.out;
    }
}

// A name in Latin-1 (or any bytes that are not UTF-8) is the name on disk: it
// is opened and written as those very bytes.
TEST(HeadlessExport, FileNamesThatAreNotUtf8AreUsedAsTheirBytes) {
    QTemporaryDir scratch;
    const std::string folder = scratch.path().toStdString();
    const std::string chart = folder + "/caf\xe9.zchart";
    const std::string pdf = folder + "/r\xe9port.pdf";
    std::filesystem::copy_file(ZORVANE_TEST_DATA_DIR "/chart_v1.zchart", chart);
    const Ran run = RunProgram(folder, {"--chart", chart, "--export-pdf", pdf}, "offscreen");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(IsPdf(pdf));
}

// A save never replaces what is not a regular file: /dev/null stays a device
// and a named pipe stays a pipe, and the refusal says why.
TEST(HeadlessExport, RefusesToReplaceWhatIsNoRegularFile) {
    QTemporaryDir scratch;
    const std::string folder = scratch.path().toStdString();
    const std::string pipe = folder + "/pipe.pdf";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& target : {std::string("/dev/null"), pipe}) {
        SCOPED_TRACE(target);
        const Ran run = RunProgram(
            folder, {"--chart", ZORVANE_TEST_DATA_DIR "/chart_v1.zchart", "--export-pdf", target}, "offscreen");
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

}  // namespace
