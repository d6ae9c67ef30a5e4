#pragma once

#include <QAbstractTableModel>

#include "layout_editor/layout_editor_model.h"

namespace rekkan::ui {

/// Columns of the layout editor's item grid.
inline constexpr int kGridPosColumn = 1;
inline constexpr int kGridLevelColumn = 2;
inline constexpr int kGridFirstItemColumn = 3;  ///< the item name
inline constexpr int kGridRedefinesColumn = 5;
inline constexpr int kGridTypeColumn = 6;
inline constexpr int kGridRepeatColumn = 7;
inline constexpr int kGridDigitsColumn = 8;
inline constexpr int kGridDecimalsColumn = 9;
inline constexpr int kGridLastColumn = 10;  ///< the remark

/// The layout editor's item grid over `LayoutEditorModel`: eleven columns (SEQ, POS, LVL and the
/// eight item cells), one row per item row of the shown document and, outside the redefinition
/// view, one empty row below the last item where typing appends an item. It stores nothing of
/// its own but the row count the view was last told.
///
/// Editing a cell commits its row through the editor model; the type column takes the position
/// of the chosen entry of the type list.
class ItemGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ItemGridModel(LayoutEditorModel& editor, const Settings& settings, QObject* parent = nullptr);

    /// Tells the view what changed in the editor model (rows added or removed, every cell, the headers).
    void Sync();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    [[nodiscard]] int WantedRows() const;
    /// Redefinition members, and the view's heads and tags.
    [[nodiscard]] bool RedefinitionRow(int row) const;
    [[nodiscard]] QVariant Background(int row, int column) const;
    [[nodiscard]] QVariant Foreground(int row, int column) const;

    LayoutEditorModel& editor_;
    const Settings& settings_;
    int rows_ = 0;
};

/// Text of one item cell (columns 3 to 10) of `cells`.
[[nodiscard]] std::string& CellText(RowTexts& cells, int column);

}  // namespace rekkan::ui
