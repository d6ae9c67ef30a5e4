#include "ui/key_items/key_items_window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "layout_editor/layout_editor_controller.h"
#include "ui/app/qt_text.h"
#include "ui/app/window_services.h"
#include "ui/models/key_list_models.h"
#include "ui/print/table_printer.h"
#include "util/encoding.h"

namespace rekkan::ui {
namespace {

QListView* MakeList(QWidget* parent, QAbstractItemModel* model, const QString& name, bool many) {
    auto* list = new QListView(parent);
    list->setModel(model);
    list->setAccessibleName(name);
    list->setFont(QFont(QStringLiteral("IPAGothic")));
    list->setUniformItemSizes(true);
    list->setSelectionMode(many ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    list->setDragEnabled(true);
    list->setAcceptDrops(true);
    list->setDropIndicatorShown(true);
    list->setDragDropOverwriteMode(true);  // a drop lands on the line under the mouse
    list->setDragDropMode(QAbstractItemView::DragDrop);
    list->setDefaultDropAction(Qt::CopyAction);
    return list;
}

}  // namespace

TFm_Idx::TFm_Idx(LayoutEditorController& editor, MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), editor_(editor), keys_(editor, messages) {
    setWindowTitle(QStringLiteral("Morvane キー項目の編集"));
    BuildMenus();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    const auto changed = [this](int selected) { Changed(selected); };
    selectionModel_ = new KeySelectionModel(keys_, changed, this);
    keyModel_ = new KeyListModel(keys_, changed, this);
    palettes_[0] = new KeyPaletteModel(KeyDragSource::AddKey, {QStringLiteral("キー番号の追加")}, this);
    palettes_[1] = new KeyPaletteModel(KeyDragSource::Duplicates, {QStringLiteral(" 不"), QStringLiteral(" 可")}, this);
    palettes_[2] = new KeyPaletteModel(KeyDragSource::Order, {QStringLiteral(" 昇順"), QStringLiteral(" 降順")}, this);

    selection_ = MakeList(central, selectionModel_, QStringLiteral("キー項目選択リスト"), true);
    keyList_ = MakeList(central, keyModel_, QStringLiteral("キー項目リスト"), false);
    column->addWidget(BuildHeadings(central, false));
    column->addWidget(selection_, 3);

    auto* paletteRow = new QHBoxLayout;
    const QString names[] = {QStringLiteral("キー番号の追加"), QStringLiteral("重複"), QStringLiteral("並び")};
    for (int i = 0; i < 3; ++i) {
        QListView* p = MakeList(central, palettes_[i], names[i], false);
        p->setAcceptDrops(false);
        p->setFixedHeight(QFontMetrics(p->font()).height() * 2 + 10);
        p->setCurrentIndex(palettes_[i]->index(0, 0));
        paletteRow->addWidget(p);
        if (i == 0) continue;
        connect(p->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, i](const QModelIndex& at) {
            std::string text;
            if (!ToCp932(at.data().toString(), text)) return;
            (i == 1 ? keys_.SetDuplicatesChoice(text) : keys_.SetOrderChoice(text));
        });
    }
    auto* up = new QPushButton(QStringLiteral("△"), central);
    auto* down = new QPushButton(QStringLiteral("▽"), central);
    up->setAccessibleName(QStringLiteral("上へ △"));
    down->setAccessibleName(QStringLiteral("下へ ▽"));
    paletteRow->addWidget(up);
    paletteRow->addWidget(down);
    column->addLayout(paletteRow);
    connect(up, &QPushButton::clicked, this, [this] { Changed(keys_.MoveUp(keyList_->currentIndex().row())); });
    connect(down, &QPushButton::clicked, this, [this] { Changed(keys_.MoveDown(keyList_->currentIndex().row())); });

