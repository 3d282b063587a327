#include "gui/widgets/day_timeline.h"

#include <QPainter>
#include <QPaintEvent>
#include <string_view>
#include <vector>

#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"
#include "core/time/zone_clock.h"

namespace {

constexpr int kLabelWidth = 90;
constexpr int kBandHeight = 22;
constexpr int kGap = 4;
constexpr int kBands = 6;  // four limbs, the periods, the hours
constexpr int kMargin = 6;
constexpr int kHourTicks = 24;

struct Piece {
    double startJd;
    double endJd;
    QString text;
};

QString Named(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

DayTimeline::DayTimeline(QWidget* parent) : QWidget(parent) { setMinimumHeight(sizeHint().height()); }

DayTimeline::~DayTimeline() = default;

QSize DayTimeline::sizeHint() const { return {720, 2 * kMargin + kBands * (kBandHeight + kGap)}; }

void DayTimeline::SetDay(const std::optional<zorvane::DayReport>& report) {
    report_ = report;
    update();
}

void DayTimeline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (!report_) return;
    const zorvane::DayPanchang& day = report_->day;
    const double from = day.sunriseJd;
    const double to = day.nextSunriseJd;
    const int left = kLabelWidth;
    const int width = std::max(1, this->width() - left - kMargin);
    const auto x = [&](double jd) {
        const double share = std::clamp((jd - from) / (to - from), 0.0, 1.0);
        return left + static_cast<int>(share * width);
    };

    // Night behind everything after sunset.
    painter.fillRect(QRect(QPoint(x(day.sunsetJd), 0), QPoint(left + width, height())), QColor(225, 228, 240));

    const auto band = [&](int row, const QString& label, const std::vector<Piece>& pieces, const QColor& fill) {
        const int top = kMargin + row * (kBandHeight + kGap);
        painter.setPen(palette().text().color());
        painter.drawText(QRect(kMargin, top, left - 2 * kMargin, kBandHeight), Qt::AlignVCenter | Qt::AlignLeft,
                         label);
        for (const Piece& piece : pieces) {
            const QRect box(QPoint(x(piece.startJd), top), QPoint(x(piece.endJd) - 1, top + kBandHeight - 1));
            painter.fillRect(box, fill);
            painter.setPen(QColor(90, 90, 90));
            painter.drawRect(box);
            painter.setPen(palette().text().color());
            painter.drawText(box.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                             painter.fontMetrics().elidedText(piece.text, Qt::ElideRight, box.width() - 4));
        }
    };
    const auto limbPieces = [](const std::vector<zorvane::LimbSpan>& spans, auto name) {
        std::vector<Piece> pieces;
        for (const zorvane::LimbSpan& span : spans) pieces.push_back({span.startJd, span.endJd, name(span.index)});
        return pieces;
    };
    band(0, QStringLiteral("Tithi"),
         limbPieces(day.tithis, [](int i) { return Named(zorvane::TithiName(i + 1)); }), QColor(255, 243, 205));
    band(1, QStringLiteral("Nakshatra"),
         limbPieces(day.nakshatras, [](int i) { return Named(zorvane::NakshatraNames[static_cast<std::size_t>(i)]); }),
         QColor(215, 236, 255));
    band(2, QStringLiteral("Yoga"),
         limbPieces(day.yogas, [](int i) { return Named(zorvane::YogaNames[static_cast<std::size_t>(i)]); }),
         QColor(225, 245, 225));
    band(3, QStringLiteral("Karana"),
         limbPieces(day.karanas, [](int i) { return Named(zorvane::KaranaName(i + 1)); }), QColor(240, 230, 250));

    const zorvane::DayPeriods& p = day.periods;
    std::vector<Piece> avoid = {{p.rahuKalam.startJd, p.rahuKalam.endJd, QStringLiteral("Rahu")},
                                {p.yamaganda.startJd, p.yamaganda.endJd, QStringLiteral("Yama")},
                                {p.gulika.startJd, p.gulika.endJd, QStringLiteral("Gulika")}};
    for (const zorvane::Period& d : p.durmuhurtas) avoid.push_back({d.startJd, d.endJd, QStringLiteral("Dur")});
    for (const zorvane::Period& v : day.varjyam) avoid.push_back({v.startJd, v.endJd, QStringLiteral("Varjyam")});
    band(4, QStringLiteral("Avoid / use"), avoid, QColor(250, 200, 200));
    std::vector<Piece> use = {{p.abhijit.startJd, p.abhijit.endJd, QStringLiteral("Abhijit")}};
    for (const zorvane::Period& a : day.amritaKalam) use.push_back({a.startJd, a.endJd, QStringLiteral("Amrita")});
    band(4, QString(), use, QColor(190, 235, 190));

    // The clock hours along the bottom.
    const int top = kMargin + 5 * (kBandHeight + kGap);
    painter.setPen(palette().text().color());
    for (int i = 0; i <= kHourTicks; i += 3) {
        const double jd = from + (to - from) * i / kHourTicks;
        const int at = x(jd);
        painter.drawLine(at, top, at, top + 4);
        const QString clock = QString::fromStdString(zorvane::ClockMinuteText(jd, report_->offsetAt(jd)));
        painter.drawText(QRect(at - 30, top + 4, 60, kBandHeight - 4), Qt::AlignHCenter | Qt::AlignTop, clock);
    }
    painter.setPen(QPen(QColor(200, 80, 0), 2));
    painter.drawLine(x(day.sunsetJd), 0, x(day.sunsetJd), top);
}
