#include "report/sheet_painter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <numeric>

namespace {

// One family for both languages: it has the Latin and the CJK glyphs, and
// the package depends on it.
const char* const kFamily = "WenQuanYi Micro Hei";
constexpr double kTitlePoints = 15;
constexpr double kHeadingPoints = 11;
constexpr double kBodyPoints = 8.5;
constexpr double kTablePoints = 7.5;
constexpr double kSmallestTablePoints = 5.5;
constexpr double kMarginMm = 15;

QFont SheetFont(double points, bool bold = false) {
    QFont font{QString::fromLatin1(kFamily)};
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Lays out (without a painter) or paints (with one) the sheet, page by page.
class SheetWriter {
public:
    SheetWriter(QPagedPaintDevice& device, QPainter* painter, int pages)
        : device_(device), painter_(painter), pages_(pages) {
        width_ = device.width();
        footer_ = 2 * Metrics(SheetFont(kBodyPoints)).height();
        height_ = device.height() - footer_;
        pad_ = Metrics(SheetFont(kTablePoints)).height() * 0.25;
    }

    int Run(const SheetContent& sheet) {
        Text(SheetFont(kTitlePoints, true), sheet.title);
        for (const QString& line : sheet.lines)
            Text(SheetFont(kBodyPoints), line);
        for (const SheetSection& section : sheet.sections)
            Section(section);
        Footer();
        return page_;
    }

private:
    QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }

    double TextHeight(const QFont& font, const QString& text, double width) const {
        return Metrics(font)
            .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text.isEmpty() ? "X" : text)
            .height();
    }

    void Text(const QFont& font, const QString& text) {
        const double height = TextHeight(font, text, width_) * 1.15;
        Ensure(height);
        if (painter_) {
            painter_->setFont(font);
            painter_->drawText(QRectF(0, y_, width_, height), Qt::TextWordWrap, text);
        }
        y_ += height;
    }

    void Ensure(double height) {
        if (y_ > 0 && y_ + height > height_)
            NewPage();
    }

    void NewPage() {
        Footer();
        if (painter_)
            device_.newPage();
        ++page_;
        y_ = 0;
    }

    void Footer() {
        if (!painter_)
            return;
        painter_->setFont(SheetFont(kBodyPoints));
        painter_->drawText(QRectF(0, height_, width_, footer_), Qt::AlignCenter,
                           QStringLiteral("%1 / %2").arg(page_).arg(pages_));
    }

    void Section(const SheetSection& section) {
        const QFont heading = SheetFont(kHeadingPoints, true);
        // The heading stays with its lines and the table's first rows.
        double together = TextHeight(heading, section.heading, width_) * 1.6;
        for (const QString& line : section.lines)
            together += TextHeight(SheetFont(kBodyPoints), line, width_) * 1.15;
        const Columns columns = Fit(section.table);
        if (!section.table.rows.isEmpty())
            together += HeaderHeight(section.table, columns) +
                        RowHeight(section.table.rows.first(), columns, false);
        y_ += Metrics(heading).height() * 0.6;
        Ensure(together);
        Text(heading, section.heading);
        for (const QString& line : section.lines)
            Text(SheetFont(kBodyPoints), line);
        Table(section.table, columns);
    }

    struct Columns {
        QList<double> widths;
        double points = kTablePoints;
    };

    // Each column as wide as its widest text; smaller type while the table is
    // wider than the page, then narrower columns whose texts wrap.
    Columns Fit(const SheetTable& table) const {
        Columns columns;
        for (double points = kTablePoints; points >= kSmallestTablePoints; points -= 0.5) {
            columns.points = points;
            columns.widths = Natural(table, points);
            if (std::accumulate(columns.widths.begin(), columns.widths.end(), 0.0) <= width_)
                break;
        }
        const double total = std::accumulate(columns.widths.begin(), columns.widths.end(), 0.0);
        for (double& width : columns.widths)
            width *= total > 0 ? width_ / total : 1;
        return columns;
    }

    QList<double> Natural(const SheetTable& table, double points) const {
        QList<double> widths(table.header.size(), 0.0);
        const QFontMetricsF header = Metrics(SheetFont(points, true));
        const QFontMetricsF cell = Metrics(SheetFont(points));
        for (qsizetype i = 0; i < widths.size(); ++i) {
            widths[i] = header.horizontalAdvance(table.header[i]);
            for (const QStringList& row : table.rows)
                widths[i] = std::max(widths[i], cell.horizontalAdvance(row.value(i)));
            widths[i] += 2 * pad_;
        }
        return widths;
    }

    static bool HasHeader(const SheetTable& table) {
        return std::any_of(table.header.begin(), table.header.end(),
                           [](const QString& text) { return !text.isEmpty(); });
    }

    double HeaderHeight(const SheetTable& table, const Columns& columns) const {
        return HasHeader(table) ? RowHeight(table.header, columns, true) : 0;
    }

    double RowHeight(const QStringList& row, const Columns& columns, bool bold) const {
        double height = 0;
        for (qsizetype i = 0; i < columns.widths.size(); ++i)
            height = std::max(height, TextHeight(SheetFont(columns.points, bold), row.value(i),
                                                 columns.widths[i] - 2 * pad_));
        return height + 2 * pad_;
    }

    void Row(const QStringList& row, const Columns& columns, bool header, double height) {
        if (painter_) {
            painter_->setFont(SheetFont(columns.points, header));
            double x = 0;
            for (qsizetype i = 0; i < columns.widths.size(); ++i) {
                const QRectF cell(x, y_, columns.widths[i], height);
                if (header)
                    painter_->fillRect(cell, QColor(225, 225, 225));
                painter_->drawRect(cell);
                painter_->drawText(cell.adjusted(pad_, pad_, -pad_, -pad_), Qt::TextWordWrap,
                                   row.value(i));
                x += columns.widths[i];
            }
        }
        y_ += height;
    }

    void Table(const SheetTable& table, const Columns& columns) {
        if (table.header.isEmpty())
            return;
        const double headerHeight = HeaderHeight(table, columns);
        if (headerHeight > 0)
            Row(table.header, columns, true, headerHeight);
        for (const QStringList& row : table.rows) {
            const double height = RowHeight(row, columns, false);
            if (y_ + height > height_) {
                NewPage();
                if (headerHeight > 0)
                    Row(table.header, columns, true, headerHeight);
            }
            Row(row, columns, false, height);
        }
    }

    QPagedPaintDevice& device_;
    QPainter* painter_;
    int pages_;
    int page_ = 1;
    double y_ = 0;
    double width_ = 0;
    double height_ = 0;
    double footer_ = 0;
    double pad_ = 0;
};

} // namespace

QPageLayout SheetPageLayout(QPageSize::PageSizeId size) {
    return QPageLayout(QPageSize(size), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

int PaintSheet(QPagedPaintDevice& device, const SheetContent& sheet) {
    // Laid out once to count the pages, then painted with "n / N".
    const int pages = SheetWriter(device, nullptr, 0).Run(sheet);
    QPainter painter(&device);
    painter.setPen(QPen(Qt::black, 0));
    SheetWriter(device, &painter, pages).Run(sheet);
    return pages;
}

QByteArray SheetPdf(const SheetContent& sheet, QPageSize::PageSizeId size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setPageLayout(SheetPageLayout(size));
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("ZR-4400 programmer"));
        PaintSheet(writer, sheet);
    }
    return buffer.data();
}
