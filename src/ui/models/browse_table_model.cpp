#include "ui/models/browse_table_model.h"

#include "records/browse/browse_header.h"
#include "ui/app/qt_text.h"
#include "ui/delegates/cell_roles.h"
#include "util/encoding.h"

namespace rekkan::ui {

BrowseTableModel::BrowseTableModel(BrowseTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {
    BuildHeaders();
}

std::vector<std::array<std::string, 4>> BrowseHeaders(const std::vector<TRdbObj>& fields, int item) {
    std::vector<std::array<std::string, 4>> headers(fields.size() + kBrowseFixedColumns);
    const auto fixed = BrowseFixedHeader();
    headers[0][3] = " Rec.No  ";
    headers[1][3] = sj(" 位置    ");
    for (int line = 0; line < 3; ++line) (item == 0 ? headers[1] : headers[2])[line] = fixed[line];
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto lines = BrowseItemHeader(static_cast<int>(i) + 1, fields[i]);
        for (int line = 0; line < 4; ++line) headers[i + kBrowseFixedColumns][line] = lines[line];
    }
    if (item > 0) headers[2][3] = headers[static_cast<std::size_t>(item) + 2][3];
    return headers;
}

void BrowseTableModel::BuildHeaders() { headers_ = BrowseHeaders(table_.Fields(), table_.FixedItem()); }

const std::string& BrowseTableModel::HeaderText(int column, int line) const {
    return headers_.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(line));
}

int BrowseTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.Rows().size());
}

int BrowseTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant BrowseTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    const TRdbObj* field = column >= kBrowseFixedColumns
                               ? &table_.Fields()[static_cast<std::size_t>(column - kBrowseFixedColumns)]
                               : nullptr;
    switch (role) {
    case Qt::DisplayRole: {
        const BrowseRow& row = table_.Rows()[static_cast<std::size_t>(index.row())];
        if (static_cast<std::size_t>(column) >= row.cells.size()) return QString();
        return ToQ(row.cells[static_cast<std::size_t>(column)]);
    }
    case Qt::TextAlignmentRole: return column < 2 ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    case FixedCellRole: return field == nullptr;
    case GroupRowRole: return field != nullptr && field->IsGroup();
    case ByteLengthRole: return field ? field->length : 0;
    case MarkKindRole:
        if (!field || field->IsGroup()) return int(MarkKind::None);
        if (field->hexDisplay) return int(MarkKind::Hex);
        return int(field->type == kBit ? MarkKind::Bit : MarkKind::None);
    default: return {};
    }
}

QVariant BrowseHeaderData(const std::vector<std::array<std::string, 4>>& headers, int fixedColumns,
                          const std::vector<TRdbObj>& fields, int section, Qt::Orientation orientation, int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(headers.size())) {
        return orientation == Qt::Vertical && role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    const auto& lines = headers[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return ToQ(lines[3]).trimmed();
    if (role >= HeaderLineRole && role < HeaderLineRole + kBrowseHeaderLines)
        return ToQ(lines[static_cast<std::size_t>(role - HeaderLineRole)]);
    if (role == HeaderKindRole) {
        if (section < fixedColumns - 1) return int(HeaderKind::CentredFixed);
        if (section == fixedColumns - 1) return int(HeaderKind::LeftFixed);
        return int(fields[static_cast<std::size_t>(section - fixedColumns)].IsGroup() ? HeaderKind::GroupItem
                                                                                      : HeaderKind::Item);
    }
    return {};
}

QVariant BrowseTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return BrowseHeaderData(headers_, kBrowseFixedColumns, table_.Fields(), section, orientation, role);
}

int BrowseTableModel::Refill(int dataRows) {
    if (dataRows != rowCount()) {
        beginResetModel();
        const int read = table_.Refill(dataRows);
        endResetModel();
        return read;
    }
    const int read = table_.Refill(dataRows);
    if (dataRows > 0) emit dataChanged(index(0, 0), index(dataRows - 1, columnCount() - 1));
    return read;
}

void BrowseTableModel::FixedItemChanged(int dataRows) {
    BuildHeaders();
    emit headerDataChanged(Qt::Horizontal, 0, kBrowseFixedColumns - 1);
    Refill(dataRows);
}

}  // namespace rekkan::ui
