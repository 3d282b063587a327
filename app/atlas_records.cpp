#include "app/atlas_records.h"

#include <geonames.h>

#include <utility>

namespace zorvane {

namespace {

std::string TextOf(const gchar* text) {
    return text != nullptr ? std::string(text) : std::string();
}

}  // namespace

std::vector<AtlasRecord> ReadAtlasRecords() {
    const gint count = geonames_get_n_cities();
    std::vector<AtlasRecord> records;
    records.reserve(count > 0 ? static_cast<std::size_t>(count) : 0U);
    for (gint index = 0; index < count; ++index) {
        GeonamesCity* city = geonames_get_city(index);
        if (city == nullptr) {
            continue;
        }
        AtlasRecord record;
        record.name = TextOf(geonames_city_get_name(city));
        record.state = TextOf(geonames_city_get_state(city));
        record.country = TextOf(geonames_city_get_country(city));
        record.countryCode = TextOf(geonames_city_get_country_code(city));
        record.zoneId = TextOf(geonames_city_get_timezone(city));
        record.latitude = geonames_city_get_latitude(city);
        record.longitude = geonames_city_get_longitude(city);
        record.population = geonames_city_get_population(city);
        geonames_city_free(city);
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace zorvane
