#include "ui/rec_editor/field_grid_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include "ui/delegates/cell_roles.h"
#include "ui/delegates/field_cell_delegate.h"
#include "ui/delegates/grid_header_view.h"
#include "ui/rec_editor/grid_geometry.h"
#include "ui/rec_editor/memo_editor.h"

namespace rekkan::ui {

FieldGridView::FieldGridView(QWidget* parent)
    : QTableView(parent),
      heading_(new GridHeaderView(kColContent, kRulerButtonWidth, QStringLiteral("目盛"), this)),
      delegate_(new FieldCellDelegate(kColContent, this)),
      memo_(new MemoEditor(viewport())) {
    setHorizontalHeader(heading_);
    setItemDelegate(delegate_);
    heading_->setSectionResizeMode(QHeaderView::Interactive);
    heading_->setStretchLastSection(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    SetMultiLine(true);
    connect(memo_, &MemoEditor::closed, this, [this](const QString& text) {
        const int row = memoRow_;
        memoRow_ = -1;
        QWidget* focus = QApplication::focusWidget();
        const bool stays = !focus || focus == memo_ || focus == this;
        if (stays) setFocus();
        emit memoClosed(row, text);
        if (!stays) emit leftGrid();
    });
}

void FieldGridView::SetMultiLine(bool on) {
    multiLine_ = on;
    delegate_->SetInPlaceEditing(!on);
    setEditTriggers(on ? QAbstractItemView::NoEditTriggers
                       : QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                             QAbstractItemView::EditKeyPressed);
}

void FieldGridView::SetRowHeight(int height) {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
}

int FieldGridView::CurrentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void FieldGridView::MoveToRow(int row) {
    if (!model() || row < 0 || row >= model()->rowCount()) return;
    setCurrentIndex(model()->index(row, kColContent));
    scrollTo(currentIndex());
}

bool FieldGridView::Editable(const QModelIndex& index) const {
    return index.isValid() && index.column() == kColContent && (index.flags() & Qt::ItemIsEditable);
}

void FieldGridView::OpenMemo(int row, const QString& typed) {
    const QModelIndex cell = model()->index(row, kColContent);
    if (!Editable(cell)) return;
    memoRow_ = row;
    memo_->setFont(font());
    memo_->Open(visualRect(cell), rowHeight(row), cell.data(Qt::EditRole).toString(), typed);
}

void FieldGridView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (current.isValid() && state() != EditingState) {
        if (enter) {
            emit enterPressed(current.row());
            return;
        }
        const QString typed = event->text();
        const bool printable = !typed.isEmpty() && typed.at(0).unicode() >= 32 && typed.at(0).unicode() != 127 &&
                               !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (printable || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
            if (current.data(GroupRowRole).toBool()) return;  // group rows take no input
            if (multiLine_) {
                if (printable) OpenMemo(current.row(), typed);
                return;
            }
        }
    }
    QTableView::keyPressEvent(event);
}

void FieldGridView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid() && at.column() == kColHex && !at.data(GroupRowRole).toBool())
        emit hexCellClicked(at.row());
    QTableView::mousePressEvent(event);
}

void FieldGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (multiLine_ && Editable(at)) {
        OpenMemo(at.row(), QString());
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void FieldGridView::inputMethodEvent(QInputMethodEvent* event) {
    const QModelIndex current = currentIndex();
    if (multiLine_ && Editable(current) && !event->commitString().isEmpty()) {
        OpenMemo(current.row(), event->commitString());
        return;
    }
    QTableView::inputMethodEvent(event);
}

void FieldGridView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    QWidget* next = QApplication::focusWidget();
    if (next && (next == memo_ || isAncestorOf(next))) return;
    emit leftGrid();
}

}  // namespace rekkan::ui
