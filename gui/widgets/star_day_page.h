#pragma once

#include <QDate>
#include <QWidget>
#include <memory>

#include "core/matching/star.h"
#include "core/reading/birth_record.h"
#include "core/text/wording.h"

namespace Ui {
class StarDayPage;
}

// What a day holds for a birth star: tarabala, chandrabala and chandrashtama
// with the times they change, from midnight to midnight of the chosen date
// on the birth's standard clock (its zone without summer time), worded in
// the language the windows show.
class StarDayPage : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StarDayPage)

public:
    StarDayPage(const zorvane::Star& birth, double standardLeadHours, QDate today, QWidget* parent = nullptr);
    ~StarDayPage() override;

private:
    void ShowDay(QDate date);

    std::unique_ptr<Ui::StarDayPage> ui;
    zorvane::Star birth_;
    double standardLeadHours_;
    zorvane::Wording wording_;
};

// The page for a record with its details and nakshatra; nothing otherwise.
StarDayPage* MakeStarDayPage(const zorvane::BirthRecord& record, QDate today, QWidget* parent);
