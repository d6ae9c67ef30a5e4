#include "ui/models/field_grid_model.h"

#include "model/settings.h"
#include "records/editor/record_editor_session.h"
#include "ui/app/qt_text.h"
#include "ui/delegates/cell_roles.h"
#include "ui/delegates/ruler_ticks.h"

namespace rekkan::ui {
namespace {

constexpr int kColumns = 8;
constexpr int kContent = 7;
const char* const kHeadings[kColumns] = {"SEQ", "位置", "桁数", "型", "項目名", "誤", "HEX", "内容"};

}  // namespace

FieldGridModel::FieldGridModel(RecordEditorSession& session, const Settings& settings, QObject* parent)
    : QAbstractTableModel(parent), session_(session), settings_(settings) {}

void FieldGridModel::RowsRebuilt() {
    beginResetModel();
    endResetModel();
}

void FieldGridModel::AllRowsChanged() {
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

void FieldGridModel::RowChanged(int row) {
    if (row >= 0 && row < rowCount()) emit dataChanged(index(row, 0), index(row, kColumns - 1));
}

void FieldGridModel::HeadingsChanged() { emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1); }

int FieldGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : session_.RowCount(); }

int FieldGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant FieldGridModel::Display(int row, int column) const {
    if (column == kContent) return ToQ(session_.CellText(row));
    return ToQ(session_.Row(row).cells[static_cast<std::size_t>(column)]);
}

QVariant FieldGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const int row = index.row();
    const TRdbObj& field = session_.Field(row);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole: return Display(row, index.column());
    case Qt::TextAlignmentRole:
        return index.column() >= 0 && index.column() <= 2 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                          : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case GroupRowRole: return field.IsGroup();
    case PastEndRole: return field.pastEnd;
    case ErrorRole: return session_.RowError(row);
    case UndoMarkRole: return session_.UndoneRow() == row;
    case RulerKindRole: return static_cast<int>(RulerKindOf(field.type, field.hexDisplay));
    case ByteLengthRole: return field.length;
    default: return {};
    }
}

bool FieldGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != kContent || !(flags(index) & Qt::ItemIsEditable)) return false;
    EnteredText text;
    text.lossless = ToCp932(value.toString(), text.cp932);
    (void)session_.CommitCell(index.row(), text);
    return true;
}

Qt::ItemFlags FieldGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= rowCount()) return Qt::NoItemFlags;
    if (index.column() != kContent || session_.Field(index.row()).IsGroup()) return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (session_.Enabling().gridEditable) f |= Qt::ItemIsEditable;
    return f;
}

QVariant FieldGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return QString::fromUtf8(kHeadings[section]);
    case AllHexRole: return session_.AllHex();
    case RulerOnRole: return settings_.ReMemori;
    default: return {};
    }
}

}  // namespace rekkan::ui
