// The manual page keeps up with the options: an option added to --help but
// not to the page fails here, naming the option.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "cli_process.h"

namespace {

using cli_test::ReadWholeFile;
using cli_test::RunCli;
using cli_test::RunResult;

TEST(ManualPage, DocumentsEveryOptionOfHelp) {
    const RunResult help = RunCli({"--help"});
    ASSERT_EQ(help.exitStatus, 0);
    // roff writes each hyphen of an option as \- so that it prints as a hyphen.
    const std::string page = ReadWholeFile(ZORVANE_MAN_DIR "/zorvane-cli.1");
    const std::size_t optionsStart = page.find("\n.SH OPTIONS\n");
    ASSERT_NE(optionsStart, std::string::npos);
    const std::string section =
        page.substr(optionsStart, page.find("\n.SH ", optionsStart + 1) - optionsStart);

    const std::regex option(R"((^|[\s\[|])(--?[a-z][a-z-]*))");
    std::set<std::string> options;
    for (auto it = std::sregex_iterator(help.out.begin(), help.out.end(), option);
         it != std::sregex_iterator(); ++it) {
        options.insert((*it)[2]);
    }
    ASSERT_GE(options.size(), 10U) << "the options were not found in --help";
    for (const std::string& name : options) {
        std::string escaped;
        for (const char c : name) escaped += c == '-' ? std::string(R"(\\-)") : std::string(1, c);
        // Whole option names only: -h must not pass for being inside --help.
        const std::regex entry("(^|[^-])" + escaped + "($|[^a-z\\\\-])");
        EXPECT_TRUE(std::regex_search(section, entry))
            << name << " has no entry under OPTIONS in man/zorvane-cli.1";
    }
}

}  // namespace
