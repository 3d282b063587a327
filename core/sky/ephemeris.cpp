#include "core/sky/ephemeris.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <mutex>

#include <swephexp.h>

#include "core/sky/graha_names.h"
#include "core/time/angles.h"

namespace zorvane {

namespace {

struct AyanamsaRow {
    Ayanamsa ayanamsa;
    std::string_view key;
    std::string_view title;
    int libraryMode;  // the library's SE_SIDM_* number
};

// The offsets offered, each as the library defines it (its documentation,
// "Sidereal mode"): Lahiri, the Indian Calendar Reform Committee's value
// at its epoch precessed by the library's model; "Lahiri ICRC", the same
// committee value precessed as the committee itself did; Krishnamurti,
// Raman and Yukteshwar by their authors' epochs and values; True Chitra
// keeps the star Chitra (Spica) at 180 degrees at every moment;
// Fagan-Bradley, the western sidereal offset.
constexpr auto kAyanamsaRows = std::to_array<AyanamsaRow>({
    {Ayanamsa::Lahiri, "lahiri", "Lahiri", SE_SIDM_LAHIRI},
    {Ayanamsa::LahiriIcrc, "lahiri-icrc", "Lahiri ICRC", SE_SIDM_LAHIRI_ICRC},
    {Ayanamsa::Krishnamurti, "krishnamurti", "Krishnamurti", SE_SIDM_KRISHNAMURTI},
    {Ayanamsa::Raman, "raman", "Raman", SE_SIDM_RAMAN},
    {Ayanamsa::TrueChitra, "true-chitra", "True Chitra", SE_SIDM_TRUE_CITRA},
    {Ayanamsa::Yukteshwar, "yukteshwar", "Yukteshwar", SE_SIDM_YUKTESHWAR},
    {Ayanamsa::FaganBradley, "fagan-bradley", "Fagan-Bradley", SE_SIDM_FAGAN_BRADLEY},
});
static_assert(kAyanamsaRows.size() == kAyanamsaCount);

struct GrahaRow {
    std::string_view name;
    std::string_view shortName;
    int libraryBody;  // SE_* body; the nodes are chosen by NodeKind
};

constexpr auto kGrahaRows = std::to_array<GrahaRow>({
    {kGrahaNames[kSunRow], "Su", SE_SUN},
    {kGrahaNames[kMoonRow], "Mo", SE_MOON},
    {kGrahaNames[kMarsRow], "Ma", SE_MARS},
    {kGrahaNames[kMercuryRow], "Me", SE_MERCURY},
    {kGrahaNames[kJupiterRow], "Ju", SE_JUPITER},
    {kGrahaNames[kVenusRow], "Ve", SE_VENUS},
    {kGrahaNames[kSaturnRow], "Sa", SE_SATURN},
    {kGrahaNames[kRahuRow], "Ra", SE_MEAN_NODE},
    {kGrahaNames[kKetuRow], "Ke", SE_MEAN_NODE},
});
static_assert(kGrahaRows.size() == kGrahaCount);
static_assert(kGrahaNames.size() == kGrahaCount);

// Houses are whole signs; the library is asked only for the ascendant.
constexpr int kWholeSignHouses = 'W';
constexpr int kHouseCuspSlots = 13;
constexpr int kAngleSlots = 10;
constexpr int kHalfTurnDegrees = 180;

bool SameKey(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

double Normalised(double degrees) {
    const double reduced = std::fmod(degrees, kDegreesPerTurn);
    return reduced < 0.0 ? reduced + kDegreesPerTurn : reduced;
}

// The library keeps its data path and sidereal mode in its own global
// state. This lock serialises every call into it, and remembers the path
// last given, because setting the path closes and reopens the files.
struct LibraryAccess {
    std::mutex lock;
    std::string folder;
    bool folderSet = false;
};

LibraryAccess& Library() {
    static LibraryAccess access;
    return access;
}

}  // namespace

std::string_view AyanamsaKey(Ayanamsa ayanamsa) {
    return kAyanamsaRows[static_cast<std::size_t>(ayanamsa)].key;
}

std::string_view AyanamsaTitle(Ayanamsa ayanamsa) {
    return kAyanamsaRows[static_cast<std::size_t>(ayanamsa)].title;
}

std::optional<Ayanamsa> AyanamsaFromKey(std::string_view key) {
    for (const AyanamsaRow& row : kAyanamsaRows) {
        if (SameKey(key, row.key) || SameKey(key, row.title)) return row.ayanamsa;
    }
    return std::nullopt;
}

std::string_view NodeKey(NodeKind node) { return node == NodeKind::Mean ? "mean" : "true"; }

std::optional<NodeKind> NodeFromKey(std::string_view key) {
    if (SameKey(key, "mean")) return NodeKind::Mean;
    if (SameKey(key, "true")) return NodeKind::True;
    return std::nullopt;
}

std::string_view GrahaName(Graha graha) { return kGrahaRows[static_cast<std::size_t>(graha)].name; }

std::string_view GrahaShortName(Graha graha) {
    return kGrahaRows[static_cast<std::size_t>(graha)].shortName;
}

std::string_view EphemerisSourceKey(EphemerisSource source) {
    return source == EphemerisSource::Files ? "files" : "analytic";
}

SkyPositions ComputeSkyPositions(double julianDayUt, double longitudeDegrees,
                                 std::optional<double> latitudeDegrees, Ayanamsa ayanamsa,
                                 NodeKind node, const std::string& ephemerisFolder) {
    SkyPositions sky;
    sky.ayanamsa = ayanamsa;
    sky.node = node;

    LibraryAccess& library = Library();
    const std::lock_guard guard(library.lock);
    if (!library.folderSet || library.folder != ephemerisFolder) {
        swe_set_ephe_path(ephemerisFolder.c_str());
        library.folder = ephemerisFolder;
        library.folderSet = true;
    }
    swe_set_sid_mode(kAyanamsaRows[static_cast<std::size_t>(ayanamsa)].libraryMode, 0, 0);

    std::array<char, AS_MAXCH> message{};
    const int32 asked = SEFLG_SWIEPH | SEFLG_SPEED | SEFLG_SIDEREAL;
    // The flags the library actually used: SEFLG_MOSEPH in place of
    // SEFLG_SWIEPH when it fell back to the analytic theory.
    int32 used = asked;
    const int nodeBody = node == NodeKind::Mean ? SE_MEAN_NODE : SE_TRUE_NODE;
    for (std::size_t i = 0; i + 1 < kGrahaRows.size(); ++i) {
        const int body = static_cast<Graha>(i) == Graha::Rahu ? nodeBody : kGrahaRows[i].libraryBody;
        std::array<double, 6> values{};
        const int32 result = swe_calc_ut(julianDayUt, body, asked, values.data(), message.data());
        if (result < 0) continue;  // cannot happen with the analytic fallback in range
        if ((result & SEFLG_MOSEPH) != 0) used = (used & ~SEFLG_SWIEPH) | SEFLG_MOSEPH;
        sky.grahas[i] = {Normalised(values[0]), values[3]};
    }
    const GrahaPosition rahu = sky.grahas[static_cast<std::size_t>(Graha::Rahu)];
    sky.grahas[static_cast<std::size_t>(Graha::Ketu)] = {Normalised(rahu.longitudeDegrees + kHalfTurnDegrees),
                                                        rahu.speedDegreesPerDay};
    sky.source = (used & SEFLG_MOSEPH) != 0 ? EphemerisSource::Analytic : EphemerisSource::Files;

    const int32 ephemerisFlag = used & (SEFLG_SWIEPH | SEFLG_MOSEPH);
    double ayanamsaDegrees = 0.0;
    if (swe_get_ayanamsa_ex_ut(julianDayUt, ephemerisFlag, &ayanamsaDegrees, message.data()) >= 0) {
        sky.ayanamsaDegrees = ayanamsaDegrees;
    }
    if (latitudeDegrees) {
        std::array<double, kHouseCuspSlots> cusps{};
        std::array<double, kAngleSlots> angles{};
        if (swe_houses_ex(julianDayUt, ephemerisFlag | SEFLG_SIDEREAL, *latitudeDegrees, longitudeDegrees,
                          kWholeSignHouses, cusps.data(), angles.data()) >= 0) {
            sky.lagnaDegrees = Normalised(angles[SE_ASC]);
        }
    }
    return sky;
}

}  // namespace zorvane
