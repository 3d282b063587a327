#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "cli/reading_fields.h"
#include "core/reading/birth_input.h"
#include "core/reading/compute_reading.h"

namespace zorvane::cli {

// The typed input of a command-line or batch reading: the same checks as the
// window's (with no name or latitude required), or the refusal's message.
std::variant<BirthInput, std::string_view> InputFromFields(const ReadingFields& fields);

// One reading through that input and the one calculation. Returns the
// refusal message, or nothing when record holds the computed reading with
// the parts asked for. Name and place go into the record as given.
std::optional<std::string_view> RunReading(const ReadingFields& fields, BirthRecord& record,
                                           ReadingParts parts = ReadingParts::NamesOnly,
                                           const std::string& name = {}, const BirthPlace& place = {});

}  // namespace zorvane::cli
