#pragma once

#include <functional>
#include <memory>
#include <string>

#include "layout_editor/tool_shell.h"
#include "ui/app/wait_cursor.h"

class QWidget;

namespace rekkan::ui {

/// The tool windows' side answered with Qt's own file dialogs (no overwrite question of their
/// own) and the text viewer the window set hands in.
class QtToolShell : public ToolShell {
public:
    using ShowFn = std::function<void(const std::string& caption, const std::string& pathOrText)>;

    explicit QtToolShell(QWidget* parent) : parent_(parent) {}
    /// The window the dialogs belong to.
    void SetParent(QWidget* parent) { parent_ = parent; }
    /// The text viewer's show file (numbered) and show text.
    void SetViewer(ShowFn showFile, ShowFn showText);

    std::string AskSavePath(const FileDialogRequest& request) override;
    std::string AskOpenPath(const FileDialogRequest& request) override;
    void ShowFile(const std::string& caption, const std::string& path) override;
    void ShowText(const std::string& caption, const std::string& text) override;
    void SetBusy(bool busy) override;

private:
    QWidget* parent_;
    ShowFn showFile_, showText_;
    std::unique_ptr<WaitCursor> busy_;
};

}  // namespace rekkan::ui
