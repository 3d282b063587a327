#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "core/text/wording.h"
#include "cli/reading_fields.h"
#include "core/dasha/vimshottari_dasha.h"
#include "core/format/place_clock.h"
#include "core/reading/birth_record.h"

namespace zorvane::cli {

// "Zone applied: ..." and "Clock note: ..." lines of the record; empty parts
// are left out.
std::string ZoneLines(const BirthRecord& record, const Wording& wording = {});

// The result as the window's result panel shows it: each name with its
// paragraph from the display tables, by row. No row prints an empty name
// without a paragraph.
std::string FormatResultText(std::optional<int> nakshatraRow, std::optional<int> yogaRow,
                             const Wording& wording = {});

// One reading as a JSON object with the keys of the batch columns, then
// "details" (null without them) and, when asked for, "dasha" (null without
// the details), and with --chart the object "chart" (null when refused). The
// inputs are the texts as given; with a refusal, names and numbers are null
// and error holds the message, otherwise error is null.
std::string FormatReadingJson(const ReadingFields& fields, const BirthRecord& record,
                              std::string_view refusal, bool withDasha = false,
                              const std::optional<nlohmann::ordered_json>& chart = std::nullopt);

// The details readably, one line each, times in the birth's clock, ending
// with the sentences on bounds that lie near the birth.
std::string FormatDetailsText(const BirthDetails& details, const Wording& wording = {});
// The same with later times on a place's clock (see PlaceClockOf).
std::string FormatDetailsText(const BirthDetails& details, const PlaceClock& clock, const Wording& wording = {});



// The two names of an opened reading file as a JSON object.
std::string FormatNamesJson(std::string_view nakshatraName, std::string_view yogaName);

}  // namespace zorvane::cli
