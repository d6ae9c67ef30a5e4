#include "records/editor/record_output_commands.h"

#include <optional>

#include "records/control_statements.h"
#include "records/list_text.h"
#include "records/record_csv.h"
#include "util/path_names.h"
#include "util/text.h"

namespace rekkan {

RecordOutputCommands::RecordOutputCommands(const RecordEditorSession& session, MessageSink& messages,
                                           EditorDialogs& dialogs, std::string programFolder)
    : session_(session), messages_(messages), dialogs_(dialogs), programFolder_(std::move(programFolder)) {}

bool RecordOutputCommands::LayoutShown() const { return session_.Enabling().layoutCommands; }

bool RecordOutputCommands::ControlStatementsAvailable() const { return LayoutShown(); }

bool RecordOutputCommands::MayPrint() {
    if (LayoutShown()) return true;
    messages_.Inform(NoLayoutForPrintMessage(), DefaultCaption());
    return false;
}

std::string RecordOutputCommands::Text(RecordOutputKind kind) const {
    const RecordView view = session_.View();
    switch (kind) {
    case RecordOutputKind::List: return RecordListText(view);
    case RecordOutputKind::Csv: return RecordCsvText(view);
    case RecordOutputKind::Tofgen: return TofgenStatementsText(TofgenFieldsOf(view));
    }
    return {};
}

OutputRun RecordOutputCommands::Write(RecordOutputKind kind) {
    written_.clear();
    if (!LayoutShown()) {
        messages_.Inform(NoLayoutForOutputMessage(), DefaultCaption());
        return OutputRun::Refused;
    }
    const OutputNaming naming = RecordOutputNaming(kind);
    const std::string proposed = DefaultOutputPath(session_.EditFilePath(), programFolder_, naming);
    const std::optional<EnteredText> chosen = dialogs_.SaveFile(
        {OutputDialogTitle(kind), OutputFilter(kind), std::string(naming.extension), proposed, false});
    if (!chosen || Trim(chosen->cp932).empty()) return OutputRun::Abandoned;
    const std::string path = chosen->cp932;
    if (messages_.AskYesNo(OutputQuestion(kind, path), DefaultCaption()) != Answer::Yes) return OutputRun::Abandoned;

    if (!WriteOutputFile(path, Text(kind), messages_)) return OutputRun::Failed;
    written_ = path;
    return OutputRun::Written;
}

}  // namespace rekkan
