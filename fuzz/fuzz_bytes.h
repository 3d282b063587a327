#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// libFuzzer hands over unsigned bytes; the code under test reads text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): char may alias any byte
    return {reinterpret_cast<const char*>(data), size};
}
