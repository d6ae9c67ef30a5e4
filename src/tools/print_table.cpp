#include "tools/print_table.h"

#include <algorithm>

#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

int PrintTable::RowHeight(int row) const {
    return row < static_cast<int>(rowHeights.size()) ? rowHeights[static_cast<std::size_t>(row)] : defaultRowHeight;
}

int PrintTable::PrintedRowCount() const {
    const int rows = RowCount();
    if (rowLimit <= 0) return rows;
    return std::min(rows, std::min(fixedRows, rows) + rowLimit);
}

std::string PrintTable::CutNote() const {
    if (!IsCut()) return {};
    return sj("※ 行数が多いため、先頭の ") + std::to_string(rowLimit) + sj(" 行だけを印刷します（全 ") +
           std::to_string(RowCount() - std::min(fixedRows, RowCount())) + sj(" 行、以降は切り捨て）。");
}

std::string_view PrintTable::Cell(int row, int column) const {
    if (row < 0 || row >= RowCount()) return {};
    const auto& line = cells[static_cast<std::size_t>(row)];
    return column >= 0 && column < static_cast<int>(line.size())
               ? std::string_view(line[static_cast<std::size_t>(column)])
               : std::string_view();
}

PrintTable TextLinesTable(std::string_view text, std::string_view title, int letterWidth) {
    PrintTable table;
    table.title = std::string(title);
    std::size_t longest = 0;
    for (std::string& line : SplitLines(text)) {
        longest = std::max(longest, line.size() + 1);
        table.cells.push_back({" " + line});
    }
    table.columnWidths = {static_cast<int>(longest + 1) * letterWidth};
    return table;
}

std::vector<PageSpan> SplitIntoPages(const std::vector<int>& sizes, int fixedCount, int available) {
    const int count = static_cast<int>(sizes.size());
    fixedCount = std::clamp(fixedCount, 0, count);
    int room = available;
    for (int i = 0; i < fixedCount; ++i) room -= sizes[static_cast<std::size_t>(i)];
    std::vector<PageSpan> pages;
    PageSpan page{fixedCount, fixedCount};
    int used = 0;
    for (int i = fixedCount; i < count; ++i) {
        const int size = sizes[static_cast<std::size_t>(i)];
        if (page.end > page.begin && used + size > room) {
            pages.push_back(page);
            page = {i, i};
            used = 0;
        }
        page.end = i + 1;
        used += size;
    }
    pages.push_back(page);
    return pages;
}

}  // namespace rekkan
