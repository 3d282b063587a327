#pragma once

#include <array>
#include <string_view>

namespace zorvane {

// The names in Devanagari, each table indexed exactly as its English table
// (the formatting checks the sizes when it compiles). Spellings are the
// usual Hindi ones of printed panchangs; where the Sanskrit and the Hindi
// spelling differ (पूर्वाषाढ़ा with the nukta of Hindi) the Hindi one is chosen.

// Tithis 1 to 15 of either paksha (kTithiNames), then Amavasya and the pakshas.
inline constexpr auto kTithiNamesHi = std::to_array<std::string_view>({
    "प्रतिपदा",
    "द्वितीया",
    "तृतीया",
    "चतुर्थी",
    "पंचमी",
    "षष्ठी",
    "सप्तमी",
    "अष्टमी",
    "नवमी",
    "दशमी",
    "एकादशी",
    "द्वादशी",
    "त्रयोदशी",
    "चतुर्दशी",
    "पूर्णिमा",
});
inline constexpr std::string_view kAmavasyaHi = "अमावस्या";
inline constexpr std::string_view kShuklaPakshaHi = "शुक्ल";
inline constexpr std::string_view kKrishnaPakshaHi = "कृष्ण";

// The seven movable karanas (kMovableKaranaNames).
inline constexpr auto kMovableKaranaNamesHi = std::to_array<std::string_view>({
    "बव",
    "बालव",
    "कौलव",
    "तैतिल",
    "गर",
    "वणिज",
    "विष्टि",
});
// The fixed karanas: 1, then 58, 59 and 60 (kFirstKaranaName, kLastKaranaNames).
inline constexpr std::string_view kFirstKaranaNameHi = "किंस्तुघ्न";
inline constexpr auto kLastKaranaNamesHi = std::to_array<std::string_view>({
    "शकुनि",
    "चतुष्पद",
    "नाग",
});

// Weekdays from Sunday (kWeekdayNames).
inline constexpr auto kWeekdayNamesHi = std::to_array<std::string_view>({
    "रविवार",
    "सोमवार",
    "मंगलवार",
    "बुधवार",
    "गुरुवार",
    "शुक्रवार",
    "शनिवार",
});

// The twelve signs from Mesha (kSignNames).
inline constexpr auto kSignNamesHi = std::to_array<std::string_view>({
    "मेष",
    "वृषभ",
    "मिथुन",
    "कर्क",
    "सिंह",
    "कन्या",
    "तुला",
    "वृश्चिक",
    "धनु",
    "मकर",
    "कुंभ",
    "मीन",
});

// Lords of the nakshatras from Ashwini's, Ketu first (kNakshatraLords), which
// are also the dasha lords in the order of their periods.
inline constexpr auto kNakshatraLordsHi = std::to_array<std::string_view>({
    "केतु",
    "शुक्र",
    "सूर्य",
    "चंद्र",
    "मंगल",
    "राहु",
    "गुरु",
    "शनि",
    "बुध",
});

// The 27 nakshatras from Ashwini, and the empty slot 27 (NakshatraNames).
inline constexpr auto kNakshatraNamesHi = std::to_array<std::string_view>({
    "अश्विनी",
    "भरणी",
    "कृत्तिका",
    "रोहिणी",
    "मृगशिरा",
    "आर्द्रा",
    "पुनर्वसु",
    "पुष्य",
    "आश्लेषा",
    "मघा",
    "पूर्वा फाल्गुनी",
    "उत्तरा फाल्गुनी",
    "हस्त",
    "चित्रा",
    "स्वाती",
    "विशाखा",
    "अनुराधा",
    "ज्येष्ठा",
    "मूल",
    "पूर्वाषाढ़ा",
    "उत्तराषाढ़ा",
    "श्रवण",
    "धनिष्ठा",
    "शतभिषा",
    "पूर्वा भाद्रपद",
    "उत्तरा भाद्रपद",
    "रेवती",
    "",
});

// The 27 yogas from Vishkambha (YogaNames).
inline constexpr auto kYogaNamesHi = std::to_array<std::string_view>({
    "विष्कम्भ",
    "प्रीति",
    "आयुष्मान",
    "सौभाग्य",
    "शोभन",
    "अतिगण्ड",
    "सुकर्मा",
    "धृति",
    "शूल",
    "गण्ड",
    "वृद्धि",
    "ध्रुव",
    "व्याघात",
    "हर्षण",
    "वज्र",
    "सिद्धि",
    "व्यतीपात",
    "वरीयान",
    "परिघ",
    "शिव",
    "सिद्ध",
    "साध्य",
    "शुभ",
    "शुक्ल",
    "ब्रह्म",
    "इन्द्र",
    "वैधृति",
});

// The lunar months from Chaitra (kLunarMonthNames).
inline constexpr auto kLunarMonthNamesHi = std::to_array<std::string_view>({
    "चैत्र",
    "वैशाख",
    "ज्येष्ठ",
    "आषाढ़",
    "श्रावण",
    "भाद्रपद",
    "आश्विन",
    "कार्तिक",
    "मार्गशीर्ष",
    "पौष",
    "माघ",
    "फाल्गुन",
});

// The months of the civil calendar from January, as Hindi newspapers print them.
inline constexpr auto kCivilMonthNamesHi = std::to_array<std::string_view>({
    "जनवरी",
    "फ़रवरी",
    "मार्च",
    "अप्रैल",
    "मई",
    "जून",
    "जुलाई",
    "अगस्त",
    "सितंबर",
    "अक्टूबर",
    "नवंबर",
    "दिसंबर",
});

// The grahas in the ephemeris's order: Sun, Moon, Mars, Mercury, Jupiter,
// Venus, Saturn, Rahu, Ketu (Graha in core/sky/ephemeris.h).
inline constexpr auto kGrahaNamesHi = std::to_array<std::string_view>({
    "सूर्य",
    "चंद्र",
    "मंगल",
    "बुध",
    "गुरु",
    "शुक्र",
    "शनि",
    "राहु",
    "केतु",
});

// The grahas' short names in a drawn chart, in the same order: the first
// syllable as Hindi kundalis write them (श for Saturn, so that शु stays Venus's).
inline constexpr auto kGrahaShortNamesHi = std::to_array<std::string_view>({
    "सू",
    "चं",
    "मं",
    "बु",
    "गु",
    "शु",
    "श",
    "रा",
    "के",
});

inline constexpr std::string_view kLagnaNameHi = "लग्न";
inline constexpr std::string_view kLagnaShortNameHi = "ल";
// वक्री, retrograde, as a chart marks it after a graha.
inline constexpr std::string_view kRetrogradeMarkHi = "व";

// The divisional charts in the order of kVargas (core/chart/vargas.h).
inline constexpr auto kVargaNamesHi = std::to_array<std::string_view>({
    "राशि",
    "होरा",
    "द्रेष्काण",
    "चतुर्थांश",
    "सप्तमांश",
    "नवांश",
    "दशमांश",
    "द्वादशांश",
    "षोडशांश",
    "विंशांश",
    "चतुर्विंशांश",
    "सप्तविंशांश",
    "त्रिंशांश",
    "खवेदांश",
    "अक्षवेदांश",
    "षष्ट्यंश",
});

}  // namespace zorvane
