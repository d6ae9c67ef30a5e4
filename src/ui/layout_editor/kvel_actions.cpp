// The layout editor window's menus, function bar and context menu, and their enabling.

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "ui/app/qt_text.h"
#include "ui/layout_editor/kvel_window.h"

namespace rekkan::ui {
namespace {

[[nodiscard]] std::size_t Slot(KvelTool tool) { return static_cast<std::size_t>(tool); }

/// Tools that change the table: closed while the redefinition view is shown.
[[nodiscard]] bool EditsTheTable(KvelTool tool) {
    return tool == KvelTool::TextEditor || tool == KvelTool::StructureImport;
}

}  // namespace

void TFm_Kvel::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto add = [this](QMenu* menu, const QString& text, auto&& slot) {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    auto tool = [this](QMenu* menu, const QString& text, KvelTool which) {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, this, [this, which] { OpenTool(which); });
        tools_[Slot(which)].action = action;
    };
    auto save = [this](bool as) {
        StoreHeaderFields();
        (void)controller_->Save(as);
        RefreshAll();
    };

    QMenu* file = bar->addMenu(QStringLiteral("File(&F)"));
    add(file, QStringLiteral("1. レイアウトを開く (&O)"), [this] {
        (void)controller_->Open();
        RefreshAll();
    });
    overwrite_ = add(file, QStringLiteral("2. 上書き保存する (&S)"), [save] { save(false); });
    saveAs_ = add(file, QStringLiteral("3. 名前を付けて保存する (&A)"), [save] { save(true); });
    add(file, QStringLiteral("4. レイアウトを初期化する (&C)"), [this] {
        (void)controller_->Initialise();
        RefreshAll();
    });
    file->addSeparator();
    add(file, QStringLiteral("5. 終了する (&X)"), [this] { close(); });

    QMenu* edit = bar->addMenu(QStringLiteral("Edit(&E)"));
    undo_ = add(edit, QStringLiteral("元に戻す"), [this] { Run(EditorCommand::Undo); });

    QMenu* option = bar->addMenu(QStringLiteral("Option(&O)"));
    tool(option, QStringLiteral("1. 項目型の表記法の定義を行う (&T)"), KvelTool::TypeNotation);
    tool(option, QStringLiteral("2. その他の定義を行う (&E)"), KvelTool::OtherDefinitions);
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
    tool(print, QStringLiteral("2. 編集内容を Ｔｅｘｔ／Ｃｓｖ 形式で出力する (&C)"), KvelTool::TextCsvOutput);
    tool(print, QStringLiteral("3. 編集内容を 言語形式 で出力する (&L)"), KvelTool::LanguageOutput);

    QMenu* about = bar->addMenu(QStringLiteral("About(&A)"));
    tool(about, QStringLiteral("このウィンドウについて(&A)"), KvelTool::About);

    maxLines_ = bar->addAction(ToQ(controller_->Model().MaxLinesText()));  // choosing it does nothing
}

QWidget* TFm_Kvel::BuildFunctionBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto button = [bar](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, bar);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    auto group = [bar](const QString& caption, std::initializer_list<QPushButton*> buttons) {
        auto* box = new QGroupBox(caption, bar);
        auto* inside = new QHBoxLayout(box);
        inside->setContentsMargins(4, 0, 4, 2);
        for (QPushButton* b : buttons) inside->addWidget(b);
        return box;
    };
    save_ = button(QStringLiteral("保存"), "Btn_Save");
    connect(save_, &QPushButton::clicked, this, [this] {
        StoreHeaderFields();
        (void)controller_->Save(false);
        RefreshAll();
    });
    copy_ = button(QStringLiteral("複写"), "Btn_Copy");
    delete_ = button(QStringLiteral("削除"), "Btn_Delete");
    confirm_ = button(QStringLiteral("確定"), "Btn_Confirm");
    clear_ = button(QStringLiteral("解除"), "Btn_Clear");
    const std::pair<QPushButton*, EditorCommand> commands[] = {{copy_, EditorCommand::Copy},
                                                               {delete_, EditorCommand::Delete},
                                                               {confirm_, EditorCommand::ConfirmRange},
                                                               {clear_, EditorCommand::ClearRange}};
    for (const auto& [b, command] : commands)
        connect(b, &QPushButton::clicked, this, [this, command = command] { Run(command); });
    row->addWidget(group(QStringLiteral("Save"), {save_}));
    row->addWidget(copy_);
    row->addWidget(delete_);
    row->addWidget(group(QStringLiteral(" 範囲 "), {confirm_, clear_}));
    row->addStretch(1);
    const std::tuple<QString, const char*, KvelTool> opens[] = {
        {QStringLiteral("Editor"), "Btn_Editor", KvelTool::TextEditor},
        {QStringLiteral("構造体取り込み"), "Btn_Import", KvelTool::StructureImport},
        {QStringLiteral("Key"), "Btn_Keys", KvelTool::KeyItems},
        {QStringLiteral("Memo"), "Btn_Memo", KvelTool::Memo}};
    for (const auto& [caption, name, which] : opens) {
        QPushButton* b = button(caption, name);
        connect(b, &QPushButton::clicked, this, [this, which = which] { OpenTool(which); });
        tools_[Slot(which)].button = b;
        row->addWidget(b);
    }
    tools_[Slot(KvelTool::KeyItems)].button->setAccessibleName(QStringLiteral("Key 項目"));
    tools_[Slot(KvelTool::Memo)].button->setAccessibleName(QStringLiteral("Memo"));
    return bar;
}

