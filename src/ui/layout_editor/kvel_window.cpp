#include "ui/layout_editor/kvel_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include "layout_editor/save_button_rule.h"
#include "ui/app/file_filter.h"
#include "ui/app/qt_text.h"
#include "ui/app/window_services.h"
#include "ui/layout_editor/item_grid_model.h"
#include "ui/layout_editor/type_list_delegate.h"
#include "ui/print/table_printer.h"

namespace rekkan::ui {
namespace {

constexpr int kPosColumn = 1;
constexpr int kLevelColumn = 2;
constexpr int kFirstItemColumn = 3;
constexpr int kTypeColumn = 6;
constexpr int kLastColumn = 10;
constexpr int kDesignWidth = 1000;
constexpr int kDesignHeight = 640;

/// The item grid, telling whether a cell editor is open.
class GridView : public QTableView {
public:
    using QTableView::QTableView;
    [[nodiscard]] bool Editing() const { return state() == EditingState; }
};

/// A dialog of our own (reachable from outside like any window), asking no overwrite question.
QString AskPath(QWidget* parent, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent, ToQ(request.title), ToQ(request.folder), QtFilter(request.filter));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.fileName.empty() && request.fileName != "*.kvl") dialog.selectFile(ToQ(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

TFm_Kvel::TFm_Kvel(Settings& settings, std::filesystem::path programFolder, MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), settings_(settings) {
    setObjectName(QStringLiteral("TFm_Kvel"));
    setAcceptDrops(true);
    controller_ =
        std::make_unique<LayoutEditorController>(settings, std::move(programFolder), messages, clipboard_, *this);
    controller_->Start(fontMetrics().horizontalAdvance(QLatin1Char('A')),
                       QTime::currentTime().toString(QStringLiteral("HHmmss")).toStdString());
    controller_->Model().SetObserver(this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(BuildHeaderBar());
    layout->addWidget(BuildFunctionBar());
    auto* info = new QHBoxLayout;
    lines_ = new QLabel(central);
    lines_->setObjectName(QStringLiteral("Lbl_Lines"));
    recordLength_ = new QLabel(central);
    recordLength_->setObjectName(QStringLiteral("Lbl_RecLen"));
    modeText_ = new QLabel(central);
    modeText_->setObjectName(QStringLiteral("Lbl_Mode"));
    modeText_->setStyleSheet(QStringLiteral("color: #800000;"));
    info->addWidget(lines_);
    info->addSpacing(24);
    info->addWidget(recordLength_);
    info->addSpacing(24);
    info->addWidget(modeText_, 1);
    layout->addLayout(info);
    BuildGrid();
    layout->addWidget(table_, 1);
    messageLine_ = new QLabel(central);
    messageLine_->setObjectName(QStringLiteral("Lbl_Message"));
    layout->addWidget(messageLine_);
    setCentralWidget(central);
    BuildMenus();
    resize(kDesignWidth, kDesignHeight);

    saveTimer_ = new QTimer(this);
    connect(saveTimer_, &QTimer::timeout, this, &TFm_Kvel::RefreshSaveButton);
    saveTimer_->start(700);
    RefreshAll();
}

TFm_Kvel::~TFm_Kvel() {
    controller_->Model().SetObserver(nullptr);
    delete table_;  // the grid and its editors go before the controller they show
    delete grid_;
}

QWidget* TFm_Kvel::BuildHeaderBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* close = new QPushButton(QStringLiteral("×"), bar);
    close->setObjectName(QStringLiteral("Btn_Close"));
    close->setAccessibleName(QStringLiteral("閉じる"));
    close->setFixedWidth(28);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* open = new QPushButton(QStringLiteral("レイアウトを開く"), bar);
    open->setObjectName(QStringLiteral("Btn_Open"));
    connect(open, &QPushButton::clicked, this, [this] {
        (void)controller_->Open();
        RefreshAll();
    });
    auto* commentLabel = new QLabel(QStringLiteral("Layout"), bar);
    comment_ = new QLineEdit(bar);
    comment_->setObjectName(QStringLiteral("Edt_RdfCmt"));
    comment_->setMaxLength(255);
    commentLabel->setBuddy(comment_);
    comment_->setAccessibleName(QStringLiteral("Layout"));
    auto* prefixLabel = new QLabel(QStringLiteral("Prefix "), bar);
    prefix_ = new QLineEdit(bar);
    prefix_->setObjectName(QStringLiteral("Edt_PreFix"));
    prefix_->setMaxLength(255);
    prefixLabel->setBuddy(prefix_);
    prefix_->setAccessibleName(QStringLiteral("Prefix"));
    for (QLineEdit* field : {comment_, prefix_})
        connect(field, &QLineEdit::editingFinished, this, &TFm_Kvel::StoreHeaderFields);
    row->addWidget(close);
    row->addWidget(open);
    row->addSpacing(12);
    row->addWidget(commentLabel);
    row->addWidget(comment_, 3);
    row->addWidget(prefixLabel);
    row->addWidget(prefix_, 1);
    return bar;
}

QWidget* TFm_Kvel::BuildFunctionBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto button = [this, bar](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, bar);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    auto* saveGroup = new QGroupBox(QStringLiteral("Save"), bar);
    auto* saveRow = new QHBoxLayout(saveGroup);
    saveRow->setContentsMargins(4, 0, 4, 2);
    save_ = button(QStringLiteral("保存"), "Btn_Save");
    saveRow->addWidget(save_);
    connect(save_, &QPushButton::clicked, this, [this] {
        StoreHeaderFields();
        (void)controller_->Save(false);
        RefreshAll();
    });
    copy_ = button(QStringLiteral("複写"), "Btn_Copy");
    delete_ = button(QStringLiteral("削除"), "Btn_Delete");
    auto* rangeGroup = new QGroupBox(QStringLiteral(" 範囲 "), bar);
    auto* rangeRow = new QHBoxLayout(rangeGroup);
    rangeRow->setContentsMargins(4, 0, 4, 2);
    confirm_ = button(QStringLiteral("確定"), "Btn_Confirm");
    clear_ = button(QStringLiteral("解除"), "Btn_Clear");
    rangeRow->addWidget(confirm_);
    rangeRow->addWidget(clear_);
    levelDown_ = button(QStringLiteral("<"), "Btn_LevelDown");
    levelUp_ = button(QStringLiteral(">"), "Btn_LevelUp");
    levelDown_->setAccessibleName(QStringLiteral("レベルを上げる <"));
    levelUp_->setAccessibleName(QStringLiteral("レベルを下げる >"));
    for (QPushButton* b : {levelDown_, levelUp_}) b->setFixedWidth(28);
    const std::pair<QPushButton*, EditorCommand> commands[] = {{copy_, EditorCommand::Copy},
                                                               {delete_, EditorCommand::Delete},
                                                               {confirm_, EditorCommand::ConfirmRange},
                                                               {clear_, EditorCommand::ClearRange},
                                                               {levelDown_, EditorCommand::LevelDown},
                                                               {levelUp_, EditorCommand::LevelUp}};
    for (const auto& [b, command] : commands)
        connect(b, &QPushButton::clicked, this, [this, command = command] { Run(command); });
    // Windows of later steps: present, not yet usable.
    auto* editor = button(QStringLiteral("Editor"), "Btn_Editor");
    auto* import = button(QStringLiteral("構造体取り込み"), "Btn_Import");
    auto* keys = button(QStringLiteral("Key"), "Btn_Keys");
    auto* memo = button(QStringLiteral("Memo"), "Btn_Memo");
    for (QPushButton* b : {editor, import, keys, memo}) b->setEnabled(false);
    row->addWidget(saveGroup);
    row->addWidget(copy_);
    row->addWidget(delete_);
    row->addWidget(rangeGroup);
    row->addWidget(levelDown_);
    row->addWidget(levelUp_);
    row->addStretch(1);
    row->addWidget(editor);
    row->addWidget(import);
    row->addWidget(keys);
    row->addWidget(memo);
    return bar;
}

void TFm_Kvel::BuildGrid() {
    table_ = new GridView(this);
    table_->setObjectName(QStringLiteral("Grid_Items"));
    table_->setAccessibleName(QStringLiteral("項目"));
    grid_ = new ItemGridModel(controller_->Model(), settings_, this);
    table_->setModel(grid_);
    table_->setItemDelegate(new TypeListDelegate(controller_->Model(), table_));
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
    connect(table_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = BuildContextMenu();
        menu->exec(table_->viewport()->mapToGlobal(at));
        menu->deleteLater();
    });
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        enterPresses_ = 0;
        if (refreshing_ || !current.isValid()) return;
        controller_->Model().SetCursor(current.row(), current.column());
        if (marking_) {
            controller_->Model().MarkTo(current.row());
            grid_->Sync();
        }
    });
    connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        const int top = std::max(0, table_->rowAt(0));
        const int rowHeight = std::max(1, table_->verticalHeader()->defaultSectionSize());
        controller_->Model().SetGridWindow(top, std::max(1, table_->viewport()->height() / rowHeight));
    });
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section != kPosColumn && section != kLevelColumn) return;
        const int a = fontMetrics().horizontalAdvance(QLatin1Char('A'));
        table_->setColumnWidth(kPosColumn, table_->columnWidth(kPosColumn) > 0 ? 0 : 6 * a);
    });
    table_->installEventFilter(this);
    table_->viewport()->installEventFilter(this);
}

