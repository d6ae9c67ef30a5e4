#pragma once

#include <QAbstractTableModel>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "records/browse/browse_row_reader.h"
#include "records/browse/hit_store.h"
#include "records/browse/search_runner.h"

namespace rekkan::ui {

/// Columns of the search results before the first field entry: hit number, Rec.No, position,
/// fixed item.
inline constexpr int kResultFixedColumns = 4;

/// The rows of the search results: one per hit the runner has handed over, columns hit number,
/// Rec.No, position, fixed item, then one per field entry, the cells a word occurs in marked.
/// A hit is only its record index; the rows asked for are read and decoded again from a handle
/// of the model's own, a few at a time, so a million hits hold no decoded record.
class SearchResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SearchResultModel(const SearchRunner& runner, QObject* parent = nullptr);
    ~SearchResultModel() override;

    /// A new search over `request` (its field list must outlive it) with browse fixed item
    /// `fixedItem`: no rows until Grow().
    void Begin(const SearchRequest& request, int fixedItem);
    /// Shows the hits the runner holds now.
    void Grow();
    /// No rows, no columns.
    void Clear();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

    /// Record index of hit `row`.
    [[nodiscard]] std::int64_t RecordOf(int row) const;
    /// The next (or previous) marked cell after (`row`, `column`), as (row, column); false when
    /// there is none.
    [[nodiscard]] bool Walk(bool forward, int row, int column, int& foundRow, int& foundColumn);

private:
    struct Decoded {
        int row = -1;
        BrowseRow cells;
        std::vector<bool> marks;
    };
    const Decoded& RowAt(int row) const;

    const SearchRunner& runner_;
    SearchRequest request_;
    std::vector<std::string> words_;
    std::vector<std::array<std::string, 4>> headers_;
    std::unique_ptr<TFileInf> file_;
    std::unique_ptr<BrowseRowReader> reader_;
    std::unique_ptr<HitMarker> marker_;
    int rows_ = 0;
    mutable std::array<Decoded, 64> cache_;
};

}  // namespace rekkan::ui
