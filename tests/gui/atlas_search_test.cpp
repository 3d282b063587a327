// Searching the offline atlas: name matching, ranking by the state and
// country boxes, former names and the folding of accents and case.
#include <gtest/gtest.h>

#include <QSet>
#include <algorithm>

#include "app/atlas.h"
#include "app/atlas_country_names.h"
#include "app/atlas_former_names.h"
#include "app/atlas_text.h"

namespace {

using zorvane::Atlas;
using zorvane::AtlasMatches;
using zorvane::AtlasPlace;
using zorvane::TypedPlace;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Describe(const AtlasPlace& place) {
    return place.name + " | " + place.state + " | " + place.countryCode;
}

AtlasMatches Find(const QString& city, const QString& state = {}, const QString& country = {},
                  int limit = Atlas::kListLimit) {
    return Atlas::System().Find(TypedPlace{city, state, country}, limit);
}

const AtlasPlace* First(const AtlasMatches& matches) {
    return matches.places.empty() ? nullptr : matches.places.front();
}

TEST(AtlasText, FoldsCaseAccentsPunctuationAndLettersWithoutDecomposition) {
    EXPECT_EQ(zorvane::FoldForSearch(QString::fromUtf8("Saint-Étienne")), "saint etienne");
    EXPECT_EQ(zorvane::FoldForSearch("  SAINT   etienne "), "saint etienne");
    EXPECT_EQ(zorvane::FoldForSearch(QString::fromUtf8("München")), "munchen");
    EXPECT_EQ(zorvane::FoldForSearch("Xi'an"), "xian");
    EXPECT_EQ(zorvane::FoldForSearch(QString::fromUtf8("Xi\u2019an")), "xian");
    EXPECT_EQ(zorvane::FoldForSearch(QString::fromUtf8("København")), "kobenhavn");
    EXPECT_EQ(zorvane::FoldForSearch(QString::fromUtf8("Łódź")), "lodz");
    EXPECT_EQ(zorvane::FoldForSearch(QString::fromUtf8("Straße")), "strasse");
    EXPECT_EQ(zorvane::FoldForSearch("St. Petersburg"), "st petersburg");
    EXPECT_EQ(zorvane::FoldForSearch(" - . "), "");
}

TEST(AtlasSearch, HoldsTheWholeLibrary) {
    // libgeonames 0.3.0 holds 24,361 places; a later data set may hold more.
    EXPECT_GE(Atlas::System().size(), 24000);
}

TEST(AtlasSearch, FindsNamesByTheirStartOrTheStartOfAWord) {
    const AtlasMatches york = Find("York");
    QSet<QString> names;
    for (const AtlasPlace* place : york.places) names.insert(place->name);
    EXPECT_TRUE(names.contains("York"));
    EXPECT_TRUE(names.contains("New York"));
    // Inside a word is not a match: "ork" finds neither.
    for (const AtlasPlace* place : Find("ork").places) {
        EXPECT_NE(place->name, "New York");
        EXPECT_NE(place->name, "York");
    }
}

TEST(AtlasSearch, IgnoresCaseAccentsAndPunctuationOfTheTypedCity) {
    for (const char* typed : {"madrid", "MADRID", " Madrid "}) {
        SCOPED_TRACE(typed);
        ASSERT_NE(First(Find(typed, "Madrid", "Spain")), nullptr);
        EXPECT_EQ(First(Find(typed, "Madrid", "Spain"))->countryCode, "ES");
    }
    const AtlasPlace* stPetersburg = First(Find("St Petersburg", "Florida"));
    ASSERT_NE(stPetersburg, nullptr);
    EXPECT_EQ(stPetersburg->name, "St. Petersburg");
    const AtlasPlace* xian = First(Find("Xian"));
    ASSERT_NE(xian, nullptr);
    EXPECT_EQ(xian->name, "Xi'an");
    const AtlasPlace* krakow = First(Find(QString::fromUtf8("Kraków")));
    ASSERT_NE(krakow, nullptr);
    EXPECT_EQ(krakow->name, "Krakow");
}

TEST(AtlasSearch, StateAndCountryBoxesRankButNeverFilter) {
    // Without a hint the larger London comes first; Ontario and Canada
    // bring the other one forward.
    EXPECT_EQ(First(Find("London"))->countryCode, "GB");
    EXPECT_EQ(First(Find("London", "Ontario", "Canada"))->state, "Ontario");
    EXPECT_EQ(First(Find("London", "", "CA"))->countryCode, "CA");
    // A place the boxes do not describe is still listed, further down.
    const AtlasMatches misdescribed = Find("Madrid", "Nowhere", "Atlantis");
    EXPECT_EQ(misdescribed.total, Find("Madrid").total);
    EXPECT_EQ(First(misdescribed)->countryCode, "ES");
    // Either box may hold either text, in any case and with accents.
    EXPECT_EQ(First(Find("Madrid", "colombia", ""))->countryCode, "CO");
    EXPECT_EQ(First(Find("Madrid", "", QString::fromUtf8("COLÓMBIA")))->countryCode, "CO");
}

TEST(AtlasSearch, ATwoLetterTextCountsAsACodeOrAWholeWordOnly) {
    // "in" lies inside "Spain"; typed as a country it means India.
    const AtlasMatches hyderabad = Find("Hyderabad", "", "IN");
    ASSERT_NE(First(hyderabad), nullptr);
    EXPECT_EQ(First(hyderabad)->countryCode, "IN");
    const AtlasMatches pakistan = Find("Hyderabad", "", "PK");
    EXPECT_EQ(First(pakistan)->countryCode, "PK");
    const AtlasMatches madrid = Find("Madrid", "", "IN");
    // Neither Madrid is in India: the order falls back to population.
    EXPECT_EQ(First(madrid)->countryCode, "ES");
}

TEST(AtlasSearch, CommonCountryNamesCountAsTheirCodes) {
    EXPECT_EQ(First(Find("London", "", "UK"))->countryCode, "GB");
    EXPECT_EQ(First(Find("Birmingham", "", "USA"))->countryCode, "US");
    EXPECT_EQ(First(Find("Birmingham", "", "U.K."))->countryCode, "GB");
    // Each row's code is one the atlas holds, and the name brings that
    // country's place first.
    for (const zorvane::CountryName& row : zorvane::CountryNameTable) {
        SCOPED_TRACE(std::string(row.typedName));
        const QString code = FromView(row.countryCode);
        const auto& places = Atlas::System().places();
        const auto inCountry = std::find_if(places.begin(), places.end(), [&](const AtlasPlace& p) {
            return p.countryCode == code;
        });
        ASSERT_NE(inCountry, places.end());
        const AtlasPlace* first = First(Find(inCountry->name, "", FromView(row.typedName)));
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->countryCode, code);
    }
}

