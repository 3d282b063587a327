#include "gui/widgets/star_day_page.h"

#include <QFontDatabase>

#include "core/matching/match_text.h"
#include "core/matching/star_day.h"
#include "gui/widgets/window_language.h"
#include "ui_star_day_page.h"

namespace {
constexpr double kSummerTimeHours = 1.0;
}  // namespace

StarDayPage::StarDayPage(const zorvane::Star& birth, double standardLeadHours, QDate today, QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::StarDayPage>()),
      birth_(birth),
      standardLeadHours_(standardLeadHours),
      wording_(zorvane::WindowWording(zorvane::ShownLanguage())) {
    ui->setupUi(this);
    ui->txtStarDay->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ui->dteStarDay->setDate(today);
    connect(ui->dteStarDay, &QDateEdit::dateChanged, this, &StarDayPage::ShowDay);
    ShowDay(today);
}

StarDayPage::~StarDayPage() = default;

void StarDayPage::ShowDay(QDate date) {
    const auto [start, end] = zorvane::CivilDayBounds(date.year(), date.month(), date.day(), standardLeadHours_);
    const zorvane::StarDay day = zorvane::ComputeStarDay(birth_, start, end);
    ui->txtStarDay->setPlainText(QString::fromStdString(zorvane::FormatStarDayText(birth_, day, standardLeadHours_, wording_)));
}

StarDayPage* MakeStarDayPage(const zorvane::BirthRecord& record, QDate today, QWidget* parent) {
    if (!record.nakshatraIndex || !record.details) return nullptr;
    const double lead = record.details->clockLeadHours - (record.birth.DaylightSaving ? kSummerTimeHours : 0.0);
    return new StarDayPage({*record.nakshatraIndex, record.details->pada}, lead, today, parent);
}
