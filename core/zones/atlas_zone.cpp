#include "core/zones/atlas_zone.h"

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <utility>
#include <cstdlib>
#include <limits>
#include <vector>

namespace zorvane {

namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kMinutesPerHour = 60;
// No zone is more than 14 hours from universal time, so every instant that
// can show a clock time on a date lies within a day and a half of it.
constexpr double kUnixEpochJulianDay = 2440587.5;  // 1970 January 1, 0h UT
constexpr double kSecondsPerDay = 86400.0;
constexpr qint64 kSearchSeconds = qint64{36} * 3600;

QDateTime UtcAt(qint64 secondsSinceEpoch) {
    return QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::UTC);
}

}  // namespace

bool IsKnownZoneId(const QByteArray& ianaZone) {
    // Sorted by Qt; read once, never changed.
    static const QList<QByteArray> known = QTimeZone::availableTimeZoneIds();
    return std::binary_search(known.begin(), known.end(), ianaZone);
}

int RoundToMinutes(int seconds) {
    const int magnitude = (std::abs(seconds) + kSecondsPerMinute / 2) / kSecondsPerMinute;
    return seconds < 0 ? -magnitude : magnitude;
}

QString OffsetText(int minutes) {
    const int magnitude = std::abs(minutes);
    const QString sign = minutes > 0   ? QStringLiteral("+")
                         : minutes < 0 ? QStringLiteral("-")
                                       : QString();
    return sign + QString::number(magnitude / kMinutesPerHour) + u':' +
           QStringLiteral("%1").arg(magnitude % kMinutesPerHour, 2, 10, QLatin1Char('0'));
}

QString ZoneNote(const ZoneAtBirth& zone, const Wording& wording) {
    const auto say = [&wording](std::string_view english) { return QString::fromStdString(wording.Say(english)); };
    constexpr int kOneHour = 60;    // minutes
    constexpr int kTwoHours = 120;  // minutes
    QStringList parts;
    const int summer = zone.summerMinutes();
    if (summer == kOneHour) {
        parts << say("summer time");
    } else if (summer == kTwoHours) {
        parts << say("double summer time");
    } else if (summer > 0) {
        parts << QString::fromStdString(wording.SayWith("summer time %1", {OffsetText(summer).toStdString()}));
    }
    if (zone.clockTime == ClockTimeAtChange::Skipped) {
        parts << say("clock time skipped");
    } else if (zone.clockTime == ClockTimeAtChange::Repeated) {
        parts << say("clock time repeated");
    }
    return parts.join(QStringLiteral("; "));
}

std::function<int(double)> ZoneOffsetFunction(const QByteArray& ianaZone) {
    QTimeZone timeZone(ianaZone);
    if (!timeZone.isValid()) return [](double) { return 0; };
    return [timeZone = std::move(timeZone)](double universalJd) {
        const auto seconds = static_cast<qint64>(std::llround((universalJd - kUnixEpochJulianDay) * kSecondsPerDay));
        return RoundToMinutes(timeZone.offsetFromUtc(UtcAt(seconds)));
    };
}

ZoneAtBirth ZoneAt(const QByteArray& ianaZone, QDate date, QTime clockTime) {
    ZoneAtBirth zone;
    if (ianaZone.isEmpty() || !date.isValid() || !clockTime.isValid()) {
        return zone;
    }
    if (!IsKnownZoneId(ianaZone)) {
        return zone;
    }
    const QTimeZone timeZone(ianaZone);
    if (!timeZone.isValid()) {
        return zone;
    }
    // The clock time read as if it were universal time: a real instant lies
    // at this minus the offset in force at that instant.
    const qint64 clockAsUtc = QDateTime(date, clockTime, Qt::UTC).toSecsSinceEpoch();

    // The offsets the zone could have had around then: the one before the
    // window and the one after each change inside it.
    const QDateTime windowStart = UtcAt(clockAsUtc - kSearchSeconds);
    const QDateTime windowEnd = UtcAt(clockAsUtc + kSearchSeconds);
    std::vector<int> offsets{timeZone.offsetFromUtc(windowStart)};
    for (const QTimeZone::OffsetData& change : timeZone.transitions(windowStart, windowEnd)) {
        offsets.push_back(change.offsetFromUtc);
    }

    // Each offset that maps the clock time to an instant at which that very
    // offset was in force is one reading of the clock time; the earliest
    // instant is the first reading.
    std::vector<qint64> instants;
    for (const int offset : offsets) {
        const qint64 instant = clockAsUtc - offset;
        if (timeZone.offsetFromUtc(UtcAt(instant)) == offset &&
            std::find(instants.begin(), instants.end(), instant) == instants.end()) {
            instants.push_back(instant);
        }
    }

    QDateTime reading;
    if (instants.empty()) {
        // Skipped: the clocks had not yet moved, so the clock time is read
        // with the offset in force just before the jump.
        zone.clockTime = ClockTimeAtChange::Skipped;
        const QDateTime afterJump = UtcAt(clockAsUtc - offsets.front());
        const QDateTime jump = timeZone.previousTransition(afterJump).atUtc;
        reading = jump.isValid() ? jump.addSecs(-1) : afterJump;
    } else {
        if (instants.size() > 1) {
            zone.clockTime = ClockTimeAtChange::Repeated;
        }
        reading = UtcAt(*std::min_element(instants.begin(), instants.end()));
    }

    const QTimeZone::OffsetData data = timeZone.offsetData(reading);
    // Qt marks an offset it does not have with the smallest int; the fixed
    // zones ("UTC") have no standard offset of their own.
    constexpr int kNoOffset = std::numeric_limits<int>::min();
    if (data.offsetFromUtc == kNoOffset) {
        return zone;
    }
    zone.known = true;
    zone.offsetMinutes = RoundToMinutes(data.offsetFromUtc);
    zone.standardOffsetMinutes =
        RoundToMinutes(data.standardTimeOffset == kNoOffset ? data.offsetFromUtc : data.standardTimeOffset);
    return zone;
}

}  // namespace zorvane
