#include "core/matching/worded_text.h"

namespace zorvane {

namespace {

constexpr int kDecimal = 10;
constexpr int kHundred = 100;

}  // namespace

std::string Ordinal(int n, const Wording& wording) {
    const int lastTwo = n % kHundred;
    const int last = n % kDecimal;
    const char* worded = (lastTwo >= 11 && lastTwo <= 13) ? "%1th"
                         : last == 1                       ? "%1st"
                         : last == 2                       ? "%1nd"
                         : last == 3                       ? "%1rd"
                                                           : "%1th";
    return wording.SayWith(worded, {std::to_string(n)});
}

}  // namespace zorvane
