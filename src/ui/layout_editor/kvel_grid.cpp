// The layout editor window's item grid: keys, mouse, range marking with auto-scroll, the level
// buttons in the current row and the read-only cell box of the redefinition view.

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

#include "ui/layout_editor/item_cell_delegate.h"
#include "ui/layout_editor/item_grid_model.h"
#include "ui/layout_editor/kvel_window.h"

namespace rekkan::ui {
namespace {

constexpr int kAutoScrollMs = 25;
const QString kCellViewName = QStringLiteral("Mem_CellView");

/// The item grid, telling whether a cell editor is open.
class GridView : public QTableView {
public:
    using QTableView::QTableView;
    [[nodiscard]] bool Editing() const { return state() == EditingState; }
};

[[nodiscard]] bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

void TFm_Kvel::BuildGrid() {
    table_ = new GridView(this);
    table_->setObjectName(QStringLiteral("Grid_Items"));
    table_->setAccessibleName(QStringLiteral("項目"));
    grid_ = new ItemGridModel(controller_->Model(), settings_, this);
    table_->setModel(grid_);
    delegate_ = new ItemCellDelegate(controller_->Model(), table_);
    table_->setItemDelegate(delegate_);
    connect(delegate_, &ItemCellDelegate::typeListLeft, this, [this](int row, int column) {
        table_->setCurrentIndex(grid_->index(row, column));
        table_->setFocus();
    });
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                            QAbstractItemView::EditKeyPressed);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background: #2C5880; color: white; border: 1px solid #1A3550; }"));
    const auto widths = controller_->GridColumnWidths();
    for (int c = 0; c < kGridColumns; ++c) table_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QWidget::customContextMenuRequested, this, &TFm_Kvel::ShowContextMenuAt);
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        enterPresses_ = 0;
        PlaceLevelButtons();
        if (refreshing_ || !current.isValid()) return;
        controller_->Model().SetCursor(current.row(), current.column());
        if (marking_) controller_->Model().MarkTo(current.row());
        grid_->Sync();  // the cursor cell and the range are drawn from the editor's state
        RefreshControls();
    });
    connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        UpdateGridWindow();
        PlaceLevelButtons();
    });
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this, &TFm_Kvel::PlaceLevelButtons);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section != kGridPosColumn && section != kGridLevelColumn) return;
        const int a = fontMetrics().horizontalAdvance(QLatin1Char('A'));
        table_->setColumnWidth(kGridPosColumn, table_->columnWidth(kGridPosColumn) > 0 ? 0 : 6 * a);
    });

    // The level buttons stand in the LVL column of the current row.
    levelButtons_ = new QWidget(table_->viewport());
    levelButtons_->setObjectName(QStringLiteral("Pnl_Level"));
    auto* pair = new QHBoxLayout(levelButtons_);
    pair->setContentsMargins(0, 0, 0, 0);
    pair->setSpacing(0);
    levelDown_ = new QPushButton(QStringLiteral("<"), levelButtons_);
    levelUp_ = new QPushButton(QStringLiteral(">"), levelButtons_);
    levelDown_->setObjectName(QStringLiteral("Btn_LevelDown"));
    levelUp_->setObjectName(QStringLiteral("Btn_LevelUp"));
    levelDown_->setAccessibleName(QStringLiteral("レベルを上げる <"));
    levelUp_->setAccessibleName(QStringLiteral("レベルを下げる >"));
    for (QPushButton* b : {levelDown_, levelUp_}) {
        b->setFocusPolicy(Qt::NoFocus);  // the grid keeps the focus and the current cell
        b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; min-width: 0px; }"));
        pair->addWidget(b);
    }
    connect(levelDown_, &QPushButton::clicked, this, [this] { Run(EditorCommand::LevelDown); });
    connect(levelUp_, &QPushButton::clicked, this, [this] { Run(EditorCommand::LevelUp); });

    autoScroll_ = new QTimer(this);
    autoScroll_->setInterval(kAutoScrollMs);
    connect(autoScroll_, &QTimer::timeout, this, &TFm_Kvel::AutoScroll);
    table_->installEventFilter(this);
    table_->viewport()->installEventFilter(this);
}

void TFm_Kvel::PlaceCursor() {
    const LayoutEditorModel& model = controller_->Model();
    // The first shown row the editor chose (after a deletion or an undo far from the window).
    QScrollBar* bar = table_->verticalScrollBar();
    if (model.TopRow() != std::max(0, table_->rowAt(0))) bar->setValue(std::min(model.TopRow(), bar->maximum()));
    const QModelIndex want = grid_->index(std::min(model.CursorRow(), grid_->rowCount() - 1), model.CursorColumn());
    if (want.isValid() && table_->currentIndex() != want) table_->setCurrentIndex(want);
    PlaceLevelButtons();
}

void TFm_Kvel::PlaceLevelButtons() {
    const QModelIndex current = table_->currentIndex();
    const QRect cell = current.isValid() ? table_->visualRect(grid_->index(current.row(), kGridLevelColumn)) : QRect();
    const bool item = current.isValid() && current.row() < controller_->Model().Shown().Count();
    levelButtons_->setVisible(item && cell.isValid() && cell.width() > 0);
    if (levelButtons_->isVisible()) levelButtons_->setGeometry(cell);
}

void TFm_Kvel::UpdateGridWindow() {
    const int rowHeight = std::max(1, table_->verticalHeader()->defaultSectionSize());
    controller_->Model().SetGridWindow(std::max(0, table_->rowAt(0)),
                                       std::max(1, table_->viewport()->height() / rowHeight));
}

void TFm_Kvel::ShowContextMenuAt(const QPoint& viewportPoint) {
    QMenu* menu = BuildContextMenu();
    menu->exec(table_->viewport()->mapToGlobal(viewportPoint));
    menu->deleteLater();
}

