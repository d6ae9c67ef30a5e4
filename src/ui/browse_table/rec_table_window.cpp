#include "ui/browse_table/rec_table_window.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

#include "records/browse/browse_geometry.h"
#include "records/browse/browse_header.h"
#include "ui/app/qt_text.h"
#include "ui/app/wait_cursor.h"
#include "ui/app/window_services.h"
#include "ui/browse_table/browse_grid.h"
#include "ui/browse_table/rec_table_controls.h"
#include "ui/delegates/browse_cell_delegate.h"
#include "ui/models/browse_table_model.h"
#include "ui/rec_editor/number_box.h"
#include "util/text.h"

namespace rekkan::ui {

TFm_RecTable::TFm_RecTable(RecTableSetup setup, Settings& settings, MessageSink& messages, RecTableLinks links,
                           QWidget* parent)
    : QDialog(parent),
      setup_(std::move(setup)),
      settings_(settings),
      messages_(messages),
      links_(std::move(links)),
      choices_(BrowseChoices::FromSettings(settings)),
      table_(std::make_unique<BrowseTable>(setup_.source, *setup_.fields, setup_.codec)),
      controls_(std::make_unique<RecTableControls>(*this)),
      delegate_(new BrowseCellDelegate(BrowseCellDelegate::Style::Browse, this)),
      grid_(new BrowseGrid(kBrowseFixedColumns, delegate_, this)),
      model_(new BrowseTableModel(*table_, this)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("TFm_RecTable"));
    setWindowTitle(QStringLiteral("Rekkan Record Browse"));
    setAccessibleName(windowTitle());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    // Modal over the record editor only: the search window and the text viewer stay usable.
    setWindowModality(Qt::WindowModal);
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    grid_->setFont(font);
    QComboBox probe;  // rows are as high as a one-line drop-down box in the window font
    probe.setFont(font);
    rowHeight_ = probe.sizeHint().height();
    auto* area = new QHBoxLayout(controls_->gridArea);
    const int margin = rowHeight_ * 2 / 5;
    area->setContentsMargins(margin, margin, margin, margin);
    area->addWidget(grid_);
    grid_->SetModel(model_);

    RecTableControls& c = *controls_;
    c.scroll->setCurrentIndex(choices_.scroll == ScrollMode::OnRelease ? 1 : 0);
    c.fixedWidth->setCurrentIndex(choices_.fixedWidth);
    c.maxWidth->setCurrentIndex(choices_.maxWidth);
    c.fold->setCurrentIndex(choices_.fold);
    delegate_->SetWrap(choices_.fold != 1);
    grid_->SetWrap(choices_.fold != 1);
    c.search->setEnabled(static_cast<bool>(links_.openSearch));
    c.csv->setEnabled(static_cast<bool>(links_.openRangeCsv));

    timer_->setSingleShot(true);
    timer_->setInterval(200);
    connect(timer_, &QTimer::timeout, this, &TFm_RecTable::DeferredLoad);
    SizeToScreen(*this, 2.0 / 3.0, 2.0 / 3.0);
    RestorePlacement(*this, settings_.FPS_RecTable);
    if (choices_.maximised) setWindowState(windowState() | Qt::WindowMaximized);
    Connect();
}

TFm_RecTable::~TFm_RecTable() {
    // The grid reads the core table through its model, also while the dialog hides its children
    // on the way out: it goes before the table does, telling this window nothing more.
    disconnect(grid_, nullptr, this, nullptr);
    delete grid_;
}

int TFm_RecTable::CharWidth() const { return QFontMetrics(grid_->font()).horizontalAdvance(QChar('A')); }

bool TFm_RecTable::Centred() const { return controls_->centring->isChecked(); }

