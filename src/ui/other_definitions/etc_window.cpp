#include "ui/other_definitions/etc_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "layout_editor/layout_editor_controller.h"
#include "ui/app/qt_text.h"
#include "ui/app/window_services.h"

namespace rekkan::ui {

namespace {

/// A "無し" / "有り" pair in a box titled `title`.
QGroupBox* OffOnPair(const QString& title, QWidget* parent, QRadioButton*& off, QRadioButton*& on) {
    auto* box = new QGroupBox(title, parent);
    auto* row = new QHBoxLayout(box);
    off = new QRadioButton(QStringLiteral("無し"), box);
    on = new QRadioButton(QStringLiteral("有り"), box);
    off->setAccessibleName(title.trimmed() + QStringLiteral(" 無し"));
    on->setAccessibleName(title.trimmed() + QStringLiteral(" 有り"));
    auto* group = new QButtonGroup(box);
    group->addButton(off);
    group->addButton(on);
    row->addWidget(off);
    row->addWidget(on);
    return box;
}

}  // namespace

TFm_Etc::TFm_Etc(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell, QWidget* parent)
    : QMainWindow(parent), settings_(editor.SharedSettings()), controller_(editor, messages, shell) {
    setObjectName(QStringLiteral("TFm_Etc"));
    setWindowTitle(QStringLiteral("Morvane for Rekkan その他の定義"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
    connect(file->addAction(QStringLiteral("終了(&X)")), &QAction::triggered, this, &QWidget::close);
    statusBar()->setAccessibleName(QStringLiteral("メッセージ"));  // says why a typed text is not taken

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    pages_ = new QTabWidget(central);
    pages_->addTab(IntegerPage(), QStringLiteral("Integer Size"));
    pages_->addTab(DisplayPage(), QStringLiteral("表示方法"));
    pages_->addTab(EditorPage(), QStringLiteral("Editor"));
    // Not shown, but their lists are loaded, stored and applied like the others.
    typeInputPage_ = TypeInputPageBuild();
    viewPage_ = ViewPageBuild();
    typeInputPage_->hide();
    viewPage_->hide();
    layout->addWidget(pages_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    update_ = new QPushButton(QStringLiteral("更新"), central);
    auto* close = new QPushButton(QStringLiteral("終了"), central);
    connect(update_, &QPushButton::clicked, this, &TFm_Etc::Update);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(update_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setCentralWidget(central);
    LoadControls();
}

QComboBox* TFm_Etc::AddList(EtcList list, QWidget* page) {
    const EtcListInfo& info = EtcListOf(list);
    auto* combo = new QComboBox(page);
    combo->setAccessibleName(ToQ(info.label));
    for (const std::string& item : info.items) combo->addItem(ToQ(item));
    combo->setMaxVisibleItems(21);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, list](int index) {
        if (!loading_ && index >= 0) controller_.Choices()[list] = index;
    });
    lists_[static_cast<int>(list)] = combo;
    return combo;
}

QWidget* TFm_Etc::IntegerPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Integer Size の定義 (C・VB用)"), page));
    layout->addWidget(new QLabel(QStringLiteral("C・VBの整数型のメモリ上の桁数を指定してください。"), page));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("int"), AddList(EtcList::Int, page));
    form->addRow(QStringLiteral("short"), AddList(EtcList::Short, page));
    form->addRow(QStringLiteral("long"), AddList(EtcList::Long, page));
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget* TFm_Etc::DisplayPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Level Indent"), AddList(EtcList::Indent, page));
    auto* lang = new QHBoxLayout;
    lang->addWidget(AddList(EtcList::Lang, page));
    lang->addWidget(new QLabel(QStringLiteral("型リストに優先して"), page));
    form->addRow(QStringLiteral("表示する言語"), lang);
    form->addRow(QStringLiteral("編集可能行数"), AddList(EtcList::EditLine, page));
    form->addRow(QStringLiteral("セルの編集タイプ"), AddList(EtcList::CellEdit, page));
    layout->addLayout(form);
    auto* back = new QGroupBox(QStringLiteral("背景色"), page);
    auto* pairs = new QHBoxLayout(back);
    pairs->addWidget(OffOnPair(QStringLiteral(" 入力禁止欄"), back, kinshiOff_, kinshiOn_));
    pairs->addWidget(OffOnPair(QStringLiteral(" 再定義項目"), back, redOff_, redOn_));
    layout->addWidget(back);
    connect(kinshiOn_, &QRadioButton::toggled, this, [this](bool on) {
        if (!loading_) controller_.Choices().kinshiBack = on;
    });
    connect(redOn_, &QRadioButton::toggled, this, [this](bool on) {
        if (!loading_) controller_.Choices().redBack = on;
    });
    // Our own switch: the view is entered and left from this window.
    view_ = new QCheckBox(QStringLiteral("再定義項目を表示する"), page);
    connect(view_, &QCheckBox::toggled, this, [this](bool on) {
        if (loading_) return;
        if (controller_.SetViewShown(on)) emit LayoutEditorChanged();
        const QSignalBlocker block(view_);
        view_->setChecked(controller_.ViewShown());
    });
    layout->addWidget(view_);
    layout->addStretch();
    return page;
}

QWidget* TFm_Etc::EditorPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Editor の定義"), page));
    auto* which = new QGroupBox(QStringLiteral(" 使用するテキストエディタの指定 "), page);
    auto* whichLayout = new QVBoxLayout(which);
    editorSelf_ = new QRadioButton(QStringLiteral("Morvane Text Editor"), which);
    editorOther_ = new QRadioButton(QStringLiteral("その他のエディタ"), which);
    auto* group = new QButtonGroup(which);
    group->addButton(editorSelf_);
    group->addButton(editorOther_);
    whichLayout->addWidget(editorSelf_);
    whichLayout->addWidget(editorOther_);
    auto* pathRow = new QHBoxLayout;
    path_ = new QLineEdit(which);
    path_->setAccessibleName(QStringLiteral("その他のエディタ パス"));
    browse_ = new QPushButton(QStringLiteral("参照"), which);
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(browse_);
    whichLayout->addLayout(pathRow);
    layout->addWidget(which);
    connect(editorOther_, &QRadioButton::toggled, this, [this](bool on) {
        if (loading_) return;
        controller_.Choices().editorOther = on;
        RefreshEnabling();
    });
    connect(path_, &QLineEdit::textEdited, this,
            [this](const QString& text) { Typed(*path_, text, &OtherDefinitionsController::TypeEditorPath); });
    connect(browse_, &QPushButton::clicked, this, &TFm_Etc::Browse);

