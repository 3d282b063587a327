// The web links, the About box and the place search.
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QUrlQuery>

#include "gui/windows/frmAbout.h"
#include "gui/desktop/links.h"
#include "gui/windows/place_search.h"
#include "main_window_fixture.h"

namespace {

using zorvane::WebPage;
using zorvane::WebPageAddress;

class LinksAndAbout : public MainWindowTest {
public:
    // The one address opened by `act`.
    QUrl Opened(const std::function<void()>& act) {
        desktop.openedUrls.clear();
        act();
        EXPECT_EQ(desktop.openedUrls.size(), 1);
        return desktop.openedUrls.value(0);
    }
    void ClickBarItem(const char* name) {
        QMenuBar& bar = *window->menuBar();
        QTest::mouseClick(&bar, Qt::LeftButton, {},
                          bar.actionGeometry(&Get<QAction>(name)).center());
    }
    void ChooseHelpItem(Qt::Key mnemonic) {
        PressAlt(Qt::Key_H);
        QTest::keyClick(&Get<QMenu>("mnuHelp"), mnemonic);
    }
    // Runs `use` on the About box opened from the Help menu.
    void WithAbout(const std::function<void(frmAbout&)>& use) {
        onModal = [&use](QDialog& dialog) {
            auto* about = qobject_cast<frmAbout*>(&dialog);
            ASSERT_NE(about, nullptr);
            use(*about);
        };
        ChooseHelpItem(Qt::Key_A);
    }
    QUrl SearchFor(const QString& city, const QString& state, const QString& country) {
        TypeInto(Box("txtCity"), city);
        TypeInto(Box("txtState"), state);
        TypeInto(Box("txtCountry"), country);
        // The place search opens the atlas, whose "Search the web" opens the
        // web search.
        onModal = [](QDialog& dialog) {
            QTest::mouseClick(&Control<QPushButton>(dialog, "cmdWeb"), Qt::LeftButton);
        };
        return Opened([this] { Click("Command1"); });
    }
};

TEST_F(LinksAndAbout, TheFiveAddressesAreDistinctWebPages) {
    QSet<QUrl> addresses;
    for (WebPage page :
         {WebPage::Home, WebPage::Help, WebPage::Download, WebPage::Donate, WebPage::FullBrand}) {
        const QUrl address = WebPageAddress(page);
        EXPECT_TRUE(address.isValid());
        EXPECT_EQ(address.scheme(), "https");
        addresses.insert(address);
    }
    EXPECT_EQ(addresses.size(), 5);
}

TEST_F(LinksAndAbout, EveryLinkOfTheMainWindowOpensItsPage) {
    EXPECT_EQ(Opened([this] { ChooseHelpItem(Qt::Key_O); }), WebPageAddress(WebPage::Help));
    EXPECT_EQ(Opened([this] { ChooseHelpItem(Qt::Key_V); }), WebPageAddress(WebPage::Home));
    EXPECT_EQ(Opened([this] { ChooseHelpItem(Qt::Key_U); }), WebPageAddress(WebPage::Download));
    EXPECT_EQ(Opened([this] { ClickBarItem("mnuDonate"); }), WebPageAddress(WebPage::Donate));
    EXPECT_EQ(Opened([this] { ClickBarItem("mnuMakeMoney"); }), WebPageAddress(WebPage::FullBrand));
    EXPECT_EQ(Opened([this] { Click("Label1"); }), WebPageAddress(WebPage::Home));
    EXPECT_TRUE(LabelText("Label1").endsWith(zorvane::HomePageName()));

    // The banner texts open nothing, and no link asks anything of the user.
    desktop.openedUrls.clear();
    Click("lblCobrand");
    window->ShowPromotion(false);
    Click("lblFullBrand");
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(desktop.settingWrites, 0);
}

// With no web browser every link says so and gives its address to copy.
TEST_F(LinksAndAbout, ALinkThatCannotOpenShowsItsAddressToCopy) {
    desktop.browserOpens = false;
    const auto aboutLink = [this](const char* label) {
        return [this, label] {
            WithAbout([label](frmAbout& about) {
                QTest::mouseClick(&Control<QWidget>(about, label), Qt::LeftButton);
                about.close();
            });
        };
    };
    const struct {
        const char* what;
        std::function<void()> act;
    } links[] = {
        {"Online Help", [this] { ChooseHelpItem(Qt::Key_O); }},
        {"Visit Us Online", [this] { ChooseHelpItem(Qt::Key_V); }},
        {"Check for Update", [this] { ChooseHelpItem(Qt::Key_U); }},
        {"Donate", [this] { ClickBarItem("mnuDonate"); }},
        {"Make Money Online", [this] { ClickBarItem("mnuMakeMoney"); }},
        {"forum link", [this] { Click("Label1"); }},
        {"About: home page", aboutLink("lblHomePage")},
        {"About: offer", aboutLink("lblCoBrand")},
        {"Search the web", [this] { SearchFor("Pune", "MH", "India"); }},
    };
    for (const auto& link : links) {
        SCOPED_TRACE(link.what);
        desktop.messages.clear();
        const QUrl address = Opened(link.act);
        ASSERT_EQ(desktop.messages.size(), 1);
        const FakeDesktop::Message& box = desktop.messages[0];
        EXPECT_TRUE(box.selectable);
        EXPECT_EQ(box.icon, FakeDesktop::Icon::Information);
        EXPECT_TRUE(box.text.startsWith("No web browser could be opened.")) << box.text.toStdString();
        EXPECT_TRUE(box.text.endsWith("\n" + address.toString(QUrl::FullyEncoded)))
            << box.text.toStdString();
    }
}

TEST_F(LinksAndAbout, TheAboutBoxShowsItsTextsOpensItsLinksAndClosesWithOk) {
    for (int opening = 0; opening < 2; ++opening) {
        WithAbout([this](frmAbout& about) {
            EXPECT_EQ(about.windowTitle(), "Zorvane v1.95");
            EXPECT_TRUE(about.isModal());
            // Taller than the first About box by the licence's line.
            EXPECT_EQ(about.size(), QSize(475, 262));
            EXPECT_EQ(about.minimumSize(), about.maximumSize());
            const auto text = [&about](const char* name) {
                return Control<QLabel>(about, name).text();
            };
            EXPECT_EQ(text("lblTitle"), "Zorvane v1.95");
            EXPECT_DOUBLE_EQ(Control<QLabel>(about, "lblTitle").font().pointSizeF(), 14.25);
            EXPECT_TRUE(Control<QLabel>(about, "lblTitle").font().bold());
            EXPECT_EQ(text("lblDescription"),
                      "Zorvane is a remarkable and an accurate program which finds your Yoga based "
                      "on your date of birth. It gives a detailed interpretation about yourself on "
                      "the basis of the Yoga you belong to, tells you about your positive and "
                      "negative characteristic traits and helps you to improve yourself for the "
                      "better.");
            EXPECT_EQ(text("lblOffer"),
                      "Home Business Opportunity. Start your own Internet business and make money "
                      "online. Get this software fully branded for your website.");
            EXPECT_EQ(text("lblHomePage"), "Click here to visit " + zorvane::HomePageName());
            EXPECT_EQ(text("lblCoBrand"), "Click here for more details");
            EXPECT_TRUE(text("lblAtlasCredit").contains("GeoNames"));
            EXPECT_TRUE(text("lblAtlasCredit").contains("CC BY 4.0"));
            EXPECT_TRUE(text("lblLicence").contains("AGPL-3.0-or-later"));

            EXPECT_EQ(Opened([&] {
                          QTest::mouseClick(&Control<QWidget>(about, "lblHomePage"),
                                            Qt::LeftButton);
                      }),
                      WebPageAddress(WebPage::Home));
            EXPECT_EQ(Opened([&] {
                          QTest::mouseClick(&Control<QWidget>(about, "lblCoBrand"), Qt::LeftButton);
                      }),
                      WebPageAddress(WebPage::FullBrand));
            EXPECT_TRUE(about.isVisible());
            QTest::mouseClick(&Control<QWidget>(about, "cmdOK"), Qt::LeftButton);
            EXPECT_FALSE(about.isVisible());
        });
    }
    EXPECT_EQ(modalCount, 2);
}

TEST_F(LinksAndAbout, ThePlaceSearchAsksForTheTypedPlaceAsOneQuery) {
    const QUrl url = SearchFor("Pune", "MH", "India");
    const QUrl searchPage = zorvane::PlaceSearch::SearchAddress({}).adjusted(QUrl::RemoveQuery);
    EXPECT_EQ(url.adjusted(QUrl::RemoveQuery), searchPage);
    EXPECT_TRUE(url.toEncoded().endsWith("=Pune%20MH%20India%20Latitude%20Longitude"));
    EXPECT_TRUE(desktop.messages.isEmpty());
    // Nothing of the window changes.
    EXPECT_TRUE(ShowsInput());
    EXPECT_TRUE(Box("txtLatD").text().isEmpty());
}

TEST_F(LinksAndAbout, TypedTextCannotChangeTheSearchAddressBeyondItsQuery) {
    const QString city = QStringLiteral("  A&b=c#d+e%41/?x ");
    const QString state = QString::fromUtf8("Saint-\u00c9tienne");
    const QUrl url = SearchFor(city, state, "Land");
    const QUrl searchPage = zorvane::PlaceSearch::SearchAddress({}).adjusted(QUrl::RemoveQuery);
    EXPECT_EQ(url.adjusted(QUrl::RemoveQuery), searchPage);
    EXPECT_FALSE(url.hasFragment());
    const QUrlQuery query(url);
    ASSERT_EQ(query.queryItems().size(), 1);
    const QString value = query.queryItems(QUrl::FullyDecoded).constFirst().second;
    EXPECT_EQ(value, city + ' ' + state + " Land Latitude Longitude");
}

TEST_F(LinksAndAbout, TheAtlasNeedsTheCityAndItsWebSearchAllThreeBoxes) {
    const struct {
        QString city, state, country, message;
        bool atlasOpens;
    } cases[] = {
        {"", "", "", "Please Enter Name Of City", false},
        {"Pune", "", "India", "Please Enter Name Of State", true},
        {"Pune", "MH", "", "Please Enter Name Of Country", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        TypeInto(Box("txtCity"), c.city);
        TypeInto(Box("txtState"), c.state);
        TypeInto(Box("txtCountry"), c.country);
        desktop.messages.clear();
        desktop.openedUrls.clear();
        bool opened = false;
        onModal = [&opened](QDialog& dialog) {
            opened = true;
            QTest::mouseClick(&Control<QPushButton>(dialog, "cmdWeb"), Qt::LeftButton);
            EXPECT_TRUE(dialog.isVisible());  // refused: the atlas stays open
        };
        Click("Command1");
        onModal = nullptr;
        EXPECT_EQ(opened, c.atlasOpens);
        ASSERT_EQ(desktop.messages.size(), 1);
        EXPECT_EQ(desktop.messages[0].text, c.message);
        EXPECT_EQ(desktop.messages[0].icon, FakeDesktop::Icon::Error);
        EXPECT_TRUE(desktop.openedUrls.isEmpty());
    }
}

}  // namespace