void TFm_Kvel::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto add = [](QMenu* menu, const QString& text, auto&& slot) {
        QAction* action = menu->addAction(text);
        QObject::connect(action, &QAction::triggered, slot);
        return action;
    };
    auto later = [](QMenu* menu, const QString& text) { menu->addAction(text)->setEnabled(false); };
    auto after = [this](bool /*ran*/) { RefreshAll(); };

    QMenu* file = bar->addMenu(QStringLiteral("File(&F)"));
    add(file, QStringLiteral("1. レイアウトを開く (&O)"), [this, after] { after(controller_->Open()); });
    overwrite_ = add(file, QStringLiteral("2. 上書き保存する (&S)"), [this, after] {
        StoreHeaderFields();
        after(controller_->Save(false));
    });
    saveAs_ = add(file, QStringLiteral("3. 名前を付けて保存する (&A)"), [this, after] {
        StoreHeaderFields();
        after(controller_->Save(true));
    });
    add(file, QStringLiteral("4. レイアウトを初期化する (&C)"), [this, after] { after(controller_->Initialise()); });
    file->addSeparator();
    add(file, QStringLiteral("5. 終了する (&X)"), [this] { close(); });

    QMenu* edit = bar->addMenu(QStringLiteral("Edit(&E)"));
    undo_ = add(edit, QStringLiteral("元に戻す"), [this] { Run(EditorCommand::Undo); });

    QMenu* option = bar->addMenu(QStringLiteral("Option(&O)"));
    later(option, QStringLiteral("1. 項目型の表記法の定義を行う (&T)"));
    later(option, QStringLiteral("2. その他の定義を行う (&E)"));
    option->addSeparator();
    joinPrefix_ =
        add(option, QStringLiteral("3. Ｐｒｅｆｉｘ を結合する (&C)"), [this] { Run(EditorCommand::JoinPrefix); });
    cutPrefix_ =
        add(option, QStringLiteral("4. Ｐｒｅｆｉｘ を削除する (&D)"), [this] { Run(EditorCommand::CutPrefix); });
    exchange_ =
        add(option, QStringLiteral("5. 項目名と変数名を入れ替える(&X)"), [this] { Run(EditorCommand::ExchangeNames); });
    option->addSeparator();
    add(option, QStringLiteral("6. ウィンドウを初期サイズにする (&S)"), [this] { ResetWindowSize(); });

    QMenu* print = bar->addMenu(QStringLiteral("Print(&P)"));
    add(print, QStringLiteral("1. 編集内容を印刷する (&P)"), [this] { PrintLayout(); });
    later(print, QStringLiteral("2. 編集内容を Ｔｅｘｔ／Ｃｓｖ 形式で出力する (&C)"));
    later(print, QStringLiteral("3. 編集内容を 言語形式 で出力する (&L)"));

    QMenu* about = bar->addMenu(QStringLiteral("About(&A)"));
    later(about, QStringLiteral("このウィンドウについて(&A)"));

    bar->addAction(ToQ(controller_->Model().MaxLinesText()));  // shows the limit; choosing it does nothing
}

