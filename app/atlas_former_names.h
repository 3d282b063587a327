#pragma once

#include <array>
#include <string_view>

namespace zorvane {

// A name that birth records still use for a place the atlas holds under
// another name: a former name (Bombay), a local spelling (München) or a
// newer name where the atlas keeps the older one (Gurugram).
struct FormerName {
    std::string_view formerName;   // as people write it; compared folded
    std::string_view atlasName;    // exactly as the atlas holds it
    std::string_view countryCode;  // the atlas's country of that place
};

// Renamings and spellings from the places' own histories, each checked to
// name exactly one place of libgeonames 0.3.0 (see the atlas tests).
inline constexpr std::array<FormerName, 70> FormerNameTable = std::to_array<FormerName>({
    // India
    {"Bombay", "Mumbai", "IN"},
    {"Madras", "Chennai", "IN"},
    {"Calcutta", "Kolkata", "IN"},
    {"Bangalore", "Bengaluru", "IN"},
    {"Poona", "Pune", "IN"},
    {"Benares", "Varanasi", "IN"},
    {"Banaras", "Varanasi", "IN"},
    {"Kashi", "Varanasi", "IN"},
    {"Baroda", "Vadodara", "IN"},
    {"Cawnpore", "Kanpur", "IN"},
    {"Simla", "Shimla", "IN"},
    {"Pondicherry", "Puducherry", "IN"},
    {"Cochin", "Kochi", "IN"},
    {"Calicut", "Kozhikode", "IN"},
    {"Trichinopoly", "Tiruchirappalli", "IN"},
    {"Trichy", "Tiruchirappalli", "IN"},
    {"Tanjore", "Thanjavur", "IN"},
    {"Gauhati", "Guwahati", "IN"},
    {"Jubbulpore", "Jabalpur", "IN"},
    {"Jullundur", "Jalandhar", "IN"},
    {"Vizag", "Visakhapatnam", "IN"},
    {"Vizagapatam", "Visakhapatnam", "IN"},
    {"Allahabad", "Prayagraj", "IN"},
    {"Amdavad", "Ahmedabad", "IN"},
    {"Thiruvananthapuram", "Trivandrum", "IN"},
    {"Mysuru", "Mysore", "IN"},
    {"Mangaluru", "Mangalore", "IN"},
    {"Belagavi", "Belgaum", "IN"},
    {"Gurugram", "Gurgaon", "IN"},
    {"Bhubaneshwar", "Bhubaneswar", "IN"},
    // Neighbours of India
    {"Dacca", "Dhaka", "BD"},
    {"Chattogram", "Chittagong", "BD"},
    {"Rangoon", "Yangon", "MM"},
    {"Lyallpur", "Faisalabad", "PK"},
    {"Katmandu", "Kathmandu", "NP"},
    // East Asia
    {"Peking", "Beijing", "CN"},
    {"Peiping", "Beijing", "CN"},
    {"Canton", "Guangzhou", "CN"},
    {"Nanking", "Nanjing", "CN"},
    {"Tientsin", "Tianjin", "CN"},
    {"Chungking", "Chongqing", "CN"},
    {"Mukden", "Shenyang", "CN"},
    {"Xiamen", "Amoy", "CN"},
    {"Saigon", "Ho Chi Minh City", "VN"},
    {"Batavia", "Jakarta", "ID"},
    // Russia and its neighbours
    {"Leningrad", "Saint Petersburg", "RU"},
    {"Petrograd", "Saint Petersburg", "RU"},
    {"Stalingrad", "Volgograd", "RU"},
    {"Sverdlovsk", "Yekaterinburg", "RU"},
    {"Gorky", "Nizhny Novgorod", "RU"},
    {"Konigsberg", "Kaliningrad", "RU"},
    {"Kiev", "Kyiv", "UA"},
    {"Lemberg", "Lviv", "UA"},
    {"Odesa", "Odessa", "UA"},
    {"Tiflis", "Tbilisi", "GE"},
    {"Frunze", "Bishkek", "KG"},
    {"Alma-Ata", "Almaty", "KZ"},
    {"Constantinople", "Istanbul", "TR"},
    // Europe, in the local spelling
    {"Munchen", "Munich", "DE"},
    {"Koln", "Cologne", "DE"},
    {"Nurnberg", "Nuremberg", "DE"},
    {"Wien", "Vienna", "AT"},
    {"Praha", "Prague", "CZ"},
    {"Warszawa", "Warsaw", "PL"},
    {"Danzig", "Gdansk", "PL"},
    {"Roma", "Rome", "IT"},
    {"Milano", "Milan", "IT"},
    {"Lisboa", "Lisbon", "PT"},
    {"Bruxelles", "Brussels", "BE"},
    {"Den Haag", "The Hague", "NL"},
});
static_assert(FormerNameTable.size() == 70);

}  // namespace zorvane
