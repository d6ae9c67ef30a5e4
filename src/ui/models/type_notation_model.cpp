#include "ui/models/type_notation_model.h"

#include <QColor>

#include "ui/app/colours.h"
#include "ui/app/qt_text.h"

namespace rekkan::ui {

int TypeNotationModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTypeNotationRows - 1;
}

int TypeNotationModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTypeNotationColumns;
}

QVariant TypeNotationModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const bool fixed = index.column() != kTypeNotationEditColumn;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return ToQ(controller_.Cell(index.row() + 1, index.column()));
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole: return fixed ? QVariant(FromBgr(bgr::kPanel)) : QVariant();
    case Qt::ForegroundRole: return fixed ? QVariant(QColor(Qt::white)) : QVariant();
    default: return {};
    }
}

QVariant TypeNotationModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kTypeNotationColumns) return {};
    if (role == Qt::DisplayRole) return ToQ(controller_.Cell(0, section));
    if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags TypeNotationModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == kTypeNotationEditColumn ? base | Qt::ItemIsEditable : base;
}

bool TypeNotationModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() != kTypeNotationEditColumn) return false;
    std::string text;
    if (!ToCp932(value.toString(), text)) return false;  // a character Shift-JIS cannot hold
    controller_.SetEdited(index.row() + 1, std::move(text));
    emit dataChanged(index, index);
    return true;
}

void TypeNotationModel::EditedColumnChanged() {
    if (rowCount() == 0) return;
    emit dataChanged(index(0, kTypeNotationEditColumn), index(rowCount() - 1, kTypeNotationEditColumn));
}

}  // namespace rekkan::ui
