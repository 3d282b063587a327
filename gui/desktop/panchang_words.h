#pragma once

#include <span>

namespace zorvane {

// The English words the panchang's texts (the day's lines, the month grid,
// their printed pages and the time line) ask their Wording to translate,
// listed so that lupdate gathers them under kReadingWordsContext, the
// context of ReadingWords() too. A word added to those texts is added here
// (a test checks each one is listed and translated).
std::span<const char* const> PanchangWords();

}  // namespace zorvane
