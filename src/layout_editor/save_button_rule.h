#pragma once

#include "layout_editor/layout_editor_model.h"

namespace rekkan {

/// The "保存" button, refreshed every 700 ms: enabled (caption bold) when the layout is
/// modified, but never while the redefinition view is shown, where every save command is
/// disabled (the grid shows the view's rows, not the layout that would be written).
[[nodiscard]] inline bool SaveButtonEnabled(const LayoutEditorModel& model) {
    return model.Document().modified && model.Mode() == EditMode::Ordinary;
}

}  // namespace rekkan
