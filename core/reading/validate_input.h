#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/reading/number_text.h"

namespace zorvane {

// Where a birth took place, as the user named it. Not used by any
// computation; kept so that every report, file and output says whose and
// which reading it is.
struct BirthPlace {
    std::string city;
    std::string state;
    std::string country;
    // The zone id of the place the atlas filled the zone from, if it did.
    std::optional<std::string> atlasZoneId;

    bool operator==(const BirthPlace&) const = default;
};

// The main window's fields as ValidateInput and the driver read them.
// Texts are UTF-8 as typed.
struct ReadingForm {
    std::string name;
    std::string zoneHour;
    std::string zoneMinute;
    std::string latDegrees;
    std::string latMinutes;
    std::string lonDegrees;
    std::string lonMinutes;
    bool northSelected = true;
    bool southSelected = false;
    bool eastSelected = true;
    bool westSelected = false;
    bool daylightSaving = false;
    int monthIndex = 0;            // 0 = January .. 11 = December
    int dayIndex = 0;              // 0 = "1" .. 30 = "31"
    std::string dayText = "1";     // text of the selected day entry
    std::string yearText = "1901"; // text of the selected year entry
    std::string hourText = "0";
    std::string minuteText = "0";
    std::string secondText = "0";
    // The place boxes and the atlas zone behind the zone boxes: never checked
    // and never computed with, carried into the record.
    BirthPlace place{};
    // Typed values the boxes do not hold: the clock time's seconds (0..59)
    // and the zone's seconds beyond its minutes (a clock standard such as
    // Calcutta Time, +5:53:20), a magnitude in the zone's direction.
    int clockSecond = 0;
    int zoneSecond = 0;
};

enum class MessageIcon { Error, Information };

// The control that receives the follow-up of a refusal: the focus for a box,
// the selection for a direction button.
enum class FormControl {
    None,
    txtName,
    txtZoneHour,
    txtZoneMinute,
    txtLatD,
    txtLatM,
    txtLonD,
    txtLonM,
    optLatNorth,
    optLongEast,
    txtCity,
    txtState,
    txtCountry,
};

struct Refusal {
    std::string_view message;
    MessageIcon icon = MessageIcon::Error;
    FormControl followUp = FormControl::None;
};

// The command line has no name and no latitude to check; neither has a chart
// written by it, when it is exported without a window.
enum class ValidationScope { FullReading, WithoutNameAndLatitude };

// The checks before a calculation, in their fixed order; the first that
// fails is returned. Nothing is returned when the reading may be used.
std::optional<Refusal> ValidateInput(const ReadingForm& form, const NumberFormat& format,
                                     ValidationScope scope = ValidationScope::FullReading);

// The check before a place search: the first empty box of city, state, country.
std::optional<Refusal> ValidatePlaceSearch(std::string_view city, std::string_view state,
                                           std::string_view country);

}  // namespace zorvane
