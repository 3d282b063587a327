#include "cli/place_listing.h"

#include <QDate>
#include <QTime>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <system_error>

#include "core/atlas/atlas_fill.h"
#include "core/zones/atlas_zone.h"
#include "core/atlas/atlas_file.h"
#include "core/atlas/atlas_search.h"
#include "core/text/utf8.h"

namespace zorvane::cli {
namespace {

std::filesystem::path ProgramFolder() {
    // Where an installed copy finds share/zorvane/atlas.zat; systems without
    // /proc fall back to the installed and the source paths.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

struct Moment {
    QDate date;
    QTime clockTime;
    bool given = false;
};

Moment MomentOf(const std::string& date, const std::string& time) {
    if (date.empty()) return {};
    const QString clock = QString::fromStdString(time);
    const QTime withSeconds = QTime::fromString(clock, QStringLiteral("H:mm:ss"));
    return {QDate::fromString(QString::fromStdString(date), Qt::ISODate),
            withSeconds.isValid() ? withSeconds : QTime::fromString(clock, QStringLiteral("H:mm")), true};
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// The reading's boxes as "Use this place" fills them.
ReadingFields FieldsAt(ReadingFields fields, const PlaceBoxes& boxes) {
    fields[InputColumn::LonDegrees] = Utf8(boxes.lonDegrees);
    fields[InputColumn::LonMinutes] = Utf8(boxes.lonMinutes);
    fields[InputColumn::LonDirection] = boxes.east ? "E" : "W";
    fields[InputColumn::ZoneHour] = Utf8(boxes.zoneHour);
    fields[InputColumn::ZoneMinute] = Utf8(boxes.zoneMinute);
    fields[InputColumn::DaylightSaving] = boxes.daylightSaving ? "1" : "0";
    fields.latDegrees = Utf8(boxes.latDegrees);
    fields.latMinutes = Utf8(boxes.latMinutes);
    fields.latDirection = boxes.north ? "N" : "S";
    return fields;
}

}  // namespace

AtlasOrError ReadProgramAtlas() { return ReadAtlasFile(FindAtlasFile(ProgramFolder())); }

ReadingFields FieldsAtPlace(const ReadingFields& fields, const AtlasPlace& place, QDate date, QTime clockTime) {
    const QByteArray zoneId(place.zoneId.data(), static_cast<qsizetype>(place.zoneId.size()));
    return FieldsAt(fields, BoxesFor(place, ZoneAt(zoneId, date, clockTime)));
}

PlaceListing ListPlaces(const std::string& placeText, const std::string& date,
                        const std::string& time, const ReadingFields& fields) {
    PlaceListing listing;
    const Moment moment = MomentOf(date, time);
    if (moment.given && (!moment.date.isValid() || !moment.clockTime.isValid())) {
        listing.fault = "--date and --time do not give a real moment";
        return listing;
    }
    const AtlasOrError read = ReadProgramAtlas();
    if (const auto* reason = std::get_if<std::string>(&read)) {
        listing.fault = "the atlas could not be read: " + *reason;
        return listing;
    }
    const AtlasMatches matches =
        FindPlaces(std::get<Atlas>(read), SplitPlaceText(placeText));
    if (matches.places.empty()) {
        // Escaped: the text goes to a terminal, and may hold anything.
        listing.fault = "no place called '" + EscapeControls(placeText) + "' is in the atlas";
        return listing;
    }

    nlohmann::json places = nlohmann::json::array();
    std::string text;
    bool first = true;
    for (const AtlasMatch& match : matches.places) {
        const AtlasPlace& place = match.place;
        // JSON holds only UTF-8, and the atlas file could hold anything.
        nlohmann::json row = {{"name", ValidUtf8(place.name)},
                              {"division", ValidUtf8(place.state)},
                              {"country", ValidUtf8(place.country)},
                              {"country_code", ValidUtf8(place.countryCode)},
                              {"latitude", place.latitude},
                              {"longitude", place.longitude},
                              {"zone", ValidUtf8(place.zoneId)}};
        text += std::string(place.name) + '\t' + std::string(place.state) + '\t' +
                std::string(place.country) + '\t' + std::to_string(place.latitude) + '\t' +
                std::to_string(place.longitude) + '\t' + std::string(place.zoneId);
        if (moment.given) {
            const QByteArray zoneId(place.zoneId.data(), static_cast<qsizetype>(place.zoneId.size()));
            const ZoneAtBirth zone = ZoneAt(zoneId, moment.date, moment.clockTime);
            const std::string offset = zone.known ? Utf8(OffsetText(zone.offsetMinutes)) : "";
            const std::string note = zone.known ? Utf8(ZoneNote(zone)) : "";
            row["offset"] = zone.known ? nlohmann::json(offset) : nlohmann::json();
            row["summer_minutes"] = zone.known ? nlohmann::json(zone.summerMinutes()) : nlohmann::json();
            row["note"] = note;
            text += '\t' + offset + '\t' + note;
            if (first) {
                listing.firstPlaceFields = FieldsAt(fields, BoxesFor(place, zone));
                listing.firstPlace = {std::string(place.name), std::string(place.state),
                                      std::string(place.country), std::string(place.zoneId)};
                listing.firstZoneId = place.zoneId;
                listing.firstLatitude = place.latitude;
                listing.firstLongitude = place.longitude;
            }
        }
        first = false;
        text += '\n';
        places.push_back(std::move(row));
    }
    listing.text = std::move(text);
    listing.places = std::move(places);
    listing.total = matches.total;
    return listing;
}

std::string ListingOutput(const std::string& placeText, const PlaceListing& listing,
                          OutputFormat format) {
    if (format == OutputFormat::Json) {
        const nlohmann::json all = {
            {"query", ValidUtf8(placeText)}, {"total", listing.total}, {"places", listing.places}};
        return all.dump(2) + '\n';
    }
    std::string text = listing.text;
    if (listing.total > static_cast<int>(listing.places.size())) {
        text += "(" + std::to_string(listing.places.size()) + " of " +
                std::to_string(listing.total) + " matches)\n";
    }
    return text;
}

}  // namespace zorvane::cli
