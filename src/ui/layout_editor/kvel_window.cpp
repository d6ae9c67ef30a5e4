#include "ui/layout_editor/kvel_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/app/file_filter.h"
#include "ui/app/qt_text.h"
#include "ui/app/window_services.h"
#include "ui/layout_editor/item_grid_model.h"
#include "ui/print/table_printer.h"

namespace rekkan::ui {
namespace {

constexpr int kDesignWidth = 1000;
constexpr int kDesignHeight = 640;

/// Blue on the panel colour, white with black text while being edited.
const QString kHeaderFieldLook = QStringLiteral(
    "QLineEdit { color: blue; background: palette(window); } QLineEdit:focus { color: black; background: white; }");

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
    auto label = [central](const char* name) {
        auto* l = new QLabel(central);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    lines_ = label("Lbl_Lines");
    recordLength_ = label("Lbl_RecLen");
    modeText_ = label("Lbl_Mode");
    modeText_->setStyleSheet(QStringLiteral("color: #800000;"));
    info->addWidget(lines_);
    info->addSpacing(24);
    info->addWidget(recordLength_);
    info->addSpacing(24);
    info->addWidget(modeText_, 1);
    layout->addLayout(info);
    BuildGrid();
    layout->addWidget(table_, 1);
    messageLine_ = label("Lbl_Message");
    messageLine_->setStyleSheet(QStringLiteral("color: blue;"));
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
    // The grid's events stop coming here before it goes: half-destroyed, it is no view any more.
    table_->viewport()->removeEventFilter(this);
    table_->removeEventFilter(this);
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
    auto field = [this, bar](const QString& caption, const char* name, QLabel*& label) {
        label = new QLabel(caption, bar);
        auto* edit = new QLineEdit(bar);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(255);
        edit->setStyleSheet(kHeaderFieldLook);
        edit->setAccessibleName(caption.trimmed());
        label->setBuddy(edit);
        connect(edit, &QLineEdit::editingFinished, this, &TFm_Kvel::StoreHeaderFields);
        connect(edit, &QLineEdit::textEdited, this, [this] { controller_->Model().MarkModified(); });
        return edit;
    };
    QLabel* commentLabel = nullptr;
    QLabel* prefixLabel = nullptr;
    comment_ = field(QStringLiteral("Layout"), "Edt_RdfCmt", commentLabel);
    prefix_ = field(QStringLiteral("Prefix "), "Edt_PreFix", prefixLabel);
    row->addWidget(close);
    row->addWidget(open);
    row->addSpacing(12);
    row->addWidget(commentLabel);
    row->addWidget(comment_, 3);
    row->addWidget(prefixLabel);
    row->addWidget(prefix_, 1);
    return bar;
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
    controller_->FollowGeometry();
    setWindowTitle(ToQ(model.WindowTitle()));
    lines_->setText(ToQ(model.LineCountText()));
    recordLength_->setText(ToQ(model.RecordLengthText()));
    modeText_->setText(ToQ(model.ModeText()));
    // The message of the last row commit, else the last notice (it stays until replaced).
    messageLine_->setText(model.MessageLine().empty() ? notice_ : ToQ(model.MessageLine()));
    const LayoutDocument& shown = model.Shown();
    if (!comment_->hasFocus()) comment_->setText(ToQ(shown.RdfCmt));
    if (!prefix_->hasFocus()) prefix_->setText(ToQ(shown.PreFix));
    const bool ordinary = model.Mode() == EditMode::Ordinary;
    comment_->setEnabled(ordinary);
    prefix_->setEnabled(ordinary);
    RefreshControls();
    grid_->Sync();
    PlaceCursor();
    RefreshSaveButton();
    refreshing_ = false;
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

void TFm_Kvel::ShowNotice(const std::string& text) {
    if (noticeWindow_) return noticeWindow_(ToQ(text));
    notice_ = ToQ(text);
    messageLine_->setText(notice_);
}

void TFm_Kvel::CloseNotice() {
    if (closeNoticeWindow_) return closeNoticeWindow_();
    notice_.clear();
    messageLine_->setText(ToQ(controller_->Model().MessageLine()));
}

void TFm_Kvel::FocusGrid() { table_->setFocus(); }

void TFm_Kvel::PrintLayout() {
    const LayoutPrintGrid grid = controller_->PrintGrid();
    PrintTable table;
    table.cells.emplace_back(grid.header.begin(), grid.header.end());
    for (const auto& row : grid.rows) table.cells.emplace_back(row.begin(), row.end());
    for (int c = 0; c < kGridColumns; ++c)
        table.columnWidths.push_back(c == kGridLevelColumn ? 0 : table_->columnWidth(c));
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
    RestorePlacement(*this, WindowPlace{});  // no usable place: centred on the screen
    for (const QPointer<QWidget>& window : toolWindows_)
        if (window) RestorePlacement(*window, WindowPlace{});
    emit windowSizesReset();
}

bool TFm_Kvel::Shutdown() {
    LayoutEditorWindowState state;
    state.place = CapturePlacement(this, settings_.FPS_kvel);
    const std::array<int, kGridColumns> stored = controller_->GridColumnWidths();
    for (int c = 0; c < kGridColumns; ++c) {
        const auto at = static_cast<std::size_t>(c);
        // A hidden position column keeps the width it shows with.
        state.widths[at] = table_->columnWidth(c) > 0 ? table_->columnWidth(c) : stored[at];
    }
    return controller_->Shutdown(state);
}

void TFm_Kvel::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    RestorePlacement(*this, settings_.FPS_kvel);
    FocusGrid();
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

}  // namespace rekkan::ui
