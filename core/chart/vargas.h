#pragma once

#include <array>
#include <string_view>

namespace zorvane {

// The sixteen divisional charts of the Parashari scheme: the number of
// parts a sign is cut into, and the chart's name.
struct VargaKind {
    int division;  // D-number: parts of a sign
    std::string_view name;
};

inline constexpr auto kVargas = std::to_array<VargaKind>({
    {1, "Rasi"},
    {2, "Hora"},
    {3, "Drekkana"},
    {4, "Chaturthamsa"},
    {7, "Saptamsa"},
    {9, "Navamsa"},
    {10, "Dasamsa"},
    {12, "Dwadasamsa"},
    {16, "Shodasamsa"},
    {20, "Vimsamsa"},
    {24, "Chaturvimsamsa"},
    {27, "Saptavimsamsa"},
    {30, "Trimsamsa"},
    {40, "Khavedamsa"},
    {45, "Akshavedamsa"},
    {60, "Shashtiamsa"},
});
inline constexpr int kVargaCount = 16;
static_assert(kVargas.size() == kVargaCount);

// The sign 0..11 (0 Mesha) that a sidereal longitude in degrees (any value;
// whole turns are dropped) falls in, in the divisional chart with this
// D-number. A D-number outside kVargas gives -1.
int VargaSign(int division, double longitudeDegrees);

}  // namespace zorvane
