#include "gui/widgets/day_timeline.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <string_view>

#include "core/calendar/day_names.h"
#include "core/panchang/local_limb_names.h"
#include "core/time/zone_clock.h"

namespace {

constexpr int kMinLabelWidth = 90;
constexpr int kMaxLabelWidth = 180;
constexpr int kBandHeight = 22;
constexpr int kGap = 4;
constexpr int kBands = 6;  // four limbs, the periods, the hours
constexpr int kPeriodBand = 4;
constexpr int kHourBand = 5;
constexpr int kMargin = 6;
constexpr int kHourTicks = 24;
constexpr int kHourStep = 3;
constexpr int kHourLabelWidth = 60;
constexpr int kTextInsetLeft = 3;
constexpr int kTextInsetRight = 2;

struct Piece {
    double startJd;
    double endJd;
    QString text;
};

struct Band {
    int row;
    QString label;
    std::vector<Piece> pieces;
    QColor fill;
};

QString Text(const std::string& text) { return QString::fromStdString(text); }

int BandTop(int row) { return kMargin + row * (kBandHeight + kGap); }

std::vector<Piece> LimbPieces(const std::vector<zorvane::LimbSpan>& spans,
                              const std::function<std::string(int)>& name) {
    std::vector<Piece> pieces;
    for (const zorvane::LimbSpan& span : spans) pieces.push_back({span.startJd, span.endJd, Text(name(span.index))});
    return pieces;
}

// The bands of a day, top to bottom; the periods to avoid and to use share a row.
std::vector<Band> BandsOf(const zorvane::DayReport& report, const zorvane::Wording& wording) {
    namespace names = zorvane::day_names;
    const zorvane::Language language = wording.language;
    const auto say = [&wording](std::string_view english) { return Text(wording.Say(english)); };
    const zorvane::DayPanchang& day = report.day;
    std::vector<Band> bands;
    bands.push_back({0, say("Tithi"),
                     LimbPieces(day.tithis, [language](int i) { return zorvane::TithiAloneText(i + 1, language); }),
                     QColor(255, 243, 205)});
    bands.push_back({1, say("Nakshatra"),
                     LimbPieces(day.nakshatras, [language](int i) { return zorvane::NakshatraText(i, language); }),
                     QColor(215, 236, 255)});
    bands.push_back({2, say("Yoga"), LimbPieces(day.yogas, [language](int i) { return zorvane::YogaText(i, language); }),
                     QColor(225, 245, 225)});
    bands.push_back({3, say("Karana"),
                     LimbPieces(day.karanas, [language](int i) { return zorvane::KaranaText(i + 1, language); }),
                     QColor(240, 230, 250)});

    const zorvane::DayPeriods& p = day.periods;
    std::vector<Piece> avoid = {{p.rahuKalam.startJd, p.rahuKalam.endJd, say("Rahu")},
                                {p.yamaganda.startJd, p.yamaganda.endJd, say("Yama")},
                                {p.gulika.startJd, p.gulika.endJd, say("Gulika")}};
    for (const zorvane::Period& d : p.durmuhurtas) avoid.push_back({d.startJd, d.endJd, say("Dur")});
    for (const zorvane::Period& v : day.varjyam) avoid.push_back({v.startJd, v.endJd, say("Varjyam")});
    bands.push_back({kPeriodBand, say("Avoid / use"), avoid, QColor(250, 200, 200)});
    std::vector<Piece> use = {{p.abhijit.startJd, p.abhijit.endJd, say("Abhijit")}};
    for (const zorvane::Period& a : day.amritaKalam) use.push_back({a.startJd, a.endJd, say("Amrita")});
    bands.push_back({kPeriodBand, QString(), use, QColor(190, 235, 190)});
    return bands;
}

// What fits of a text in a width: the whole, shortened with an ellipsis, or
// nothing when not even a letter and the ellipsis fit.
QString Fitted(const QFontMetrics& metrics, const QString& text, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    const QString elided = metrics.elidedText(text, Qt::ElideRight, width);
    return elided.size() <= 1 ? QString() : elided;
}

}  // namespace

DayTimeline::DayTimeline(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(sizeHint().height());
    setMouseTracking(true);
}

DayTimeline::~DayTimeline() = default;

QSize DayTimeline::sizeHint() const { return {720, 2 * kMargin + kBands * (kBandHeight + kGap)}; }

void DayTimeline::SetDay(const std::optional<zorvane::DayReport>& report) {
    report_ = report;
    update();
}

void DayTimeline::SetWording(const zorvane::Wording& wording) {
    wording_ = wording;
    update();
}

int DayTimeline::LabelColumnWidth() const {
    if (!report_) return kMinLabelWidth;
    int widest = 0;
    for (const Band& band : BandsOf(*report_, wording_)) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(band.label));
    }
    return std::clamp(widest + 2 * kMargin, kMinLabelWidth, kMaxLabelWidth);
}

int DayTimeline::Scale::XOf(double jd) const {
    const double share = std::clamp((jd - fromJd) / (toJd - fromJd), 0.0, 1.0);
    return left + static_cast<int>(share * width);
}

DayTimeline::Scale DayTimeline::DayScale() const {
    Scale scale;
    scale.left = LabelColumnWidth();
    scale.width = std::max(1, width() - scale.left - kMargin);
    if (report_) {
        scale.fromJd = report_->day.sunriseJd;
        scale.toJd = report_->day.nextSunriseJd;
    }
    return scale;
}

