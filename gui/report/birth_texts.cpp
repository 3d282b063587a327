#include "gui/report/birth_texts.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "core/time/zone_date.h"
#include "core/time/angles.h"
#include "core/format/details_text.h"

namespace zorvane {
namespace {

// "YYYY-MM-DDTHH:MM:SS" is the length of the date and time of an ISO moment.
constexpr qsizetype kIsoDateTimeLength = 19;
constexpr int kIsoDateTimeSeparator = 10;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ClockText(double universalJd, double clockLeadHours) {
    QString iso = FromUtf8(FormatBirthClock(universalJd, clockLeadHours));
    iso.truncate(kIsoDateTimeLength);
    iso[kIsoDateTimeSeparator] = u' ';
    return iso;
}

QString ClockText(const std::optional<double>& universalJd, double clockLeadHours) {
    return universalJd ? ClockText(*universalJd, clockLeadHours) : QStringLiteral("\u2014");
}

QString DateText(double universalJd, double clockLeadHours) {
    return FromUtf8(IsoDateText(ZoneCivilDate(universalJd, clockLeadHours)));
}

QString DegreesMinutesText(int degrees, int minutes, QChar hemisphere) {
    return QStringLiteral("%1\u00b0%2\u2032 %3")
        .arg(std::abs(degrees))
        .arg(std::abs(minutes), 2, 10, QLatin1Char('0'))
        .arg(hemisphere);
}

QString BirthLatitudeText(std::optional<double> latitudeDegrees) {
    if (!latitudeDegrees) {
        return QStringLiteral("none valid");
    }
    const long totalMinutes = std::lround(std::fabs(*latitudeDegrees) * kMinutesPerDegree);
    const auto minutesPerDegree = static_cast<long>(kMinutesPerDegree);
    return DegreesMinutesText(static_cast<int>(totalMinutes / minutesPerDegree),
                              static_cast<int>(totalMinutes % minutesPerDegree),
                              *latitudeDegrees < 0 ? u'S' : u'N');
}

}  // namespace zorvane
