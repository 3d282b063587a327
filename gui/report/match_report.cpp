#include "gui/report/match_report.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QStringList>
#include <algorithm>

#include "core/files/file_store.h"

namespace {

constexpr int kPdfDotsPerInch = 1200;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kMarginMillimetres = 15.0;
constexpr double kTitlePoints = 16.0;
constexpr double kLargestTextPoints = 10.0;
constexpr double kSmallestTextPoints = 4.0;
constexpr double kTitleGapLines = 1.5;

void Paint(QPainter& painter, const QPagedPaintDevice& device, const QString& title, const QString& text) {
    const double dpi = device.logicalDpiX();
    const double margin = kMarginMillimetres * dpi / kMillimetresPerInch;
    const QRectF page = device.pageLayout().paintRectPixels(static_cast<int>(dpi)).toRectF();
    const QRectF full = device.pageLayout().fullRectPixels(static_cast<int>(dpi)).toRectF();
    const QRectF content =
        full.adjusted(margin, margin, -margin, -margin).intersected(page).translated(-page.topLeft());

    QFont titleFont = painter.font();
    titleFont.setPointSizeF(kTitlePoints);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    const double titleHeight = QFontMetricsF(titleFont, &device).height();
    painter.drawText(QPointF(content.left(), content.top() + QFontMetricsF(titleFont, &device).ascent()), title);

    // The largest fixed font whose longest line and all lines fit the page.
    const QStringList lines = text.split(QLatin1Char('\n'));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const double room = content.height() - titleHeight * kTitleGapLines;
    for (double points = kLargestTextPoints; points >= kSmallestTextPoints; points -= 0.5) {
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font, &device);
        double widest = 0;
        for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= content.width() && metrics.lineSpacing() * lines.size() <= room) break;
    }
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    double y = content.top() + titleHeight * kTitleGapLines + metrics.ascent();
    for (const QString& line : lines) {
        painter.drawText(QPointF(content.left(), y), line);
        y += metrics.lineSpacing();
    }
}

void SetA4(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
}

}  // namespace

QByteArray MatchPdf(const QString& title, const QString& text) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDotsPerInch);
        writer.setCreator(QStringLiteral("Zorvane"));
        writer.setTitle(title);
        SetA4(writer);
        QPainter painter(&writer);
        Paint(painter, writer, title, text);
    }
    return bytes;
}

std::optional<QString> WriteMatchPdf(const QString& path, const QString& title, const QString& text) {
    const QByteArray bytes = MatchPdf(title, text);
    if (const std::optional<std::string> reason =
            zorvane::SaveFile(QFile::encodeName(path).toStdString(),
                              std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        return QString::fromStdString(*reason);
    }
    return std::nullopt;
}

bool PrintMatch(QPrinter& printer, const QString& title, const QString& text) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    Paint(painter, printer, title, text);
    return painter.end();
}