TEST(AtlasSearch, AnEqualNameComesBeforeALargerPlaceThatOnlyBeginsWithIt) {
    EXPECT_EQ(First(Find("York"))->name, "York");
    EXPECT_EQ(First(Find("Delhi"))->name, "Delhi");
}

TEST(AtlasSearch, ListsAtMostTheLimitAndCountsTheRest) {
    const AtlasMatches many = Find("San");
    EXPECT_GT(many.total, Atlas::kListLimit);
    ASSERT_EQ(static_cast<int>(many.places.size()), Atlas::kListLimit);
    // The town called San comes first; then the larger places.
    EXPECT_EQ(many.places[0]->name, "San");
    for (std::size_t i = 2; i < many.places.size(); ++i) {
        EXPECT_GE(many.places[i - 1]->population, many.places[i]->population)
            << Describe(*many.places[i]).toStdString();
    }
    EXPECT_TRUE(Find("San", "", "", /*limit*/ 0).places.empty());
}

TEST(AtlasSearch, FindsNothingForUnknownOrEmptyNames) {
    for (const char* typed : {"Xyzzyqua", "", "   ", "--", "Madridx"}) {
        SCOPED_TRACE(typed);
        const AtlasMatches none = Find(typed, "Madrid", "Spain");
        EXPECT_TRUE(none.places.empty());
        EXPECT_EQ(none.total, 0);
    }
}

TEST(AtlasFormerNames, EveryRowNamesExactlyOnePlaceOfTheAtlas) {
    QSet<QString> formerNames;
    for (const zorvane::FormerName& row : zorvane::FormerNameTable) {
        SCOPED_TRACE(std::string(row.formerName));
        const QString folded = zorvane::FoldForSearch(FromView(row.formerName));
        EXPECT_FALSE(formerNames.contains(folded)) << "listed twice";
        formerNames.insert(folded);

        const auto& places = Atlas::System().places();
        const auto held = std::count_if(places.begin(), places.end(), [&](const AtlasPlace& p) {
            return p.name == FromView(row.atlasName) && p.countryCode == FromView(row.countryCode);
        });
        EXPECT_EQ(held, 1);

        // The former name alone finds that place first, and says what it is
        // called now.
        const AtlasMatches found = Find(FromView(row.formerName));
        ASSERT_NE(First(found), nullptr);
        EXPECT_EQ(First(found)->name, FromView(row.atlasName));
        EXPECT_EQ(First(found)->countryCode, FromView(row.countryCode));
        EXPECT_EQ(found.atlasNameForFormerName, FromView(row.atlasName));
    }
}

TEST(AtlasFormerNames, BombayFindsMumbaiAndLocalSpellingsFindTheirPlaces) {
    const AtlasPlace* mumbai = First(Find("Bombay", "Maharashtra", "India"));
    ASSERT_NE(mumbai, nullptr);
    EXPECT_EQ(Describe(*mumbai), "Mumbai | Maharashtra | IN");
    for (const char* spelling : {"Munchen", "München", "MÜNCHEN", "munchen"}) {
        SCOPED_TRACE(spelling);
        const AtlasPlace* munich = First(Find(QString::fromUtf8(spelling)));
        ASSERT_NE(munich, nullptr);
        EXPECT_EQ(munich->name, "Munich");
    }
    // A former name is a whole name: its first letters find nothing.
    EXPECT_TRUE(Find("Bomba").places.empty());
    // The names of today need no table.
    EXPECT_TRUE(Find("Mumbai").atlasNameForFormerName.isEmpty());
}

}  // namespace
