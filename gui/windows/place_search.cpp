#include "gui/windows/place_search.h"

#include <QByteArray>

#include "gui/desktop/desktop.h"
#include "gui/windows/frmAtlas.h"
#include "core/atlas/atlas_loader.h"

namespace zorvane {

PlaceSearch::PlaceSearch(Desktop& desktop, AtlasLoader& atlas, ModalRunner runModal,
                         QWidget* parent)
    : desktop_(desktop), atlas_(atlas), runModal_(std::move(runModal)), parent_(parent) {}

std::optional<PlaceBoxes> PlaceSearch::Find(const QString& query, const QUrl& /*siteAddress*/,
                                            const TypedPlace& typed, const BirthMoment& birth) {
    frmAtlas atlas(desktop_, atlas_.Get(), typed, birth.date, birth.clockTime,
                   SearchAddress(query), parent_);
    runModal_(atlas);
    return atlas.ChosenPlace();
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
