#pragma once

#include <QByteArray>
#include <QDate>
#include <QTime>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/wording.h"
#include "core/zones/atlas_zone.h"

namespace zorvane {

// Which reading of a clock time at a change of the clocks the user takes:
// the offset before the change (the default; the earlier instant of a
// repeated time) or the offset after it.
enum class RepeatedChoice { Earlier, Later };

std::optional<RepeatedChoice> RepeatedChoiceOf(std::string_view text);  // "earlier" or "later"

// A clock time at a change, with the offsets on both sides (seconds east
// positive); Ordinary when the clock time is not at a change, and then both
// offsets are the one in force.
struct ClockChange {
    ClockTimeAtChange kind = ClockTimeAtChange::Ordinary;
    int offsetBeforeSeconds = 0;
    int offsetAfterSeconds = 0;
};

// From the system's zone history; nothing for an unknown zone or moment.
std::optional<ClockChange> ClockChangeAt(const QByteArray& ianaZone, QDate date, QTime clockTime);

// The offset the reading uses for the choice.
int ChosenOffsetSeconds(const ClockChange& change, RepeatedChoice choice);

// What a reader must be told, empty for an ordinary clock time, e.g.
// "02:30 did not exist on 2023-03-12: the clocks went from -5:00 to -4:00;
// read at -5:00, the offset before the change (the other choice: later,
// at -4:00)".
std::string ClockNote(const ClockChange& change, RepeatedChoice choice, std::string_view clockText,
                      std::string_view dateText, const Wording& wording = {});

}  // namespace zorvane
