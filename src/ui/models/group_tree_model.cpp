#include "ui/models/group_tree_model.h"

#include <QApplication>
#include <QMimeData>
#include <QStyle>

#include "records/layout_group.h"
#include "ui/app/qt_text.h"

namespace rekkan::ui {
namespace {

// internalId: 0 for a top-level node, entry + 1 for a child of that entry.
constexpr quintptr kTop = 0;
const QString kMime = QStringLiteral("application/x-rekkan-group-entry");

}  // namespace

void GroupTreeModel::Reset(const LayoutGroup* group) {
    beginResetModel();
    group_ = group;
    endResetModel();
}

void GroupTreeModel::CaptionsChanged(int entry) {
    if (!group_ || entry < 0 || entry >= group_->Count()) return;
    const QModelIndex top = index(entry, 0);
    emit dataChanged(top, top, {Qt::DisplayRole});
    emit dataChanged(index(0, 0, top), index(1, 0, top), {Qt::DisplayRole});
}

int GroupTreeModel::EntryOf(const QModelIndex& index) {
    if (!index.isValid()) return -1;
    return index.internalId() == kTop ? index.row() : static_cast<int>(index.internalId()) - 1;
}

bool GroupTreeModel::IsEntryNode(const QModelIndex& index) { return index.isValid() && index.internalId() == kTop; }

QModelIndex GroupTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) return {};
    if (!parent.isValid()) return createIndex(row, column, kTop);
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex GroupTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kTop) return {};
    return createIndex(static_cast<int>(child.internalId()) - 1, 0, kTop);
}

int GroupTreeModel::rowCount(const QModelIndex& parent) const {
    if (!group_ || parent.column() > 0) return 0;
    if (!parent.isValid()) return group_->Count();
    return parent.internalId() == kTop ? 2 : 0;
}

int GroupTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant GroupTreeModel::data(const QModelIndex& index, int role) const {
    if (!group_ || !index.isValid()) return {};
    const bool top = index.internalId() == kTop;
    if (role == Qt::DecorationRole)
        return QApplication::style()->standardIcon(top ? QStyle::SP_FileDialogDetailedView : QStyle::SP_FileIcon);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const int entry = EntryOf(index);
    if (top) return ToQ(group_->Caption(entry));
    const TLayoutListObj& e = group_->Entry(entry);
    return ToQ(index.row() == 0 ? LayoutChildCaption(e.layoutPath) : EditChildCaption(e.editFilePath));
}

Qt::ItemFlags GroupTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.internalId() == kTop) f |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    return f;
}

QStringList GroupTreeModel::mimeTypes() const { return {kMime}; }

QMimeData* GroupTreeModel::mimeData(const QModelIndexList& indexes) const {
    for (const QModelIndex& i : indexes) {
        if (!IsEntryNode(i)) continue;
        auto* data = new QMimeData;
        data->setData(kMime, QByteArray::number(i.row()));
        return data;
    }
    return nullptr;
}

int GroupTreeModel::DropTarget(int row, const QModelIndex& parent) const {
    if (!group_) return -1;
    if (IsEntryNode(parent)) return parent.row();  // dropped on a node
    if (parent.isValid()) return -1;               // among the children of a node
    return row >= 0 && row < group_->Count() ? row : -1;
}

bool GroupTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                     const QModelIndex& parent) const {
    return data && data->hasFormat(kMime) && action == Qt::MoveAction && DropTarget(row, parent) >= 0;
}

bool GroupTreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent) || !move_) return false;
    bool ok = false;
    const int from = data->data(kMime).toInt(&ok);
    const int target = DropTarget(row, parent);
    if (!ok || from == target) return false;
    move_(from, target);
    return true;
}

}  // namespace rekkan::ui
