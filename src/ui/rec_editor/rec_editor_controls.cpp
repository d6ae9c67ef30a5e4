#include "ui/rec_editor/rec_editor_controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/app/colours.h"
#include "ui/rec_editor/field_grid_view.h"
#include "ui/rec_editor/number_box.h"

namespace rekkan::ui {
namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& description = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    if (!description.isEmpty()) {
        b->setAccessibleDescription(description);
        b->setToolTip(description);
    }
    b->setAutoDefault(false);
    b->setMaximumWidth(std::max(b->fontMetrics().horizontalAdvance(caption) + 24, 32));
    return b;
}

/// A read-only box with the label in front of it; the label names it.
template <typename Box>
Box* Labelled(QWidget* parent, QHBoxLayout* row, const char* name, const QString& label, int chars) {
    auto* l = new QLabel(label, parent);
    auto* box = new Box(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(label);
    l->setBuddy(box);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(chars, QChar('9'))) + 14);
    row->addWidget(l);
    row->addWidget(box);
    return box;
}

QLineEdit* Info(QWidget* parent, QHBoxLayout* row, const char* name, const QString& label, int chars) {
    QLineEdit* box = Labelled<QLineEdit>(parent, row, name, label, chars);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

QLabel* Panel(QWidget* parent, const char* name, const QString& accessible) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(accessible);
    l->setAutoFillBackground(true);
    l->setMargin(3);
    l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PaintPanel(*l, bgr::kPanel, bgr::kWhite);
    return l;
}

}  // namespace

void PaintPanel(QLabel& label, int background, int text) {
    QPalette p = label.palette();
    p.setColor(QPalette::Window, FromBgr(background));
    p.setColor(QPalette::WindowText, FromBgr(text));
    label.setPalette(p);
}

void SetPanelText(QLabel& label, const QString& text) {
    label.setText(text);
    label.setAccessibleDescription(text);
}

