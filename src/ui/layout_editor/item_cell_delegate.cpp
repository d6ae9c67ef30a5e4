#include "ui/layout_editor/item_cell_delegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

#include "ui/app/qt_text.h"
#include "ui/layout_editor/item_grid_model.h"

namespace rekkan::ui {
namespace {

constexpr int kBoxRows = 3;

[[nodiscard]] bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

QString WithoutLineBreaks(QString text) {
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

QWidget* ItemCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    if (index.column() == kGridTypeColumn) {
        auto* list = new QComboBox(parent);
        list->setObjectName(QStringLiteral("Cmb_Type"));
        list->setAccessibleName(QStringLiteral("型"));
        list->setMaxVisibleItems(20);
        list->setProperty("row", index.row());
        const TypeList& types = editor_.Types();
        for (int i = 0; i < types.Size(); ++i) list->addItem(ToQ(types.TextAt(i)));
        return list;
    }
    if (InPlace()) {
        auto* line = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (!line) return nullptr;
        line->setFrame(false);
        line->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString().trimmed());
        // Every key that changes the text counts at once, before the row is committed.
        connect(line, &QLineEdit::textEdited, this, [this] { editor_.MarkModified(); });
        return line;
    }
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QStringLiteral("Mem_Cell"));
    box->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString().trimmed());
    box->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; color: black; }"));
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return box;
}

void ItemCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QPlainTextEdit*>(editor)) {
        box->setPlainText(index.data(Qt::EditRole).toString());
        box->moveCursor(QTextCursor::End);
        return;
    }
    auto* list = qobject_cast<QComboBox*>(editor);
    if (!list) return QStyledItemDelegate::setEditorData(editor, index);
    const LayoutDocument& doc = editor_.Shown();
    const int row = index.row();
    // A row past the last item offers the type it would get: that of the item above.
    const int source = row < doc.Count() ? row : doc.Count() - 1;
    const int code = source >= 0 ? doc.items[static_cast<std::size_t>(source)].TYP : kGroup;
    const int at = std::max(0, editor_.Types().IndexOf(code));
    list->setCurrentIndex(at);
    list->setProperty("preselected", at);
}

void ItemCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QPlainTextEdit*>(editor)) {
        model->setData(index, WithoutLineBreaks(box->toPlainText()), Qt::EditRole);
        return;
    }
    auto* list = qobject_cast<QComboBox*>(editor);
    if (!list) return QStyledItemDelegate::setModelData(editor, model, index);
    if (list->currentIndex() == list->property("preselected").toInt()) return;  // nothing chosen
    model->setData(index, list->currentIndex(), Qt::EditRole);
}

void ItemCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const {
    if (!qobject_cast<QPlainTextEdit*>(editor)) return QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    QRect rect = option.rect;
    rect.setHeight(option.rect.height() * kBoxRows);
    editor->setGeometry(rect);
}

bool ItemCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(watched, event);
    auto* editor = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int k = key->key();
    if (auto* list = qobject_cast<QComboBox*>(watched)) {
        int column = -1;
        if (k == Qt::Key_Tab || k == Qt::Key_Right || IsEnter(k)) column = kGridRepeatColumn;
        if (k == Qt::Key_Backtab || k == Qt::Key_Left) column = kGridRedefinesColumn;
        if (column < 0) {
            const bool passes = k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Escape;
            return passes ? QStyledItemDelegate::eventFilter(watched, event) : true;
        }
        const int row = list->property("row").toInt();
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        emit typeListLeft(row, column);
        return true;
    }
    if (qobject_cast<QPlainTextEdit*>(watched) && IsEnter(k) && !(key->modifiers() & Qt::ShiftModifier)) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        return true;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace rekkan::ui
