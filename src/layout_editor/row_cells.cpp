#include "layout_editor/row_cells.h"

#include "model/redefinition_view.h"
#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

namespace {

constexpr long long kLargestNumber = 999'999'999;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string NumberCell(char rule, int value) {
    if (rule == '0' || value <= 0) return {};
    return " " + std::to_string(value);
}

}  // namespace

std::array<std::string, kGridColumns> GridHeaders(LangPriority priority) {
    return {" SEQ",
            sj(" 位置"),
            sj(" ⇔"),
            sj(" 項目名"),
            " Variable.Name",
            sj(" 再定義"),
            sj(" 型 <") + PriorityName(priority) + sj(" 優先>"),
            sj(" 繰返"),
            sj(" 桁数"),
            sj(" 小数"),
            sj(" 備考")};
}

bool RowTexts::HasText() const {
    for (const std::string* cell : {&name, &varName, &redefines, &type, &repeat, &digits, &decimals, &remarks}) {
        if (!Trim(*cell).empty()) return true;
    }
    return false;
}

std::string LevelDigits(int level) {
    const int v = ((level + 100) % 100 + 100) % 100;
    return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}

RowTexts FormatRowCells(const TRspec& row, int indentWidth, const TypeLabelFn& typeLabel) {
    RowTexts t;
    t.name = Blanks((row.LVL - 1) * indentWidth) + LevelDigits(row.LVL) + " " + row.KOM;
    t.varName = " " + row.VNM;
    t.redefines = " " + row.RED;
    t.type = typeLabel ? typeLabel(row.TYP) : StandardTypeLabel(row.TYP);
    t.repeat = row.RPT > 1 ? " " + std::to_string(row.RPT) : std::string();
    t.digits = NumberCell(BytRule(row.TYP), row.BYT);
    t.decimals = NumberCell(SyoRule(row.TYP), row.SYO);
    t.remarks = row.BKO;
    return t;
}

std::string SeqCellText(int row) { return PadLeft(' ', std::to_string(row + 1), 5); }

std::string PositionCellText(const TRspec& row, const GeometryRow& geometry, bool redefinitionView) {
    if (redefinitionView) return ViewPositionText(row);
    return geometry.Pos == -1 ? std::string() : std::to_string(geometry.Pos);
}

LevelAndName SplitLevelAndName(std::string_view cell) {
    const std::string text = Trim(cell);
    std::size_t digits = 0;
    while (digits < 2 && digits < text.size() && IsDigit(text[digits])) ++digits;
    LevelAndName out;
    if (digits > 0) out.level = std::stoi(text.substr(0, digits));
    out.name = Trim(std::string_view(text).substr(digits));
    return out;
}

int LeadingNumber(std::string_view cell) {
    const std::string text = Trim(cell);
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) break;
        value = value * 10 + (c - '0');
        if (value > kLargestNumber) value = kLargestNumber;
    }
    return static_cast<int>(value);
}

}  // namespace rekkan
