#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "app/atlas_records.h"

namespace zorvane {

struct AtlasPlace {
    QString name;
    QString state;
    QString country;
    QString countryCode;
    QByteArray zoneId;       // IANA zone, as QTimeZone takes it
    double latitude = 0.0;   // degrees, north positive
    double longitude = 0.0;  // degrees, east positive
    unsigned population = 0;
};

// The three place boxes of the main window, as typed.
struct TypedPlace {
    QString city;
    QString state;
    QString country;
};

struct AtlasMatches {
    std::vector<const AtlasPlace*> places;  // best first, at most the limit asked
    int total = 0;                          // all places that matched
    // The atlas's name when the city box held a former name ("Mumbai" for
    // "Bombay"), otherwise empty.
    QString atlasNameForFormerName;
};

// The places of the atlas, searchable by name. Built once; searching only
// reads it.
class Atlas {
public:
    static constexpr int kListLimit = 50;

    explicit Atlas(const std::vector<AtlasRecord>& records);

    // The system's atlas, read from libgeonames on first use.
    static const Atlas& System();

    // Reads the system's atlas on a worker thread, so that the first search
    // finds it ready; a search that comes sooner waits for the reading.
    static void PrepareSystemInBackground();

    // Places whose name, or one of whose words, begins with the city box's
    // text, or that the city box names by a former name. Places whose state
    // or country hold the texts of the state and country boxes come first,
    // then a name equal to the typed one, then the larger places. Nothing
    // is left out for its state or country alone.
    AtlasMatches Find(const TypedPlace& typed, int limit = kListLimit) const;

    int size() const { return static_cast<int>(places_.size()); }
    const std::vector<AtlasPlace>& places() const { return places_; }

private:
    struct Folded {
        QString name;
        QString state;
        QString country;
        QString countryCode;
    };

    std::vector<AtlasPlace> places_;
    std::vector<Folded> folded_;  // same order as places_
};

}  // namespace zorvane
