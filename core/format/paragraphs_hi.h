#pragma once

#include <array>
#include <string_view>

#include "core/state/chart_state.h"
#include "core/text/language.h"

namespace zorvane {

// The readings in Hindi, row for row beside the paragraphs of YogaTable and
// NakshatraTable: the same reading, written afresh in Hindi for this program
// (not word for word), a yoga's meaning in quotes as the English gives it.
extern const std::array<std::string_view, kYogaCount> kYogaParagraphsHi;
extern const std::array<std::string_view, kNakshatraCount> kNakshatraParagraphsHi;

// The paragraph of yoga row 0..26 in a language; English where the language
// has none yet.
std::string_view YogaParagraph(int yogaRow, Language language);
// The paragraph of nakshatra row 0..26 in a language.
std::string_view NakshatraParagraph(int nakshatraRow, Language language);

}  // namespace zorvane
