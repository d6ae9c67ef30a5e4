#pragma once

#include <QStyledItemDelegate>

#include "layout_editor/layout_editor_model.h"

namespace rekkan::ui {

/// Edits the cells of the item grid: the type column with the type list (a drop-down over the
/// cell in the order of the language priority, the row's type preselected), the other item cells
/// in a white box three rows high (the cell editor) or, with in-place editing, in a line box.
///
/// While the type list has the focus only Tab, Enter and the arrows act: Tab, Right and Enter
/// close it towards the repeat column, Shift+Tab and Left towards the redefinition column.
class ItemCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ItemCellDelegate(LayoutEditorModel& editor, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), editor_(editor) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

signals:
    /// The type list of `row` closed by a key that moves the cursor on to `column`.
    void typeListLeft(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] bool InPlace() const { return editor_.Options().cellEdit == 0; }

    LayoutEditorModel& editor_;
};

/// The cell editor's text as it is stored: its line breaks removed.
[[nodiscard]] QString WithoutLineBreaks(QString text);

}  // namespace rekkan::ui