RecEditorControls::RecEditorControls(QWidget* central) {
    QPalette dark = central->palette();
    dark.setColor(QPalette::Window, FromBgr(bgr::kPanel));
    dark.setColor(QPalette::WindowText, FromBgr(bgr::kWhite));
    central->setPalette(dark);
    central->setAutoFillBackground(true);

    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(4, 4, 4, 4);
    splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setObjectName(QStringLiteral("Splitter"));
    splitter->setChildrenCollapsible(true);
    outer->addWidget(splitter, 1);

    // Left: the layout group.
    leftPane = new QWidget(splitter);
    auto* left = new QVBoxLayout(leftPane);
    left->setContentsMargins(0, 0, 2, 0);
    auto* groupButtons = new QHBoxLayout;
    paneWidth = Button(leftPane, "Btn_TreeWidth", QStringLiteral("⇔"), QStringLiteral("ツリーの幅を変える"));
    openGroup = Button(leftPane, "Btn_LayoutGroup", QStringLiteral("ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ"));
    addLayout = Button(leftPane, "Btn_AddLayout", QStringLiteral("ﾚｲｱｳﾄ追加"));
    removeLayout = Button(leftPane, "Btn_DelLayout", QStringLiteral("削除"), QStringLiteral("ﾚｲｱｳﾄ 削除"));
    for (QPushButton* b : {paneWidth, openGroup, addLayout, removeLayout}) groupButtons->addWidget(b);
    groupButtons->addStretch();
    left->addLayout(groupButtons);
    groupPath = new QLabel(QStringLiteral("Path="), leftPane);
    groupPath->setObjectName(QStringLiteral("Lbl_GroupPath"));
    groupPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    left->addWidget(groupPath);
    tree = new QTreeView(leftPane);
    tree->setObjectName(QStringLiteral("TreeView1"));
    tree->setAccessibleName(QStringLiteral("ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ"));
    tree->setHeaderHidden(true);
    tree->setUniformRowHeights(true);
    tree->setDragDropMode(QAbstractItemView::InternalMove);
    tree->setDefaultDropAction(Qt::MoveAction);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    left->addWidget(tree);

    // Right: the shown layout.
    auto* rightPane = new QWidget(splitter);
    auto* right = new QVBoxLayout(rightPane);
    right->setContentsMargins(2, 0, 0, 0);
    right->setSpacing(3);
    comment = Panel(rightPane, "Pnl_Comment", QStringLiteral("Layout"));
    right->addWidget(comment);

    auto* fileRow = new QHBoxLayout;
    editFile = Button(rightPane, "Btn_EditFile", QStringLiteral("編集するﾌｧｲﾙ"));
    editPath = new QLineEdit(rightPane);
    editPath->setObjectName(QStringLiteral("Edt_EditFile"));
    editPath->setAccessibleName(QStringLiteral("編集するﾌｧｲﾙ"));
    editPath->setReadOnly(true);
    editClear = Button(rightPane, "Btn_EditClr", QStringLiteral("Clr"));
    editOpen = Button(rightPane, "Btn_EditOpen", QStringLiteral("Open"));
    editClose = Button(rightPane, "Btn_EditClose", QStringLiteral("Close"));
    fileRow->addWidget(editFile);
    fileRow->addWidget(editPath, 1);
    for (QPushButton* b : {editClear, editOpen, editClose}) fileRow->addWidget(b);
    right->addLayout(fileRow);

    auto* numberRow = new QHBoxLayout;
    recNo = Labelled<NumberBox>(rightPane, numberRow, "Edt_RecNo", QStringLiteral("Rec.No"), 12);
    getRecNo = Button(rightPane, "Btn_GetRecNo", QStringLiteral("Get :Rec.No"));
    numberRow->addWidget(getRecNo);
    numberRow->addSpacing(16);
    basePos = Labelled<NumberBox>(rightPane, numberRow, "Edt_BasePos", QStringLiteral("読込基底位置"), 13);
    baseMinusByte = Button(rightPane, "Btn_BaseMinus", QStringLiteral("－"), QStringLiteral("1 バイト前へ"));
    basePlusByte = Button(rightPane, "Btn_BasePlus", QStringLiteral("＋"), QStringLiteral("1 バイト後へ"));
    baseMinusRecord = Button(rightPane, "Btn_BasePrev", QStringLiteral("<"), QStringLiteral("1 レコード前へ"));
    basePlusRecord = Button(rightPane, "Btn_BaseNext", QStringLiteral(">"), QStringLiteral("1 レコード後へ"));
    for (QPushButton* b : {baseMinusByte, basePlusByte, baseMinusRecord, basePlusRecord}) numberRow->addWidget(b);
    numberRow->addStretch();
    right->addLayout(numberRow);

    auto* infoRow = new QHBoxLayout;
    recLen = Info(rightPane, infoRow, "Edt_RecLen", QStringLiteral("Rec.Len"), 7);
    records = Info(rightPane, infoRow, "Edt_Records", QStringLiteral("Records"), 11);
    fileSize = Info(rightPane, infoRow, "Edt_FileSize", QStringLiteral("File.Size"), 13);
    filePos = Info(rightPane, infoRow, "Edt_FilePos", QStringLiteral("File.Pos"), 13);
    infoRow->addStretch();
    right->addLayout(infoRow);
    warning = Panel(rightPane, "Pnl_Warning", QStringLiteral("警告"));
    PaintPanel(*warning, bgr::kPanel, bgr::kRed);
    warning->setMinimumHeight(warning->fontMetrics().height() + 6);
    right->addWidget(warning);

    auto* commands = new QHBoxLayout;
    first = Button(rightPane, "Btn_First", QStringLiteral("先頭"));
    prior = Button(rightPane, "Btn_Prior", QStringLiteral("前"));
    next = Button(rightPane, "Btn_Next", QStringLiteral("次"));
    last = Button(rightPane, "Btn_Last", QStringLiteral("最終"));
    update = Button(rightPane, "Btn_Update", QStringLiteral("更新"));
    insert = Button(rightPane, "Btn_Insert", QStringLiteral("挿入"));
    append = Button(rightPane, "Btn_Append", QStringLiteral("末尾追加"));
    remove = Button(rightPane, "Btn_Delete", QStringLiteral("削除"), QStringLiteral("編集中のレコードを削除"));
    browse = Button(rightPane, "Btn_Browse", QStringLiteral("Browse"));
    layoutEdit = Button(rightPane, "Btn_LayoutEdit", QStringLiteral("ﾚｲｱｳﾄの編集"));
    columnWidth = Button(rightPane, "Btn_ColWidth", QStringLiteral("⇔"), QStringLiteral("位置・桁数・型 の列を隠す"));
    for (QPushButton* b : {first, prior, next, last}) commands->addWidget(b);
    commands->addSpacing(12);
    for (QPushButton* b : {update, insert, append, remove}) commands->addWidget(b);
    commands->addSpacing(12);
    for (QPushButton* b : {browse, layoutEdit, columnWidth}) commands->addWidget(b);
    commands->addStretch();
    right->addLayout(commands);

    auto* gridRow = new QHBoxLayout;
    gridPane = Button(rightPane, "Btn_TreeHide", QStringLiteral("⇔"), QStringLiteral("ツリーを隠す"));
    gridRow->addWidget(gridPane, 0, Qt::AlignTop);
    grid = new FieldGridView(rightPane);
    grid->setObjectName(QStringLiteral("Grid_Fields"));
    grid->setAccessibleName(QStringLiteral("レコード内容"));
    gridRow->addWidget(grid, 1);
    right->addLayout(gridRow, 1);

    auto* bottom = new QHBoxLayout;
    message = Panel(central, "Pnl_Message", QStringLiteral("メッセージ"));
    bottom->addWidget(message, 1);
    progress = new QProgressBar(central);
    progress->setObjectName(QStringLiteral("Prg_Rebuild"));
    progress->setAccessibleName(QStringLiteral("処理中"));
    progress->setRange(0, 1000);
    progress->setTextVisible(false);
    progress->hide();
    cancel = Button(central, "Btn_Cancel", QStringLiteral("中断"));
    cancel->hide();
    bottom->addWidget(progress);
    bottom->addWidget(cancel);
    outer->addLayout(bottom);

    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
}

}  // namespace rekkan::ui
