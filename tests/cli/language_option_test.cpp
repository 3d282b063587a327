// --lang hi: the text output in Hindi, the JSON output unchanged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::RunCli;

const std::vector<std::string> kDelhi1947 = {"--date", "1947-08-15", "--time", "00:00", "--zone", "5:30",
                                             "--lon",  "77:13E",     "--lat",  "28:36N"};

std::vector<std::string> With(std::vector<std::string> arguments, std::initializer_list<std::string> more) {
    arguments.insert(arguments.end(), more);
    return arguments;
}

TEST(LanguageOption, HindiTextFromTheCompiledCatalogue) {
    const auto hindi = RunCli(With(kDelhi1947, {"--lang", "hi"}));
    ASSERT_EQ(hindi.exitStatus, 0) << hindi.err;
    // Names from the core's Hindi tables, labels from the catalogue.
    for (const char* line : {"योग: सिद्धि\n", "नक्षत्र: पुष्य\n", "चंद्र: कर्क 3°59′16″, पुष्य पद 1, स्वामी शनि\n",
                             "वार: गुरुवार, ", "\nविवरण\n"}) {
        EXPECT_NE(hindi.out.find(line), std::string::npos) << line << "\n" << hindi.out;
    }
    EXPECT_EQ(hindi.out.find("Yoga:"), std::string::npos);

    const auto english = RunCli(kDelhi1947);
    const auto chosen = RunCli(With(kDelhi1947, {"--lang", "en"}));
    EXPECT_EQ(chosen.out, english.out);
    EXPECT_NE(english.out.find("Yoga: Siddhi\n"), std::string::npos);
}

// The dasha table and the zone lines read in Hindi too; JSON keeps the
// English clock note, a machine reads it.
TEST(LanguageOption, TheDashaTableAndTheClockNoteInHindi) {
    const std::vector<std::string> newYork = {"--place", "New York", "--date", "2023-03-12", "--time", "02:30"};
    const auto hindi = RunCli(With(newYork, {"--dasha", "--lang", "hi"}));
    ASSERT_EQ(hindi.exitStatus, 0) << hindi.err;
    for (const char* english : {"Mahadasha", "Balance at birth", "before birth", "did not exist", "Zone applied",
                                "from UT", "Venus"}) {
        EXPECT_EQ(hindi.out.find(english), std::string::npos) << english << "\n" << hindi.out;
    }
    for (const char* word : {"महादशा", "शुक्र"}) EXPECT_NE(hindi.out.find(word), std::string::npos) << word;

    const auto json = RunCli(With(newYork, {"--format", "json", "--lang", "hi"}));
    ASSERT_EQ(json.exitStatus, 0) << json.err;
    EXPECT_NE(json.out.find("\"clock_note\": \"02:30 did not exist on 2023-03-12"), std::string::npos) << json.out;
}

TEST(LanguageOption, JsonStaysEnglishAndAnUnknownLanguageIsRefused) {
    const auto english = RunCli(With(kDelhi1947, {"--format", "json"}));
    const auto hindi = RunCli(With(kDelhi1947, {"--format", "json", "--lang", "hi"}));
    ASSERT_EQ(hindi.exitStatus, 0) << hindi.err;
    EXPECT_EQ(hindi.out, english.out);

    const auto unknown = RunCli(With(kDelhi1947, {"--lang", "xx"}));
    EXPECT_NE(unknown.exitStatus, 0);
    EXPECT_NE(unknown.err.find("--lang takes en or hi"), std::string::npos) << unknown.err;
}

}  // namespace
