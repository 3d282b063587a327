#include "core/format/details_fields.h"

#include "core/format/details_text.h"
#include "core/panchang/limb_names.h"

namespace zorvane {

namespace {

DetailValue ClockTime(const std::optional<double>& jd, double leadHours) {
    if (!jd) return {};
    return FormatBirthClock(*jd, leadHours);
}

}  // namespace

std::array<DetailField, kDetailKeys.size()> DetailFieldsOf(const BirthDetails& d) {
    const double lead = d.clockLeadHours;
    const int tithi = d.tithi.index + 1;
    const int karana = d.karana.index + 1;
    DetailValue vara;
    if (d.weekday) vara = std::string(kWeekdayNames[static_cast<std::size_t>(*d.weekday)]);
    DetailValue note;
    if (d.sunNote != SunNote::None) note = std::string(SunNoteText(d.sunNote));
    const DetailValue values[] = {
        std::string(kSignNames[static_cast<std::size_t>(d.moonSign)]),
        d.pada,
        std::string(NakshatraLord(d.nakshatra.index)),
        FormatBirthClock(d.nakshatra.startJd, lead),
        FormatBirthClock(d.nakshatra.endJd, lead),
        d.sunSiderealDegrees,
        std::string(kSignNames[static_cast<std::size_t>(d.sunSign)]),
        tithi,
        std::string(TithiName(tithi)),
        std::string(PakshaName(tithi)),
        FormatBirthClock(d.tithi.startJd, lead),
        FormatBirthClock(d.tithi.endJd, lead),
        karana,
        std::string(KaranaName(karana)),
        FormatBirthClock(d.karana.startJd, lead),
        FormatBirthClock(d.karana.endJd, lead),
        FormatBirthClock(d.yoga.startJd, lead),
        FormatBirthClock(d.yoga.endJd, lead),
        ClockTime(d.sunriseJd, lead),
        ClockTime(d.sunsetJd, lead),
        vara,
        note,
        FormatUniversalTime(d.universalJd),
    };
    static_assert(std::size(values) == kDetailKeys.size());
    std::array<DetailField, kDetailKeys.size()> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = {kDetailKeys[i], values[i]};
    return fields;
}

}  // namespace zorvane
