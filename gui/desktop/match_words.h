#pragma once

#include <span>

namespace zorvane {

// The English words the matching texts (core/matching: the kootas, the
// poruthams, their reasons and doshas, the day of a birth star) ask their
// Wording to translate, listed so that lupdate gathers them under the
// context kReadingWordsContext, where the window's and the command line's
// Wording look. A word added to the matching texts is added here too (a test
// checks each one is listed and translated).
std::span<const char* const> MatchWords();

}  // namespace zorvane
