#include "ui/rec_editor/rec_editor_menus.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "records/editor/editor_enabling.h"

namespace rekkan::ui {
namespace {

QAction* Item(QMenu* menu, const QString& caption, const char* name, const QKeySequence& keys = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!keys.isEmpty()) a->setShortcut(keys);
    return a;
}

QLabel* Caption(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

/// An action of the field grid, reached by its key while the grid itself has the focus.
QAction* GridAction(QObject& owner, const QString& caption, const char* name, const QKeySequence& keys) {
    auto* a = new QAction(caption, &owner);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(keys);
    a->setShortcutContext(Qt::WidgetShortcut);
    return a;
}

}  // namespace

void RecEditorMenus::AttachGridActions(QWidget& grid) const {
    grid.addActions({rowHex, allHex, ruler});
    grid.setContextMenuPolicy(Qt::ActionsContextMenu);
}

RecEditorMenus::RecEditorMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("File(&F)"));
    openGroup = Item(file, QStringLiteral("1. ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ を開く (&O)"), "Mn_Open_Group", QKeySequence::Open);
    saveGroup = Item(file, QStringLiteral("2. 上書き保存する (&S)"), "Mn_Save", QKeySequence::Save);
    saveGroupAs = Item(file, QStringLiteral("3. 名前を付けて保存する (&A)"), "Mn_Save_New");
    file->addSeparator();
    layoutEditor = Item(file, QStringLiteral("4. ﾚｲｱｳﾄの編集 (&L)"), "Mn_LayoutEdit");
    quit = Item(file, QStringLiteral("5. 終了する (&X)"), "Mn_Exit");

    QMenu* edit = bar->addMenu(QStringLiteral("Edit(&E)"));
    undo = Item(edit, QStringLiteral("元に戻す"), "Mn_Undo", QKeySequence::Undo);
    edit->addSeparator();
    chooseEditFile = Item(edit, QStringLiteral("1. 編集するﾌｧｲﾙ を選択する (&F)"), "Mn_EditFile");
    clearEditFile = Item(edit, QStringLiteral("2. 編集するﾌｧｲﾙ を未設定にする (&R)"), "Mn_EditClr");
    initialiseEditFile = Item(edit, QStringLiteral("3. 編集ファイルを初期化する (&I)"), "Mn_EditInit");

    QMenu* option = bar->addMenu(QStringLiteral("Option(&O)"));
    settingsWindow = Item(option, QStringLiteral("1. 動作環境の定義を行う (&D)"), "Mn_RecEtc");
    compactInfo = Item(option, QStringLiteral("2. 動作情報表示をコンパクトにする(&C)"), "Mn_EtcFmt");
    compactInfo->setCheckable(true);

    QMenu* print = bar->addMenu(QStringLiteral("Print(&P)"));
    outputs = {Item(print, QStringLiteral("1. 編集中のレコードを印刷する(&P)"), "Mn_Print"),
               Item(print, QStringLiteral("2. 編集中のレコードをテキスト形式で出力する (&T)"), "Mn_Text"),
               Item(print, QStringLiteral("3. 編集中のレコードをＣＳＶ形式で出力する (&C)"), "Mn_Csv"),
               Item(print, QStringLiteral("4. Tofgen の制御文を出力する (&F)"), "Mn_Tofgen")};

    help = bar->addMenu(QStringLiteral("Help(&H)"));  // the window set fills it
    help->setObjectName(QStringLiteral("Mn_Help"));

    // Windows of later work: present, not yet available.
    layoutEditor->setEnabled(false);

    rowHex = GridAction(window, QStringLiteral("HEX 表示を切り替える (この行)"), "Pm_RowHex", Qt::CTRL | Qt::Key_H);
    allHex = GridAction(window, QStringLiteral("HEX 表示を切り替える (全行)"), "Pm_AllHex",
                        Qt::CTRL | Qt::SHIFT | Qt::Key_H);
    ruler = GridAction(window, QStringLiteral("目盛を表示する"), "Pm_Ruler", Qt::CTRL | Qt::Key_R);
    ruler->setCheckable(true);

    treeMenu = new QMenu(&window);
    treeMenu->setObjectName(QStringLiteral("Pm_Tree"));
    treeAdd = Item(treeMenu, QStringLiteral("1. ﾚｲｱｳﾄ 追加"), "Pm_Add");
    treeRemove = Item(treeMenu, QStringLiteral("2. ﾚｲｱｳﾄ 削除"), "Pm_Del");
    treeMenu->addSeparator();
    treeOpenGroup = Item(treeMenu, QStringLiteral("x. ﾚｲｱｳﾄ ｸﾞﾙｰﾌﾟを開く"), "Pm_Open_Group");

    auto* corner = new QWidget(bar);
    auto* row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 8, 0);
    row->setSpacing(16);
    codecCaption = Caption(corner, "Lbl_Info1");
    fillCaption = Caption(corner, "Lbl_Info2");
    row->addWidget(codecCaption);
    row->addWidget(fillCaption);
    bar->setCornerWidget(corner, Qt::TopRightCorner);
}

void RecEditorMenus::Apply(const EditorEnabling& e) {
    // Print, list text and CSV say themselves when no layout is shown.
    outputs.at(3)->setEnabled(e.layoutCommands);
    initialiseEditFile->setEnabled(e.layoutCommands);
    chooseEditFile->setEnabled(e.chooseEditFile);
    clearEditFile->setEnabled(e.clearEditFile);
    undo->setEnabled(e.undo);
    rowHex->setEnabled(e.layoutCommands);
    allHex->setEnabled(e.layoutCommands);
    treeRemove->setEnabled(e.removeLayout);
}

}  // namespace rekkan::ui