QMenu* TFm_Kvel::BuildContextMenu() {
    StoreHeaderFields();
    const LayoutEditorModel& model = controller_->Model();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("Pop_Grid"));
    auto add = [this, menu, &model](QMenu* into, const QString& text, EditorCommand command) {
        QAction* action = into->addAction(text);
        action->setEnabled(model.IsEnabled(command));
        connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    };
    add(menu, ToQ(model.RangeMenuText()), EditorCommand::ConfirmRange);
    add(menu, QStringLiteral("2. 解除"), EditorCommand::ClearRange);
    add(menu, QStringLiteral("3. 複写"), EditorCommand::Copy);
    add(menu, QStringLiteral("4. 削除"), EditorCommand::Delete);
    QMenu* clip = menu->addMenu(QStringLiteral("5. ClipBoard"));
    clip->setEnabled(model.Mode() == EditMode::Ordinary);
    add(clip, QStringLiteral("1 書き込む"), EditorCommand::ClipboardWrite);
    add(clip, QStringLiteral("2. 取り込む"), EditorCommand::ClipboardRead);
    add(clip, QStringLiteral("3. クリアーする"), EditorCommand::ClipboardClear);
    return menu;
}

void TFm_Kvel::Run(EditorCommand command) {
    StoreHeaderFields();
    (void)controller_->Model().Execute(command);
    RefreshAll();
}

