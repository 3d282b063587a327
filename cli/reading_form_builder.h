#pragma once

#include <optional>
#include <string_view>

#include "cli/reading_fields.h"
#include "core/reading/validate_input.h"

namespace zorvane::cli {

// Turns the command line's or a CSV row's texts into the window's form.
// The window's lists offer only some values and its boxes hold only three
// characters; anything the window could not have been given is refused here
// with a message naming the field. Everything else, impossible dates
// included, is left to the core's own checks.
std::optional<std::string_view> BuildReadingForm(const ReadingFields& fields, ReadingForm& form);

}  // namespace zorvane::cli
