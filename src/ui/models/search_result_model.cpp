#include "ui/models/search_result_model.h"

#include "ui/app/qt_text.h"
#include "ui/delegates/cell_roles.h"
#include "ui/models/browse_table_model.h"
#include "util/text.h"

namespace rekkan::ui {

SearchResultModel::SearchResultModel(const SearchRunner& runner, QObject* parent)
    : QAbstractTableModel(parent), runner_(runner) {}

SearchResultModel::~SearchResultModel() = default;

void SearchResultModel::Begin(const SearchRequest& request, int fixedItem) {
    beginResetModel();
    request_ = request;
    words_ = request.words;
    rows_ = 0;
    for (Decoded& d : cache_) d.row = -1;
    headers_.clear();
    headers_.push_back({"", "", "", "SEQ"});
    for (const auto& lines : BrowseHeaders(*request.fields, fixedItem)) headers_.push_back(lines);
    headers_[2] = {};  // the position column is drawn empty
    file_ = std::make_unique<TFileInf>();
    if (file_->OpenDataFile(request.path, request.basePosition, request.recordLength, OpenMode::ReadOnly)) {
        reader_ = std::make_unique<BrowseRowReader>(*file_, *request.fields, request.codec, fixedItem);
        marker_ = std::make_unique<HitMarker>(*file_, *request.fields, request.codec, words_, request.orMode);
    } else {
        reader_.reset();
        marker_.reset();
    }
    endResetModel();
}

void SearchResultModel::Grow() {
    std::int64_t size = 0;
    runner_.WithHits([&](const HitStore& hits) { size = hits.Size(); });
    const int now = static_cast<int>(std::min<std::int64_t>(size, std::numeric_limits<int>::max()));
    if (now <= rows_) return;
    beginInsertRows({}, rows_, now - 1);
    rows_ = now;
    endInsertRows();
}

void SearchResultModel::Clear() {
    beginResetModel();
    rows_ = 0;
    headers_.clear();
    marker_.reset();
    reader_.reset();
    file_.reset();
    endResetModel();
}

int SearchResultModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int SearchResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

std::int64_t SearchResultModel::RecordOf(int row) const {
    std::int64_t index = -1;
    runner_.WithHits([&](const HitStore& hits) {
        if (row >= 0 && row < hits.Size()) index = hits.Index(row);
    });
    return index;
}

const SearchResultModel::Decoded& SearchResultModel::RowAt(int row) const {
    Decoded& d = cache_[static_cast<std::size_t>(row) % cache_.size()];
    if (d.row == row) return d;
    d.row = row;
    d.cells.cells.clear();
    d.marks.clear();
    const std::int64_t index = RecordOf(row);
    if (reader_ && index >= 0 && reader_->Read(index, d.cells)) d.marks = marker_->Marks(index);
    return d;
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    const TRdbObj* field = column >= kResultFixedColumns
                               ? &(*request_.fields)[static_cast<std::size_t>(column - kResultFixedColumns)]
                               : nullptr;
    switch (role) {
    case Qt::DisplayRole: {
        if (column == 0) return QString::number(index.row() + 1);
        if (column == 2) return QString();  // the position column is drawn empty
        const Decoded& d = RowAt(index.row());
        const auto at = static_cast<std::size_t>(column - 1);
        return at < d.cells.cells.size() ? ToQ(d.cells.cells[at]) : QString();
    }
    case Qt::TextAlignmentRole:
        return column == 3 || field ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    case FixedCellRole: return field == nullptr;
    case GroupRowRole: return field != nullptr && field->IsGroup();
    case MarkedRole: {
        if (!field) return false;
        const Decoded& d = RowAt(index.row());
        const auto at = static_cast<std::size_t>(column - kResultFixedColumns);
        return at < d.marks.size() && d.marks[at];
    }
    default: return {};
    }
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const std::vector<TRdbObj> kNoFields;
    return BrowseHeaderData(headers_, kResultFixedColumns, request_.fields ? *request_.fields : kNoFields, section,
                            orientation, role);
}

bool SearchResultModel::Walk(bool forward, int row, int column, int& foundRow, int& foundColumn) {
    if (!marker_) return false;
    std::optional<HitCell> cell;
    const std::int64_t item = column - kResultFixedColumns;
    runner_.WithHits([&](const HitStore& hits) {
        const HitMarksOf marks = marker_->Of(hits);
        cell = forward ? hits.Next(row, item, marks) : hits.Prior(row, item, marks);
    });
    if (!cell) return false;
    foundRow = static_cast<int>(cell->hit);
    foundColumn = static_cast<int>(cell->item) + kResultFixedColumns;
    return true;
}

}  // namespace rekkan::ui
