// The record editor's commands: what each button, menu item, key and drop hands to the session,
// the pane and column switches, and the rebuild of insert and delete on a worker thread.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTreeView>

#include "ui/app/background_job.h"
#include "ui/app/qt_text.h"
#include "ui/delegates/field_cell_delegate.h"
#include "ui/delegates/grid_header_view.h"
#include "ui/models/field_grid_model.h"
#include "ui/models/group_tree_model.h"
#include "ui/rec_editor/field_grid_view.h"
#include "ui/rec_editor/grid_geometry.h"
#include "ui/rec_editor/number_box.h"
#include "ui/rec_editor/rec_editor_controls.h"
#include "ui/rec_editor/rec_editor_menus.h"
#include "ui/rec_editor/rec_editor_window.h"

namespace rekkan::ui {
namespace {

EnteredText Entered(const QString& text) {
    EnteredText entered;
    entered.lossless = ToCp932(text, entered.cp932);
    return entered;
}

}  // namespace

void TFm_RecEditor::Connect() {
    ConnectGroup();
    ConnectRecords();
    connect(controls_->browse, &QPushButton::clicked, this, &TFm_RecEditor::browseRequested);
}

void TFm_RecEditor::ConnectGroup() {
    RecEditorControls& c = *controls_;
    RecEditorMenus& m = *menus_;
    RecordEditorSession* s = session_.get();
    connect(m.openGroup, &QAction::triggered, this, [s] { (void)s->OpenGroupCommand(); });
    connect(m.treeOpenGroup, &QAction::triggered, this, [s] { (void)s->OpenGroupCommand(); });
    connect(c.openGroup, &QPushButton::clicked, this, [s] { (void)s->OpenGroupCommand(); });
    connect(m.saveGroup, &QAction::triggered, this, [s] { (void)s->SaveGroupCommand(); });
    connect(m.saveGroupAs, &QAction::triggered, this, [s] { (void)s->SaveGroupAsCommand(); });
    connect(m.treeAdd, &QAction::triggered, this, [s] { (void)s->AddLayoutsCommand(); });
    connect(c.addLayout, &QPushButton::clicked, this, [s] { (void)s->AddLayoutsCommand(); });
    connect(m.treeRemove, &QAction::triggered, this, &TFm_RecEditor::RemoveSelectedLayout);
    connect(c.removeLayout, &QPushButton::clicked, this, &TFm_RecEditor::RemoveSelectedLayout);
    auto* del = new QShortcut(QKeySequence::Delete, c.tree, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &TFm_RecEditor::RemoveSelectedLayout);
    // Ctrl+Up / Ctrl+Down move the selected layout as dragging it does.
    for (const int by : {-1, 1}) {
        auto* move = new QShortcut(QKeySequence(Qt::CTRL | (by < 0 ? Qt::Key_Up : Qt::Key_Down)), c.tree, nullptr,
                                   nullptr, Qt::WidgetShortcut);
        connect(move, &QShortcut::activated, this, [this, by] { MoveSelectedLayout(by); });
    }
    connect(c.tree, &QTreeView::customContextMenuRequested, this,
            [this](const QPoint& at) { menus_->treeMenu->popup(controls_->tree->viewport()->mapToGlobal(at)); });
    connect(c.tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { ShowTreeNode(index); });
    c.tree->viewport()->installEventFilter(this);
    treeModel_->SetMoveEntry([s](int from, int target) { s->MoveEntry(from, target); });
    connect(m.quit, &QAction::triggered, this, &QWidget::close);
    connect(m.compactInfo, &QAction::triggered, this, [this, s] {
        s->ToggleCompactInfo();
        menus_->compactInfo->setChecked(settings_.RecEtcFmt);
        RefreshCaptions();
    });
    connect(c.paneWidth, &QPushButton::clicked, this, &TFm_RecEditor::CyclePaneWidth);
    connect(c.gridPane, &QPushButton::clicked, this, &TFm_RecEditor::ToggleTreePane);
    connect(c.columnWidth, &QPushButton::clicked, this, &TFm_RecEditor::TogglePositionColumns);
}

void TFm_RecEditor::ConnectRecords() {
    RecEditorControls& c = *controls_;
    RecEditorMenus& m = *menus_;
    RecordEditorSession* s = session_.get();
    connect(c.first, &QPushButton::clicked, this, [s] { s->First(); });
    connect(c.prior, &QPushButton::clicked, this, [s] { s->Prior(); });
    connect(c.next, &QPushButton::clicked, this, [s] { s->Next(); });
    connect(c.last, &QPushButton::clicked, this, [s] { s->Last(); });
    connect(c.update, &QPushButton::clicked, this, [s] { s->Update(); });
    connect(c.append, &QPushButton::clicked, this, [s] { s->Append(); });
    connect(c.insert, &QPushButton::clicked, this, [this] { StartRebuild(true); });
    connect(c.remove, &QPushButton::clicked, this, [this] { StartRebuild(false); });
    connect(c.cancel, &QPushButton::clicked, job_, &BackgroundJob::Cancel);
    connect(job_, &BackgroundJob::progressed, c.progress, &QProgressBar::setValue);
    connect(job_, &BackgroundJob::finished, this, &TFm_RecEditor::RebuildFinished);

    connect(c.getRecNo, &QPushButton::clicked, this, &TFm_RecEditor::GoToRecNo);
    connect(c.recNo, &QLineEdit::returnPressed, this, &TFm_RecEditor::GoToRecNo);
    connect(c.basePos, &QLineEdit::returnPressed, this, [this] { ChangeBase(BaseStep::None); });
    connect(c.baseMinusByte, &QPushButton::clicked, this, [this] { ChangeBase(BaseStep::MinusByte); });
    connect(c.basePlusByte, &QPushButton::clicked, this, [this] { ChangeBase(BaseStep::PlusByte); });
    connect(c.baseMinusRecord, &QPushButton::clicked, this, [this] { ChangeBase(BaseStep::MinusRecord); });
    connect(c.basePlusRecord, &QPushButton::clicked, this, [this] { ChangeBase(BaseStep::PlusRecord); });

    connect(c.editFile, &QPushButton::clicked, this, [s] { s->ChooseEditFileCommand(); });
    connect(m.chooseEditFile, &QAction::triggered, this, [s] { s->ChooseEditFileCommand(); });
    connect(c.editClear, &QPushButton::clicked, this, [s] { s->ClearEditFileCommand(); });
    connect(m.clearEditFile, &QAction::triggered, this, [s] { s->ClearEditFileCommand(); });
    connect(c.editOpen, &QPushButton::clicked, this, [s] { s->OpenEditFile(); });
    connect(c.editClose, &QPushButton::clicked, this, [s] { s->CloseEditFile(); });
    connect(m.initialiseEditFile, &QAction::triggered, this, [s] { s->InitialiseEditFileCommand(); });
    connect(m.undo, &QAction::triggered, this, [s] { s->Undo(); });

    FieldGridView& grid = *c.grid;
    connect(&grid.Heading(), &GridHeaderView::headingClicked, this, [s](int column) {
        if (column == kColHex) s->ToggleAllHex();
    });
    connect(&grid.Heading(), &GridHeaderView::buttonAreaClicked, this, &TFm_RecEditor::ToggleRuler);
    m.AttachGridActions(grid);
    connect(m.rowHex, &QAction::triggered, this, [this, s] { s->ToggleRowHex(controls_->grid->CurrentRow()); });
    connect(m.allHex, &QAction::triggered, this, [s] { s->ToggleAllHex(); });
    connect(m.ruler, &QAction::triggered, this, &TFm_RecEditor::ToggleRuler);
    connect(&grid, &FieldGridView::hexCellClicked, this, [s](int row) { s->ToggleRowHex(row); });
    connect(&grid, &FieldGridView::memoClosed, this,
            [this, s](int row, const QString& text) { s->MemoEdit(row, Entered(text), controls_->grid->rowAt(0)); });
    connect(&grid, &FieldGridView::enterPressed, this, &TFm_RecEditor::EnterInGrid);
    connect(&grid, &FieldGridView::leftGrid, this, [s] { s->CommitPendingEdits(); });
    connect(grid.selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [s](const QModelIndex& current) { s->RowSelected(current.row()); });
}

void TFm_RecEditor::ShowTreeNode(const QModelIndex& index) {
    if (syncingTree_ || !index.isValid()) return;
    const FieldGridView& grid = *controls_->grid;
    session_->NoteGridPlace(GridPlace{std::max(0, grid.rowAt(0)), std::max(0, grid.CurrentRow())});
    session_->ShowEntry(GroupTreeModel::EntryOf(index));
}

void TFm_RecEditor::RemoveSelectedLayout() {
    const QModelIndex current = controls_->tree->currentIndex();
    if (!GroupTreeModel::IsEntryNode(current)) return;  // only a layout's own node
    (void)session_->RemoveEntryCommand(current.row());
}

void TFm_RecEditor::MoveSelectedLayout(int by) {
    const QModelIndex current = controls_->tree->currentIndex();
    if (!GroupTreeModel::IsEntryNode(current)) return;
    const int row = current.row();
    const int to = row + by;
    if (to < 0 || to >= session_->EntryCount()) return;
    if (by < 0)
        session_->MoveEntry(row, to);
    else
        session_->MoveEntry(to, row);  // the next one goes in front of this one
    syncingTree_ = true;
    controls_->tree->setCurrentIndex(treeModel_->index(to, 0));
    syncingTree_ = false;
}

void TFm_RecEditor::GoToRecNo() {
    session_->GoToRecNo(FromQ(controls_->recNo->text()));
    controls_->recNo->CommandDone();
}

void TFm_RecEditor::ChangeBase(BaseStep step) {
    session_->ChangeBasePosition(FromQ(controls_->basePos->text()), step);
    controls_->basePos->CommandDone();
}

void TFm_RecEditor::EnterInGrid(int row) {
    const int to = session_->EnterPressed(row);
    FieldGridView& grid = *controls_->grid;
    if (to != row) return;  // the cursor moved (the session told where)
    if (grid.currentIndex().column() == kColContent && settings_.Cmb_RecCellEdit != 0) grid.OpenMemo(row, {});
}

void TFm_RecEditor::StartRebuild(bool insert) {
    if (Busy()) return;
    if (!(insert ? session_->BeginInsert() : session_->BeginDelete())) return;
    SetBusy(true);
    RecordEditorSession* s = session_.get();
    job_->Start([s](const BackgroundJob::Progress& progress) { return s->RunRebuild(progress); });
}

void TFm_RecEditor::RebuildFinished(bool ok) {
    SetBusy(false);
    session_->FinishRebuild(ok);
    EnablingChanged();
}

void TFm_RecEditor::SetBusy(bool busy) {
    RecEditorControls& c = *controls_;
    c.splitter->setEnabled(!busy);
    menuBar()->setEnabled(!busy);
    setAcceptDrops(!busy);
    c.progress->setValue(0);
    c.progress->setVisible(busy);
    c.cancel->setVisible(busy);
    if (busy) c.cancel->setFocus();
}

void TFm_RecEditor::CyclePaneWidth() {
    QSplitter& split = *controls_->splitter;
    const int total = split.sizes().value(0) + split.sizes().value(1);
    const int next = NextPaneWidth(split.sizes().value(0), startPaneWidth_, total);
    split.setSizes({next, total - next});
}

void TFm_RecEditor::ToggleTreePane() {
    QSplitter& split = *controls_->splitter;
    const int total = split.sizes().value(0) + split.sizes().value(1);
    const int next = split.sizes().value(0) > 0 ? 0 : std::min(startPaneWidth_, total);
    split.setSizes({next, total - next});
}

void TFm_RecEditor::TogglePositionColumns() {
    QHeaderView& heading = *controls_->grid->horizontalHeader();
    positionColumnsHidden_ = !positionColumnsHidden_;
    for (int i = 0; i < 3; ++i) {
        const int column = kColPos + i;
        if (positionColumnsHidden_) {
            positionColumnWidths_[static_cast<std::size_t>(i)] = heading.sectionSize(column);
            heading.hideSection(column);
        } else {
            heading.showSection(column);
            heading.resizeSection(column, positionColumnWidths_[static_cast<std::size_t>(i)]);
        }
    }
}

void TFm_RecEditor::ToggleRuler() {
    settings_.ReMemori = !settings_.ReMemori;
    controls_->grid->Delegate().SetRuler(settings_.ReMemori);
    menus_->ruler->setChecked(settings_.ReMemori);
    SizeRows();
    gridModel_->HeadingsChanged();
    controls_->grid->viewport()->update();
}

void TFm_RecEditor::DropFiles(const QList<QUrl>& urls) {
    for (const QUrl& url : urls)
        if (url.isLocalFile()) session_->DropFile(Entered(url.toLocalFile()));
}

void TFm_RecEditor::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TFm_RecEditor::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TFm_RecEditor::dropEvent(QDropEvent* event) {
    DropFiles(event->mimeData()->urls());
    event->acceptProposedAction();
}

bool TFm_RecEditor::eventFilter(QObject* watched, QEvent* event) {
    // Files dropped on the tree are the window's; the tree itself only moves its own nodes.
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->mimeData()->hasUrls()) {
            drop->acceptProposedAction();
            if (type == QEvent::Drop) DropFiles(drop->mimeData()->urls());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace rekkan::ui
