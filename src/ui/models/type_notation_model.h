#pragma once

#include <QAbstractTableModel>

#include "layout_editor/type_notation_controller.h"

namespace rekkan::ui {

/// The type notation table over its controller: one row per type code, the heading row as the
/// horizontal header; only the last column is edited. Stores nothing of its own.
class TypeNotationModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TypeNotationModel(TypeNotationController& controller, QObject* parent = nullptr)
        : QAbstractTableModel(parent), controller_(controller) {}

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    /// The controller's edited column changed as a whole (show, reset, update).
    void EditedColumnChanged();

private:
    TypeNotationController& controller_;
};

}  // namespace rekkan::ui
