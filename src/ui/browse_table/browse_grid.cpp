#include "ui/browse_table/browse_grid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

#include "ui/delegates/browse_cell_delegate.h"
#include "ui/delegates/browse_header_view.h"

namespace rekkan::ui {

BrowseGrid::BrowseGrid(int fixedColumns, BrowseCellDelegate* delegate, QWidget* parent)
    : QWidget(parent), fixedColumns_(fixedColumns) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    fixed_ = MakeView(delegate);
    fixed_->setObjectName(QStringLiteral("Grid_Fixed"));
    // An (empty) scroll bar under the fixed columns too keeps their rows level with the items'.
    fixed_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fixed_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    items_ = MakeView(delegate);
    items_->setObjectName(QStringLiteral("Grid_Items"));
    items_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bar_ = new QScrollBar(Qt::Vertical, this);
    bar_->setObjectName(QStringLiteral("ScrollBar"));
    bar_->setAccessibleName(QStringLiteral("Scroll.Bar"));
    row->addWidget(fixed_);
    row->addWidget(items_, 1);
    row->addWidget(bar_);
    connect(items_->verticalScrollBar(), &QScrollBar::valueChanged, fixed_->verticalScrollBar(), &QScrollBar::setValue);
    connect(fixed_->verticalScrollBar(), &QScrollBar::valueChanged, items_->verticalScrollBar(), &QScrollBar::setValue);

    popup_ = new QPlainTextEdit(parent ? parent : this);
    popup_->setObjectName(QStringLiteral("Memo_Cell"));
    popup_->setAccessibleName(QStringLiteral("Cell"));
    popup_->setReadOnly(true);
    popup_->setStyleSheet(QStringLiteral("background: white; color: black;"));
    popup_->hide();
    popup_->installEventFilter(this);
    popup_->viewport()->installEventFilter(this);
}

QTableView* BrowseGrid::MakeView(BrowseCellDelegate* delegate) {
    auto* view = new QTableView(this);
    auto* header = new BrowseHeaderView(view);
    view->setHorizontalHeader(header);
    view->verticalHeader()->hide();
    view->verticalHeader()->setMinimumSectionSize(1);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setItemDelegate(delegate);
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    connect(view, &QTableView::doubleClicked, this, &BrowseGrid::cellDoubleClicked);
    return view;
}

void BrowseGrid::SetModel(QAbstractItemModel* model) {
    fixed_->setModel(model);
    items_->setModel(model);
    fixed_->setSelectionModel(items_->selectionModel());
    connect(items_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { emit currentChanged(current); });
    connect(model, &QAbstractItemModel::modelReset, this, &BrowseGrid::HideColumns);
    connect(model, &QAbstractItemModel::columnsInserted, this, &BrowseGrid::HideColumns);
    HideColumns();
}

QItemSelectionModel* BrowseGrid::Selection() const { return items_->selectionModel(); }

QTableView* BrowseGrid::ViewOf(int column) const { return column < fixedColumns_ ? fixed_ : items_; }

void BrowseGrid::HideColumns() {
    const QAbstractItemModel* model = items_->model();
    if (!model) return;
    const int columns = model->columnCount();
    for (int c = 0; c < columns; ++c) {
        fixed_->setColumnHidden(c, c >= fixedColumns_);
        items_->setColumnHidden(c, c < fixedColumns_);
    }
}

int BrowseGrid::ColumnWidth(int column) const { return ViewOf(column)->horizontalHeader()->sectionSize(column); }

void BrowseGrid::SetColumnWidth(int column, int width) {
    ViewOf(column)->horizontalHeader()->resizeSection(column, std::max(width, 0));
    if (column < fixedColumns_) {
        int total = 2 * fixed_->frameWidth();
        for (int c = 0; c < fixedColumns_; ++c) total += fixed_->horizontalHeader()->sectionSize(c);
        fixed_->setFixedWidth(total);
    }
}

void BrowseGrid::SetHeights(int line, int nameLine, const std::vector<int>& rows) {
    line_ = line;
    for (QTableView* view : {fixed_, items_}) {
        static_cast<BrowseHeaderView*>(view->horizontalHeader())->SetLineHeights(line, nameLine);
        view->verticalHeader()->setDefaultSectionSize(line);
        for (std::size_t r = 0; r < rows.size(); ++r)
            view->verticalHeader()->resizeSection(static_cast<int>(r), rows[r]);
    }
}

int BrowseGrid::AreaHeight() const { return height() - items_->horizontalScrollBar()->sizeHint().height(); }

void BrowseGrid::SetCentred(bool on) {
    for (QTableView* view : {fixed_, items_}) static_cast<BrowseHeaderView*>(view->horizontalHeader())->SetCentred(on);
}

void BrowseGrid::SetWrap(bool on) {
    for (QTableView* view : {fixed_, items_}) static_cast<BrowseHeaderView*>(view->horizontalHeader())->SetWrap(on);
    fixed_->viewport()->update();
    items_->viewport()->update();
}

void BrowseGrid::Select(const QModelIndex& index) {
    if (!index.isValid()) return;
    Selection()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    ViewOf(index.column())->scrollTo(index);
}

void BrowseGrid::ShowFirstColumn(int column) {
    items_->horizontalScrollBar()->setValue(items_->horizontalHeader()->sectionPosition(column));
}

void BrowseGrid::ToTop() {
    fixed_->verticalScrollBar()->setValue(0);
    items_->verticalScrollBar()->setValue(0);
}

void BrowseGrid::PopUp(const QModelIndex& index, const QString& text) {
    QTableView* view = ViewOf(index.column());
    QWidget* host = popup_->parentWidget();
    const QRect cell = view->visualRect(index);
    const QPoint topLeft = view->viewport()->mapTo(host, cell.topLeft());
    const int width = view->columnWidth(index.column()) + 1;
    const int height = std::max(cell.height(), 3 * (line_ + 1));
    const int gridBottom = mapTo(host, QPoint(0, this->height())).y();
    const int top = std::min(topLeft.y(), gridBottom - height);
    popup_->setGeometry(topLeft.x(), std::max(top, 0), width, height);
    popup_->setFont(view->font());
    popup_->setPlainText(text);
    popup_->show();
    popup_->raise();
    popup_->setFocus();
}

void BrowseGrid::HidePopUp() {
    popup_->hide();
    items_->setFocus();
}

bool BrowseGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == popup_ || watched == popup_->viewport()) {
        if (event->type() == QEvent::FocusOut || event->type() == QEvent::MouseButtonDblClick) {
            if (popup_->isVisible()) HidePopUp();
            return event->type() == QEvent::MouseButtonDblClick;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && (watched == fixed_ || watched == items_)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex current = Selection()->currentIndex();
        const int rows = items_->model() ? items_->model()->rowCount() : 0;
        if (key->key() == Qt::Key_Up && (!current.isValid() || current.row() == 0)) {
            emit stepRequested(-1);
            return true;
        }
        if (key->key() == Qt::Key_Down && (!current.isValid() || current.row() == rows - 1)) {
            emit stepRequested(+1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace rekkan::ui
