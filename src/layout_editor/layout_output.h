#pragma once

#include <functional>
#include <string>

#include "layout_editor/tool_shell.h"
#include "util/messages.h"

namespace rekkan {

/// One output of the layout editor's tool windows: what its dialog and question say.
struct LayoutOutputRequest {
    std::string proposedPath;  ///< the file proposed (full path)
    std::string title;         ///< title of the save dialog
    std::string filter;        ///< "(*.h)|*.h|(*.*)|*.*" form
    /// The question's first line; the question adds CR LF CR LF, "     PATH = " and the path.
    std::string questionHead;
};

/// How an output ended.
enum class LayoutOutputRun {
    Abandoned,  ///< the dialog or the question was cancelled: nothing written
    Failed,     ///< the file could not be written (the error was shown); the old file stays
    Written,    ///< written and shown in the text viewer
};

/// Runs an output: the save dialog at the proposed file, the Yes/No question naming the chosen
/// path, the text (made only now) written in place of the old file, the file shown in the text
/// viewer under "★出力しました。 ". `writtenPath` receives the path written.
[[nodiscard]] LayoutOutputRun RunLayoutOutput(const LayoutOutputRequest& request,
                                              const std::function<std::string()>& makeText, MessageSink& messages,
                                              ToolShell& shell, std::string* writtenPath = nullptr);

}  // namespace rekkan
