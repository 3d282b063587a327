#include "cli/panchang_place.h"

#include <charconv>
#include <cmath>

#include "cli/place_listing.h"
#include "core/time/zone_clock.h"
#include "core/zones/atlas_zone.h"

namespace zorvane::cli {

namespace {

constexpr double kMostLatitudeDegrees = 90.0;
constexpr double kMostLongitudeDegrees = 180.0;
constexpr double kMinutesPerDegreeOfArc = 60.0;
constexpr int kMinutesPerHourWhole = 60;
constexpr int kMostZoneMinutes = 14 * 60;

std::optional<double> Number(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// "28.61", "-28.61", or "28:37N" with the letters of the positive and the
// negative side.
std::optional<double> Angle(std::string_view text, char positive, char negative, double most) {
    std::optional<double> value;
    if (!text.empty() && (text.back() == positive || text.back() == negative ||
                          text.back() == positive + ('a' - 'A') || text.back() == negative + ('a' - 'A'))) {
        const bool negativeSide = text.back() == negative || text.back() == negative + ('a' - 'A');
        text.remove_suffix(1);
        const std::size_t colon = text.find(':');
        const std::optional<double> degrees = Number(text.substr(0, colon));
        const std::optional<double> minutes =
            colon == std::string_view::npos ? std::optional<double>(0.0) : Number(text.substr(colon + 1));
        if (!degrees || !minutes || *degrees < 0 || *minutes < 0 || *minutes >= kMinutesPerDegreeOfArc) {
            return std::nullopt;
        }
        value = (*degrees + *minutes / kMinutesPerDegreeOfArc) * (negativeSide ? -1 : 1);
    } else {
        value = Number(text);
    }
    if (!value || std::fabs(*value) > most) return std::nullopt;
    return value;
}

// "+5:30", "5:30", "-3:30", "5.5": minutes ahead of universal time.
std::optional<int> ZoneMinutes(std::string_view text) {
    const bool behind = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    const std::size_t colon = text.find(':');
    std::optional<double> minutes;
    if (colon == std::string_view::npos) {
        const std::optional<double> hours = Number(text);
        if (hours && *hours >= 0) minutes = std::round(*hours * kMinutesPerHourWhole);
    } else {
        const std::optional<double> hours = Number(text.substr(0, colon));
        const std::optional<double> rest = Number(text.substr(colon + 1));
        if (hours && rest && *hours >= 0 && *rest >= 0 && *rest < kMinutesPerHourWhole &&
            *hours == std::floor(*hours) && *rest == std::floor(*rest)) {
            minutes = *hours * kMinutesPerHourWhole + *rest;
        }
    }
    if (!minutes || *minutes > kMostZoneMinutes) return std::nullopt;
    return static_cast<int>(behind ? -*minutes : *minutes);
}

}  // namespace

PanchangPlaceResult PlaceFromAtlas(const std::string& placeText) {
    const PlaceListing listing = ListPlaces(placeText, {}, {}, {});
    if (!listing.fault.empty()) return {std::nullopt, listing.fault};
    const nlohmann::json& first = listing.places.at(0);
    const std::string zone = first.at("zone").get<std::string>();
    PanchangPlace place;
    place.geo = {first.at("latitude").get<double>(), first.at("longitude").get<double>()};
    place.shown = {first.at("name").get<std::string>(), zone};
    place.offsetAt = ZoneOffsetFunction(QByteArray::fromStdString(zone));
    return {place, {}};
}

PanchangPlaceResult PlaceFromCoordinates(const std::string& latitude, const std::string& longitude,
                                         const std::string& zone) {
    const std::optional<double> lat = Angle(latitude, 'N', 'S', kMostLatitudeDegrees);
    if (!lat) return {std::nullopt, "--lat takes degrees (28.61, -33.9) or D:MN / D:MS"};
    const std::optional<double> lon = Angle(longitude, 'E', 'W', kMostLongitudeDegrees);
    if (!lon) return {std::nullopt, "--lon takes degrees (77.21, -0.13) or D:ME / D:MW"};
    const std::optional<int> minutes = ZoneMinutes(zone);
    if (!minutes) return {std::nullopt, "--zone takes hours ahead of universal time: +5:30, -3:30 or 5.5"};
    PanchangPlace place;
    place.geo = {*lat, *lon};
    place.shown = {"", OffsetIsoText(*minutes)};
    const int fixed = *minutes;
    place.offsetAt = [fixed](double) { return fixed; };
    return {place, {}};
}

}  // namespace zorvane::cli
