#include "app/place_search.h"

#include <QByteArray>

#include "app/desktop.h"

namespace zorvane {

PlaceSearch::PlaceSearch(Desktop& desktop) : desktop_(desktop) {}

bool PlaceSearch::Find(const QString& query, const QUrl& /*siteAddress*/) {
    desktop_.openUrl(SearchAddress(query));
    return true;
}

QUrl PlaceSearch::SearchAddress(const QString& query) {
    QUrl address(QStringLiteral(ZORVANE_PLACE_SEARCH_URL));
    // Encoded here rather than by QUrlQuery, which would keep a typed "+"
    // (a blank to a search page) and take a typed "%41" for an escape.
    const QByteArray value = QUrl::toPercentEncoding(query);
    address.setQuery(QStringLiteral(ZORVANE_PLACE_SEARCH_PARAMETER) + QLatin1Char('=') +
                         QString::fromLatin1(value),
                     QUrl::StrictMode);
    return address;
}

}  // namespace zorvane