    auto* work = new QGroupBox(QStringLiteral(" 編集用 ﾜｰｸﾌｧｲﾙ名  拡張子 "), page);
    auto* workRow = new QHBoxLayout(work);
    workName_ = new QLineEdit(ToQ(controller_.WorkFileName()), work);
    workName_->setReadOnly(true);
    workName_->setAccessibleName(QStringLiteral("編集用 ﾜｰｸﾌｧｲﾙ名"));
    ext_ = new QLineEdit(work);
    ext_->setAccessibleName(QStringLiteral("拡張子"));
    workRow->addWidget(workName_, 2);
    workRow->addWidget(new QLabel(QStringLiteral("．"), work));
    workRow->addWidget(ext_, 1);
    layout->addWidget(work);
    connect(ext_, &QLineEdit::textEdited, this,
            [this](const QString& text) { Typed(*ext_, text, &OtherDefinitionsController::TypeWorkExtension); });
    layout->addWidget(new QLabel(QStringLiteral("編集用 ﾜｰｸﾌｧｲﾙの拡張子に「cpp」など他言語の\n"
                                                "拡張子を指定すると ｴﾃﾞｨﾀによっては ﾃｷｽﾄ内の\n"
                                                " ｺﾒﾝﾄを色付きで表示するのもあります。"),
                                 page));
    layout->addStretch();
    return page;
}

void TFm_Etc::Typed(QLineEdit& box, const QString& text,
                    std::string (OtherDefinitionsController::*take)(const std::string&, bool)) {
    std::string cp932;
    const bool lossless = ToCp932(text, cp932);
    const std::string notice = (controller_.*take)(cp932, lossless);
    // A text not taken stays in the box, marked.
    box.setStyleSheet(notice.empty() ? QString() : QStringLiteral("QLineEdit { color: red; }"));
    statusBar()->showMessage(ToQ(notice));
}

QWidget* TFm_Etc::TypeInputPageBuild() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("型名の入力"), page));
    layout->addWidget(AddList(EtcList::InpTyp, page));
    layout->addWidget(new QLabel(QStringLiteral("「項目名欄への型名入力有り」にすると項目名の後に\n"
                                                "続けて型名を入力することができます。\n"
                                                "型名の先頭に型識別子「*」をつけて入力して下さい。\n"
                                                "    (例)  >  02 年会費 *U.COMP-3"),
                                 page));
    return page;
}

QWidget* TFm_Etc::ViewPageBuild() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("再定義の表示方法"), AddList(EtcList::RedPlotType, page));
    form->addRow(QStringLiteral("埋め込みタグ項目の桁数"), AddList(EtcList::RedTagLen, page));
    return page;
}

void TFm_Etc::LoadControls() {
    loading_ = true;
    const EtcChoices& c = controller_.Choices();
    for (int l = 0; l < kEtcLists; ++l) lists_[l]->setCurrentIndex(c.lists[l]);
    (c.kinshiBack ? kinshiOn_ : kinshiOff_)->setChecked(true);
    (c.redBack ? redOn_ : redOff_)->setChecked(true);
    (c.editorOther ? editorOther_ : editorSelf_)->setChecked(true);
    path_->setText(ToQ(c.editorPath));
    ext_->setText(ToQ(c.workExt));
    view_->setChecked(controller_.ViewShown());
    loading_ = false;
    RefreshEnabling();
}

void TFm_Etc::RefreshEnabling() {
    path_->setEnabled(controller_.EditorPathEnabled());
    browse_->setEnabled(controller_.EditorPathEnabled());
}

void TFm_Etc::Update() {
    const bool done = controller_.Update();
    LoadControls();  // trimmed path, the extension stored or kept, a list set back
    if (done) emit LayoutEditorChanged();
}

void TFm_Etc::Browse() {
    if (controller_.BrowseEditor()) path_->setText(ToQ(controller_.Choices().editorPath));
}

void TFm_Etc::showEvent(QShowEvent* event) {
    loading_ = true;
    view_->setChecked(controller_.ViewShown());
    loading_ = false;
    if (!placed_) RestorePlacement(*this, settings_.FPS_Etc);
    placed_ = true;
    QMainWindow::showEvent(event);
}

void TFm_Etc::closeEvent(QCloseEvent* event) {
    settings_.FPS_Etc = CapturePlacement(this, settings_.FPS_Etc);
    QMainWindow::closeEvent(event);
}

}  // namespace rekkan::ui
