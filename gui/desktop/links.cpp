#include "gui/desktop/links.h"

#include "gui/desktop/desktop.h"

namespace zorvane {

QUrl WebPageAddress(WebPage page) {
    switch (page) {
        case WebPage::Home:
            return QUrl(QStringLiteral(ZORVANE_URL_HOME));
        case WebPage::Help:
            return QUrl(QStringLiteral(ZORVANE_URL_HELP));
        case WebPage::Download:
            return QUrl(QStringLiteral(ZORVANE_URL_DOWNLOAD));
        case WebPage::Donate:
            return QUrl(QStringLiteral(ZORVANE_URL_DONATE));
        case WebPage::FullBrand:
            return QUrl(QStringLiteral(ZORVANE_URL_FULL_BRAND));
    }
    return {};
}

QString HomePageName() {
    return WebPageAddress(WebPage::Home).host();
}

void OpenAddress(Desktop& desktop, const QUrl& address, QWidget* parent) {
    if (desktop.openUrl(address)) {
        return;
    }
    desktop.showSelectableMessage(
        parent, QStringLiteral("No web browser could be opened. To visit the page, copy this "
                               "address into a web browser:\n\n") +
                    address.toString(QUrl::FullyEncoded));
}

void OpenWebLink(Desktop& desktop, WebPage page) {
    OpenAddress(desktop, WebPageAddress(page));
}

void OpenHomePage(Desktop& desktop) {
    OpenWebLink(desktop, WebPage::Home);
}

void OpenHelpPage(Desktop& desktop) {
    OpenWebLink(desktop, WebPage::Help);
}

void OpenDownloadPage(Desktop& desktop) {
    OpenWebLink(desktop, WebPage::Download);
}

void OpenDonatePage(Desktop& desktop) {
    OpenWebLink(desktop, WebPage::Donate);
}

void OpenFullBrandPage(Desktop& desktop) {
    OpenWebLink(desktop, WebPage::FullBrand);
}

}  // namespace zorvane
