// The browse table's columns and rows: widths, the fixed item column, folding and the format
// switch.
#include <QComboBox>
#include <QFontMetrics>
#include <QItemSelectionModel>

#include "records/browse/browse_geometry.h"
#include "records/browse/browse_header.h"
#include "ui/app/qt_text.h"
#include "ui/app/wait_cursor.h"
#include "ui/browse_table/browse_grid.h"
#include "ui/browse_table/rec_table_controls.h"
#include "ui/browse_table/rec_table_window.h"
#include "ui/models/browse_table_model.h"

namespace rekkan::ui {
namespace {
constexpr int kStartChars = 5;  // an item column's width before it grows
}

void TFm_RecTable::BuildColumns() {
    const int w = CharWidth();
    const double limit = WidthLimitChars(choices_.maxWidth);
    for (int column = 0; column < model_->columnCount(); ++column) {
        int width = kStartChars * w;
        for (int line : {3, 2})
            width = GrownWidth(width, static_cast<int>(model_->HeaderText(column, line).size()), limit, w);
        grid_->SetColumnWidth(column, width);
    }
    grid_->SetColumnWidth(2, w);
    grid_->SetColumnWidth(1, 13 * w);
    for (std::size_t i = 0; i < setup_.fields->size(); ++i) {
        if (!(*setup_.fields)[i].IsGroup()) continue;
        const int column = static_cast<int>(i) + kBrowseFixedColumns;
        grid_->SetColumnWidth(column, static_cast<int>(model_->HeaderText(column, 2).size()) * w);
    }
    for (int c = 0; c < 3; ++c) fixedWidths_[c] = grid_->ColumnWidth(c);
    QComboBox& box = *controls_->fixedItem;
    const QSignalBlocker quiet(box);
    box.clear();
    for (const std::string& choice : FixedItemChoices(*setup_.fields)) box.addItem(ToQ(choice));
    box.setCurrentIndex(table_->FixedItem() < box.count() ? table_->FixedItem() : 0);
    grid_->SetHeights(rowHeight_, rowHeight_, {});
}

void TFm_RecTable::ApplyFixedColumn() {
    const int item = table_->FixedItem();
    grid_->SetColumnWidth(2, item == 0 ? CharWidth() : choices_.fixedWidth * CharWidth());
    const WaitCursor busy;
    ShowLabels();
    model_->FixedItemChanged(dataRows_);
    CurrentChanged(grid_->Selection()->currentIndex());
}

void TFm_RecTable::ApplyFormat() { grid_->SetColumnWidth(1, choices_.positionHidden ? 0 : fixedWidths_[1]); }

void TFm_RecTable::ApplyMaxWidth() {
    const int w = CharWidth();
    const double limit = WidthLimitChars(choices_.maxWidth);
    for (std::size_t i = 0; i < setup_.fields->size(); ++i) {
        if ((*setup_.fields)[i].IsGroup()) continue;
        const int column = static_cast<int>(i) + kBrowseFixedColumns;
        int width = kStartChars * w;
        for (int line = 0; line < 4; ++line)
            width = GrownWidth(width, static_cast<int>(model_->HeaderText(column, line).size()), limit, w);
        for (const BrowseRow& row : table_->Rows())
            if (static_cast<std::size_t>(column) < row.cells.size())
                width =
                    GrownWidth(width, static_cast<int>(row.cells[static_cast<std::size_t>(column)].size()), limit, w);
        grid_->SetColumnWidth(column, width);
    }
    ApplyFolding();
}

void TFm_RecTable::ApplyFolding() {
    const int w = CharWidth();
    const int textHeight = QFontMetrics(grid_->font()).height();
    const int columns = model_->columnCount();
    std::vector<FoldCell> cells;
    // Lines of one row from the byte lengths of its texts against the column widths.
    auto lines = [&](auto textOf) {
        cells.clear();
        for (int c = 0; c < columns; ++c) {
            if (c >= kBrowseFixedColumns &&
                (*setup_.fields)[static_cast<std::size_t>(c - kBrowseFixedColumns)].IsGroup())
                continue;
            cells.push_back({static_cast<int>(textOf(c).size()) * w, grid_->ColumnWidth(c)});
        }
        return FoldLines(cells, choices_.fold);
    };
    const int nameLines = lines([&](int c) -> const std::string& { return model_->HeaderText(c, 3); });
    std::vector<int> heights;
    static const std::string kEmpty;
    for (const BrowseRow& row : table_->Rows()) {
        const int n = lines([&](int c) -> const std::string& {
            return static_cast<std::size_t>(c) < row.cells.size() ? row.cells[static_cast<std::size_t>(c)] : kEmpty;
        });
        heights.push_back(RowHeight(n, textHeight, rowHeight_));
    }
    grid_->SetHeights(rowHeight_, RowHeight(nameLines, textHeight, rowHeight_), heights);
}

}  // namespace rekkan::ui
