#pragma once

#include <QObject>

#include <string>

#include "model/settings.h"
#include "records/editor/record_output_commands.h"
#include "tools/print_table.h"

namespace rekkan::ui {

class TFm_Browse;
class TFm_RecEditor;

/// The record editor's Print(&P) menu: the record on screen printed through the one print
/// routine, or written as list text, CSV or control statements and then shown in the text
/// viewer. What is proposed, asked and said comes from RecordOutputCommands.
class RecEditorOutputs : public QObject {
    Q_OBJECT
public:
    /// Connects the menu's four actions of `editor`; `programFolder` is CP932.
    RecEditorOutputs(TFm_RecEditor& editor, TFm_Browse& viewer, Settings& settings, MessageSink& messages,
                     EditorDialogs& dialogs, std::string programFolder);

    /// "1. 編集中のレコードを印刷する(&P)": the print preview of the record.
    void Print();
    /// Items 2 to 4: the file written and shown numbered in the viewer.
    void Write(RecordOutputKind kind);
    /// The table the print hands to the print routine: the heading row, the grid's rows and
    /// column widths (SEQ, error and hex columns one letter wider), the four heading lines.
    [[nodiscard]] PrintTable TableToPrint() const;

private:
    TFm_RecEditor& editor_;
    TFm_Browse& viewer_;
    Settings& settings_;
    RecordOutputCommands commands_;
};

}  // namespace rekkan::ui
