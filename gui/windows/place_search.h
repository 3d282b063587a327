#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QUrl>
#include <functional>
#include <optional>

#include "core/atlas/atlas_fill.h"

class Desktop;
class QDialog;
class QWidget;

namespace zorvane {

class AtlasLoader;

// The three place boxes of the main window, as typed.
struct TypedPlace {
    QString city;
    QString state;
    QString country;
};

// The birth date and clock time chosen in the main window: the atlas gives
// each zone's offset at that moment. An impossible date (31 February) is an
// invalid QDate.
struct BirthMoment {
    QDate date;
    QTime clockTime;
};

// Helps the user find the coordinates and the zone of a place: it opens the
// offline atlas window, whose "Search the web" opens a web search for the
// whole query in the user's browser for places the atlas does not hold.
class PlaceSearch {
public:
    // Runs the atlas window; by default exec(). Tests drive it without a
    // nested event loop.
    using ModalRunner = std::function<void(QDialog&)>;

    // The atlas is the caller's, read on its worker thread; a search waits
    // for it if it is not ready yet.
    PlaceSearch(Desktop& desktop, AtlasLoader& atlas, ModalRunner runModal,
                QWidget* parent = nullptr);

    // Shows the places that answer the typed boxes. The place the user
    // chose, as the main window's boxes take it; empty after "Close" or the
    // web search. The asking site's address is part of the interface, but
    // neither the atlas nor a web search has a use for it.
    std::optional<PlaceBoxes> Find(const QString& query, const QUrl& siteAddress,
                                   const TypedPlace& typed, const BirthMoment& birth);

    // The search page for a query: the whole query, percent-encoded, is the
    // value of one parameter, so no typed text can change anything else of
    // the address.
    static QUrl SearchAddress(const QString& query);

private:
    Desktop& desktop_;
    AtlasLoader& atlas_;
    ModalRunner runModal_;
    QWidget* parent_;
};

}  // namespace zorvane
