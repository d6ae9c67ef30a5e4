#include "ui/layout_editor/layout_side_windows.h"

#include <functional>
#include <string_view>
#include <utility>

#include "ui/app/wait_cursor.h"
#include "ui/key_items/key_items_window.h"
#include "ui/layout_editor/kvel_window.h"
#include "ui/memo/memo_window.h"
#include "ui/structure_import/structure_import_window.h"
#include "ui/text_editor/qt_editor_runner.h"
#include "ui/text_editor/text_editor_window.h"

namespace rekkan::ui {

LayoutSideWindows::LayoutSideWindows(TFm_Kvel& kvel, TFm_Browse& browse, MessageSink& messages)
    : kvel_(kvel), browse_(browse), messages_(messages) {
    hed_ = std::make_unique<TFm_Hed>(kvel.Controller(), messages, browse, [this] {
        kvel_.RefreshAll();
        if (!kvel_.isVisible()) return;
        kvel_.activateWindow();
        kvel_.FocusGrid();
    });
    Tie(
        "Btn_Import", [this] { hed_->ShowFileName(); }, hed_.get());
    idx_ = std::make_unique<TFm_Idx>(kvel.Controller(), messages);
    connect(idx_.get(), &TFm_Idx::KeysChanged, &kvel, [this] { kvel_.RefreshAll(); });
    Tie(
        "Btn_Keys", [this] { idx_->Open(); }, idx_.get());
    memo_ = std::make_unique<TFm_Memo>(kvel.Controller());
    connect(memo_.get(), &TFm_Memo::MemoChanged, &kvel, [this] { kvel_.RefreshAll(); });
    Tie(
        "Btn_Memo", [this] { memo_->Open(); }, memo_.get());
    Tie("Btn_Editor", [this] { EditAsText(); });
}

LayoutSideWindows::~LayoutSideWindows() = default;

void LayoutSideWindows::EditAsText() {
    LayoutEditorController& editor = kvel_.Controller();
    if (editor.SharedSettings().Rbt_EditorOther) {
        // The layout-side windows take no edits while the external editor has the text.
        QtEditorRunner runner(&kvel_, {hed_.get(), idx_.get(), memo_.get()});
        WaitCursor wait;
        (void)EditWithExternalEditor(editor, messages_, runner);
    } else {
        const bool wasVisible = kvel_.isVisible();
        kvel_.hide();
        TFm_Editor dialog(editor, messages_, browse_);
        dialog.exec();
        if (wasVisible) kvel_.show();
    }
    kvel_.RefreshAll();
}

template <typename Open>
void LayoutSideWindows::Tie(const char* objectName, Open open, QWidget* window) {
    // The function bar's buttons by name; the layout editor enables them while they may open.
    static const std::pair<const char*, KvelTool> kButtons[] = {{"Btn_Editor", KvelTool::TextEditor},
                                                                {"Btn_Import", KvelTool::StructureImport},
                                                                {"Btn_Keys", KvelTool::KeyItems},
                                                                {"Btn_Memo", KvelTool::Memo}};
    for (const auto& [name, tool] : kButtons)
        if (std::string_view(name) == objectName) kvel_.ConnectTool(tool, std::function<void()>(open), window);
}

}  // namespace rekkan::ui
