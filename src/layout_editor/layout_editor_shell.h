#pragma once

#include <string>

namespace rekkan {

/// What the open and save dialogs of the layout editor are given (CP932).
struct FileDialogRequest {
    std::string title;
    std::string filter;  ///< "(*.kvl)|*.kvl|(*.*)|*.*" form
    std::string folder;
    std::string fileName;  ///< proposed name ("*.kvl" when there is none)
};

/// The window side the layout editor controller calls: the file dialogs, the resident message
/// window and the other windows of the layout side. The window implements it; tests script it.
class LayoutEditorShell {
public:
    virtual ~LayoutEditorShell() = default;
    /// The open dialog (the file must exist): the chosen path, empty when cancelled.
    [[nodiscard]] virtual std::string AskOpenPath(const FileDialogRequest& request) = 0;
    /// The save dialog (no overwrite prompt): the chosen path, empty when cancelled.
    [[nodiscard]] virtual std::string AskSavePath(const FileDialogRequest& request) = 0;
    /// Shows `text` in blue in the resident message window.
    virtual void ShowNotice(const std::string& /*text*/) {}
    /// Closes the resident message window if it is showing.
    virtual void CloseNotice() {}
    /// Puts the focus on the item grid (after a layout was read).
    virtual void FocusGrid() {}
    /// Hides the type notation, other definitions, structure import, text/CSV output and
    /// language output windows (the layout editor is closing).
    virtual void HideToolWindows() {}
};

}  // namespace rekkan
