#pragma once

#include <QString>
#include <QUrl>

class Desktop;
class QWidget;

// The maker's fixed web pages. The addresses are chosen when the program is
// built (CMake cache variables ZORVANE_URL_*); nothing about the user or the
// reading is ever added to them.
namespace zorvane {

enum class WebPage { Home, Help, Download, Donate, FullBrand };

QUrl WebPageAddress(WebPage page);

// The home page's host as the link texts show it, e.g. "www.example.com".
QString HomePageName();

// Hands an address to the desktop's browser. When no browser could be
// opened, an information box says so and gives the address as text the user
// can copy. What happens in the browser (no network) is its own business.
void OpenAddress(Desktop& desktop, const QUrl& address, QWidget* parent = nullptr);

void OpenWebLink(Desktop& desktop, WebPage page);

void OpenHomePage(Desktop& desktop);
void OpenHelpPage(Desktop& desktop);
void OpenDownloadPage(Desktop& desktop);
void OpenDonatePage(Desktop& desktop);
void OpenFullBrandPage(Desktop& desktop);

}  // namespace zorvane