void TFm_RecTable::Connect() {
    RecTableControls& c = *controls_;
    connect(c.exit, &QAction::triggered, this, &QDialog::reject);
    connect(c.close, &QPushButton::clicked, this, &QDialog::reject);
    connect(c.centring, &QAction::toggled, grid_, &BrowseGrid::SetCentred);
    connect(c.csv, &QAction::triggered, this, [this] { links_.openRangeCsv(*this); });
    connect(c.search, &QPushButton::clicked, this, [this] { links_.openSearch(*this); });
    connect(c.setBase, &QPushButton::clicked, this, &TFm_RecTable::SetBaseFromBox);
    connect(c.recNo, &QLineEdit::returnPressed, this, &TFm_RecTable::SetBaseFromBox);
    connect(c.minus, &QPushButton::clicked, this, [this] { StepBase(-1); });
    connect(c.plus, &QPushButton::clicked, this, [this] { StepBase(+1); });
    connect(c.format, &QPushButton::clicked, this, [this] {
        choices_.positionHidden = !choices_.positionHidden;
        ApplyFormat();
    });
    connect(c.scroll, &QComboBox::currentIndexChanged, this,
            [this](int i) { choices_.scroll = i == 1 ? ScrollMode::OnRelease : ScrollMode::Follow; });
    connect(c.fixedItem, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (!loaded_ || item < 0) return;
        table_->SetFixedItem(item);
        if (links_.fixedItemChosen) links_.fixedItemChosen(item);
        ApplyFixedColumn();
    });
    connect(c.fixedWidth, &QComboBox::currentIndexChanged, this, [this](int i) {
        choices_.fixedWidth = i;
        if (loaded_) ApplyFixedColumn();
    });
    connect(c.maxWidth, &QComboBox::currentIndexChanged, this, [this](int i) {
        choices_.maxWidth = i;
        if (loaded_) ApplyMaxWidth();
    });
    connect(c.fold, &QComboBox::currentIndexChanged, this, [this](int i) {
        choices_.fold = i;
        delegate_->SetWrap(i != 1);
        grid_->SetWrap(i != 1);
        if (loaded_) ApplyFolding();
    });
    connect(c.refold, &QPushButton::clicked, this, [this] {
        if (loaded_) ApplyFolding();
    });
    QScrollBar* bar = grid_->Bar();
    connect(bar, &QScrollBar::valueChanged, this, [this] { BarMoved(false); });
    connect(bar, &QScrollBar::sliderReleased, this, [this] { BarMoved(true); });
    connect(bar, &QScrollBar::actionTriggered, this, [this](int action) {
        // Arrow and page clicks end at once; only the thumb's drag lasts until released.
        if (action != QAbstractSlider::SliderMove && action != QAbstractSlider::SliderNoAction)
            QTimer::singleShot(0, this, [this] { BarMoved(true); });
    });
    connect(grid_, &BrowseGrid::stepRequested, this, &TFm_RecTable::KeyStep);
    connect(grid_, &BrowseGrid::currentChanged, this, &TFm_RecTable::CurrentChanged);
    connect(grid_, &BrowseGrid::cellDoubleClicked, this, &TFm_RecTable::PopUp);
}

void TFm_RecTable::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (firstShow_) FirstShow();
}

void TFm_RecTable::FirstShow() {
    firstShow_ = false;
    if (!table_->Open()) messages_.Inform(BrowseOpenFailedMessage(), DefaultCaption());
    controls_->warning->setText(ToQ(setup_.warning));
    controls_->warning->setVisible(!setup_.warning.empty());
    BuildColumns();
    ApplyFormat();
    ShowLabels();
    timer_->start();
}

void TFm_RecTable::LoadNow() {
    if (firstShow_) FirstShow();
    if (!loaded_) {
        timer_->stop();
        DeferredLoad();
    }
}

void TFm_RecTable::DeferredLoad() {
    timer_->stop();
    loaded_ = true;
    FitRows();
    ApplyFixedColumn();
    const double limit = WidthLimitChars(choices_.maxWidth);
    const int w = CharWidth();
    for (const BrowseRow& row : table_->LeadingRows(dataRows_)) {
        for (std::size_t i = 0; i < setup_.fields->size(); ++i) {
            if ((*setup_.fields)[i].IsGroup()) continue;
            const int column = static_cast<int>(i) + kBrowseFixedColumns;
            const auto bytes = static_cast<int>(row.cells[static_cast<std::size_t>(column)].size());
            grid_->SetColumnWidth(column, GrownWidth(grid_->ColumnWidth(column), bytes, limit, w));
        }
    }
    ShowLabels();
    ApplyFolding();
    ResetBar();
    if (model_->rowCount() > 0 && model_->columnCount() > kBrowseFixedColumns)
        grid_->Select(model_->index(0, kBrowseFixedColumns));
    grid_->ItemView()->setFocus();
}

