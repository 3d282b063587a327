#include "cli/match_output.h"

#include <cstddef>

#include <nlohmann/json.hpp>

#include "core/format/details_text.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"

namespace zorvane::cli {

namespace {
constexpr int kJsonIndent = 2;
}  // namespace

std::string FormatMatchJson(const Ashtakoota& ashtakoota, const std::array<Porutham, kPoruthamCount>& porutham) {
    nlohmann::ordered_json kootas = nlohmann::ordered_json::array();
    for (const Koota& koota : ashtakoota.kootas) {
        kootas.push_back({{"name", koota.name},
                          {"points", koota.points},
                          {"max", koota.max},
                          {"values", koota.values},
                          {"meaning", koota.meaning}});
    }
    nlohmann::ordered_json doshas = nlohmann::ordered_json::array();
    for (const Dosha& dosha : ashtakoota.doshas) {
        doshas.push_back({{"name", dosha.name}, {"reason", dosha.reason}, {"notes", dosha.notes}});
    }
    nlohmann::ordered_json ten = nlohmann::ordered_json::array();
    for (const Porutham& p : porutham) {
        ten.push_back({{"name", p.name}, {"agrees", p.agrees}, {"reason", p.reason}});
    }
    const nlohmann::ordered_json all = {
        {"ashtakoota",
         {{"kootas", kootas}, {"total", ashtakoota.total}, {"max", kAshtakootaMaxPoints}, {"doshas", doshas}}},
        {"porutham", ten}};
    return all.dump(kJsonIndent) + "\n";
}

std::string FormatStarDayJson(const Star& birth, const std::string& date, const StarDay& day,
                              double clockLeadHours) {
    nlohmann::ordered_json taras = nlohmann::ordered_json::array();
    for (const TaraSpan& span : day.taras) {
        taras.push_back({{"nakshatra", NakshatraNames[static_cast<std::size_t>(span.nakshatra)]},
                         {"tara", span.tara},
                         {"name", TaraName(span.tara)},
                         {"verdict", TaraVerdict(span.tara)},
                         {"start", FormatBirthClock(span.startJd, clockLeadHours)},
                         {"end", FormatBirthClock(span.endJd, clockLeadHours)}});
    }
    nlohmann::ordered_json signs = nlohmann::ordered_json::array();
    for (const MoonSignSpan& span : day.signs) {
        signs.push_back({{"sign", kSignNames[static_cast<std::size_t>(span.sign)]},
                         {"count", span.count},
                         {"favourable", span.favourable},
                         {"chandrashtama", span.chandrashtama},
                         {"start", FormatBirthClock(span.startJd, clockLeadHours)},
                         {"end", FormatBirthClock(span.endJd, clockLeadHours)}});
    }
    const nlohmann::ordered_json all = {
        {"birth",
         {{"nakshatra", NakshatraNameOfStar(birth)},
          {"pada", birth.pada},
          {"sign", kSignNames[static_cast<std::size_t>(SignOfStar(birth))]}}},
        {"date", date},
        {"taras", taras},
        {"chandrabala", signs},
        {"chandrashtama", day.chandrashtama}};
    return all.dump(kJsonIndent) + "\n";
}

}  // namespace zorvane::cli
