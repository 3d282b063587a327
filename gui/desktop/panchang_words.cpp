#include "gui/desktop/panchang_words.h"

#include <QtGlobal>
#include <array>

namespace zorvane {

namespace {

constexpr auto kPanchangWords = std::to_array<const char*>({
    // The day's lines (core/calendar/day_report.cpp, day_names.cpp).
    QT_TRANSLATE_NOOP("ReadingWords", "Panchang of %1 at %2"),
    QT_TRANSLATE_NOOP("ReadingWords", "Times on the place's clock; the day runs from sunrise to the next sunrise."),
    QT_TRANSLATE_NOOP("ReadingWords", "N"),
    QT_TRANSLATE_NOOP("ReadingWords", "S"),
    QT_TRANSLATE_NOOP("ReadingWords", "E"),
    QT_TRANSLATE_NOOP("ReadingWords", "W"),
    QT_TRANSLATE_NOOP("ReadingWords", "Moonrise"),
    QT_TRANSLATE_NOOP("ReadingWords", "Moonset"),
    QT_TRANSLATE_NOOP("ReadingWords", "none this day"),
    QT_TRANSLATE_NOOP("ReadingWords", "none"),
    QT_TRANSLATE_NOOP("ReadingWords", "Pada"),
    QT_TRANSLATE_NOOP("ReadingWords", "Rahu kalam"),
    QT_TRANSLATE_NOOP("ReadingWords", "Yamaganda"),
    QT_TRANSLATE_NOOP("ReadingWords", "Gulika kalam"),
    QT_TRANSLATE_NOOP("ReadingWords", "Rahu kalam (night)"),
    QT_TRANSLATE_NOOP("ReadingWords", "Yamaganda (night)"),
    QT_TRANSLATE_NOOP("ReadingWords", "Gulika kalam (night)"),
    QT_TRANSLATE_NOOP("ReadingWords", "Abhijit muhurta"),
    QT_TRANSLATE_NOOP("ReadingWords", "Durmuhurta"),
    QT_TRANSLATE_NOOP("ReadingWords", "Varjyam"),
    QT_TRANSLATE_NOOP("ReadingWords", "Amrita kalam"),
    QT_TRANSLATE_NOOP("ReadingWords", "Choghadiya (day)"),
    QT_TRANSLATE_NOOP("ReadingWords", "Choghadiya (night)"),
    QT_TRANSLATE_NOOP("ReadingWords", "Hora"),
    QT_TRANSLATE_NOOP("ReadingWords", "Sun's sign"),
    QT_TRANSLATE_NOOP("ReadingWords", "Sankranti"),
    QT_TRANSLATE_NOOP("ReadingWords", "Month (amanta)"),
    QT_TRANSLATE_NOOP("ReadingWords", "Month (purnimanta)"),
    QT_TRANSLATE_NOOP("ReadingWords", "Paksha"),
    QT_TRANSLATE_NOOP("ReadingWords", "Ritu"),
    QT_TRANSLATE_NOOP("ReadingWords", "Ayana"),
    QT_TRANSLATE_NOOP("ReadingWords", "Shaka year"),
    QT_TRANSLATE_NOOP("ReadingWords", "Vikrama year"),
    QT_TRANSLATE_NOOP("ReadingWords", "Samvatsara"),
    QT_TRANSLATE_NOOP("ReadingWords", "adhika"),
    QT_TRANSLATE_NOOP("ReadingWords", "%1 begins"),
    // The month grid and the printed pages (gui/report/panchang_print.cpp).
    QT_TRANSLATE_NOOP("ReadingWords", "Panchang of %1"),
    QT_TRANSLATE_NOOP("ReadingWords", "%1 at %2"),
    QT_TRANSLATE_NOOP("ReadingWords", "Amanta: %1 / Purnimanta: %2"),
    QT_TRANSLATE_NOOP("ReadingWords", "Tithi and nakshatra at sunrise; Ekadashi by the tithi at sunrise (smarta)."),
    // The time line (gui/widgets/day_timeline.cpp).
    QT_TRANSLATE_NOOP("ReadingWords", "Avoid / use"),
    QT_TRANSLATE_NOOP("ReadingWords", "Rahu"),
    QT_TRANSLATE_NOOP("ReadingWords", "Yama"),
    QT_TRANSLATE_NOOP("ReadingWords", "Gulika"),
    QT_TRANSLATE_NOOP("ReadingWords", "Dur"),
    QT_TRANSLATE_NOOP("ReadingWords", "Amrita"),
    QT_TRANSLATE_NOOP("ReadingWords", "Abhijit"),
});

}  // namespace

std::span<const char* const> PanchangWords() { return kPanchangWords; }

}  // namespace zorvane
