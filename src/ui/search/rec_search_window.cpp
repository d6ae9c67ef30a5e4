#include "ui/search/rec_search_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "records/range_csv.h"
#include "records/search_text.h"
#include "ui/app/qt_text.h"
#include "ui/browse_table/browse_grid.h"
#include "ui/browse_table/rec_table_window.h"
#include "ui/delegates/browse_cell_delegate.h"
#include "ui/models/search_result_model.h"
#include "util/text.h"

namespace rekkan::ui {
namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QPushButton* Button(QWidget* parent, QHBoxLayout* row, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}

const QString kGuide = Q("　検索結果はダブルクリックでベースウィンドウ側と連動します。");

}  // namespace

TFm_RecSearch::TFm_RecSearch(MessageSink& messages, QWidget* parent)
    : QMainWindow(parent),
      messages_(messages),
      model_(new SearchResultModel(runner_, this)),
      delegate_(new BrowseCellDelegate(BrowseCellDelegate::Style::Result, this)) {
    setObjectName(QStringLiteral("TFm_RecSearch"));
    setWindowTitle(Q("Rekkan 検索"));
    setAccessibleName(windowTitle());
    QAction* exit = menuBar()->addMenu(Q("ファイル(&F)"))->addAction(Q("終了(&X)"));
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    auto* row = new QHBoxLayout;
    auto* wordsLabel = new QLabel(Q("検索文字列"), central);
    words_ = new QLineEdit(central);
    words_->setObjectName(QStringLiteral("Edt_Words"));
    words_->setAccessibleName(wordsLabel->text());
    wordsLabel->setBuddy(words_);
    row->addWidget(wordsLabel);
    row->addWidget(words_, 1);
    row->addWidget(new QLabel(Q("検索条件"), central));
    and_ = new QRadioButton(QStringLiteral("AND"), central);
    or_ = new QRadioButton(QStringLiteral("OR"), central);
    and_->setObjectName(QStringLiteral("Rbt_And"));
    or_->setObjectName(QStringLiteral("Rbt_Or"));
    and_->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(and_);
    group->addButton(or_);
    row->addWidget(and_);
    row->addWidget(or_);
    execute_ = Button(central, row, "Btn_Execute", Q("検索実行"));
    stop_ = Button(central, row, "Btn_Stop", Q("中断"));
    stop_->hide();
    prior_ = Button(central, row, "Btn_Prior", Q("前"));
    next_ = Button(central, row, "Btn_Next", Q("次"));
    close_ = Button(central, row, "Btn_Close", Q("終了"));
    outer->addLayout(row);
    auto* info = new QHBoxLayout;
    auto* countLabel = new QLabel(Q("検索件数"), central);
    count_ = new QLineEdit(central);
    count_->setObjectName(QStringLiteral("Edt_Count"));
    count_->setAccessibleName(countLabel->text());
    count_->setReadOnly(true);
    count_->setAlignment(Qt::AlignRight);
    count_->setFixedWidth(count_->fontMetrics().horizontalAdvance(QString(14, QChar('9'))));
    countLabel->setBuddy(count_);
    guide_ = new QLabel(kGuide, central);
    guide_->setObjectName(QStringLiteral("Lbl_Guide"));
    info->addWidget(countLabel);
    info->addWidget(count_);
    info->addWidget(guide_, 1);
    outer->addLayout(info);
    grid_ = new BrowseGrid(kResultFixedColumns, delegate_, central);
    grid_->Bar()->hide();
    grid_->ItemView()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    grid_->setFont(font);
    grid_->SetModel(model_);
    outer->addWidget(grid_, 1);
    resize(900, 500);

    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(execute_, &QPushButton::clicked, this, &TFm_RecSearch::Execute);
    connect(words_, &QLineEdit::returnPressed, this, &TFm_RecSearch::Execute);
    connect(stop_, &QPushButton::clicked, this, &TFm_RecSearch::Stop);
    connect(next_, &QPushButton::clicked, this, [this] { Walk(true); });
    connect(prior_, &QPushButton::clicked, this, [this] { Walk(false); });
    connect(and_, &QRadioButton::clicked, words_, qOverload<>(&QWidget::setFocus));
    connect(or_, &QRadioButton::clicked, words_, qOverload<>(&QWidget::setFocus));
    connect(grid_, &BrowseGrid::cellDoubleClicked, this, &TFm_RecSearch::Link);
    Reset();
}

TFm_RecSearch::~TFm_RecSearch() { runner_.Stop(); }

void TFm_RecSearch::Open(TFm_RecTable& table) {
    table_ = &table;
    show();
    raise();
    words_->setFocus();
}