    column->addWidget(new QLabel(QStringLiteral("キー項目リスト"), central));
    column->addWidget(BuildHeadings(central, true));
    column->addWidget(keyList_, 2);
    setCentralWidget(central);
    resize(760, 640);
    // A layout read, initialised or imported while the window is open is shown at once.
    auto* follow = new QTimer(this);
    connect(follow, &QTimer::timeout, this, [this] {
        if (isVisible() && (keys_.KeyLines() != shownKeys_ || editor_.Document().items != shownItems_)) Activate();
    });
    follow->start(500);
}

TFm_Idx::~TFm_Idx() = default;

QWidget* TFm_Idx::BuildHeadings(QWidget* parent, bool keyList) {
    auto* bar = new QWidget(parent);
    // The headings stand over the columns of the lines: both in the lists' font.
    const QFont font = selection_->font();
    const int a = QFontMetrics(font).horizontalAdvance(QLatin1Char('A'));
    const int left = selection_->frameWidth() + selection_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const int name = keys_.NameColumn();
    struct Heading {
        QString text;
        int column;
    };
    const std::vector<Heading> headings =
        keyList
            ? std::vector<Heading>{{QStringLiteral("位置"), 7},
                                   {QStringLiteral("： 桁数"), 15},
                                   {QStringLiteral("型"), 25},
                                   {QStringLiteral("重複  並び  項目名"), name}}
            : std::vector<Heading>{{QStringLiteral("SEQ"), 0},
                                   {QStringLiteral("位置"), 7},
                                   {QStringLiteral("： 桁数"), 15},
                                   {QStringLiteral("型"), 25},
                                   {QStringLiteral("項目名"), name + 4},
                                   {QStringLiteral("重複"), name + 20},
                                   {QStringLiteral("並び"), name + 26},
                                   {QStringLiteral("(登録：下段のリストへ Drag ＆ Drop   削除：逆操作)"), name + 32}};
    int height = 0;
    for (const Heading& h : headings) {
        auto* label = new QLabel(h.text, bar);
        label->setFont(font);
        label->adjustSize();
        label->move(left + a * h.column, 0);
        height = std::max(height, label->height());
    }
    bar->setMinimumHeight(height);
    return bar;
}

void TFm_Idx::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
    file->addAction(QStringLiteral("編集内容を印刷する (&P)"), this, &TFm_Idx::Print);
    file->addAction(QStringLiteral("終了(&X)"), this, &QWidget::close);
}

void TFm_Idx::Open() {
    if (!placed_) RestorePlacement(*this, editor_.SharedSettings().FPS_Idx);
    placed_ = true;
    show();
    raise();
    activateWindow();
    Activate();
}

void TFm_Idx::Activate() {
    keys_.Activate();
    shownKeys_ = keys_.KeyLines();
    shownItems_ = editor_.Document().items;
    selectionModel_->Reset();
    const int current = keyList_->currentIndex().row();
    keyModel_->Reset();
    keyList_->setCurrentIndex(keyModel_->index(current, 0));
}

bool TFm_Idx::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Activate();
    return QMainWindow::event(event);
}

void TFm_Idx::closeEvent(QCloseEvent* event) {
    editor_.SharedSettings().FPS_Idx = CapturePlacement(this, editor_.SharedSettings().FPS_Idx);
    QMainWindow::closeEvent(event);
}

void TFm_Idx::Changed(int selected) {
    selectionModel_->Reset();
    keyModel_->Reset();
    if (selected >= 0) keyList_->setCurrentIndex(keyModel_->index(selected, 0));
    selection_->clearSelection();
    shownKeys_ = keys_.KeyLines();
    emit KeysChanged();
}

void TFm_Idx::Print() {
    const Settings& s = editor_.SharedSettings();
    const int a = QFontMetrics(font()).horizontalAdvance(QLatin1Char('A'));
    const std::vector<int> widths = {s.EGW_SEQ * a, s.EGW_POS * a, s.EGW_BYT * a, s.EGW_TYP * a,
                                     s.EGW_RED * a, s.EGW_RPT * a, s.EGW_KOM * a};
    PrintTable table = keys_.KeyPrintTable(widths);
    table.documentName = "Morvane";
    PrintWithPreview(table, editor_.SharedSettings().printPreviewLines, "GP_", this);
}

}  // namespace rekkan::ui
