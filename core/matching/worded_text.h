#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/text/language.h"
#include "core/text/wording.h"

namespace zorvane {

// The pieces the matching texts are worded from, in any language.

// The worded template with each %1, %2, ... replaced by the argument of that
// number, wherever it stands (a language may order them its own way, use one
// twice or leave one out); marks without an argument stay as they are.
std::string Filled(std::string_view text, std::initializer_list<std::string> arguments);

// "1st", "2nd", "13th": the ordinal of a count, its English suffix worded
// as a template ("%1st") that another language may write as it does.
std::string Ordinal(int n, const Wording& wording);

// The columns a text takes in a fixed font: one a character but the marks
// drawn over or under the one before (Devanagari's vowel signs above and
// below, virama, nukta, anusvara, candrabindu; the joiners).
std::size_t TextColumns(std::string_view text);

// The text followed by spaces up to the given columns.
std::string ColumnPadded(std::string text, std::size_t columns);

// The graha of row 0 Sun .. 8 Ketu (the rows of kGrahaNames) in a language.
std::string GrahaText(std::size_t row, Language language);

}  // namespace zorvane
