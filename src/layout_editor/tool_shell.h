#pragma once

#include <string>

#include "layout_editor/layout_editor_shell.h"

namespace rekkan {

/// The window side of the layout editor's tool windows (language output, text/CSV listing, type
/// notation, other definitions): file dialogs and the text viewer. The window implements it;
/// tests script it. Texts and paths are CP932.
class ToolShell {
public:
    virtual ~ToolShell() = default;
    /// The save dialog, with no overwrite question of its own: the chosen path, empty when
    /// cancelled.
    [[nodiscard]] virtual std::string AskSavePath(const FileDialogRequest& request) = 0;
    /// The open dialog (the file must exist): the chosen path, empty when cancelled.
    [[nodiscard]] virtual std::string AskOpenPath(const FileDialogRequest& request) = 0;
    /// Shows the file at `path` in the text viewer with line numbers under `caption`.
    virtual void ShowFile(const std::string& caption, const std::string& path) = 0;
    /// Shows `text` in the text viewer under `caption`.
    virtual void ShowText(const std::string& caption, const std::string& text) = 0;
    /// The busy cursor on (while a file is written) or off.
    virtual void SetBusy(bool /*busy*/) {}
};

}  // namespace rekkan
