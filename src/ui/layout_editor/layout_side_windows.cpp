#include "ui/layout_editor/layout_side_windows.h"

#include <functional>
#include <string_view>
#include <utility>

#include "ui/key_items/key_items_window.h"
#include "ui/layout_editor/kvel_window.h"
#include "ui/structure_import/structure_import_window.h"

namespace rekkan::ui {

LayoutSideWindows::LayoutSideWindows(TFm_Kvel& kvel, TFm_Browse& browse, MessageSink& messages) : kvel_(kvel) {
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
}

LayoutSideWindows::~LayoutSideWindows() = default;

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
