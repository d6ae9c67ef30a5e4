#include "ui/layout_editor/type_list_delegate.h"

#include <QComboBox>

#include <algorithm>

#include "ui/app/qt_text.h"

namespace rekkan::ui {
namespace {
constexpr int kTypeColumn = 6;
}

QWidget* TypeListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    if (index.column() != kTypeColumn) return QStyledItemDelegate::createEditor(parent, option, index);
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("Cmb_Type"));
    list->setAccessibleName(QStringLiteral("型"));
    list->setMaxVisibleItems(20);
    const TypeList& types = editor_.Types();
    for (int i = 0; i < types.Size(); ++i) list->addItem(ToQ(types.TextAt(i)));
    return list;
}

void TypeListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
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

void TypeListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    auto* list = qobject_cast<QComboBox*>(editor);
    if (!list) return QStyledItemDelegate::setModelData(editor, model, index);
    if (list->currentIndex() == list->property("preselected").toInt()) return;  // nothing chosen
    model->setData(index, list->currentIndex(), Qt::EditRole);
}

}  // namespace rekkan::ui
