#pragma once

// Byte-exact pictures of the two long-lived records, so that a test can
// prove a refused reading left them alone. Doubles are compared by their
// bits: a NaN that was there before must still be there, and -0 is not 0.

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "core/state/birth_data.h"
#include "core/state/chart_state.h"

namespace zorvane {

namespace snapshot_detail {
class SnapshotWriter {
public:
    template <typename T>
    SnapshotWriter& Raw(const T& value) {
        std::array<char, sizeof(T)> bytes{};
        std::memcpy(bytes.data(), &value, sizeof(T));
        out_.append(bytes.data(), bytes.size());
        return *this;
    }
    SnapshotWriter& Text(std::string_view text) {
        Raw(text.size());
        out_.append(text);
        return *this;
    }
    template <typename Array>
    SnapshotWriter& Texts(const Array& texts) {
        for (const std::string_view text : texts) Text(text);
        return *this;
    }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};
}  // namespace snapshot_detail

inline std::string Snapshot(const BirthData& b) {
    snapshot_detail::SnapshotWriter w;
    w.Raw(b.Month).Raw(b.Day).Raw(b.Year).Raw(b.Hour).Raw(b.Minute);
    w.Raw(b.ZoneHour).Raw(b.ZoneMinute).Raw(b.LonDegrees).Raw(b.LonMinutes);
    w.Raw(b.LonEast).Raw(b.DaylightSaving).Raw(b.ZoneAheadOfUniversalTime).Raw(b.ZoneBehindUniversalTime);
    w.Raw(b.Second).Raw(b.ZoneSecond);
    return w.Take();
}

inline std::string Snapshot(const ChartState& c) {
    snapshot_detail::SnapshotWriter w;
    w.Raw(c.DegToRad).Raw(c.RadToDeg).Raw(c.ChartMonth).Raw(c.ChartDay).Raw(c.ChartYear);
    w.Raw(c.LocalHours).Raw(c.ZoneHours).Raw(c.LongitudeWest).Raw(c.ZoneEast).Raw(c.JulianDayNumber);
    w.Raw(c.UniversalHours).Raw(c.Centuries).Raw(c.Ayanamsa);
    w.Texts(c.NakshatraNames).Raw(c.MoonLongitude).Raw(c.MoonElongation).Raw(c.SunAnomaly);
    w.Raw(c.MoonAnomaly).Raw(c.EccentricityFactor).Text(c.NakshatraName);
    w.Texts(c.YogaNames).Text(c.YogaName).Raw(c.PanchangAyanamsa);
    w.Raw(c.MoonLongitudeUnreduced).Raw(c.SunLongitudeUnreduced);
    w.Raw(c.JulianEphemerisDay).Raw(c.YogaPosition);
    return w.Take();
}

}  // namespace zorvane