std::vector<DayTimeline::Label> DayTimeline::Labels() const {
    std::vector<Label> labels;
    if (!report_) return labels;
    const Scale scale = DayScale();
    const int left = scale.left;
    const auto x = [&scale](double jd) { return scale.XOf(jd); };
    const QFontMetrics metrics = fontMetrics();
    const auto clock = [this](double jd) { return Text(zorvane::ClockMinuteText(jd, report_->offsetAt(jd))); };
    const std::vector<Band> bands = BandsOf(*report_, wording_);
    const auto boxOf = [&](const Piece& piece, int top) {
        return QRect(QPoint(x(piece.startJd), top), QPoint(x(piece.endJd) - 1, top + kBandHeight - 1));
    };
    // A name's room ends where another span of its row begins over it (the
    // periods to avoid and to use overlap), so that no name runs under another.
    const auto roomOf = [&](const QRect& box, int row) {
        int right = box.right() - kTextInsetRight;
        for (const Band& other : bands) {
            if (other.row != row) continue;
            for (const Piece& piece : other.pieces) {
                const int start = boxOf(piece, box.top()).left();
                if (start > box.left() && start <= right) right = start - kTextInsetRight;
            }
        }
        return std::max(0, right - box.left() - kTextInsetLeft);
    };
    for (const Band& band : bands) {
        const int top = BandTop(band.row);
        if (!band.label.isEmpty()) {
            const QRect box(kMargin, top, left - 2 * kMargin, kBandHeight);
            labels.push_back({box, band.label, Fitted(metrics, band.label, box.width()), band.label});
        }
        for (const Piece& piece : band.pieces) {
            const QRect box = boxOf(piece, top);
            const QString tip = piece.text + QStringLiteral("  ") + clock(piece.startJd) + QStringLiteral(" - ") +
                                clock(piece.endJd);
            labels.push_back({box, piece.text, Fitted(metrics, piece.text, roomOf(box, band.row)), tip});
        }
    }
    // The clock hours along the bottom, each kept inside the widget.
    const int top = BandTop(kHourBand);
    for (int i = 0; i <= kHourTicks; i += kHourStep) {
        const double jd = scale.fromJd + (scale.toJd - scale.fromJd) * i / kHourTicks;
        const int at = x(jd);
        const int start = std::clamp(at - kHourLabelWidth / 2, 0, std::max(0, this->width() - kHourLabelWidth));
        const QRect box(start, top + 4, kHourLabelWidth, kBandHeight - 4);
        const QString text = clock(jd);
        labels.push_back({box, text, Fitted(metrics, text, box.width()), text});
    }
    return labels;
}

QString DayTimeline::ToolTipAt(QPoint point) const {
    QStringList tips;  // spans of the periods' band may overlap: each one a line
    for (const Label& label : Labels()) {
        if (label.box.contains(point)) tips << label.tip;
    }
    return tips.join(u'\n');
}

bool DayTimeline::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = ToolTipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void DayTimeline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (!report_) return;
    const zorvane::DayPanchang& day = report_->day;
    const Scale scale = DayScale();
    const int left = scale.left;
    const int width = scale.width;
    const auto x = [&scale](double jd) { return scale.XOf(jd); };

    // Night behind everything after sunset.
    painter.fillRect(QRect(QPoint(x(day.sunsetJd), 0), QPoint(left + width, height())), QColor(225, 228, 240));

    // The spans by their start, so that a later span covers the end of one
    // it overlaps and no border runs through its name.
    struct Drawn {
        const Piece* piece;
        int row;
        QColor fill;
    };
    const std::vector<Band> bands = BandsOf(*report_, wording_);
    std::vector<Drawn> drawn;
    for (const Band& band : bands) {
        for (const Piece& piece : band.pieces) drawn.push_back({&piece, band.row, band.fill});
    }
    std::stable_sort(drawn.begin(), drawn.end(),
                     [](const Drawn& a, const Drawn& b) { return a.piece->startJd < b.piece->startJd; });
    for (const Drawn& span : drawn) {
        const int top = BandTop(span.row);
        const QRect box(QPoint(x(span.piece->startJd), top), QPoint(x(span.piece->endJd) - 1, top + kBandHeight - 1));
        painter.fillRect(box, span.fill);
        painter.setPen(QColor(90, 90, 90));
        painter.drawRect(box);
    }
    const int hourTop = BandTop(kHourBand);
    painter.setPen(QPen(QColor(200, 80, 0), 2));
    painter.drawLine(x(day.sunsetJd), 0, x(day.sunsetJd), hourTop);
    painter.setPen(palette().text().color());
    for (const Label& label : Labels()) {
        if (label.shown.isEmpty()) continue;
        if (label.box.top() > hourTop) {
            painter.drawText(label.box, Qt::AlignHCenter | Qt::AlignTop, label.shown);
        } else {
            const bool bandName = label.box.left() < left;
            const QRect inner = bandName ? label.box : label.box.adjusted(kTextInsetLeft, 0, -kTextInsetRight, 0);
            painter.drawText(inner, Qt::AlignVCenter | Qt::AlignLeft, label.shown);
        }
    }
    for (int i = 0; i <= kHourTicks; i += kHourStep) {
        const int at = x(scale.fromJd + (scale.toJd - scale.fromJd) * i / kHourTicks);
        painter.drawLine(at, hourTop, at, hourTop + 4);
    }
}
