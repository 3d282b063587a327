// The atlas's folding of names and its refusal of damaged data.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "core/atlas/atlas_file.h"
#include "core/atlas/atlas_search.h"
#include "core/atlas/fold.h"

namespace zorvane {
namespace {

TEST(AtlasFold, FoldsCaseAccentsPunctuationAndLettersWithoutDecomposition) {
    struct Case {
        const char* typed;
        const char* folded;
    };
    for (const Case& c : {
             Case{"Saint-Étienne", "saint etienne"},
             Case{"  SAINT   etienne ", "saint etienne"},
             Case{"München", "munchen"},
             Case{"Xi'an", "xian"},
             Case{"Xi\u2019an", "xian"},
             Case{"København", "kobenhavn"},
             Case{"Łódź", "lodz"},
             Case{"Straße", "strasse"},
             Case{"St. Petersburg", "st petersburg"},
             Case{" - . ", ""},
             Case{"ΑΘΗΝΑ", "αθηνα"},  // Greek capitals, no accents to lose
             Case{"Ἀθῆναι", "αθηναι"},
             Case{"МОСКВА", "москва"},
             Case{"東京", "東京"},       // no case: as it is
             Case{"서울", "서울"},       // Hangul syllables stay whole
             Case{"\xff" "Pune", "pune"},  // a byte that is not UTF-8 is a blank
         }) {
        EXPECT_EQ(FoldForSearch(c.typed), c.folded) << c.typed;
    }
    // The vowel signs and nasal marks that sit on Devanagari letters fold
    // away like accents, so a name typed with or without them agrees.
    EXPECT_EQ(FoldForSearch("मुंबई"), "मबई");
}

std::string Deflated(std::string_view body) {
    uLongf size = compressBound(static_cast<uLong>(body.size()));
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size,
             reinterpret_cast<const Bytef*>(body.data()), static_cast<uLong>(body.size()));
    out.resize(size);
    return out;
}

std::string AtlasFile(std::string_view body) {
    return "zorvane-atlas 1\nbody-sha256: " + AtlasBodySha256(body) +
           "\nbody-bytes: " + std::to_string(body.size()) + "\n\n" + Deflated(body);
}

constexpr std::string_view kGoodBody =
    "C\tIN\tIndia\n"
    "D\tIN.16\tMaharashtra\n"
    "P\tMumbai\t\tmumbai\tbombay|मबई\t19.07283\t72.88261\tIN\tIN.16\t12691836\tAsia/Kolkata\n"
    "P\tPune\t\tpune\tpoona\t18.51957\t73.85535\tIN\tIN.16\t3124458\tAsia/Kolkata\n";

TEST(AtlasFile, ReadsAWellFormedFileWithItsRegions) {
    const AtlasOrError read = ReadAtlasBytes(AtlasFile(kGoodBody));
    ASSERT_TRUE(std::holds_alternative<Atlas>(read)) << std::get<std::string>(read);
    const Atlas& atlas = std::get<Atlas>(read);
    ASSERT_EQ(atlas.size(), 2U);
    const AtlasPlace pune = atlas.Place(1);
    EXPECT_EQ(pune.name, "Pune");
    EXPECT_EQ(pune.asciiName, "Pune");
    EXPECT_EQ(pune.state, "Maharashtra");
    EXPECT_EQ(pune.country, "India");
    EXPECT_EQ(pune.zoneId, "Asia/Kolkata");
    EXPECT_EQ(pune.population, 3124458U);
    EXPECT_DOUBLE_EQ(pune.latitude, 18.51957);
    EXPECT_EQ(atlas.AlternateNames(0), (std::vector<std::string_view>{"bombay", "मबई"}));
    // Only the keys are searched: "Pune" as written is not a key, "pune" is.
    const AtlasMatches poona = FindPlaces(atlas, {"Poona", {}, {}});
    ASSERT_EQ(poona.total, 1);
    EXPECT_EQ(poona.places[0].place.name, "Pune");
    EXPECT_TRUE(poona.places[0].byAlternateName);
    EXPECT_EQ(FindPlaces(atlas, {"asia", {}, {}}).total, 0);
    EXPECT_EQ(FindPlaces(atlas, {"72", {}, {}}).total, 0);
}

TEST(AtlasFile, RefusesDamagedFilesWithAReason) {
    std::string truncated = AtlasFile(kGoodBody);
    truncated.resize(truncated.size() - 4);
    const std::string wrongLine(kGoodBody.substr(0, kGoodBody.rfind("\tAsia")));
    for (const std::string& bytes : {
             std::string(),
             std::string("zorvane-atlas 9\nbody-bytes: 3\n\nxyz"),
             std::string("zorvane-atlas 1\n\n") + Deflated(kGoodBody),
             truncated,
             AtlasFile(wrongLine + "\n"),
             AtlasFile("P\tNowhere\t\tnowhere\t\t91.5\t0\tXX\t\t0\tUTC\n"),
             AtlasFile("P\tNowhere\t\tnowhere\t\tnan\t0\tXX\t\t0\tUTC\n"),
             AtlasFile("P\tNowhere\t\tnowhere\t\t1\t-nan\tXX\t\t0\tUTC\n"),
             AtlasFile("P\tNowhere\t\tnowhere\t\tinf\t0\tXX\t\t0\tUTC\n"),
             AtlasFile("P\tNowhere\t\tnowhere\t\t1\t0\tXX\t\t-4\tUTC\n"),
             AtlasFile("Q\tsomething\n"),
             AtlasFile(""),
         }) {
        const AtlasOrError read = ReadAtlasBytes(bytes);
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_FALSE(std::get<std::string>(read).empty());
    }
    const AtlasOrError missing = ReadAtlasFile("/nonexistent/atlas.zat");
    ASSERT_TRUE(std::holds_alternative<std::string>(missing));
    EXPECT_NE(std::get<std::string>(missing).find("/nonexistent/atlas.zat"), std::string::npos);
}

// The checksum the header carries is SHA-256 as tools/make_atlas.py's
// hashlib writes it (FIPS 180-4, its example "abc").
TEST(AtlasFile, ChecksumIsSha256InLowercaseHex) {
    EXPECT_EQ(AtlasBodySha256("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

// Each header or body that must be refused before much is read or expanded,
// with the words of its reason.
TEST(AtlasFile, ChecksTheHeaderFirstAndBoundsWhatItExpands) {
    const std::string body(kGoodBody);
    const std::string goodHash = AtlasBodySha256(body);
    const auto withHeader = [](const std::string& header, std::string_view places) {
        return "zorvane-atlas 1\n" + header + "\n\n" + Deflated(places);
    };
    const std::string sizeLine = "body-bytes: " + std::to_string(body.size());
    const struct Case {
        const char* what;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"no checksum", withHeader(sizeLine, body), "no checksum"},
        {"wrong checksum", withHeader("body-sha256: " + AtlasBodySha256("x") + "\n" + sizeLine, body),
         "do not match the checksum"},
        {"a gibibyte claimed",
         withHeader("body-sha256: " + goodHash + "\nbody-bytes: 1073741824", body), "claims more"},
        {"expands past its size",
         withHeader("body-sha256: " + goodHash + "\nbody-bytes: 10", body), "expand beyond"},
        {"bytes after the places", AtlasFile(body) + "junk", "bytes follow"},
        {"a foreign file of zeros", std::string(std::size_t{1} << 20U, '\0'), "not an atlas file"},
        {"a longer format line", "zorvane-atlas 10\n" + sizeLine + "\n\n", "not an atlas file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AtlasOrError read = ReadAtlasBytes(c.bytes);
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_NE(std::get<std::string>(read).find(c.reason), std::string::npos)
            << std::get<std::string>(read);
    }
}

// ZORVANE_ATLAS may name anything: only a regular file is read, and a folder
// or a pipe is refused at once instead of exhausting memory or blocking.
TEST(AtlasFile, ReadsOnlyARegularFile) {
    std::string pattern = (std::filesystem::temp_directory_path() / "zorvane-atlas-XXXXXX").string();
    const std::filesystem::path folder = ::mkdtemp(pattern.data());
    std::ofstream(folder / "atlas.zat", std::ios::binary) << AtlasFile(kGoodBody);
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const struct Case {
        const char* name;
        const char* reason;  // empty for an atlas read
    } cases[] = {{"atlas.zat", ""}, {".", "not a regular file"}, {"pipe", "not a regular file"},
                 {"missing", "cannot be read"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AtlasOrError read = ReadAtlasFile(folder / c.name);
        const std::string* reason = std::get_if<std::string>(&read);
        if (*c.reason == '\0') {
            EXPECT_EQ(reason, nullptr) << *reason;
        } else {
            ASSERT_NE(reason, nullptr);
            EXPECT_NE(reason->find(c.reason), std::string::npos) << *reason;
        }
    }
    std::filesystem::remove_all(folder);
}

TEST(AtlasSearch, SplitsTheCommandLinesPlaceText) {
    struct Case {
        const char* text;
        PlaceQuery query;
    };
    for (const Case& c : {
             Case{"Pune", {"Pune", "", ""}},
             Case{"Pune, India", {"Pune", " India", ""}},
             Case{"Pune, MH, India", {"Pune", " MH", " India"}},
             Case{"London, Ontario, Canada, Earth", {"London", " Ontario", " Canada, Earth"}},
         }) {
        const PlaceQuery split = SplitPlaceText(c.text);
        EXPECT_EQ(split.city, c.query.city) << c.text;
        EXPECT_EQ(split.state, c.query.state) << c.text;
        EXPECT_EQ(split.country, c.query.country) << c.text;
    }
}

}  // namespace
}  // namespace zorvane
