#include "ui/layout_editor/layout_side_windows.h"

#include <QPushButton>

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
    Tie("Btn_Import", [this] { hed_->ShowFileName(); });
    idx_ = std::make_unique<TFm_Idx>(kvel.Controller(), messages);
    connect(idx_.get(), &TFm_Idx::KeysChanged, &kvel, [this] { kvel_.RefreshAll(); });
    Tie("Btn_Keys", [this] { idx_->Open(); });
}

LayoutSideWindows::~LayoutSideWindows() = default;

template <typename Open>
void LayoutSideWindows::Tie(const char* objectName, Open open) {
    auto* button = kvel_.findChild<QPushButton*>(QLatin1String(objectName));
    if (!button) return;
    button->setEnabled(true);
    connect(button, &QPushButton::clicked, this, open);
}

}  // namespace rekkan::ui
