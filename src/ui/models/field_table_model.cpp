#include "ui/models/field_table_model.h"

#include "model/type_catalogue.h"
#include "ui/app/qt_text.h"
#include "util/text.h"

namespace rekkan::ui {

void FieldTableModel::Show(const std::vector<TRdbObj>* fields, const RecordTexts* texts) {
    beginResetModel();
    fields_ = fields;
    texts_ = texts;
    endResetModel();
}

int FieldTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !fields_ ? 0 : static_cast<int>(fields_->size());
}

int FieldTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant FieldTableModel::data(const QModelIndex& index, int role) const {
    if (!fields_ || !index.isValid() || index.row() >= rowCount()) return {};
    const TRdbObj& f = (*fields_)[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() == kPos || index.column() == kSize ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                                 : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case kName: return ToQ(f.DisplayName());
    case kPos: return ToQ(GroupThousands(std::int64_t{f.position}));
    case kSize: return ToQ(GroupThousands(std::int64_t{f.length}));
    case kType: {
        const std::string& label = TypeInfoOf(f.type).standardLabel;
        return ToQ(label.empty() ? label : label.substr(1));
    }
    case kContent:
        if (texts_ && static_cast<std::size_t>(index.row()) < texts_->texts.size())
            return ToQ(texts_->texts[static_cast<std::size_t>(index.row())]);
        return {};
    default: return {};
    }
}

QVariant FieldTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case kName: return QStringLiteral("項目名");
    case kPos: return QStringLiteral("位置");
    case kSize: return QStringLiteral("桁数");
    case kType: return QStringLiteral("型");
    case kContent: return QStringLiteral("内容");
    default: return {};
    }
}

}  // namespace rekkan::ui
