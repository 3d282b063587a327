#pragma once

#include <cstdlib>
#include <iostream>

// A broken promise is a finding: say which one and stop, so that libFuzzer
// keeps the input that broke it.
[[noreturn]] inline void FuzzCheckFailed(const char* file, int line, const char* condition) {
    std::cerr << file << ':' << line << ": check failed: " << condition << '\n';
    std::abort();
}

// A macro, as the message needs the condition's own text and the caller's line.
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage)
#define FUZZ_CHECK(condition) ((condition) ? void() : FuzzCheckFailed(__FILE__, __LINE__, #condition))
