#pragma once

#include <array>
#include <string_view>

#include "core/sky/graha_names.h"

namespace zorvane {

inline constexpr int kTithiCount = 30;
inline constexpr int kTithisPerPaksha = 15;
inline constexpr int kKaranaCount = 60;
inline constexpr int kWeekdayCount = 7;
inline constexpr int kSignCount = 12;
inline constexpr int kPadasPerNakshatra = 4;
inline constexpr int kNakshatraLordCount = 9;

// Tithis 1 to 15 of either paksha; Krishna 15 (tithi 30) is Amavasya instead.
inline constexpr auto kTithiNames = std::to_array<std::string_view>({
    "Pratipada",
    "Dwitiya",
    "Tritiya",
    "Chaturthi",
    "Panchami",
    "Shashthi",
    "Saptami",
    "Ashtami",
    "Navami",
    "Dashami",
    "Ekadashi",
    "Dwadashi",
    "Trayodashi",
    "Chaturdashi",
    "Purnima",
});
static_assert(kTithiNames.size() == kTithisPerPaksha);
inline constexpr std::string_view kAmavasya = "Amavasya";
inline constexpr std::string_view kShuklaPaksha = "Shukla";
inline constexpr std::string_view kKrishnaPaksha = "Krishna";

// The seven movable karanas, taken in turn by karanas 2 to 57.
inline constexpr auto kMovableKaranaNames = std::to_array<std::string_view>({
    "Bava",
    "Balava",
    "Kaulava",
    "Taitila",
    "Gara",
    "Vanija",
    "Vishti",
});
static_assert(kMovableKaranaNames.size() == 7);
// The fixed karanas: 1, then 58, 59 and 60.
inline constexpr std::string_view kFirstKaranaName = "Kimstughna";
inline constexpr auto kLastKaranaNames = std::to_array<std::string_view>({
    "Shakuni",
    "Chatushpada",
    "Naga",
});
static_assert(kLastKaranaNames.size() == 3);
static_assert(1 + 8 * kMovableKaranaNames.size() + kLastKaranaNames.size() == kKaranaCount);

// Weekdays from Sunday.
inline constexpr auto kWeekdayNames = std::to_array<std::string_view>({
    "Ravivara",
    "Somavara",
    "Mangalavara",
    "Budhavara",
    "Guruvara",
    "Shukravara",
    "Shanivara",
});
static_assert(kWeekdayNames.size() == kWeekdayCount);

// The twelve signs of 30 degrees from 0 degrees sidereal.
inline constexpr auto kSignNames = std::to_array<std::string_view>({
    "Mesha",
    "Vrishabha",
    "Mithuna",
    "Karka",
    "Simha",
    "Kanya",
    "Tula",
    "Vrishchika",
    "Dhanu",
    "Makara",
    "Kumbha",
    "Meena",
});
static_assert(kSignNames.size() == kSignCount);

// Lords of the nakshatras, repeating every nine from Ashwini.
inline constexpr auto kNakshatraLords = std::to_array<std::string_view>({
    kGrahaNames[kKetuRow],
    kGrahaNames[kVenusRow],
    kGrahaNames[kSunRow],
    kGrahaNames[kMoonRow],
    kGrahaNames[kMarsRow],
    kGrahaNames[kRahuRow],
    kGrahaNames[kJupiterRow],
    kGrahaNames[kSaturnRow],
    kGrahaNames[kMercuryRow],
});
static_assert(kNakshatraLords.size() == kNakshatraLordCount);

// Tithi 1..30: its name within the paksha.
constexpr std::string_view TithiName(int tithi) {
    if (tithi == kTithiCount) return kAmavasya;
    return kTithiNames[static_cast<std::size_t>((tithi - 1) % kTithisPerPaksha)];
}

// Tithi 1..30: "Shukla" for 1 to 15, "Krishna" for 16 to 30.
constexpr std::string_view PakshaName(int tithi) {
    return tithi <= kTithisPerPaksha ? kShuklaPaksha : kKrishnaPaksha;
}

// Karana 1..60.
constexpr std::string_view KaranaName(int karana) {
    if (karana == 1) return kFirstKaranaName;
    const int movable = karana - 2;
    if (movable < static_cast<int>(8 * kMovableKaranaNames.size())) {
        return kMovableKaranaNames[static_cast<std::size_t>(movable) % kMovableKaranaNames.size()];
    }
    return kLastKaranaNames[static_cast<std::size_t>(movable) - 8 * kMovableKaranaNames.size()];
}

// Nakshatra index 0..26 from Ashwini.
constexpr std::string_view NakshatraLord(int nakshatraIndex) {
    return kNakshatraLords[static_cast<std::size_t>(nakshatraIndex % kNakshatraLordCount)];
}

static_assert(TithiName(15) == "Purnima" && TithiName(16) == "Pratipada" && TithiName(30) == "Amavasya");
static_assert(KaranaName(2) == "Bava" && KaranaName(57) == "Vishti" && KaranaName(58) == "Shakuni" &&
              KaranaName(60) == "Naga");
static_assert(NakshatraLord(26) == "Mercury");

}  // namespace zorvane
