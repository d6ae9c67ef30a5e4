#include "ui/layout_editor/item_grid_model.h"

#include <QBrush>
#include <QColor>

#include "ui/app/qt_text.h"

namespace rekkan::ui {
namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kNoInputGrey(0xA5, 0xA5, 0xA5);
const QColor kRedefinitionGrey(0xB0, 0xB0, 0xB0);
const QColor kDarkRed(0x80, 0x00, 0x00);

}  // namespace

std::string& CellText(RowTexts& cells, int column) {
    switch (column) {
    case 3: return cells.name;
    case 4: return cells.varName;
    case 5: return cells.redefines;
    case 6: return cells.type;
    case 7: return cells.repeat;
    case 8: return cells.digits;
    case 9: return cells.decimals;
    default: return cells.remarks;
    }
}

ItemGridModel::ItemGridModel(LayoutEditorModel& editor, const Settings& settings, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor), settings_(settings), rows_(WantedRows()) {}

int ItemGridModel::WantedRows() const {
    const int count = editor_.Shown().Count();
    return editor_.Mode() == EditMode::Ordinary ? count + 1 : count;
}

void ItemGridModel::Sync() {
    const int wanted = WantedRows();
    if (wanted > rows_) {
        beginInsertRows({}, rows_, wanted - 1);
        rows_ = wanted;
        endInsertRows();
    } else if (wanted < rows_) {
        beginRemoveRows({}, wanted, rows_ - 1);
        rows_ = wanted;
        endRemoveRows();
    }
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, kGridColumns - 1));
    emit headerDataChanged(Qt::Horizontal, 0, kGridColumns - 1);
}

int ItemGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ItemGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGridColumns; }

QVariant ItemGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row();
    const int column = index.column();
    const bool item = row < editor_.Shown().Count();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (!item) return QString();
        if (column == 0) return ToQ(SeqCellText(row));
        if (column == kGridPosColumn) return ToQ(editor_.PositionOf(row));
        if (column == 2) return QString();
        {
            RowTexts cells = editor_.CellsOf(row);
            return ToQ(CellText(cells, column));
        }
    case Qt::TextAlignmentRole:
        if (column <= kGridPosColumn) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole: return item ? Background(row, column) : QVariant();
    case Qt::ForegroundRole: return item ? Foreground(row, column) : QVariant();
    default: return {};
    }
}

bool ItemGridModel::RedefinitionRow(int row) const {
    const int kind = editor_.Shown().items[static_cast<std::size_t>(row)].RdfKind;
    return kind == 2 || kind == 3 || editor_.ShownGeometry().Row(row).InRdf;
}

QVariant ItemGridModel::Background(int row, int column) const {
    if (column < 3) return {};
    const RowMark mark = editor_.MarkOf(row);
    if (mark == RowMark::Marking) return QBrush(kNavy);
    if (mark == RowMark::Confirmed) return QBrush(kBlue);
    if (mark == RowMark::DeleteQuestion) return QBrush(Qt::red);
    if (mark == RowMark::CopyQuestion || mark == RowMark::Restored) return QBrush(Qt::black);
    // The cursor shows as a white cell while cells are edited in the cell editor.
    if (editor_.Options().cellEdit != 0 && row == editor_.CursorRow() && column == editor_.CursorColumn())
        return QBrush(Qt::white);
    const TRspec& shown = editor_.Shown().items[static_cast<std::size_t>(row)];
    if (settings_.Rbt_KinshiBackOn) {
        const char rule = column == kGridDigitsColumn     ? BytRule(shown.TYP)
                          : column == kGridDecimalsColumn ? SyoRule(shown.TYP)
                                                          : '2';
        if (rule == '0' || rule == '1') return QBrush(kNoInputGrey);
    }
    if (RedefinitionRow(row) && settings_.Rbt_RedBackOn) return QBrush(kRedefinitionGrey);
    return {};
}

QVariant ItemGridModel::Foreground(int row, int column) const {
    if (column < 3) return {};
    if (editor_.MarkOf(row) != RowMark::None) return QBrush(Qt::white);
    const TRspec& shown = editor_.Shown().items[static_cast<std::size_t>(row)];
    if (RedefinitionRow(row)) return QBrush(kDarkRed);
    if (shown.TYP == kGroup || column == kGridRepeatColumn) return QBrush(kBlue);
    return {};
}

QVariant ItemGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumns) return {};
    if (role == Qt::DisplayRole) {
        if (section == kGridTypeColumn) return ToQ(editor_.TypeColumnHeader());
        return ToQ(GridHeaders(editor_.Types().Priority())[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags ItemGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool ordinary = editor_.Mode() == EditMode::Ordinary;
    if (ordinary && (index.column() == kGridTypeColumn || editor_.CellTakesInput(index.row(), index.column())))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ItemGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    const int row = index.row();
    bool changed = false;
    if (index.column() == kGridTypeColumn) {
        editor_.SetCursor(row, kGridTypeColumn);  // the type list works on the cursor row
        changed = editor_.ChooseType(value.toInt());
    } else {
        RowTexts cells = editor_.CellsOf(row);
        std::string text;
        if (!ToCp932(value.toString(), text)) return false;  // a character Shift-JIS cannot hold
        if (text == CellText(cells, index.column())) return false;
        CellText(cells, index.column()) = text;
        // With the cell editor (not in place) each stored cell of an item is one undo step.
        if (editor_.Options().cellEdit != 0) editor_.CellEditorStored(row, index.column());
        changed = editor_.CommitRow(row, cells);
    }
    Sync();
    return changed;
}

}  // namespace rekkan::ui
