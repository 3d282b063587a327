#include "gui/report/pdf_report.h"

#include "gui/report/palette.h"
#include "gui/report/square_chart.h"
#include "gui/widgets/form_look.h"

#include <QBuffer>
#include <QFile>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <array>

#include "core/files/file_store.h"
#include "core/text/utf8.h"

namespace {

// The program's colours, as the window and the wheel use them.

constexpr double kMillimetresPerInch = 25.4;
constexpr double kPageMarginMillimetres = 14.0;
constexpr double kPdfDotsPerInch = 1200.0;
// Room given to text that is only measured: far beyond a page, yet small
// enough for the text layout's fixed-point coordinates.
constexpr double kUnboundedUnits = 1.0e6;

// Every size below is in millimetres or points at full scale; when the texts
// run longer than the page, everything but the wheel shrinks by this step.
constexpr double kShrinkStep = 0.93;
constexpr int kMostShrinkSteps = 8;

constexpr double kBandHeight = 15.0;
constexpr double kWheelSide = 86.0;
constexpr double kColumnGap = 7.0;
constexpr double kSectionGap = 5.0;
constexpr double kCellPadding = 1.6;
constexpr double kLabelColumn = 31.0;
constexpr double kFooterHeight = 8.0;

constexpr double kNamePoints = 17.0;
constexpr double kTitlePoints = 10.5;
constexpr double kResultNamePoints = 11.5;
constexpr double kBodyPoints = 9.2;
constexpr double kTablePoints = 8.4;
constexpr double kFootPoints = 6.8;
constexpr double kChartTablePoints = 7.2;

const char* const kFooter = QT_TRANSLATE_NOOP(
    "ReadingReport",
    "Times in the birth's clock. Dasha dates in the birth's zone, a year being 365.25 days; "
    "the shaded mahadasha runs today. "
    "A time with an offset beside it is on the place's clock at that moment. "
    "Made with Zorvane.");

QFont ReportFont(double points, bool bold = false, bool italic = false) {
    QFont font;
    font.setFamilies(zorvane::FormFontFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Lays the report out top to bottom. A dry run only measures, so that the
// page can be filled at the largest scale that fits.
class ReportPainter {
public:
    ReportPainter(QPainter& painter, const QRectF& content, double unitsPerMillimetre,
                  double scale, bool draw)
        : p_(painter), content_(content), mm_(unitsPerMillimetre), scale_(scale), draw_(draw) {}

    // The height used, in device units.
    double Paint(const ReadingReport& report) {
        double y = content_.top();
        y = Band(report, y) + Mm(kSectionGap);
        y = BirthAndWheel(report, y) + Mm(kSectionGap);
        y = Names(report, y) + Mm(kSectionGap);
        if (!report.limbs.isEmpty()) y = LimbsAndDasha(report, y);
        return y - content_.top();
    }

    // The second page: the band again, D1 and D9 across the width, and the
    // table of lagna and grahas in a fixed-width face so its columns align.
    void ChartPage(const ReadingReport& report) {
        double y = Band(report, content_.top()) + Mm(kSectionGap);
        y = SectionTitle(QCoreApplication::translate("ReadingReport", "Birth chart"), content_.left(), content_.width(), y);
        const QRectF charts(content_.left(), y, content_.width(), content_.width() / 2);
        if (draw_) PaintRasiAndNavamsa(p_, charts, report.chart->chart, report.chart->style, true);
        y = charts.bottom() + Mm(kSectionGap);
        QFont fixed = ReportFont(kChartTablePoints);
        // Devanagari from the font after the fixed one: its letters are not
        // the fixed width, so each word goes to its own column.
        fixed.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Devanagari")});
        fixed.setStyleHint(QFont::Monospace);
        ColumnText(content_.left(), y, report.chart->text, fixed);
    }

    // Text laid out in terminal columns (core/text/utf8.h), each cell (the
    // text between runs of two or more spaces) drawn where its column starts,
    // so that columns stay straight whatever the width of the letters and a
    // sentence keeps its own spacing; returns the height taken.
    double ColumnText(double left, double top, const QString& text, const QFont& font) {
        p_.setFont(font);
        const QFontMetricsF metrics(font, p_.device());
        const double column = metrics.horizontalAdvance(QLatin1Char('0'));
        double y = top;
        for (const QString& line : text.split(u'\n')) {
            const std::string bytes = line.toStdString();
            std::size_t at = 0;
            while (at < bytes.size()) {
                const std::size_t start = bytes.find_first_not_of(' ', at);
                if (start == std::string::npos) break;
                const std::size_t end = std::min(bytes.find("  ", start), bytes.size());
                if (draw_) {
                    const double x = left + column * static_cast<double>(zorvane::TerminalColumns(
                                                         std::string_view(bytes).substr(0, start)));
                    p_.setPen(kText);
                    p_.drawText(QPointF(x, y + metrics.ascent()),
                                QString::fromStdString(bytes.substr(start, end - start)));
                }
                at = end;
            }
            y += metrics.lineSpacing();
        }
        return y - top;
    }

    void Footer() {
        const double top = content_.bottom() - Mm(kFooterHeight);
        p_.setPen(QPen(kAmber, Mm(0.5)));
        p_.drawLine(QPointF(content_.left(), top), QPointF(content_.right(), top));
        Text(QRectF(content_.left(), top + Mm(1.5), content_.width(), Mm(kFooterHeight)), QCoreApplication::translate("ReadingReport", kFooter),
             ReportFont(kFootPoints), kQuiet, Qt::AlignLeft | Qt::TextWordWrap);
    }

private:
    double Mm(double millimetres) const { return millimetres * mm_; }
    double Points(double points) const { return points * scale_; }

    // Draws (unless measuring) and returns the height the text takes.
    double Text(const QRectF& box, const QString& text, const QFont& font, const QColor& colour,
                int flags = Qt::AlignLeft | Qt::TextWordWrap) {
        p_.setFont(font);
        const QRectF used = p_.boundingRect(QRectF(box.left(), box.top(), box.width(), kUnboundedUnits),
                                            flags, text);
        if (draw_) {
            p_.setPen(colour);
            p_.drawText(QRectF(box.left(), box.top(), box.width(), used.height()), flags, text);
        }
        return used.height();
    }

    double TextWidth(const QString& text, const QFont& font) {
        p_.setFont(font);
        return p_.boundingRect(QRectF(0, 0, kUnboundedUnits, kUnboundedUnits), Qt::AlignLeft, text).width();
    }

    void Fill(const QRectF& box, const QColor& colour) {
        if (draw_) p_.fillRect(box, colour);
    }

    double Band(const ReadingReport& report, double top) {
        const QRectF band(content_.left(), top, content_.width(), Mm(kBandHeight));
        Fill(band, kAmber);
        const QRectF inner = band.adjusted(Mm(4), 0, -Mm(4), 0);
        const QString name =
            report.name.trimmed().isEmpty() ? QCoreApplication::translate("ReadingReport", "Birth reading") : report.name.trimmed();
        if (draw_) {
            p_.setFont(ReportFont(kNamePoints, true));
            p_.setPen(kInk);
            p_.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                        p_.fontMetrics().elidedText(name, Qt::ElideRight,
                                                    static_cast<int>(inner.width() * 0.7)));
            p_.setFont(ReportFont(kTitlePoints));
            p_.drawText(inner, Qt::AlignRight | Qt::AlignVCenter,
                        QCoreApplication::translate("ReadingReport", "Birth yoga and nakshatra"));
        }
        return band.bottom();
    }

    double SectionTitle(const QString& title, double left, double width, double top) {
        const double height =
            Text(QRectF(left, top, width, 0), title, ReportFont(Points(kTitlePoints), true), kBrown);
        const double rule = top + height + Mm(0.6);
        if (draw_) {
            p_.setPen(QPen(kAmber, Mm(0.35)));
            p_.drawLine(QPointF(left, rule), QPointF(left + width, rule));
        }
        return rule + Mm(1.4);
    }

    double Lines(const QList<ReportLine>& lines, double left, double width, double top) {
        double y = top;
        const double label = Mm(kLabelColumn) * scale_;
        for (const ReportLine& line : lines) {
            Text(QRectF(left, y, label, 0), line.label, ReportFont(Points(kBodyPoints), true), kQuiet);
            y += Text(QRectF(left + label, y, width - label, 0), line.value,
                      ReportFont(Points(kBodyPoints)), kText) +
                 Mm(0.9);
        }
        return y;
    }

    double BirthAndWheel(const ReadingReport& report, double top) {
        const bool hasWheel = report.wheel.has_value();
        const double textWidth =
            hasWheel ? content_.width() - Mm(kWheelSide) - Mm(kColumnGap) : content_.width();
        double y = top;
        if (!report.birth.isEmpty()) {
            y = SectionTitle(QCoreApplication::translate("ReadingReport", "Birth"), content_.left(), textWidth, y);
            y = Lines(report.birth, content_.left(), textWidth, y) + Mm(kSectionGap) * 0.6;
        }
        if (!report.sky.isEmpty()) {
            y = SectionTitle(QCoreApplication::translate("ReadingReport", "Sky at birth"), content_.left(), textWidth, y);
            y = Lines(report.sky, content_.left(), textWidth, y);
        }
        if (!hasWheel) return y;
        const QRectF square(content_.right() - Mm(kWheelSide), top, Mm(kWheelSide), Mm(kWheelSide));
        if (draw_) PaintChartWheel(p_, square, *report.wheel);
        return std::max(y, square.bottom());
    }

    double Names(const ReadingReport& report, double top) {
        double y = top;
        struct Block {
            QString title;
            const QString& paragraph;
        };
        const std::array<Block, 2> blocks{{
            {QCoreApplication::translate("ReadingReport", "Nakshatra: ") + report.nakshatraName, report.nakshatraParagraph},
            {QCoreApplication::translate("ReadingReport", "Yoga: ") + report.yogaName, report.yogaParagraph},
        }};
        for (const Block& block : blocks) {
            y += Text(QRectF(content_.left(), y, content_.width(), 0), block.title,
                      ReportFont(Points(kResultNamePoints), true), kInk) +
                 Mm(0.8);
            y += Text(QRectF(content_.left(), y, content_.width(), 0), block.paragraph,
                      ReportFont(Points(kBodyPoints)), kText, Qt::AlignJustify | Qt::TextWordWrap) +
                 Mm(kSectionGap) * 0.6;
        }
        return y;
    }

    // A table with a shaded header row; columns as wide as their widest cell.
    // `bold` marks rows to stand out. Returns the bottom.
    double Table(const QStringList& header, const QList<QStringList>& rows,
                 const QList<bool>& marked, double left, double top) {
        const QFont font = ReportFont(Points(kTablePoints));
        const QFont bold = ReportFont(Points(kTablePoints), true);
        QList<double> widths;
        for (qsizetype c = 0; c < header.size(); ++c) {
            double w = TextWidth(header[c], bold);
            for (const QStringList& row : rows) w = std::max(w, TextWidth(row[c], bold));
            widths.append(w + 2 * Mm(kCellPadding));
        }
        double total = 0;
        for (double w : widths) total += w;
        p_.setFont(font);
        const double rowHeight = p_.fontMetrics().height() + Mm(1.2);

        const auto drawRow = [&](const QStringList& cells, double y, const QFont& f,
                                 const QColor& colour) {
            double x = left;
            for (qsizetype c = 0; c < cells.size(); ++c) {
                Text(QRectF(x + Mm(kCellPadding), y + Mm(0.6), widths[c], 0), cells[c], f, colour,
                     Qt::AlignLeft | Qt::TextSingleLine);
                x += widths[c];
            }
        };
        double y = top;
        Fill(QRectF(left, y, total, rowHeight), kCream);
        drawRow(header, y, bold, kBrown);
        y += rowHeight;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const bool mark = r < marked.size() && marked[r];
            if (mark) Fill(QRectF(left, y, total, rowHeight), kPaleAmber);
            drawRow(rows[r], y, mark ? bold : font, kText);
            y += rowHeight;
            if (draw_) {
                p_.setPen(QPen(kCream, Mm(0.2)));
                p_.drawLine(QPointF(left, y), QPointF(left + total, y));
            }
        }
        lastTableWidth_ = total;
        return y;
    }

    double LimbsAndDasha(const ReadingReport& report, double top) {
        QList<QStringList> limbRows;
        for (const ReportLimb& limb : report.limbs) {
            limbRows.append({limb.limb, limb.name, limb.starts, limb.ends});
        }
        double y = SectionTitle(QCoreApplication::translate("ReadingReport", "The five limbs"), content_.left(), content_.width(), top);
        y = Table({QCoreApplication::translate("ReadingReport", "Limb"), QCoreApplication::translate("ReadingReport", "Name"), QCoreApplication::translate("ReadingReport", "Starts"),
                   QCoreApplication::translate("ReadingReport", "Ends")},
                  limbRows, {}, content_.left(), y) +
            Mm(1.5);
        for (const QString& sentence : report.nearBounds) {
            y += Text(QRectF(content_.left(), y, content_.width(), 0), sentence,
                      ReportFont(Points(kTablePoints), false, true), kText) +
                 Mm(0.6);
        }
        y += Mm(kSectionGap);

        // The nine periods in two tables side by side, so that they take
        // the width of the page rather than its height.
        y = SectionTitle(QCoreApplication::translate("ReadingReport", "Mahadashas"), content_.left(), content_.width(), y);
        y += Text(QRectF(content_.left(), y, content_.width(), 0),
                  QCoreApplication::translate("ReadingReport", "Balance at birth: ") + report.dashaBalance,
                  ReportFont(Points(kBodyPoints)), kText) +
             Mm(1.2);
        const qsizetype firstColumnRows = (report.mahadashas.size() + 1) / 2;
        double left = content_.left();
        double bottom = y;
        for (const auto& [from, to] : {std::pair<qsizetype, qsizetype>{0, firstColumnRows},
                                       {firstColumnRows, report.mahadashas.size()}}) {
            QList<QStringList> rows;
            QList<bool> running;
            for (qsizetype i = from; i < to; ++i) {
                const ReportPeriod& period = report.mahadashas[i];
                rows.append({period.lord, period.starts, period.ends});
                running.append(period.runningToday);
            }
            bottom = std::max(bottom, Table({QCoreApplication::translate("ReadingReport", "Lord"), QCoreApplication::translate("ReadingReport", "Starts"),
                                             QCoreApplication::translate("ReadingReport", "Ends")},
                                            rows, running, left, y));
            left += lastTableWidth_ + Mm(kColumnGap);
        }
        return bottom;
    }

    QPainter& p_;
    QRectF content_;
    double mm_;
    double scale_;
    bool draw_;
    double lastTableWidth_ = 0;
};

void SetA4(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

}  // namespace

void PaintReport(QPainter& painter, QPagedPaintDevice& device, const ReadingReport& report) {
    const double unitsPerMillimetre = device.logicalDpiX() / kMillimetresPerInch;
    // The printable area of the page, less the report's own margin.
    const QRectF page =
        device.pageLayout().paintRectPixels(device.logicalDpiX()).toRectF();
    const QRectF full = device.pageLayout().fullRectPixels(device.logicalDpiX()).toRectF();
    const double margin = kPageMarginMillimetres * unitsPerMillimetre;
    const QRectF content =
        full.adjusted(margin, margin, -margin, -margin).intersected(page).translated(-page.topLeft());
    const double room = content.height() - kFooterHeight * unitsPerMillimetre;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    double scale = 1.0;
    for (int step = 0; step < kMostShrinkSteps; ++step) {
        ReportPainter measure(painter, content, unitsPerMillimetre, scale, false);
        if (measure.Paint(report) <= room) break;
        scale *= kShrinkStep;
    }
    ReportPainter draw(painter, content, unitsPerMillimetre, scale, true);
    draw.Paint(report);
    draw.Footer();
    if (report.chart && device.newPage()) {
        ReportPainter chartPage(painter, content, unitsPerMillimetre, 1.0, true);
        chartPage.ChartPage(report);
        chartPage.Footer();
    }
    painter.restore();
}

QByteArray ReportPdf(const ReadingReport& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(static_cast<int>(kPdfDotsPerInch));
        writer.setCreator(QStringLiteral("Zorvane"));
        writer.setTitle(report.name.isEmpty() ? QCoreApplication::translate("ReadingReport", "Zorvane reading")
                                              : QCoreApplication::translate("ReadingReport", "Zorvane reading: ") + report.name);
        SetA4(writer);
        QPainter painter(&writer);
        PaintReport(painter, writer, report);
    }
    return bytes;
}

std::optional<QString> WriteReportPdf(const QString& path, const ReadingReport& report) {
    return WriteReportPdfTo(QFile::encodeName(path).toStdString(), report);
}

std::optional<QString> WriteReportPdfTo(const std::string& localPath, const ReadingReport& report) {
    const QByteArray bytes = ReportPdf(report);
    if (const std::optional<std::string> reason =
            zorvane::SaveFile(localPath,
                              std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        return QString::fromStdString(*reason);
    }
    return std::nullopt;
}

bool PrintReport(QPrinter& printer, const ReadingReport& report) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PaintReport(painter, printer, report);
    return painter.end();
}
