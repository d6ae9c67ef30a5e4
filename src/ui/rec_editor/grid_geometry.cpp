#include "ui/rec_editor/grid_geometry.h"

#include <cmath>

namespace rekkan::ui {

int FieldRowHeight(int textHeight, int fontSize) {
    double factor = 1.1;
    if (fontSize >= 10 && fontSize <= 15) factor = 1.15 + 0.05 * (fontSize - 10);
    return static_cast<int>(std::lround(textHeight * factor));
}

std::array<int, kFieldColumnCount> FieldColumnWidths(int letterAWidth, int typeWidth,
                                                     const int (&saved)[kFieldColumnCount]) {
    static constexpr double kInitial[kFieldColumnCount] = {5, 13, 7, 0, 25, 2.7, 4, 30};
    std::array<int, kFieldColumnCount> widths{};
    for (int c = 0; c < kFieldColumnCount; ++c)
        widths[c] = c == kColType ? typeWidth : static_cast<int>(std::lround(kInitial[c] * letterAWidth));
    for (int c : {kColPos, kColSize, kColType, kColName, kColContent})
        if (saved[c] > 0) widths[c] = saved[c];
    return widths;
}

int NextPaneWidth(int current, int startWidth, int innerWidth) {
    const int cycle[4] = {startWidth, innerWidth / 4, innerWidth / 2, innerWidth * 9 / 10};
    int at = -1;  // the width of the cycle the pane has now
    for (int i = 0; i < 4; ++i)
        if (cycle[i] == current) at = i;
    for (int step = 1; step <= 4; ++step) {
        const int next = cycle[(at + step + 4) % 4];
        if (next != current) return next;
    }
    return current;
}

}  // namespace rekkan::ui