void TFm_Kvel::StoreHeaderFields() {
    if (refreshing_) return;
    std::string comment;
    std::string prefix;
    // A character Shift-JIS cannot hold is never stored as '?': the fields show the layout again.
    if (ToCp932(comment_->text(), comment) && ToCp932(prefix_->text(), prefix))
        controller_->StoreHeaderFields(comment, prefix);
    RefreshAll();
}

void TFm_Kvel::RefreshAll() {
    if (refreshing_) return;
    refreshing_ = true;
    LayoutEditorModel& model = controller_->Model();
    (void)controller_->MeasuredGeometry();
    setWindowTitle(ToQ(model.WindowTitle()));
    lines_->setText(ToQ(model.LineCountText()));
    recordLength_->setText(ToQ(model.RecordLengthText()));
    modeText_->setText(ToQ(model.ModeText()));
    messageLine_->setText(ToQ(model.MessageLine()));
    const LayoutDocument& shown = model.Shown();
    if (!comment_->hasFocus()) comment_->setText(ToQ(shown.RdfCmt));
    if (!prefix_->hasFocus()) prefix_->setText(ToQ(shown.PreFix));
    const bool ordinary = model.Mode() == EditMode::Ordinary;
    for (QWidget* w : std::initializer_list<QWidget*>{comment_, prefix_}) w->setEnabled(ordinary);
    const std::pair<QPushButton*, EditorCommand> buttons[] = {{copy_, EditorCommand::Copy},
                                                              {delete_, EditorCommand::Delete},
                                                              {confirm_, EditorCommand::ConfirmRange},
                                                              {clear_, EditorCommand::ClearRange},
                                                              {levelDown_, EditorCommand::LevelDown},
                                                              {levelUp_, EditorCommand::LevelUp}};
    for (const auto& [b, command] : buttons) b->setEnabled(model.IsEnabled(command));
    undo_->setText(ToQ(model.UndoMenuText()));
    undo_->setEnabled(model.IsEnabled(EditorCommand::Undo));
    overwrite_->setEnabled(ordinary);
    saveAs_->setEnabled(ordinary);
    joinPrefix_->setEnabled(model.IsEnabled(EditorCommand::JoinPrefix));
    cutPrefix_->setEnabled(model.IsEnabled(EditorCommand::CutPrefix));
    exchange_->setEnabled(model.IsEnabled(EditorCommand::ExchangeNames));
    grid_->Sync();
    PlaceCursor();
    RefreshSaveButton();
    refreshing_ = false;
}

void TFm_Kvel::PlaceCursor() {
    const LayoutEditorModel& model = controller_->Model();
    const QModelIndex want = grid_->index(std::min(model.CursorRow(), grid_->rowCount() - 1), model.CursorColumn());
    if (want.isValid() && table_->currentIndex() != want) table_->setCurrentIndex(want);
}

void TFm_Kvel::RefreshSaveButton() {
    const bool enabled = controller_->SaveEnabled();
    save_->setEnabled(enabled);
    QFont font = save_->font();
    font.setBold(enabled);
    save_->setFont(font);
}

bool TFm_Kvel::EditFromRecordEditor() {
    const bool read = controller_->EditShownEntryLayout();
    RefreshAll();
    show();
    raise();
    activateWindow();
    FocusGrid();
    return read;
}

std::string TFm_Kvel::AskOpenPath(const FileDialogRequest& request) {
    std::string path;
    return ToCp932(AskPath(this, request, false), path) ? path : std::string();
}

