#include "layout_editor/layout_output.h"

#include "util/encoding.h"
#include "util/output_file.h"
#include "util/path_names.h"
#include "util/text.h"

namespace rekkan {

LayoutOutputRun RunLayoutOutput(const LayoutOutputRequest& request, const std::function<std::string()>& makeText,
                                MessageSink& messages, ToolShell& shell, std::string* writtenPath) {
    // The dialog starts where the proposed file lies (the program's folder when no layout file
    // is open) with its name.
    const FileDialogRequest dialog{request.title, request.filter, FolderOf(request.proposedPath),
                                   FileNameOf(request.proposedPath)};
    const std::string path = Trim(shell.AskSavePath(dialog));
    if (path.empty()) return LayoutOutputRun::Abandoned;
    const std::string question = request.questionHead + "\r\n\r\n" + sj("     PATH = ") + path;
    if (messages.AskYesNo(question, DefaultCaption()) != Answer::Yes) return LayoutOutputRun::Abandoned;
    shell.SetBusy(true);
    const std::string text = makeText();
    std::string failure;
    const bool written = WriteOutputFile(path, text, failure);
    shell.SetBusy(false);  // before the error is shown
    if (!written) {
        messages.Inform(failure, DefaultCaption(), MessageIcon::Error);
        return LayoutOutputRun::Failed;
    }
    if (writtenPath) *writtenPath = path;
    shell.ShowFile(OutputDoneCaption(), path);
    return LayoutOutputRun::Written;
}

}  // namespace rekkan
