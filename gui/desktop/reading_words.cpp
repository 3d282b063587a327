#include "gui/desktop/reading_words.h"

#include <QtGlobal>
#include <array>

namespace zorvane {

namespace {

constexpr auto kReadingWords = std::to_array<const char*>({
    QT_TRANSLATE_NOOP("ReadingWords", "Date"),
    QT_TRANSLATE_NOOP("ReadingWords", "Clock time"),
    QT_TRANSLATE_NOOP("ReadingWords", "Zone"),
    QT_TRANSLATE_NOOP("ReadingWords", "Place"),
    QT_TRANSLATE_NOOP("ReadingWords", "Longitude"),
    QT_TRANSLATE_NOOP("ReadingWords", "Latitude"),
    QT_TRANSLATE_NOOP("ReadingWords", "Universal time"),
    QT_TRANSLATE_NOOP("ReadingWords", "Clock"),
    QT_TRANSLATE_NOOP("ReadingWords", "Conventions"),
    QT_TRANSLATE_NOOP("ReadingWords", "tithi"),
    QT_TRANSLATE_NOOP("ReadingWords", "vara"),
    QT_TRANSLATE_NOOP("ReadingWords", "nakshatra"),
    QT_TRANSLATE_NOOP("ReadingWords", "yoga"),
    QT_TRANSLATE_NOOP("ReadingWords", "karana"),
    QT_TRANSLATE_NOOP("ReadingWords", "less than a minute"),
    QT_TRANSLATE_NOOP("ReadingWords", "%1 minute"),
    QT_TRANSLATE_NOOP("ReadingWords", "%1 minutes"),
    QT_TRANSLATE_NOOP("ReadingWords", "The %1 began %2 before the birth; a birth %3 earlier gives %4."),
    QT_TRANSLATE_NOOP("ReadingWords", "The %1 ends %2 after the birth; a birth %3 later gives %4."),
    QT_TRANSLATE_NOOP("ReadingWords", "Both ayanamsas are the program's own formulas, within 7″ of Lahiri (Chitrapaksha) over 1901-2050; sunrise and sunset are those of the Sun's upper limb at -0°50′."),
    QT_TRANSLATE_NOOP("ReadingWords", "none valid"),
    QT_TRANSLATE_NOOP("ReadingWords", " from universal time, summer time included"),
    QT_TRANSLATE_NOOP("ReadingWords", " from universal time, no summer time"),
    QT_TRANSLATE_NOOP("ReadingWords", "Moon"),
    QT_TRANSLATE_NOOP("ReadingWords", "Sun"),
    QT_TRANSLATE_NOOP("ReadingWords", " pada "),
    QT_TRANSLATE_NOOP("ReadingWords", ", lord "),
    QT_TRANSLATE_NOOP("ReadingWords", "Ayanamsa"),
    QT_TRANSLATE_NOOP("ReadingWords", " (nakshatra), "),
    QT_TRANSLATE_NOOP("ReadingWords", " (panchang)"),
    QT_TRANSLATE_NOOP("ReadingWords", "Sunrise"),
    QT_TRANSLATE_NOOP("ReadingWords", "Sunset"),
    QT_TRANSLATE_NOOP("ReadingWords", "Sunrise needs a valid latitude"),
    QT_TRANSLATE_NOOP("ReadingWords", "The Sun does not rise on this date at this latitude (polar night)"),
    QT_TRANSLATE_NOOP("ReadingWords", "The Sun does not set on this date at this latitude (polar day)"),
    QT_TRANSLATE_NOOP("ReadingWords", "The Sun sets but does not rise on this date at this latitude"),
    QT_TRANSLATE_NOOP("ReadingWords", "The Sun rises but does not set on this date at this latitude"),
    QT_TRANSLATE_NOOP("ReadingWords", "Tithi"),
    QT_TRANSLATE_NOOP("ReadingWords", "Vara"),
    QT_TRANSLATE_NOOP("ReadingWords", "Nakshatra"),
    QT_TRANSLATE_NOOP("ReadingWords", "Yoga"),
    QT_TRANSLATE_NOOP("ReadingWords", "Karana"),
    QT_TRANSLATE_NOOP("ReadingWords", " to "),
    QT_TRANSLATE_NOOP("ReadingWords", "Details"),
    QT_TRANSLATE_NOOP("ReadingWords", "years"),
    QT_TRANSLATE_NOOP("ReadingWords", "months"),
    QT_TRANSLATE_NOOP("ReadingWords", "days"),
    // The zone as applied and the clock note.
    QT_TRANSLATE_NOOP("ReadingWords", "typed"),
    QT_TRANSLATE_NOOP("ReadingWords", "from the time-zone list"),
    QT_TRANSLATE_NOOP("ReadingWords", "from the atlas"),
    QT_TRANSLATE_NOOP("ReadingWords", "from the atlas %1"),
    QT_TRANSLATE_NOOP("ReadingWords", "from the chart file"),
    QT_TRANSLATE_NOOP("ReadingWords", "clock standard"),
    QT_TRANSLATE_NOOP("ReadingWords", "%1 from UT = zone %2 and DST %3"),
    QT_TRANSLATE_NOOP("ReadingWords", "%1 from UT = zone %2, no DST"),
    QT_TRANSLATE_NOOP("ReadingWords", ". DST adds summer time on top of the picked zone, whose row already holds its full offset"),
    QT_TRANSLATE_NOOP("ReadingWords", "The zone or longitude boxes do not give an offset yet"),
    QT_TRANSLATE_NOOP("ReadingWords", "summer time"),
    QT_TRANSLATE_NOOP("ReadingWords", "double summer time"),
    QT_TRANSLATE_NOOP("ReadingWords", "summer time %1"),
    QT_TRANSLATE_NOOP("ReadingWords", "clock time skipped"),
    QT_TRANSLATE_NOOP("ReadingWords", "clock time repeated"),
    QT_TRANSLATE_NOOP("ReadingWords", "%1 did not exist on %2: the clocks went from %3 to %4; read at %4, the offset after the change (the other choice: earlier, at %3)"),
    QT_TRANSLATE_NOOP("ReadingWords", "%1 did not exist on %2: the clocks went from %3 to %4; read at %3, the offset before the change (the other choice: later, at %4)"),
    QT_TRANSLATE_NOOP("ReadingWords", "%1 came twice on %2, first at %3, then at %4; read as the later, at %4 (the other choice: earlier, at %3)"),
    QT_TRANSLATE_NOOP("ReadingWords", "%1 came twice on %2, first at %3, then at %4; read as the earlier, at %3 (the other choice: later, at %4)"),
    QT_TRANSLATE_NOOP("ReadingWords", "read on %1 (%2, %3, %4) instead of the tz database's %5; source: %6"),
    QT_TRANSLATE_NOOP("ReadingWords", "the tz database's %1 applied; before 1956 a time here may have been read from another clock"),
    QT_TRANSLATE_NOOP("ReadingWords", "Zone applied"),
    QT_TRANSLATE_NOOP("ReadingWords", "Clock note"),
    // The dasha table of the command line.
    QT_TRANSLATE_NOOP("ReadingWords", "Vimshottari dasha (one year = 365.25 days; dates in the birth's zone)"),
    QT_TRANSLATE_NOOP("ReadingWords", "Balance at birth"),
    QT_TRANSLATE_NOOP("ReadingWords", "Mahadasha"),
    QT_TRANSLATE_NOOP("ReadingWords", "Antardasha"),
    QT_TRANSLATE_NOOP("ReadingWords", "Start"),
    QT_TRANSLATE_NOOP("ReadingWords", "End"),
    QT_TRANSLATE_NOOP("ReadingWords", "before birth"),
});

}  // namespace

std::span<const char* const> ReadingWords() { return kReadingWords; }

}  // namespace zorvane
