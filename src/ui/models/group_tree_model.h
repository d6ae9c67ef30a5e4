#pragma once

#include <QAbstractItemModel>

#include <functional>

namespace rekkan {
class LayoutGroup;
}

namespace rekkan::ui {

/// The layout group as a tree: one top-level node per entry (its caption), each with the two
/// children "Layout = ..." and "Edit   = ...". Reads the group it is given and keeps nothing
/// of its own; a top-level node dragged onto another asks `moveEntry` to move it in front.
class GroupTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    /// Asked to move entry `from` in front of entry `target`; the group's owner moves it and
    /// then resets this model.
    using MoveEntry = std::function<void(int from, int target)>;

    explicit GroupTreeModel(QObject* parent = nullptr) : QAbstractItemModel(parent) {}

    /// Shows `group` (nullptr: nothing); call again after entries were added, removed or moved.
    void Reset(const LayoutGroup* group);
    /// The captions of entry `entry` (and its children) changed.
    void CaptionsChanged(int entry);
    void SetMoveEntry(MoveEntry move) { move_ = std::move(move); }

    /// The entry an index belongs to (a child gives its parent's entry), or -1.
    [[nodiscard]] static int EntryOf(const QModelIndex& index);
    /// True for the index of a top-level node.
    [[nodiscard]] static bool IsEntryNode(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    /// The entry a drop lands in front of, or -1.
    [[nodiscard]] int DropTarget(int row, const QModelIndex& parent) const;

    const LayoutGroup* group_ = nullptr;
    MoveEntry move_;
};

}  // namespace rekkan::ui
