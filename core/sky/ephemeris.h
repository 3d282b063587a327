#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

// The one interface of the program over the Swiss Ephemeris: the nine grahas
// and the lagna, sidereal, for a moment and a place. Nothing else includes
// the library's header.

// The sidereal offsets a chart can be drawn with. Lahiri is the default.
enum class Ayanamsa { Lahiri, LahiriIcrc, Krishnamurti, Raman, TrueChitra, Yukteshwar, FaganBradley };
inline constexpr int kAyanamsaCount = 7;

// Rahu from the mean node (the default of most Vedic practice) or the true
// (osculating) node; Ketu always stands opposite.
enum class NodeKind { Mean, True };

// The nine grahas in their traditional order.
enum class Graha { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Ketu };
inline constexpr int kGrahaCount = 9;

// Which theory the positions came from: the library's data files (from
// swe-basic-data) or, where they are missing, its built-in analytic
// (Moshier) theory.
enum class EphemerisSource { Files, Analytic };

struct GrahaPosition {
    double longitudeDegrees = 0.0;   // sidereal, in [0, 360)
    double speedDegreesPerDay = 0.0; // in longitude; negative when retrograde
    bool retrograde() const { return speedDegreesPerDay < 0.0; }
};

struct SkyPositions {
    Ayanamsa ayanamsa = Ayanamsa::Lahiri;
    NodeKind node = NodeKind::Mean;
    // The offset subtracted from the tropical longitudes of date (nutation
    // included), degrees.
    double ayanamsaDegrees = 0.0;
    EphemerisSource source = EphemerisSource::Files;
    std::array<GrahaPosition, kGrahaCount> grahas{};
    // The sidereal ascendant; empty without a latitude, or at a latitude
    // where the ecliptic does not rise (polar circles) and the library fails.
    std::optional<double> lagnaDegrees;
};

// Names as the command line and the settings write them, and back.
std::string_view AyanamsaKey(Ayanamsa ayanamsa);        // "lahiri", "lahiri-icrc", ...
std::string_view AyanamsaTitle(Ayanamsa ayanamsa);      // "Lahiri", "Lahiri ICRC", ...
std::optional<Ayanamsa> AyanamsaFromKey(std::string_view key);  // either form, any case
std::string_view NodeKey(NodeKind node);                // "mean", "true"
std::optional<NodeKind> NodeFromKey(std::string_view key);
std::string_view GrahaName(Graha graha);                // "Sun" ...
std::string_view GrahaShortName(Graha graha);           // "Su" ...
std::string_view EphemerisSourceKey(EphemerisSource source);  // "files", "analytic"

// The folder where Debian's swe-basic-data puts the data files.
inline constexpr std::string_view kDefaultEphemerisFolder = "/usr/share/libswe/ephe";

// The positions at a moment (Julian day, universal time) for a place
// (longitude east positive, latitude north positive, degrees). The files are
// looked for in `ephemerisFolder`; an empty or missing folder makes the
// library use its analytic theory, and `source` says so. The library keeps
// its path and sidereal mode in its own global state: each call sets both
// under one lock, so calls from several threads are safe.
SkyPositions ComputeSkyPositions(double julianDayUt, double longitudeDegrees,
                                 std::optional<double> latitudeDegrees, Ayanamsa ayanamsa,
                                 NodeKind node, const std::string& ephemerisFolder =
                                                    std::string(kDefaultEphemerisFolder));

}  // namespace zorvane