void TFm_RecTable::ShowLabels() {
    const BrowseLabels labels = table_->Labels();
    RecTableControls& c = *controls_;
    c.recordLength->setText(ToQ(labels.recordLength));
    c.records->setText(ToQ(labels.records));
    c.fileSize->setText(ToQ(labels.fileSize));
    c.basePosition->setText(ToQ(labels.basePosition));
    c.fileName->setText(ToQ(labels.fileName));
    setWindowTitle(ToQ(labels.caption));
    setAccessibleName(windowTitle());
    c.recNo->SetValue(ToQ(labels.recNoBox));
}

void TFm_RecTable::Refill() {
    const WaitCursor busy;
    ShowLabels();
    model_->Refill(dataRows_);
    CurrentChanged(grid_->Selection()->currentIndex());
}

void TFm_RecTable::FitRows() {
    const int rows = DataRowCount(grid_->AreaHeight(), rowHeight_, 1);
    dataRows_ = rows;
}

void TFm_RecTable::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!loaded_) return;
    const int before = dataRows_;
    FitRows();
    if (before == dataRows_) return;
    Refill();
    ApplyFolding();
    ResetBar();
}

void TFm_RecTable::ResetBar() {
    const ScrollMap map(table_->RecordCount());
    settingBar_ = true;
    QScrollBar* bar = grid_->Bar();
    bar->setRange(0, map.Maximum());
    bar->setSingleStep(1);
    bar->setPageStep(dataRows_ + 4);
    bar->setValue(map.BarOf(table_->Base()));
    barPosition_ = table_->Base();
    settingBar_ = false;
}

void TFm_RecTable::BarMoved(bool actionEnded) {
    if (settingBar_ || !loaded_) return;
    const ScrollMap map(table_->RecordCount());
    const int value = grid_->Bar()->value();
    if (map.BarOf(barPosition_) != value) barPosition_ = map.PositionOf(value);
    if (!RefillsOn(choices_.scroll, actionEnded)) return;
    if (table_->Base() == std::min(barPosition_, std::max<std::int64_t>(table_->RecordCount() - 1, 0)) && !actionEnded)
        return;
    table_->SetBase(barPosition_);
    Refill();
    if (barPosition_ < 2) grid_->ToTop();
}

void TFm_RecTable::KeyStep(int delta) {
    const ScrollMap map(table_->RecordCount());
    barPosition_ = map.Step(barPosition_, delta);
    settingBar_ = true;
    grid_->Bar()->setValue(map.BarOf(barPosition_));
    settingBar_ = false;
    if (choices_.scroll != ScrollMode::Follow) return;
    table_->SetBase(barPosition_);
    Refill();
}

void TFm_RecTable::SetBaseFromBox() {
    NumberBox& box = *controls_->recNo;
    const BaseChoice choice = table_->SetBaseFromBox(FromQ(box.text()));
    box.SetValue(ToQ(choice.boxText));
    if (choice.missing) messages_.Inform(BaseMissingMessage(choice.boxText), DefaultCaption());
    if (loaded_) {
        Refill();
        ResetBar();
    } else {
        ShowLabels();
    }
    box.CommandDone();
    box.setFocus();
    box.selectAll();
}

void TFm_RecTable::StepBase(int delta) {
    controls_->recNo->SetValue(ToQ(StepBaseText(FromQ(controls_->recNo->text()), delta)));
    SetBaseFromBox();
}

void TFm_RecTable::LinkTo(const QString& recNo, int column) {
    controls_->recNo->SetValue(recNo);
    SetBaseFromBox();
    if (column >= kBrowseFixedColumns && column < model_->columnCount() && model_->rowCount() > 0) {
        grid_->ShowFirstColumn(column);
        grid_->Select(model_->index(0, column));
    }
}

void TFm_RecTable::CurrentChanged(const QModelIndex& index) {
    QString recNo;
    if (index.isValid() && index.row() < model_->rowCount())
        recNo = model_->index(index.row(), 0).data().toString().trimmed();
    controls_->current->setText(recNo);
}

void TFm_RecTable::PopUp(const QModelIndex& index) {
    if (index.isValid()) grid_->PopUp(index, index.data().toString());
}

void TFm_RecTable::done(int result) {
    timer_->stop();
    if (links_.closeSearch) links_.closeSearch();
    result_ = controls_->current->text().trimmed();
    choices_.maximised = isMaximized();
    choices_.StoreTo(settings_);
    settings_.FPS_RecTable = CapturePlacement(this, settings_.FPS_RecTable);
    QDialog::done(result);
}

}  // namespace rekkan::ui
