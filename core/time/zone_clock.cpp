#include "core/time/zone_clock.h"

#include <cmath>
#include <cstdlib>

#include "core/time/day_number.h"

namespace zorvane {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;
constexpr int kMinutesPerHourWhole = 60;
constexpr double kMinutesPerDayWhole = 1440.0;

void AppendTwoDigits(std::string& text, int value) {
    text += static_cast<char>('0' + value / 10);
    text += static_cast<char>('0' + value % 10);
}

}  // namespace

ZoneClock ZoneClockAt(double universalJd, int offsetMinutes) {
    // Whole seconds of the local day counted from the Julian day's noon start.
    const double local = universalJd + offsetMinutes / kMinutesPerDayWhole;
    const double seconds = std::round(local * kSecondsPerDay);
    const double roundedJd = seconds / kSecondsPerDay;
    ZoneClock clock;
    clock.date = ZoneCivilDate(roundedJd, 0.0);
    // Seconds since local midnight: the Julian day starts at noon.
    const double sinceMidnight = seconds - std::floor(roundedJd + 0.5) * kSecondsPerDay + kSecondsPerDay / 2;
    auto whole = static_cast<long long>(std::llround(sinceMidnight));
    whole = ((whole % static_cast<long long>(kSecondsPerDay)) + static_cast<long long>(kSecondsPerDay)) %
            static_cast<long long>(kSecondsPerDay);
    clock.hour = static_cast<int>(whole / kSecondsPerHour);
    clock.minute = static_cast<int>(whole % kSecondsPerHour / kSecondsPerMinute);
    clock.second = static_cast<int>(whole % kSecondsPerMinute);
    return clock;
}

std::string ClockText(const ZoneClock& clock) {
    std::string text;
    AppendTwoDigits(text, clock.hour);
    text += ':';
    AppendTwoDigits(text, clock.minute);
    text += ':';
    AppendTwoDigits(text, clock.second);
    return text;
}

std::string ClockMinuteText(double universalJd, int offsetMinutes) {
    const double halfMinute = 0.5 / kMinutesPerDayWhole;
    const ZoneClock clock = ZoneClockAt(universalJd + halfMinute, offsetMinutes);
    std::string text;
    AppendTwoDigits(text, clock.hour);
    text += ':';
    AppendTwoDigits(text, clock.minute);
    return text;
}

std::string OffsetIsoText(int offsetMinutes) {
    std::string text(1, offsetMinutes < 0 ? '-' : '+');
    const int magnitude = std::abs(offsetMinutes);
    AppendTwoDigits(text, magnitude / kMinutesPerHourWhole);
    text += ':';
    AppendTwoDigits(text, magnitude % kMinutesPerHourWhole);
    return text;
}

std::string IsoMomentText(double universalJd, int offsetMinutes) {
    const ZoneClock clock = ZoneClockAt(universalJd, offsetMinutes);
    return IsoDateText(clock.date) + 'T' + ClockText(clock) + OffsetIsoText(offsetMinutes);
}

double ZoneMidnightJd(const CivilDate& date, int offsetMinutes) {
    return DayNumber(date.month, date.day, date.year) - 0.5 - offsetMinutes / kMinutesPerDayWhole;
}

}  // namespace zorvane
