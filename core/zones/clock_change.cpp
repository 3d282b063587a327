#include "core/zones/clock_change.h"

#include <QDateTime>
#include <QTimeZone>

#include "core/zones/zone_offset_text.h"

namespace zorvane {

namespace {
// As ZoneAt: every change that can touch a clock time on a date lies within
// a day and a half of it.
constexpr qint64 kSearchSeconds = qint64{36} * 3600;
}  // namespace

std::optional<RepeatedChoice> RepeatedChoiceOf(std::string_view text) {
    if (text == "earlier") return RepeatedChoice::Earlier;
    if (text == "later") return RepeatedChoice::Later;
    return std::nullopt;
}

std::optional<ClockChange> ClockChangeAt(const QByteArray& ianaZone, QDate date, QTime clockTime) {
    const ZoneAtBirth zone = ZoneAt(ianaZone, date, clockTime);
    if (!zone.known) return std::nullopt;
    ClockChange change{zone.clockTime, zone.offsetMinutes * 60, zone.offsetMinutes * 60};
    if (zone.clockTime == ClockTimeAtChange::Ordinary) return change;

    const QTimeZone timeZone(ianaZone);
    const qint64 clockAsUtc = QDateTime(date, clockTime, Qt::UTC).toSecsSinceEpoch();
    const QDateTime windowStart = QDateTime::fromSecsSinceEpoch(clockAsUtc - kSearchSeconds, Qt::UTC);
    const QDateTime windowEnd = QDateTime::fromSecsSinceEpoch(clockAsUtc + kSearchSeconds, Qt::UTC);
    // The change whose clock times on its two sides enclose the clock time.
    for (const QTimeZone::OffsetData& transition : timeZone.transitions(windowStart, windowEnd)) {
        const qint64 at = transition.atUtc.toSecsSinceEpoch();
        const int before = timeZone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(at - 1, Qt::UTC));
        const int after = transition.offsetFromUtc;
        const qint64 clockBefore = at + before;
        const qint64 clockAfter = at + after;
        if (clockAsUtc >= std::min(clockBefore, clockAfter) && clockAsUtc < std::max(clockBefore, clockAfter)) {
            change.offsetBeforeSeconds = before;
            change.offsetAfterSeconds = after;
            return change;
        }
    }
    return change;
}

int ChosenOffsetSeconds(const ClockChange& change, RepeatedChoice choice) {
    return choice == RepeatedChoice::Later ? change.offsetAfterSeconds : change.offsetBeforeSeconds;
}

std::string ClockNote(const ClockChange& change, RepeatedChoice choice, std::string_view clockText,
                      std::string_view dateText, const Wording& wording) {
    if (change.kind == ClockTimeAtChange::Ordinary) return {};
    const std::string before = SignedOffsetText(change.offsetBeforeSeconds);
    const std::string after = SignedOffsetText(change.offsetAfterSeconds);
    const bool later = choice == RepeatedChoice::Later;
    // Whole sentences, one for each case, so that a translation can word each.
    if (change.kind == ClockTimeAtChange::Skipped) {
        return wording.SayWith(later ? "%1 did not exist on %2: the clocks went from %3 to %4; read at %4, the offset "
                                       "after the change (the other choice: earlier, at %3)"
                                     : "%1 did not exist on %2: the clocks went from %3 to %4; read at %3, the offset "
                                       "before the change (the other choice: later, at %4)",
                               {clockText, dateText, before, after});
    }
    return wording.SayWith(later ? "%1 came twice on %2, first at %3, then at %4; read as the later, at %4 (the other "
                                   "choice: earlier, at %3)"
                                 : "%1 came twice on %2, first at %3, then at %4; read as the earlier, at %3 (the other "
                                   "choice: later, at %4)",
                           {clockText, dateText, before, after});
}

}  // namespace zorvane
