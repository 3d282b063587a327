#pragma once

#include <string>
#include <vector>

namespace zorvane {

// One place as the system's atlas holds it. Texts are UTF-8.
struct AtlasRecord {
    std::string name;
    std::string state;
    std::string country;
    std::string countryCode;  // two letters, e.g. "IN"
    std::string zoneId;       // IANA zone, e.g. "Asia/Kolkata"
    double latitude = 0.0;    // degrees, north positive
    double longitude = 0.0;   // degrees, east positive
    unsigned population = 0;
};

// Every place of libgeonames (the towns of the GeoNames dump with 15,000 or
// more people), in the library's order. The library looks names up with
// gettext: in a locale it has translations for, names come in that language,
// otherwise in English. Kept free of Qt: the library's GLib headers and Qt's
// keywords do not mix in one file.
std::vector<AtlasRecord> ReadAtlasRecords();

}  // namespace zorvane
