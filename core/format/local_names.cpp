#include "core/format/local_names.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "core/chart/vargas.h"
#include "core/dasha/dasha_lords.h"
#include "core/panchang/limb_names.h"
#include "core/text/name_row.h"
#include "core/text/names_hi.h"

namespace zorvane {

namespace {

// Each Hindi table has a row for every English one.
static_assert(kNakshatraLordsHi.size() == kNakshatraLords.size());
static_assert(kDashaLords.size() == kNakshatraLordsHi.size());
static_assert(kVargaNamesHi.size() == kVargas.size());

constexpr int kCivilMonthCount = 12;
static_assert(kCivilMonthNamesHi.size() == kCivilMonthCount);
constexpr auto kCivilMonthNames = std::to_array<std::string_view>({
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
});

bool InHindi(Language language) { return language == Language::Hindi; }

}  // namespace

std::string LordText(int lord, Language language) {
    return InHindi(language) ? NameInRow(kNakshatraLordsHi, lord) : NameInRow(kNakshatraLords, lord);
}

std::string LagnaText(Language language) {
    return std::string(InHindi(language) ? kLagnaNameHi : std::string_view("Lagna"));
}

std::string RetrogradeText(Language language) {
    return std::string(InHindi(language) ? kRetrogradeMarkHi : std::string_view("R"));
}

std::string VargaText(int vargaIndex, Language language) {
    if (InHindi(language)) return NameInRow(kVargaNamesHi, vargaIndex);
    if (vargaIndex < 0 || static_cast<std::size_t>(vargaIndex) >= kVargas.size()) return "?";
    return std::string(kVargas[static_cast<std::size_t>(vargaIndex)].name);
}

std::string CivilMonthText(int month, Language language) {
    return InHindi(language) ? NameInRow(kCivilMonthNamesHi, month - 1) : NameInRow(kCivilMonthNames, month - 1);
}

}  // namespace zorvane
