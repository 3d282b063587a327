// --lang with --match-stars and --tarabala: the text in Hindi with the names
// in Devanagari, the JSON unchanged, and English exactly as it always was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::RunCli;
using cli_test::RunResult;
using cli_test::ScratchFolder;

constexpr int kSuccess = 0;
constexpr int kUsage = 2;

const auto kEnglishNames = std::to_array<const char*>({"Varna", "Vashya", "Tara", "Yoni", "Graha Maitri", "Gana",
                                                      "Bhakoot", "Nadi", "Dina", "Mahendra", "Stree Deergha",
                                                      "Rasi", "Vasya", "Rajju", "Vedha", "Rohini", "Mesha"});

std::vector<std::string> With(std::vector<std::string> arguments, std::initializer_list<std::string> more) {
    arguments.insert(arguments.end(), more);
    return arguments;
}

// Rohini pada 3 with Ashwini pada 1, word for word.
constexpr std::string_view kEnglishMatch = R"(Bride: Rohini pada 3, Vrishabha
Groom: Ashwini pada 1, Mesha

Ashtakoota (guna milan): 24.5 of 36
  Varna          1 of 1     Vaishya / Kshatriya (temperament and work; the groom's varna at or above the bride's)
  Vashya         2 of 2     Chatushpada / Chatushpada (mutual attraction and give and take)
  Tara           1.5 of 3   Kshema (4) / Naidhana (7) (health and fortune, each star counted from the other)
  Yoni           3 of 4     Serpent (male) / Horse (male) (physical and intimate accord)
  Graha Maitri   3 of 5     Venus / Mars (friendship of the Moon signs' lords: accord of minds)
  Gana           6 of 6     Manushya / Deva (nature and temperament)
  Bhakoot        0 of 7     Vrishabha / Mesha (welfare of the family, from the Moon signs' distance)
  Nadi           8 of 8     Antya / Adi (health and children)
Bhakoot dosha: the Moon signs are 12/2 from each other
  - cancelled by some texts when the two signs have one lord (does not hold here)
  - cancelled by some texts when the signs' lords are friends of each other (does not hold here)
  - cancelled by some texts when the nadis differ (holds for this pair)

Dasha porutham: 8 of 10 agree
  Dina           does not   the groom's star is the 25th from the bride's: not 2, 4, 6, 8 or 9 by nines
  Gana           agrees     Manushya and Deva: one gana, or Deva with Manushya
  Mahendra       agrees     the groom's star is the 25th from the bride's: 4, 7, 10, 13, 16, 19, 22 or 25
  Stree Deergha  agrees     the groom's star is the 25th from the bride's: beyond the 13th
  Yoni           agrees     Serpent and Horse: not enemies
  Rasi           agrees     Mesha is the 12th sign from Vrishabha: the same sign or beyond the 6th
  Rasyadhipati   agrees     Venus holds Mars neutral, Mars holds Venus neutral: no enmity
  Vasya          does not   Vrishabha and Mesha: neither sign is vasya to the other
  Rajju          agrees     Kantha and Pada rajju
  Vedha          agrees     the stars do not obstruct each other
)";

TEST(MatchLanguage, HindiTextJsonUnchangedAndEnglishAsItWas) {
    ScratchFolder folder;
    const std::string chart = (folder.path() / "birth.zchart").string();
    ASSERT_EQ(RunCli({"--date", "1990-05-14", "--time", "06:20", "--zone", "+5:30", "--lon", "72:50E", "--save-chart",
                      chart})
                  .exitStatus,
              kSuccess);
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> hindiLines;
    };
    const std::vector<Case> cases = {
        {{"--match-stars", "Rohini:3", "Ashwini:1"},
         {"वधू: रोहिणी पद 3, वृषभ\n", "अष्टकूट (गुण मिलान): 36 में से 24.5\n", "शुक्र / मंगल (",
          "भकूट दोष: चंद्र राशियाँ एक-दूसरे से 12/2 हैं\n", "दशा पोरुत्तम: 10 में से 8 का मेल\n",
          "शुक्र के लिए मंगल सम, मंगल के लिए शुक्र सम: शत्रुता नहीं\n"}},
        {{"--tarabala", "--open-chart", chart, "--date", "2026-12-08"},
         {"दिनांक: 2026-12-08\n", "जन्म नक्षत्र: पूर्वाषाढ़ा पद 1, धनु\n", "\nताराबल\n", "\nचंद्रबल\n", "\nचंद्राष्टम: "}},
    };
    for (const Case& c : cases) {
        const RunResult english = RunCli(c.arguments);
        const RunResult hindi = RunCli(With(c.arguments, {"--lang", "hi"}));
        ASSERT_EQ(hindi.exitStatus, kSuccess) << hindi.err;
        for (const std::string& line : c.hindiLines) {
            EXPECT_NE(hindi.out.find(line), std::string::npos) << line << "\n" << hindi.out;
        }
        for (const char* name : kEnglishNames) {
            EXPECT_EQ(hindi.out.find(name), std::string::npos) << name << "\n" << hindi.out;
        }
        EXPECT_EQ(RunCli(With(c.arguments, {"--lang", "en"})).out, english.out);
        EXPECT_EQ(RunCli(With(c.arguments, {"--lang", "hi", "--format", "json"})).out,
                  RunCli(With(c.arguments, {"--format", "json"})).out);
    }
    EXPECT_EQ(RunCli({"--match-stars", "Rohini:3", "Ashwini:1"}).out, kEnglishMatch);

    const RunResult unknown = RunCli({"--match-stars", "1:1", "1:1", "--lang", "xx"});
    EXPECT_EQ(unknown.exitStatus, kUsage);
    EXPECT_NE(unknown.err.find("--lang takes en or hi"), std::string::npos) << unknown.err;
}

}  // namespace
