#pragma once

#include <span>

namespace zorvane {

// The English words the shared formatting (core/format) asks its Wording to
// translate, listed here so that lupdate gathers them into the catalogues
// under the context kReadingWordsContext. A word added to the formatting is
// added here too (a test checks each one is translated).
std::span<const char* const> ReadingWords();

}  // namespace zorvane