std::string TFm_Kvel::AskSavePath(const FileDialogRequest& request) {
    std::string path;
    return ToCp932(AskPath(this, request, true), path) ? path : std::string();
}

void TFm_Kvel::ShowNotice(const std::string& text) { messageLine_->setText(ToQ(text)); }

void TFm_Kvel::FocusGrid() { table_->setFocus(); }

void TFm_Kvel::HideToolWindows() {
    for (QWidget* window : toolWindows_) window->hide();
}

void TFm_Kvel::ConnectToolWindow(const QString& menuText, QWidget* window) {
    toolWindows_.push_back(window);
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        if (action->text() != menuText) continue;
        action->setEnabled(true);
        connect(action, &QAction::triggered, window, [window] {
            window->show();
            window->raise();
            window->activateWindow();
        });
    }
}

void TFm_Kvel::PrintLayout() {
    const LayoutPrintGrid grid = controller_->PrintGrid();
    PrintTable table;
    table.cells.emplace_back(grid.header.begin(), grid.header.end());
    for (const auto& row : grid.rows) table.cells.emplace_back(row.begin(), row.end());
    for (int c = 0; c < kGridColumns; ++c) table.columnWidths.push_back(c == kLevelColumn ? 0 : table_->columnWidth(c));
    table.fixedRows = 1;
    table.defaultRowHeight = table_->verticalHeader()->defaultSectionSize();
    table.documentName = "Morvane";
    for (std::size_t i = 0; i < grid.headings.size() && i < table.headings.size(); ++i)
        table.headings[i] = grid.headings[i];
    PrintWithPreview(table, settings_.printPreviewLines, "GP_", this);
}

void TFm_Kvel::ResetWindowSize() {
    if (!controller_->AskResetWindowSizes()) return;
    resize(kDesignWidth, kDesignHeight);
    SizeToScreen(*this, 0, 0);
}

void TFm_Kvel::closeEvent(QCloseEvent* event) {
    StoreHeaderFields();
    const bool mayClose = controller_->Close();
    event->setAccepted(mayClose);
    RefreshAll();
}

void TFm_Kvel::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TFm_Kvel::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        std::string path;
        if (url.isLocalFile() && ToCp932(url.toLocalFile(), path)) paths.push_back(path);
    }
    if (paths.empty()) return;
    event->acceptProposedAction();
    (void)controller_->Drop(paths);
    RefreshAll();
}

bool TFm_Kvel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) return GridKey(static_cast<QKeyEvent*>(event));
    if (watched == table_->viewport()) GridMouse(event);
    return QMainWindow::eventFilter(watched, event);
}

bool TFm_Kvel::GridKey(QKeyEvent* key) {
    const QModelIndex current = table_->currentIndex();
    // Keys the cell editor passed on (its Enter stores the text) are not the grid's.
    if (!current.isValid() || static_cast<GridView*>(table_)->Editing()) return false;
    const int k = key->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    const bool moves = k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_Up || k == Qt::Key_Down ||
                       k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Menu ||
                       (k == Qt::Key_F10 && (key->modifiers() & Qt::ShiftModifier));
    if (!enter) return current.column() == kTypeColumn && !moves;  // the type column takes only these
    if (++enterPresses_ >= 2 || !(grid_->flags(current) & Qt::ItemIsEditable)) {
        // The second press moves on: the next column, or the name of the next row.
        const bool last = current.column() >= kLastColumn;
        const int row = last ? std::min(current.row() + 1, grid_->rowCount() - 1) : current.row();
        table_->setCurrentIndex(grid_->index(row, last ? kFirstItemColumn : current.column() + 1));
        return true;
    }
    table_->edit(current);
    return true;
}

void TFm_Kvel::GridMouse(QEvent* event) {
    LayoutEditorModel& model = controller_->Model();
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return;
        model.MousePressed();
        pressRow_ = table_->rowAt(mouse->position().toPoint().y());
        marking_ = false;
        grid_->Sync();
    } else if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!(mouse->buttons() & Qt::LeftButton) || pressRow_ < 0) return;
        const int row = table_->rowAt(mouse->position().toPoint().y());
        if (row < 0 || row >= model.Shown().Count()) return;
        if (!marking_ && row != pressRow_) marking_ = model.BeginMarking(pressRow_);
        if (marking_) model.MarkTo(row);
        RefreshAll();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        pressRow_ = -1;
    }
}

}  // namespace rekkan::ui
