#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVariant>
#include <functional>
#include <memory>

#include "fake_desktop.h"
#include "gui/windows/frmMain.h"
#include "window_probe.h"

// One reading as the user types it into the input panel.
struct TypedReading {
    QString name = QStringLiteral("Asha");
    QString day = QStringLiteral("1");
    QString month = QStringLiteral("January");
    QString year = QStringLiteral("2000");
    QString hour = QStringLiteral("12");
    QString minute = QStringLiteral("0");
    QString zoneHour = QStringLiteral("0");
    QString zoneMinute = QStringLiteral("0");
    QString latDegrees = QStringLiteral("51");
    QString latMinutes = QStringLiteral("28");
    bool north = true;
    QString lonDegrees = QStringLiteral("0");
    QString lonMinutes = QStringLiteral("0");
    bool east = false;
    bool daylightSaving = false;
};

// 1 January 2000, 12:00 at Greenwich: the Moon is in Swati, the yoga Dhrithi.
inline TypedReading GreenwichNoon2000() {
    return {};
}

// Midnight of 15 August 1947 in Delhi (zone 5:30 East): Pushya and Siddhi.
inline TypedReading DelhiMidnight1947() {
    TypedReading r;
    r.name = QStringLiteral("Bharat");
    r.day = QStringLiteral("15");
    r.month = QStringLiteral("August");
    r.year = QStringLiteral("1947");
    r.hour = QStringLiteral("0");
    r.minute = QStringLiteral("0");
    r.zoneHour = QStringLiteral("5");
    r.zoneMinute = QStringLiteral("30");
    r.latDegrees = QStringLiteral("28");
    r.latMinutes = QStringLiteral("39");
    r.lonDegrees = QStringLiteral("77");
    r.lonMinutes = QStringLiteral("13");
    r.east = true;
    return r;
}

// A fresh main window on a scripted desktop, shown and active. The picker
// and the About box run through `onModal` instead of a nested event loop.
class MainWindowTest : public ::testing::Test {
public:
    FakeDesktop desktop;
    std::unique_ptr<frmMain> window;
    std::function<void(QDialog&)> onModal = [](QDialog&) {};
    int modalCount = 0;

    void SetUp() override { OpenWindow(); }

    void OpenWindow() {
        window = std::make_unique<frmMain>(desktop);
        window->SetModalRunner([this](QDialog& dialog) {
            ++modalCount;
            ShowActive(dialog);
            onModal(dialog);
        });
        ShowActive(*window);
    }

    template <typename T>
    T& Get(const char* name) {
        return Control<T>(*window, name);
    }
    QLineEdit& Box(const char* name) { return Get<QLineEdit>(name); }
    QString LabelText(const char* name) { return Get<QLabel>(name).text(); }

    void Click(const char* name) { QTest::mouseClick(&Get<QWidget>(name), Qt::LeftButton); }

    // Alt+letter, sent where the keyboard focus is, as a user's key press goes.
    void PressAlt(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : window.get(), key, Qt::AltModifier);
    }

    void Enter(const TypedReading& r) {
        TypeInto(Box("txtName"), r.name);
        Choose(Get<QComboBox>("cboDate"), r.day);
        Choose(Get<QComboBox>("cboMonth"), r.month);
        Choose(Get<QComboBox>("cboYear"), r.year);
        Choose(Get<QComboBox>("cboHH"), r.hour);
        Choose(Get<QComboBox>("cboMM"), r.minute);
        TypeInto(Box("txtZoneHour"), r.zoneHour);
        TypeInto(Box("txtZoneMinute"), r.zoneMinute);
        TypeInto(Box("txtLatD"), r.latDegrees);
        TypeInto(Box("txtLatM"), r.latMinutes);
        Click(r.north ? "optLat_0" : "optLat_1");
        TypeInto(Box("txtLonD"), r.lonDegrees);
        TypeInto(Box("txtLonM"), r.lonMinutes);
        Click(r.east ? "optLong_0" : "optLong_1");
        if (Get<QCheckBox>("chkDST").isChecked() != r.daylightSaving) Click("chkDST");
    }

    // Leaves neither button of a direction pair selected, which the user
    // cannot do by clicking but the checks still guard against.
    void ClearDirection(const char* groupName) {
        auto& group = Get<QButtonGroup>(groupName);
        group.setExclusive(false);
        for (QAbstractButton* button : group.buttons()) button->setChecked(false);
        group.setExclusive(true);
    }

    bool ShowsResult() {
        return Get<QWidget>("picResult").isVisible() && !Get<QWidget>("picMain").isVisible();
    }
    bool ShowsInput() {
        return Get<QWidget>("picMain").isVisible() && !Get<QWidget>("picResult").isVisible();
    }

    // Everything the user can see or set in the two panels, by control name.
    QMap<QString, QVariant> Snapshot() {
        QMap<QString, QVariant> values;
        for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
            values[box->objectName()] = box->text();
        }
        for (QComboBox* list : window->findChildren<QComboBox*>()) {
            values[list->objectName()] = list->currentText();
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->isCheckable()) values[button->objectName()] = button->isChecked();
        }
        for (const char* label :
             {"lblYogaName", "lblYogaDesc", "lblNakshatraName", "lblNakshatraDesc"}) {
            values[QString::fromLatin1(label)] = LabelText(label);
        }
        return values;
    }
};