void TFm_Kvel::ShowReadOnlyCell(const QModelIndex& index) {
    if (!index.isValid() || index.column() < kGridFirstItemColumn) return;
    auto* box = new QPlainTextEdit(index.data().toString(), table_->viewport());
    box->setObjectName(kCellViewName);
    box->setAccessibleName(grid_->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString().trimmed());
    box->setReadOnly(true);
    box->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #C0C0C0; color: black; }"));
    QRect rect = table_->visualRect(index);
    rect.setHeight(rect.height() * 3);
    box->setGeometry(rect);
    box->installEventFilter(this);
    box->show();
    box->setFocus();
}

void TFm_Kvel::AutoScroll() {
    LayoutEditorModel& model = controller_->Model();
    if (!marking_ || pressRow_ < 0 || autoScrollStep_ == 0) return autoScroll_->stop();
    QScrollBar* bar = table_->verticalScrollBar();
    bar->setValue(bar->value() + autoScrollStep_);
    const int edge = autoScrollStep_ < 0 ? table_->rowAt(0) : table_->rowAt(table_->viewport()->height() - 1);
    const int last = model.Shown().Count() - 1;
    model.MarkTo(std::clamp(edge < 0 ? last : edge, 0, last));
    grid_->Sync();
}

bool TFm_Kvel::eventFilter(QObject* watched, QEvent* event) {
    if (watched->objectName() == kCellViewName) {
        const bool leave =
            event->type() == QEvent::FocusOut ||
            (event->type() == QEvent::KeyPress && (IsEnter(static_cast<QKeyEvent*>(event)->key()) ||
                                                   static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape));
        if (leave) {
            watched->deleteLater();
            if (event->type() == QEvent::KeyPress) table_->setFocus();
            return event->type() == QEvent::KeyPress;
        }
        return false;
    }
    if (watched == table_ && event->type() == QEvent::KeyPress) return GridKey(static_cast<QKeyEvent*>(event));
    if (watched == table_->viewport()) {
        if (event->type() == QEvent::Resize) {
            UpdateGridWindow();
            PlaceLevelButtons();
        }
        if (const auto* mouse = dynamic_cast<QMouseEvent*>(event)) GridMouse(*mouse);
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFm_Kvel::GridKey(QKeyEvent* key) {
    const QModelIndex current = table_->currentIndex();
    // Keys the cell editor passed on (its Enter stores the text) are not the grid's.
    if (!current.isValid() || static_cast<GridView*>(table_)->Editing()) return false;
    const int k = key->key();
    if (k == Qt::Key_Menu || (k == Qt::Key_F10 && (key->modifiers() & Qt::ShiftModifier))) {
        ShowContextMenuAt(table_->visualRect(current).center());
        return true;
    }
    const bool enter = IsEnter(k);
    const bool view = controller_->Model().Mode() != EditMode::Ordinary;
    const bool printable = !key->text().isEmpty() && key->text().at(0).isPrint();
    if (view && (printable || (enter && enterPresses_ == 0)) && current.column() >= kGridFirstItemColumn) {
        ++enterPresses_;
        ShowReadOnlyCell(current);
        return true;
    }
    if (!enter) {
        const bool moves = k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_Up || k == Qt::Key_Down ||
                           k == Qt::Key_Left || k == Qt::Key_Right;
        return current.column() == kGridTypeColumn && !moves;  // the type column takes only these
    }
    if (++enterPresses_ >= 2 || !(grid_->flags(current) & Qt::ItemIsEditable)) {
        // The second press moves on: the next column, or the name of the next row.
        const bool last = current.column() >= kGridLastColumn;
        const int row = last ? std::min(current.row() + 1, grid_->rowCount() - 1) : current.row();
        table_->setCurrentIndex(grid_->index(row, last ? kGridFirstItemColumn : current.column() + 1));
        return true;
    }
    table_->edit(current);
    return true;
}

void TFm_Kvel::GridMouse(const QMouseEvent& event) {
    LayoutEditorModel& model = controller_->Model();
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        if (event.button() != Qt::LeftButton) return;
        model.MousePressed();
        pressRow_ = table_->rowAt(event.position().toPoint().y());
        marking_ = false;
        grid_->Sync();
        RefreshControls();
        return;
    case QEvent::MouseButtonDblClick:
        if (model.Mode() != EditMode::Ordinary) ShowReadOnlyCell(table_->indexAt(event.position().toPoint()));
        return;
    case QEvent::MouseMove: {
        if (!(event.buttons() & Qt::LeftButton) || pressRow_ < 0) return;
        const int y = event.position().toPoint().y();
        const int height = table_->viewport()->height();
        const int row = table_->rowAt(std::clamp(y, 0, height - 1));
        if (row < 0 || row >= model.Shown().Count()) return;
        if (!marking_ && row != pressRow_) marking_ = model.BeginMarking(pressRow_);
        if (!marking_) return;
        model.MarkTo(row);
        // On the first or last shown row the grid scrolls on by itself.
        const int first = table_->rowAt(0);
        const int lastShown = table_->rowAt(height - 1);
        autoScrollStep_ = (row <= first && first > 0) ? -1 : (lastShown >= 0 && row >= lastShown) ? 1 : 0;
        if (autoScrollStep_ != 0 && !autoScroll_->isActive()) autoScroll_->start();
        if (autoScrollStep_ == 0) autoScroll_->stop();
        RefreshAll();
        return;
    }
    case QEvent::MouseButtonRelease:
        pressRow_ = -1;
        autoScroll_->stop();
        return;
    default: return;
    }
}

}  // namespace rekkan::ui
