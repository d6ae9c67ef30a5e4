#include "ui/rec_editor/rec_editor_window.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>

#include "records/record_view.h"
#include "ui/app/background_job.h"
#include "ui/app/colours.h"
#include "ui/app/qt_text.h"
#include "ui/app/window_services.h"
#include "ui/delegates/field_cell_delegate.h"
#include "ui/delegates/ruler_ticks.h"
#include "ui/models/field_grid_model.h"
#include "ui/models/group_tree_model.h"
#include "ui/rec_editor/field_grid_view.h"
#include "ui/rec_editor/grid_geometry.h"
#include "ui/rec_editor/number_box.h"
#include "ui/rec_editor/rec_editor_controls.h"
#include "ui/rec_editor/rec_editor_menus.h"
#include "util/version.h"

namespace rekkan::ui {
namespace {

constexpr int kMaximised = 2;           // WinSta of a maximised window
constexpr int kDefaultPaneWidth = 300;  // the tree's width when none is stored

/// Colour of the message line for an outcome kind.
int OutcomeColour(OutcomeKind kind) {
    switch (kind) {
    case OutcomeKind::NothingToRead: return bgr::kGold;
    case OutcomeKind::Error: return bgr::kRed;
    case OutcomeKind::Done: return bgr::kAqua;
    default: return bgr::kWhite;
    }
}

}  // namespace

QString RecEditorTitle() { return QStringLiteral("Rekkan Ver ") + QLatin1String(kVersion); }

TFm_RecEditor::TFm_RecEditor(Settings& settings, LayoutDocument& doc, MessageSink& messages, EditorDialogs& dialogs,
                             const TypeNotation* notation, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      session_(std::make_unique<RecordEditorSession>(settings, doc, messages, dialogs, notation)),
      job_(new BackgroundJob(this)) {
    setObjectName(QStringLiteral("TFm_RecEditor"));
    setWindowTitle(RecEditorTitle());
    setAccessibleName(RecEditorTitle());
    setAcceptDrops(true);
    auto* central = new QWidget(this);
    setCentralWidget(central);
    controls_ = std::make_unique<RecEditorControls>(central);
    menus_ = std::make_unique<RecEditorMenus>(*this);
    treeModel_ = new GroupTreeModel(this);
    controls_->tree->setModel(treeModel_);
    gridModel_ = new FieldGridModel(*session_, settings_, this);
    controls_->grid->setModel(gridModel_);
    SetUpGrid();
    Connect();
    RestoreState();
    session_->SetObserver(this);
    GroupChanged();
    EntryShown();
    StatusChanged();
    OutcomeChanged();
    EnablingChanged();
    UndoChanged();
}

TFm_RecEditor::~TFm_RecEditor() {
    session_->SetObserver(nullptr);
    delete job_;  // waits for a running rebuild before the session goes
    job_ = nullptr;
    delete takeCentralWidget();  // the controls go while the session they report to still exists
}

QMenu& TFm_RecEditor::HelpMenu() { return *menus_->help; }

bool TFm_RecEditor::Busy() const { return job_ && job_->Running(); }

void TFm_RecEditor::TakeArgument(const QString& path) {
    EnteredText text;
    text.lossless = ToCp932(path, text.cp932);
    session_->TakeArgument(text);
}

void TFm_RecEditor::SetUpGrid() {
    FieldGridView& grid = *controls_->grid;
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(settings_.Cmb_FontSize > 0 ? settings_.Cmb_FontSize : 9);
    grid.setFont(font);
    const QFontMetrics fm(font);
    SizeRows();
    grid.horizontalHeader()->setFixedHeight(fm.height() + 8);
    grid.SetMultiLine(settings_.Cmb_RecCellEdit != 0);
    grid.Delegate().SetRuler(settings_.ReMemori);

    int typeWidth = 0;
    for (int type = 0; type < kTypeCount; ++type)
        typeWidth = std::max(typeWidth, fm.horizontalAdvance(ToQ(GridTypeText(type))));
    const auto widths = FieldColumnWidths(fm.horizontalAdvance(QChar('A')), typeWidth + 12, settings_.ReColWidths);
    for (int c = 0; c < kFieldColumnCount; ++c) grid.horizontalHeader()->resizeSection(c, widths[c]);
}

void TFm_RecEditor::SizeRows() {
    FieldGridView& grid = *controls_->grid;
    const int height = FieldRowHeight(QFontMetrics(grid.font()).height(), grid.font().pointSize());
    grid.SetRowHeight(height + (settings_.ReMemori ? kRulerBand : 0));  // the ticks sit under the text
}

void TFm_RecEditor::RestoreState() {
    SizeToScreen(*this, 0.85, 0.9);  // the window's own size when no place is stored
    RestorePlacement(*this, settings_.FPS_RecEditor);
    if (settings_.WinSta == kMaximised) setWindowState(Qt::WindowMaximized);
    menus_->compactInfo->setChecked(settings_.RecEtcFmt);
    menus_->ruler->setChecked(settings_.ReMemori);
    startPaneWidth_ = settings_.LayoutListWidth > 0 ? settings_.LayoutListWidth : kDefaultPaneWidth;
    controls_->splitter->setSizes({startPaneWidth_, std::max(1, width() - startPaneWidth_)});
    QPalette treeColours = controls_->tree->palette();
    treeColours.setColor(QPalette::Base, FromBgr(settings_.Opt_LayoutBC));
    treeColours.setColor(QPalette::Text, FromBgr(settings_.Opt_LayoutFC));
    controls_->tree->setPalette(treeColours);
    RefreshCaptions();
}

void TFm_RecEditor::StoreSettings() {
    settings_.FPS_RecEditor = CapturePlacement(this, settings_.FPS_RecEditor);
    settings_.WinSta = isMaximized() ? kMaximised : 0;
    settings_.RecEtcFmt = menus_->compactInfo->isChecked();
    settings_.LayoutListWidth = controls_->splitter->sizes().value(0);
    const QHeaderView* heading = controls_->grid->horizontalHeader();
    for (int c = 0; c < kFieldColumnCount; ++c) settings_.ReColWidths[c] = heading->sectionSize(c);
    if (positionColumnsHidden_)
        for (int i = 0; i < 3; ++i) settings_.ReColWidths[kColPos + i] = positionColumnWidths_[i];
}

void TFm_RecEditor::closeEvent(QCloseEvent* event) {
    if (Busy()) {  // a rebuild runs: stop it first; the window closes on the next request
        job_->Cancel();
        event->ignore();
        return;
    }
    if (!session_->QueryClose()) {
        event->ignore();
        return;
    }
    StoreSettings();
    event->accept();
}

// ---- What the session tells -----------------------------------------------------------

void TFm_RecEditor::GroupChanged() {
    syncingTree_ = true;
    treeModel_->Reset(&session_->Group());
    controls_->tree->expandAll();
    const int shown = session_->ShownIndex();
    if (shown >= 0) controls_->tree->setCurrentIndex(treeModel_->index(shown, 0));
    syncingTree_ = false;
    controls_->groupPath->setText(ToQ(session_->GroupPathLabel()));
}

void TFm_RecEditor::EntryShown() {
    gridModel_->RowsRebuilt();
    FieldGridView& grid = *controls_->grid;
    const GridPlace place = session_->RestoredGridPlace();
    if (session_->RowCount() > 0) {
        grid.verticalScrollBar()->setValue(place.topRow);
        grid.MoveToRow(place.row);
        grid.setFocus();
    }
    syncingTree_ = true;
    const int shown = session_->ShownIndex();
    if (shown >= 0 && GroupTreeModel::EntryOf(controls_->tree->currentIndex()) != shown)
        controls_->tree->setCurrentIndex(treeModel_->index(shown, 0));
    syncingTree_ = false;
    emit entrySwitched();
}

void TFm_RecEditor::FieldsChanged() { gridModel_->AllRowsChanged(); }

void TFm_RecEditor::RowChanged(int row) { gridModel_->RowChanged(row); }

void TFm_RecEditor::StatusChanged() {
    const RecordInfo info = session_->Info();
    RecEditorControls& c = *controls_;
    c.recLen->setText(ToQ(info.recordLength));
    c.records->setText(ToQ(info.recordCount));
    c.fileSize->setText(ToQ(info.fileSize));
    c.filePos->setText(ToQ(info.filePos));
    c.recNo->SetValue(ToQ(session_->RecNoBoxText()));
    c.basePos->SetValue(ToQ(info.basePosition));  // emptied with the other boxes
    c.editPath->setText(ToQ(session_->EditFilePath()));
    SetPanelText(*c.warning, ToQ(session_->Warning()));
    SetPanelText(*c.comment, ToQ(session_->CommentPanel()));
    PaintPanel(*c.comment, bgr::kPanel, session_->CommentIsRed() ? bgr::kRed : bgr::kWhite);
    RefreshCaptions();
}

void TFm_RecEditor::OutcomeChanged() {
    const Outcome& outcome = session_->LastOutcome();
    QString text = ToQ(outcome.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    SetPanelText(*controls_->message, text);
    PaintPanel(*controls_->message, bgr::kPanel, OutcomeColour(outcome.kind));
}

void TFm_RecEditor::EnablingChanged() {
    if (Busy()) return;  // everything stays disabled until the rebuild ends
    const EditorEnabling e = session_->Enabling();
    RecEditorControls& c = *controls_;
    menus_->Apply(e);
    c.editFile->setEnabled(e.chooseEditFile);
    c.editClear->setEnabled(e.clearEditFile);
    c.editOpen->setEnabled(e.openCloseEditFile);
    c.editClose->setEnabled(e.openCloseEditFile);
    for (QWidget* w :
         std::initializer_list<QWidget*>{c.first, c.prior, c.next, c.last, c.recNo, c.getRecNo, c.basePos,
                                         c.baseMinusByte, c.basePlusByte, c.baseMinusRecord, c.basePlusRecord})
        w->setEnabled(e.navigation);
    c.update->setEnabled(e.update);
    c.insert->setEnabled(e.insert);
    c.append->setEnabled(e.append);
    c.remove->setEnabled(e.remove);
    c.removeLayout->setEnabled(e.removeLayout);
    c.browse->setEnabled(e.browse);
    c.layoutEdit->setEnabled(static_cast<bool>(openLayoutEditor_));
    gridModel_->AllRowsChanged();  // editable flags follow
}

void TFm_RecEditor::ConnectLayoutEditor(std::function<void()> open) {
    openLayoutEditor_ = std::move(open);
    connect(controls_->layoutEdit, &QPushButton::clicked, this, [this] { openLayoutEditor_(); });
    connect(menus_->layoutEditor, &QAction::triggered, this, [this] { openLayoutEditor_(); });
    controls_->layoutEdit->setEnabled(true);
    menus_->layoutEditor->setEnabled(true);
}

void TFm_RecEditor::UndoChanged() {
    menus_->undo->setText(ToQ(session_->UndoCaption()));
    menus_->undo->setEnabled(session_->CanUndo());
    gridModel_->AllRowsChanged();  // the row the undo restored is drawn apart
}

void TFm_RecEditor::MoveCursor(int row) { controls_->grid->MoveToRow(row); }

void TFm_RecEditor::RefreshCaptions() {
    const InfoCaptions captions = session_->Captions();
    menus_->codecCaption->setText(ToQ(captions.codec));
    menus_->fillCaption->setText(ToQ(captions.fill));
}

}  // namespace rekkan::ui