void TFm_RecSearch::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstShow_) {
        firstShow_ = false;
        Reset();
    }
}

void TFm_RecSearch::Reset() {
    runner_.Reset();
    searching_ = false;
    SetSearching(false);
    words_->clear();
    count_->clear();
    prior_->setEnabled(false);
    next_->setEnabled(false);
    grid_->hide();
    model_->Clear();
}

void TFm_RecSearch::CloseWithTable() {
    runner_.Stop();
    if (searching_) Ended();
    table_ = nullptr;
    hide();
}

void TFm_RecSearch::closeEvent(QCloseEvent* event) {
    runner_.RequestStop();  // the end is shown when the worker reports it
    hide();
    event->ignore();
}

void TFm_RecSearch::SetSearching(bool on) {
    execute_->setVisible(!on);
    stop_->setVisible(on);
    close_->setEnabled(!on);
    guide_->setStyleSheet(on ? QStringLiteral("color: blue;") : QString());
    if (!on) guide_->setText(kGuide);
}

void TFm_RecSearch::Execute() {
    if (searching_ || !table_) return;
    words_->setFocus();
    const RecTableSetup& setup = table_->Setup();
    SearchRequest request;
    request.path = setup.source.dataPath;
    request.basePosition = setup.source.basePosition;
    request.recordLength = setup.source.recordLength;
    request.fields = setup.fields;
    request.codec = setup.codec;
    request.words = SplitSearchWords(FromQ(words_->text()));
    request.orMode = or_->isChecked();
    searching_ = true;
    SetSearching(true);
    prior_->setEnabled(false);
    next_->setEnabled(false);
    count_->clear();
    grid_->hide();
    model_->Begin(request, table_->Table().FixedItem());
    BrowseGrid& browse = table_->Grid();
    for (int c = 0; c < model_->columnCount(); ++c)
        grid_->SetColumnWidth(c, c == 0 ? browse.ColumnWidth(0) : c == 2 ? 8 : browse.ColumnWidth(c - 1));
    grid_->SetHeights(browse.LineHeight(), browse.LineHeight(), {});
    grid_->SetCentred(table_->Centred());
    if (!runner_.Start(request,
                       [this] { QMetaObject::invokeMethod(this, &TFm_RecSearch::Progressed, Qt::QueuedConnection); })) {
        searching_ = false;
        SetSearching(false);
    }
}

void TFm_RecSearch::Progressed() {
    if (!searching_) return;
    const SearchProgress progress = runner_.Progress();
    model_->Grow();
    if (runner_.Running()) {
        guide_->setText(ToQ(SearchProgressText(progress)));
        count_->setText(ToQ(GroupThousands(progress.hits) + " "));
        return;
    }
    Ended();
}

void TFm_RecSearch::WaitForEnd() {
    runner_.Wait();
    if (searching_) Ended();
}

void TFm_RecSearch::Ended() {
    runner_.Wait();
    searching_ = false;
    model_->Grow();
    const std::optional<SearchOutcome> outcome = runner_.Outcome();
    if (outcome && !outcome->opened) messages_.Inform(DataFileOpenFailedMessage(), DefaultCaption());
    const int hits = model_->rowCount();
    count_->setText(ToQ(GroupThousands(hits) + " "));
    grid_->show();
    SetSearching(false);
    if (hits > 0 && model_->columnCount() > kResultFixedColumns) {
        grid_->Select(model_->index(0, kResultFixedColumns - 1));  // just before the first item
        prior_->setEnabled(true);
        next_->setEnabled(true);
        Walk(true);
    }
    grid_->ItemView()->setFocus();
}

void TFm_RecSearch::Walk(bool forward) {
    const QModelIndex current = grid_->Selection()->currentIndex();
    int row = 0, column = 0;
    if (!model_->Walk(forward, current.isValid() ? current.row() : 0,
                      current.isValid() ? current.column() : kResultFixedColumns - 1, row, column)) {
        messages_.Inform(forward ? NoNextHitMessage() : NoPriorHitMessage(), DefaultCaption());
        return;
    }
    const QModelIndex found = model_->index(row, column);
    grid_->Select(found);
    Link(found);
}

void TFm_RecSearch::Link(const QModelIndex& index) {
    if (!table_ || !index.isValid() || index.row() >= model_->rowCount()) return;
    const std::int64_t record = model_->RecordOf(index.row());
    if (record < 0) return;
    table_->LinkTo(QString::number(record + 1), index.column() - 1);
}

}  // namespace rekkan::ui
