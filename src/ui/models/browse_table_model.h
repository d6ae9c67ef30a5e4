#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

#include "records/browse/browse_table.h"

namespace rekkan::ui {

/// Columns of the browse table before the first field entry: Rec.No, position, fixed item.
inline constexpr int kBrowseFixedColumns = 3;

/// The four heading lines of every browse column (Rec.No, position, fixed item, then the field
/// entries) with fixed item `fixedItem` (0 none), CP932.
[[nodiscard]] std::vector<std::array<std::string, 4>> BrowseHeaders(const std::vector<TRdbObj>& fields, int fixedItem);

/// Header data of column `section` of a browse-style grid: `headers` the four heading lines of
/// every column, the first `fixedColumns` of them fixed (the last of those the fixed item), then
/// one column per entry of `fields`.
[[nodiscard]] QVariant BrowseHeaderData(const std::vector<std::array<std::string, 4>>& headers, int fixedColumns,
                                        const std::vector<TRdbObj>& fields, int section, Qt::Orientation orientation,
                                        int role);

/// The data rows of the browse table over the core's table: one model row per data row on
/// screen, columns Rec.No, position, fixed item, then one per field entry. The four heading
/// lines of each column are its header data (HeaderLineRole + k). The model keeps no cell of
/// its own; the table's row cache holds them.
class BrowseTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    BrowseTableModel(BrowseTable& table, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

    /// Shows `dataRows` rows from the table's base; returns the records decoded.
    int Refill(int dataRows);
    /// The fixed item changed: its heading lines follow and every row is read again.
    void FixedItemChanged(int dataRows);
    /// Heading line `line` of column `column` as the core holds it (CP932).
    [[nodiscard]] const std::string& HeaderText(int column, int line) const;

private:
    void BuildHeaders();

    BrowseTable& table_;
    std::vector<std::array<std::string, 4>> headers_;
};

}  // namespace rekkan::ui
