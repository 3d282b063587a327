#pragma once

#include <QString>
#include <QUrl>

class Desktop;

namespace zorvane {

// Helps the user find the coordinates of a place. For now it opens a web
// search for the whole query in the user's browser; an offline atlas can
// take its place behind the same interface.
class PlaceSearch {
public:
    explicit PlaceSearch(Desktop& desktop);

    // Starts the search; the window relies on nothing it returns. The asking
    // site's address is part of the interface, but a web search has no use
    // for it.
    bool Find(const QString& query, const QUrl& siteAddress);

    // The search page for a query: the whole query, percent-encoded, is the
    // value of one parameter, so no typed text can change anything else of
    // the address.
    static QUrl SearchAddress(const QString& query);

private:
    Desktop& desktop_;
};

}  // namespace zorvane
