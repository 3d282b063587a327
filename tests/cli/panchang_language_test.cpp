// --panchang --lang hi: the day's text in Hindi from the compiled catalogue;
// the JSON and the calendar's files stay English.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::RunCli;

const std::vector<std::string> kDelhiDay = {"--panchang", "--date", "2023-07-20", "--place", "New Delhi"};

std::vector<std::string> With(std::vector<std::string> arguments, std::initializer_list<std::string> more) {
    arguments.insert(arguments.end(), more);
    return arguments;
}

TEST(PanchangLanguage, HindiTextHasTheDevanagariNamesAndNoEnglishRowNames) {
    const auto hindi = RunCli(With(kDelhiDay, {"--lang", "hi"}));
    ASSERT_EQ(hindi.exitStatus, 0) << hindi.err;
    for (const char* expected : {"वार ", "गुरुवार\n", "सूर्योदय ", "शुक्ल तृतीया  ", "राहु काल ", "चौघड़िया (दिन) ",
                                 "होरा 24 ", "मास (अमांत) ", "श्रावण (अधिक)\n", "संवत्सर ", "शोभकृत\n",
                                 "2023-07-20 का पंचांग", "(28.6358 उ, 77.2245 पू, Asia/Kolkata)"}) {
        EXPECT_NE(hindi.out.find(expected), std::string::npos) << expected << "\n" << hindi.out;
    }
    for (const char* english : {"Vara", "Sunrise", "Tithi", "Rahu kalam", "Choghadiya", "Hora", "Month",
                                "Samvatsara", "Guruvara", "Panchang of", "adhika", "none"}) {
        EXPECT_EQ(hindi.out.find(english), std::string::npos) << english;
    }
    const auto english = RunCli(kDelhiDay);
    EXPECT_EQ(RunCli(With(kDelhiDay, {"--lang", "en"})).out, english.out);
    EXPECT_NE(english.out.find("\nVara                  Guruvara\n"), std::string::npos) << english.out;
}

TEST(PanchangLanguage, MachineOutputStaysEnglish) {
    const auto json = RunCli(With(kDelhiDay, {"--format", "json"}));
    const auto hindiJson = RunCli(With(kDelhiDay, {"--format", "json", "--lang", "hi"}));
    ASSERT_EQ(hindiJson.exitStatus, 0) << hindiJson.err;
    EXPECT_EQ(hindiJson.out, json.out);

    const struct {
        std::vector<std::string> arguments;
        const char* complaint;
    } refused[] = {
        {With(kDelhiDay, {"--lang", "xx"}), "--lang takes en or hi"},
        {{"--calendar", "2023", "--place", "New Delhi", "--lang", "hi"}, "--lang goes with --panchang"},
    };
    for (const auto& run : refused) {
        const auto result = RunCli(run.arguments);
        EXPECT_EQ(result.exitStatus, 2) << run.complaint;
        EXPECT_NE(result.err.find(run.complaint), std::string::npos) << result.err;
    }
}

}  // namespace
