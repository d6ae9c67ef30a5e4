#pragma once

#include <QStyledItemDelegate>

namespace rekkan::ui {

/// Draws the cells of the field grid from their roles: the colours of `CellLookOf`, and under
/// the content cell the ruler while it is on. The content column is edited in place in a line
/// box when `SetInPlaceEditing` is on (one-line mode).
class FieldCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit FieldCellDelegate(int contentColumn, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), contentColumn_(contentColumn) {}

    void SetRuler(bool on) { ruler_ = on; }
    [[nodiscard]] bool Ruler() const { return ruler_; }
    void SetInPlaceEditing(bool on) { inPlace_ = on; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void PaintRuler(QPainter* painter, const QRect& rect, const QModelIndex& index, int textLeft, int charWidth) const;

    int contentColumn_;
    bool ruler_ = false;
    bool inPlace_ = false;
};

}  // namespace rekkan::ui
