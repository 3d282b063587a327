#pragma once

#include <array>
#include <string_view>

namespace zorvane {

// The calendar's and the day's names in Devanagari, each table indexed
// exactly as its English one (the calendar's formatting checks the sizes
// when it compiles). Spellings as Hindi almanacs print them.

// The six seasons from Vasanta (kRituNames).
inline constexpr auto kRituNamesHi = std::to_array<std::string_view>({
    "वसंत",
    "ग्रीष्म",
    "वर्षा",
    "शरद",
    "हेमंत",
    "शिशिर",
});

// The Sun's two halves of the year (kUttarayana, kDakshinayana).
inline constexpr std::string_view kUttarayanaHi = "उत्तरायण";
inline constexpr std::string_view kDakshinayanaHi = "दक्षिणायन";

// The sixty years of the Jupiter cycle from Prabhava (kSamvatsaraNames), in
// the forms of the north Indian almanacs (Angirasa as अंगिरा, Dhatri as धाता).
inline constexpr auto kSamvatsaraNamesHi = std::to_array<std::string_view>({
    "प्रभव",      "विभव",     "शुक्ल",      "प्रमोद",    "प्रजापति",  "अंगिरा",
    "श्रीमुख",     "भाव",      "युवा",       "धाता",      "ईश्वर",     "बहुधान्य",
    "प्रमाथी",     "विक्रम",    "वृष",        "चित्रभानु",  "स्वभानु",    "तारण",
    "पार्थिव",     "व्यय",     "सर्वजित",    "सर्वधारी",   "विरोधी",    "विकृति",
    "खर",        "नंदन",     "विजय",      "जय",       "मन्मथ",     "दुर्मुख",
    "हेमलंबी",     "विलंबी",    "विकारी",     "शार्वरी",    "प्लव",      "शुभकृत",
    "शोभकृत",     "क्रोधी",    "विश्वावसु",   "पराभव",     "प्लवंग",     "कीलक",
    "सौम्य",      "साधारण",   "विरोधकृत",   "परिधावी",   "प्रमादी",    "आनंद",
    "राक्षस",      "नल",       "पिंगल",      "कालयुक्त",   "सिद्धार्थी",  "रौद्र",
    "दुर्मति",      "दुंदुभि",    "रुधिरोद्गारी", "रक्ताक्षी",   "क्रोधन",    "अक्षय",
});

// The choghadiyas in their cycle from Udveg (kChoghadiyaNames).
inline constexpr auto kChoghadiyaNamesHi = std::to_array<std::string_view>({
    "उद्वेग",
    "चर",
    "लाभ",
    "अमृत",
    "काल",
    "शुभ",
    "रोग",
});

}  // namespace zorvane
