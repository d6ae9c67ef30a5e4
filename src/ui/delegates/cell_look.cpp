#include "ui/delegates/cell_look.h"

#include "ui/app/colours.h"

namespace rekkan::ui {

namespace {
constexpr int kHexColumn = 6;
constexpr int kContentColumn = 7;
constexpr int kErrorColumn = 5;
}  // namespace

CellLook CellLookOf(const CellFacts& f) {
    if (f.column == kContentColumn) {
        if (f.group) return {bgr::kGroupFill, look::kContentText};
        if (f.undoMark) return {0x000000, bgr::kWhite};
        return {look::kContent, look::kContentText};
    }
    if (f.group) return {look::kGrid, f.column >= 1 ? bgr::kGold : bgr::kWhite};
    if (f.pastEnd && f.column <= 4) return {bgr::kPanel, bgr::kRed};
    if (f.column == kErrorColumn && f.error) return {bgr::kPanel, bgr::kRed};
    if (f.column == kHexColumn) return {look::kButton, look::kButtonText};
    return {look::kGrid, bgr::kWhite};
}

CellLook HeadingLookOf(int column, bool allHex) {
    if (column == kHexColumn) return {look::kButton, allHex ? bgr::kBlue : look::kButtonText};
    return {look::kHeading, bgr::kWhite};
}

}  // namespace rekkan::ui
