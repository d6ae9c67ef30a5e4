#pragma once

#include <string>

#include "records/editor/editor_dialogs.h"
#include "records/editor/record_editor_session.h"
#include "records/record_output.h"
#include "util/messages.h"
#include "util/output_file.h"

namespace rekkan {

/// How one of the record editor's output commands ended.
enum class OutputRun {
    Refused,    ///< no layout is shown: the message was given, nothing asked
    Abandoned,  ///< the save dialog or the question was cancelled: nothing written
    Failed,     ///< the file could not be written: the error named the path and the reason
    Written,    ///< WrittenPath() holds the file, to be shown in the text viewer
};

/// The print and output commands of the record editor's "Print(&P)" menu without their
/// window: which file is proposed, which question is asked, which message is given. They read
/// the record as the session shows it (edited cells included) and never the data file.
class RecordOutputCommands {
public:
    /// `programFolder` (CP932) holds the proposed file when no edit file is set.
    RecordOutputCommands(const RecordEditorSession& session, MessageSink& messages, EditorDialogs& dialogs,
                         std::string programFolder);

    /// List text, CSV or control statements: the save dialog, the question naming the path,
    /// then the file written as a whole (CP932, CR LF) in place of any file of that name.
    [[nodiscard]] OutputRun Write(RecordOutputKind kind);
    /// The print command's check: false, after the message, when no layout is shown.
    [[nodiscard]] bool MayPrint();
    /// The control statement command is available (a layout is shown).
    [[nodiscard]] bool ControlStatementsAvailable() const;
    /// The file written by the last Write that returned Written (CP932).
    [[nodiscard]] const std::string& WrittenPath() const { return written_; }
    /// The text viewer's caption after an output: "★出力しました。 ".
    [[nodiscard]] static std::string ViewerCaption() { return OutputDoneCaption(); }

    /// The bytes an output writes for the record on screen.
    [[nodiscard]] std::string Text(RecordOutputKind kind) const;

private:
    [[nodiscard]] bool LayoutShown() const;

    const RecordEditorSession& session_;
    MessageSink& messages_;
    EditorDialogs& dialogs_;
    std::string programFolder_;
    std::string written_;
};

}  // namespace rekkan
