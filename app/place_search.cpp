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
    // Encoded by hand: QUrlQuery would leave "+", "&" and "%xx" in the text
    // as they are, and a search page reads those as blanks, separators or
    // escapes.
    const QByteArray value = QUrl::toPercentEncoding(query);
    address.setQuery(QStringLiteral(ZORVANE_PLACE_SEARCH_PARAMETER) + QLatin1Char('=') +
                         QString::fromLatin1(value),
                     QUrl::StrictMode);
    return address;
}

}  // namespace zorvane
