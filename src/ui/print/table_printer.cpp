#include "ui/print/table_printer.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QToolBar>

#include <algorithm>

#include "ui/app/colours.h"
#include "ui/app/qt_text.h"

namespace rekkan::ui {
namespace {

constexpr QPageSize::PageSizeId kPapers[] = {QPageSize::A3, QPageSize::A4, QPageSize::A5, QPageSize::B4, QPageSize::B5};

/// Screen pixels are taken at 96 per inch; the painter is scaled from them to the printer's.
constexpr double kScreenDpi = 96.0;

QFont TableFont(const PrintTable& table, bool bold = false, double grow = 1.0) {
    QFont font(ToQ(table.fontName));
    font.setPixelSize(std::max(1, static_cast<int>(table.fontSize * kScreenDpi / 72.0 * grow + 0.5)));
    font.setBold(bold);
    return font;
}

/// The lines above the table on every page, and their height in screen pixels.
struct PageHeading {
    QStringList lines;
    int lineHeight = 0;
    int titleHeight = 0;
    [[nodiscard]] int Height() const {
        return titleHeight + static_cast<int>(lines.size()) * lineHeight + lineHeight / 2;
    }
};

PageHeading MakeHeading(const PrintTable& table) {
    PageHeading h;
    h.lineHeight = QFontMetrics(TableFont(table)).height();
    h.titleHeight = QFontMetrics(TableFont(table, true, 1.4)).height() + h.lineHeight / 2;
    for (const std::string& line : table.headings) h.lines << ToQ(line);
    if (table.IsCut()) h.lines << ToQ(table.CutNote());
    return h;
}

void PaintCells(QPainter& p, const PrintTable& table, const std::vector<int>& rows, const std::vector<int>& columns,
                int top) {
    const QColor fixedFill = FromBgr(table.fixedColour);
    QPen pen(Qt::black);
    pen.setWidth(std::max(0, table.lineWidth));
    int y = top;
    for (int r : rows) {
        const int height = table.RowHeight(r);
        int x = 0;
        for (int c : columns) {
            const int width = table.columnWidths[static_cast<std::size_t>(c)];
            const QRect cell(x, y, width, height);
            if (r < table.fixedRows || c < table.fixedColumns) p.fillRect(cell, fixedFill);
            p.setPen(Qt::black);
            p.drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       ToQ(table.Cell(r, c)));
            if (table.lineWidth > 0) {
                p.setPen(pen);
                p.drawRect(cell);
            }
            x += width;
        }
        y += height;
    }
}

std::vector<int> Indexes(int fixedCount, PageSpan span) {
    std::vector<int> out;
    for (int i = 0; i < fixedCount; ++i) out.push_back(i);
    for (int i = span.begin; i < span.end; ++i) out.push_back(i);
    return out;
}

}  // namespace

void ApplyPrintSettings(QPrinter& printer, const PrintSettings& s) {
    printer.setPageSize(QPageSize(kPapers[static_cast<int>(s.paper)]));
    printer.setPageOrientation(s.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(s.marginLeft, s.marginTop, s.marginRight, s.marginBottom),
                           QPageLayout::Millimeter);
}

PrintSettings CapturePrintSettings(const QPrinter& printer, const PrintSettings& previous) {
    PrintSettings s = previous;
    const QPageLayout layout = printer.pageLayout();
    const auto* paper = std::find(std::begin(kPapers), std::end(kPapers), layout.pageSize().id());
    if (paper != std::end(kPapers)) s.paper = static_cast<PaperSize>(paper - std::begin(kPapers));
    s.landscape = layout.orientation() == QPageLayout::Landscape;
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    s.marginLeft = qRound(m.left());
    s.marginTop = qRound(m.top());
    s.marginRight = qRound(m.right());
    s.marginBottom = qRound(m.bottom());
    return s;
}

int PaintTable(QPrinter& printer, const PrintTable& table, int scale) {
    printer.setDocName(ToQ(table.documentName));
    QPainter p;
    if (!p.begin(&printer)) return 0;
    const double factor = printer.resolution() / kScreenDpi * std::clamp(scale, 10, 400) / 100.0;
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    const int pageWidth = static_cast<int>(paint.width() / factor);
    const int pageHeight = static_cast<int>(paint.height() / factor);

    const PageHeading heading = MakeHeading(table);
    const int footer = heading.lineHeight * 2;
    std::vector<int> heights;
    for (int r = 0; r < table.PrintedRowCount(); ++r) heights.push_back(table.RowHeight(r));
    const auto rowPages = SplitIntoPages(heights, table.fixedRows, pageHeight - heading.Height() - footer);
    const auto columnPages = SplitIntoPages(table.columnWidths, table.fixedColumns, pageWidth);
    const int pages = static_cast<int>(rowPages.size() * columnPages.size());

    int page = 0;
    for (const PageSpan& columns : columnPages) {
        for (const PageSpan& rows : rowPages) {
            if (page > 0) printer.newPage();
            ++page;
            p.resetTransform();
            p.scale(factor, factor);
            p.setFont(TableFont(table, true, 1.4));
            p.setPen(Qt::black);
            p.drawText(QRect(0, 0, pageWidth, heading.titleHeight), Qt::AlignLeft | Qt::AlignTop, ToQ(table.title));
            p.setFont(TableFont(table));
            int y = heading.titleHeight;
            for (const QString& line : heading.lines) {
                p.drawText(QRect(0, y, pageWidth, heading.lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
                y += heading.lineHeight;
            }
            PaintCells(p, table, Indexes(std::min(table.fixedRows, table.PrintedRowCount()), rows),
                       Indexes(std::min(table.fixedColumns, table.ColumnCount()), columns), heading.Height());
            p.setPen(Qt::black);
            p.drawText(QRect(0, pageHeight - heading.lineHeight, pageWidth, heading.lineHeight), Qt::AlignCenter,
                       QStringLiteral("- %1 / %2 -").arg(page).arg(pages));
        }
    }
    p.end();
    return pages;
}

bool PrintTableToPdf(const PrintTable& table, const PrintSettings& settings, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ApplyPrintSettings(printer, settings);
    return PaintTable(printer, table, settings.scale) > 0;
}

void PrintWithPreview(const PrintTable& table, std::vector<std::string>& previewLines, std::string_view prefix,
                      QWidget* parent) {
    PrintSettings settings = ReadPrintSettings(previewLines, prefix);
    QPrinter printer(QPrinter::HighResolution);
    ApplyPrintSettings(printer, settings);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(ToQ(table.title));

    // The scale is the one setting the preview's own tool bar lacks.
    auto* scale = new QSpinBox(&dialog);
    scale->setRange(10, 400);
    scale->setSuffix(QStringLiteral(" %"));
    scale->setValue(settings.scale);
    scale->setAccessibleName(QStringLiteral("倍率"));
    if (auto* bar = dialog.findChild<QToolBar*>()) bar->addWidget(scale);
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    QObject::connect(scale, &QSpinBox::valueChanged, &dialog, [preview] {
        if (preview) preview->updatePreview();
    });
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&table, scale](QPrinter* target) { PaintTable(*target, table, scale->value()); });
    dialog.exec();

    settings = CapturePrintSettings(printer, settings);
    settings.scale = scale->value();
    StorePrintSettings(previewLines, prefix, settings);
}

}  // namespace rekkan::ui
