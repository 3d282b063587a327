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
#include <QList>
#include <QStringList>
#include <algorithm>
#include <map>

#include "core/files/file_store.h"

namespace {

constexpr int kPdfDotsPerInch = 1200;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kMarginMillimetres = 15.0;
constexpr double kTitlePoints = 16.0;
constexpr double kLargestTextPoints = 10.0;
constexpr double kSmallestTextPoints = 4.0;
constexpr double kTitleGapLines = 1.5;

// A cell of a plain-text line and the column it starts at: the text pads its
// columns with runs of spaces, counted in characters that take a column
// (marks drawn over or under a letter take none).
struct Cell {
    int column = 0;
    QString text;
};

QList<Cell> CellsOf(const QString& line) {
    QList<Cell> cells;
    int column = 0;
    int spaces = 0;
    for (const QChar c : line) {
        if (c == QLatin1Char(' ')) {
            ++spaces;
        } else {
            // Two or more spaces end a cell; one belongs to it.
            if (cells.isEmpty() || spaces >= 2) {
                cells.append(Cell{column, {}});
            } else if (spaces == 1) {
                cells.last().text += QLatin1Char(' ');
            }
            spaces = 0;
            cells.last().text += c;
        }
        if (c.category() != QChar::Mark_NonSpacing) ++column;
    }
    return cells;
}

// Where each column starts, left to right: at its place in the fixed font,
// or further right when a cell before it in some line is wider there (a
// script drawn from another font, wider than the fixed one), so the columns
// line up and no cell runs into the next.
std::map<int, double> ColumnStarts(const QFontMetricsF& metrics, const QList<QList<Cell>>& lines) {
    const double unit = metrics.horizontalAdvance(QLatin1Char(' '));
    std::map<int, double> starts;
    for (const QList<Cell>& cells : lines) {
        for (const Cell& cell : cells) starts.emplace(cell.column, cell.column * unit);
    }
    // Each start depends only on starts left of it, set before it.
    for (auto& [column, x] : starts) {
        for (const QList<Cell>& cells : lines) {
            for (qsizetype i = 1; i < cells.size(); ++i) {
                if (cells[i].column != column) continue;
                const Cell& before = cells[i - 1];
                x = std::max(x, starts.at(before.column) + metrics.horizontalAdvance(before.text) + unit);
            }
        }
    }
    return starts;
}

double LinesWidth(const QFontMetricsF& metrics, const QList<QList<Cell>>& lines) {
    const std::map<int, double> starts = ColumnStarts(metrics, lines);
    double widest = 0;
    for (const QList<Cell>& cells : lines) {
        for (const Cell& cell : cells) {
            widest = std::max(widest, starts.at(cell.column) + metrics.horizontalAdvance(cell.text));
        }
    }
    return widest;
}

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
    QList<QList<Cell>> cells;
    for (const QString& line : lines) cells.append(CellsOf(line));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const double room = content.height() - titleHeight * kTitleGapLines;
    for (double points = kLargestTextPoints; points >= kSmallestTextPoints; points -= 0.5) {
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font, &device);
        const double widest = LinesWidth(metrics, cells);
        if (widest <= content.width() && metrics.lineSpacing() * lines.size() <= room) break;
    }
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    double y = content.top() + titleHeight * kTitleGapLines + metrics.ascent();
    const std::map<int, double> starts = ColumnStarts(metrics, cells);
    for (const QList<Cell>& line : cells) {
        for (const Cell& cell : line) painter.drawText(QPointF(content.left() + starts.at(cell.column), y), cell.text);
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
