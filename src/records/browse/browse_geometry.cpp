#include "records/browse/browse_geometry.h"

#include <algorithm>
#include <cmath>

#include "util/encoding.h"

namespace rekkan {

double WidthLimitChars(int index) { return 2.0 * std::clamp(index, 0, kMaxWidthChoices - 1) + 5.0; }

std::string MaxWidthChoiceText(int index) {
    return " " + std::to_string(2 * std::clamp(index, 0, kMaxWidthChoices - 1) + 4) + sj(" 桁");
}

std::string FoldChoiceText(int index) {
    if (index <= 0) return sj(" 自動");
    if (index == 1) return sj(" 無し");
    return " " + std::to_string(std::min(index, kFoldChoices - 1)) + sj(" 行");
}

std::string FixedWidthChoiceText(int index) {
    return " " + std::to_string(std::clamp(index, 0, kFixedWidthChoices - 1)) + sj("桁");
}

int GrownWidth(int current, int textBytes, double limitChars, int charWidth) {
    const double wanted = std::min(textBytes + 1.5, limitChars) * charWidth;
    const int rounded = static_cast<int>(std::lround(wanted));
    return std::max(rounded, current);
}

int FoldLines(const std::vector<FoldCell>& cells, int foldIndex) {
    if (foldIndex == 1) return 1;
    int lines = 1;
    for (const FoldCell& cell : cells) {
        if (cell.columnWidth < 1 || cell.textWidth <= cell.columnWidth) continue;
        const double ratio = static_cast<double>(cell.textWidth) / cell.columnWidth;
        lines = std::max(lines, 1 + static_cast<int>(std::lround(ratio)));
    }
    return foldIndex >= 2 ? std::min(lines, foldIndex) : lines;
}

int RowHeight(int lines, int textHeight, int defaultHeight) {
    if (lines < 2) return defaultHeight;
    return static_cast<int>(std::lround(lines * textHeight + textHeight * 0.5));
}

int DataRowCount(int areaHeight, int rowHeight, int gridLineWidth) {
    const int step = std::max(rowHeight + gridLineWidth, 1);
    const int rows = static_cast<int>(std::lround(static_cast<double>(areaHeight) / step));
    return std::max(rows, 5) - 4;
}

int WrapChars(int cellWidth, int charWidth) {
    if (charWidth < 1) return 1;
    const long chars = std::lround(static_cast<double>(cellWidth - charWidth) / charWidth);
    return static_cast<int>(std::max(chars, 1L));
}

int DrawnLines(int cellHeight, int lineHeight) {
    if (lineHeight < 1) return 0;
    // Line k ends at 2 + (k + 1) x lineHeight and is drawn while that is above cellHeight.
    return std::max((cellHeight - 3) / lineHeight, 0);
}

std::vector<CellMark> CellMarks(bool hexDisplay, int byteLength, int charWidth, int left, int clipRight) {
    const int step = hexDisplay ? 2 : 4;
    const std::int64_t count = hexDisplay ? byteLength : 2LL * byteLength;
    std::vector<CellMark> marks;
    for (std::int64_t k = 0; k < count; ++k) {
        const int x = left + static_cast<int>(std::lround((k + 1) * step * static_cast<double>(charWidth) + 3)) - 1;
        if (x > clipRight) break;
        marks.push_back({x, (k + 1) % 5 == 0});
    }
    return marks;
}

}  // namespace rekkan