void TFm_Kvel::ConnectTool(KvelTool tool, std::function<void()> open, QWidget* window) {
    tools_[Slot(tool)].open = std::move(open);
    if (window) toolWindows_.emplace_back(window);
    RefreshControls();
}

void TFm_Kvel::ConnectToolWindow(KvelTool tool, QWidget* window) {
    ConnectTool(
        tool,
        [window] {
            window->show();
            window->raise();
            window->activateWindow();
        },
        window);
}

void TFm_Kvel::ConnectToolWindow(const QString& menuText, QWidget* window) {
    for (std::size_t i = 0; i < tools_.size(); ++i)
        if (tools_[i].action && tools_[i].action->text() == menuText)
            ConnectToolWindow(static_cast<KvelTool>(i), window);
}

void TFm_Kvel::OpenTool(KvelTool tool) {
    StoreHeaderFields();
    const ToolControl& control = tools_[Slot(tool)];
    if (!control.open || (EditsTheTable(tool) && controller_->Model().Mode() != EditMode::Ordinary)) return;
    control.open();
    RefreshAll();
}

void TFm_Kvel::HideToolWindows() {
    for (const QPointer<QWidget>& window : toolWindows_)
        if (window) window->hide();
}

QMenu* TFm_Kvel::BuildContextMenu() {
    StoreHeaderFields();
    const LayoutEditorModel& model = controller_->Model();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("Pop_Grid"));
    auto add = [this, &model](QMenu* into, const QString& text, EditorCommand command) {
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

void TFm_Kvel::RefreshControls() {
    const LayoutEditorModel& model = controller_->Model();
    const bool ordinary = model.Mode() == EditMode::Ordinary;
    const std::pair<QPushButton*, EditorCommand> buttons[] = {{copy_, EditorCommand::Copy},
                                                              {delete_, EditorCommand::Delete},
                                                              {confirm_, EditorCommand::ConfirmRange},
                                                              {clear_, EditorCommand::ClearRange},
                                                              {levelDown_, EditorCommand::LevelDown},
                                                              {levelUp_, EditorCommand::LevelUp}};
    for (const auto& [b, command] : buttons) b->setEnabled(model.IsEnabled(command));
    maxLines_->setText(ToQ(model.MaxLinesText()));  // the other definitions may change the limit
    undo_->setText(ToQ(model.UndoMenuText()));
    undo_->setEnabled(model.IsEnabled(EditorCommand::Undo));
    overwrite_->setEnabled(ordinary);
    saveAs_->setEnabled(ordinary);
    joinPrefix_->setEnabled(model.IsEnabled(EditorCommand::JoinPrefix));
    cutPrefix_->setEnabled(model.IsEnabled(EditorCommand::CutPrefix));
    exchange_->setEnabled(model.IsEnabled(EditorCommand::ExchangeNames));
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        const bool usable = tools_[i].open && (ordinary || !EditsTheTable(static_cast<KvelTool>(i)));
        if (tools_[i].action) tools_[i].action->setEnabled(usable);
        if (tools_[i].button) tools_[i].button->setEnabled(usable);
    }
}

}  // namespace rekkan::ui
