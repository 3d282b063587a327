#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zorvane {

// One place of the atlas. The texts are UTF-8 views into the atlas, valid
// while it lives.
struct AtlasPlace {
    std::string_view name;
    std::string_view asciiName;
    std::string_view state;        // the first-level division's name; empty when unknown
    std::string_view divisionCode; // "IN.16"
    std::string_view country;
    std::string_view countryCode;  // two letters, e.g. "IN"
    std::string_view zoneId;       // IANA zone, e.g. "Asia/Kolkata"
    double latitude = 0.0;         // degrees, north positive
    double longitude = 0.0;        // degrees, east positive
    std::uint32_t population = 0;
    std::uint32_t index = 0;       // row in the atlas
};

// The places of the atlas, parsed from the generated data file's text and
// folded for searching. Built once; searching only reads it.
class Atlas {
public:
    // Whatever `body` holds, the result is an atlas or the reason it is not.
    static std::variant<Atlas, std::string> Parse(std::string body);

    std::size_t size() const { return rows_.size(); }
    AtlasPlace Place(std::size_t index) const;

    // The text the search scans. Each place's names and alternate names lie
    // in it folded, as two tab-separated fields of keys separated by "|".
    std::string_view Text() const { return body_; }
    // Where the folded keys of each place begin in Text(), ascending.
    const std::vector<std::uint32_t>& KeyStarts() const { return keyStarts_; }
    // Where place i's alternate names begin, and where its keys end.
    std::uint32_t AlternatesStart(std::size_t index) const { return rows_[index].alternates.offset; }
    std::uint32_t KeysEnd(std::size_t index) const {
        return rows_[index].alternates.offset + rows_[index].alternates.length;
    }

    struct Region {
        std::string code;  // "IN" or "IN.16"
        std::string name;
        std::string folded;  // the name, folded
    };
    const std::vector<Region>& Countries() const { return countries_; }
    const std::vector<Region>& Divisions() const { return divisions_; }
    std::uint16_t CountryOf(std::size_t index) const { return rows_[index].country; }
    std::uint16_t DivisionOf(std::size_t index) const { return rows_[index].division; }

    // The alternate names of a place, folded as the search compares them.
    std::vector<std::string_view> AlternateNames(std::size_t index) const;

private:
    Atlas() = default;

    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    // Offsets rather than views: a third of the memory for 200,000 rows.
    struct Row {
        Span name;
        Span asciiName;
        Span alternates;  // folded; the folded name keys come just before
        double latitude = 0.0;
        double longitude = 0.0;
        std::uint32_t population = 0;
        std::uint16_t country = 0;
        std::uint16_t division = 0;
        std::uint16_t zone = 0;
    };
    std::string_view Text(Span span) const { return {body_.data() + span.offset, span.length}; }

    std::string body_;
    std::vector<Row> rows_;
    std::vector<Region> countries_;
    std::vector<Region> divisions_;
    std::vector<std::string> zones_;
    std::vector<std::uint32_t> keyStarts_;
};

}  // namespace zorvane
