#pragma once

#include "records/editor/editor_dialogs.h"

class QWidget;

namespace rekkan::ui {

/// The file dialogs of the record editor session answered with Qt's own file dialog (reachable
/// through the accessibility tree); save dialogs add no overwrite question of their own.
class QtEditorDialogs : public EditorDialogs {
public:
    explicit QtEditorDialogs(QWidget* parent) : parent_(parent) {}
    /// The window the dialogs belong to.
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<EnteredText> OpenFile(const FileDialogSpec& request) override;
    std::vector<EnteredText> OpenFiles(const FileDialogSpec& request) override;
    std::optional<EnteredText> SaveFile(const FileDialogSpec& request) override;

private:
    QWidget* parent_;
};

}  // namespace rekkan::ui
