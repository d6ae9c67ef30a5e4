#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <functional>

#include "layout_editor/key_item_editor.h"

namespace rekkan::ui {

/// Where a drag in the key item editor started.
enum class KeyDragSource { Selection = 0, KeyList = 1, AddKey = 2, Duplicates = 3, Order = 4 };

/// The drag format shared by the key item editor's lists: the source and its dragged rows.
inline constexpr const char* kKeyDragMime = "application/x-rekkan-key-drag";

/// Base of the key item editor's lists: what is dragged from them and how it is packed.
class KeyDragModel : public QAbstractListModel {
public:
    KeyDragModel(KeyDragSource source, QObject* parent) : QAbstractListModel(parent), source_(source) {}
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override { return {QString::fromLatin1(kKeyDragMime)}; }
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction | Qt::CopyAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction | Qt::CopyAction; }
    /// Rebuilds the views after the editor changed the lines.
    void Reset() {
        beginResetModel();
        endResetModel();
    }

    /// Reads a drag: its source and rows; false when it is not one of ours.
    [[nodiscard]] static bool Unpack(const QMimeData* data, KeyDragSource& source, std::vector<int>& rows,
                                     QString& text);

private:
    KeyDragSource source_;
};

/// The item selection list over the editor's selection lines; takes key lines dragged back.
class KeySelectionModel : public KeyDragModel {
public:
    /// `changed` is told the key-list line to select after a change.
    KeySelectionModel(KeyItemEditor& keys, std::function<void(int)> changed, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    KeyItemEditor& keys_;
    std::function<void(int)> changed_;
};

/// The key list over the layout's key lines (their visible part); takes items and palette entries.
class KeyListModel : public KeyDragModel {
public:
    KeyListModel(KeyItemEditor& keys, std::function<void(int)> changed, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const override;
    /// A drop on line `parent` (or below the lines: appended).
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    KeyItemEditor& keys_;
    std::function<void(int)> changed_;
};

/// A palette list of fixed entries ("キー番号の追加", " 不"/" 可", " 昇順"/" 降順").
class KeyPaletteModel : public KeyDragModel {
public:
    KeyPaletteModel(KeyDragSource source, QStringList entries, QObject* parent)
        : KeyDragModel(source, parent), entries_(std::move(entries)) {}
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : entries_.size(); }
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QStringList entries_;
};

}  // namespace rekkan::ui
