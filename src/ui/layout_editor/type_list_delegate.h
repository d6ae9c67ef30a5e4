#pragma once

#include <QStyledItemDelegate>

#include "layout_editor/layout_editor_model.h"

namespace rekkan::ui {

/// Edits the type column of the item grid with the type list (a drop-down over the cell, in the
/// order of the language priority, the row's type preselected); other cells get a line box.
class TypeListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TypeListDelegate(const LayoutEditorModel& editor, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), editor_(editor) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    const LayoutEditorModel& editor_;
};

}  // namespace rekkan::ui
