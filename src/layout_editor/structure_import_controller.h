#pragma once

#include <string>
#include <vector>

#include "lang/import_pipeline.h"
#include "lang/structure_parser.h"
#include "layout_editor/layout_editor_shell.h"
#include "util/messages.h"

namespace rekkan {

class Clipboard;
class LayoutEditorController;

/// What the structure import controller asks of its window.
class StructureImportShell {
public:
    virtual ~StructureImportShell() = default;
    /// The open dialog of a source file (the file must exist): the chosen path, empty when cancelled.
    [[nodiscard]] virtual std::string AskSourcePath(const FileDialogRequest& request) = 0;
    /// Shows the resident notice "★出力しました。 " with the file written.
    virtual void ShowWrittenNotice(const std::string& /*caption*/, const std::string& /*cp932Path*/) {}
    /// An import is done: the layout editor takes the focus and the import window hides.
    virtual void ImportFinished() {}
};

/// The structure import window without its widgets: the language buttons, the COBOL and C/VB
/// options (each stored in the settings at once), the structure list, OK with its save
/// question and import report, and the clipboard file.
class StructureImportController {
public:
    StructureImportController(LayoutEditorController& editor, MessageSink& messages, Clipboard& clipboard,
                              StructureImportShell& shell);

    // ---- Options, stored at once ----
    void SetSequenceDigits(int digits);                  ///< Cmb_CobSeq (0-10)
    void SetValidColumns(int columns);                   ///< Cmb_CobValid (0-512)
    void SetCommentValidColumns(int columns);            ///< Cmb_CobCmtValid (0-512)
    void SetCommentMarker(const std::string& text);      ///< Edt_CobCmtStr, trimmed
    void SetIgnoredCharacters(const std::string& text);  ///< Edt_CobCmtTrim, trimmed
    void SetArrayGroups(bool on);                        ///< Chk_AryExt
    /// The REDEFINES expansion mode; a scanned source is scanned again. False after the
    /// read error was shown.
    bool SetSameStructure(bool same);

    // ---- Choose and scan ----
    /// The language button: the file dialog, then the scan. False when cancelled or unreadable.
    bool ChooseAndScan(SourceLanguage language);
    /// Scans `cp932Path` as `language`; a read error is shown. False when it could not be read.
    bool ScanPath(SourceLanguage language, const std::string& cp932Path);
    /// The open dialog the language button shows.
    [[nodiscard]] FileDialogRequest DialogFor(SourceLanguage language) const;

    // ---- What the window shows ----
    [[nodiscard]] const std::vector<std::string>& ListLines() const { return lines_; }
    /// "取り込む構造体を選択して下さい。" or "取り込める構造体はありません。" (empty before a scan).
    [[nodiscard]] const std::string& ListMessage() const { return message_; }
    /// The source path shown in the file label, trimmed.
    [[nodiscard]] std::string FileLabel() const;

    /// OK or a double click on line `index`: a modified layout is offered for saving first,
    /// then the structure replaces the layout's rows and the import report is shown. False
    /// when nothing was imported.
    bool Ok(int index);
    /// The report of the last import (lines that gave no row, sizes that were guessed); empty
    /// when there is nothing to report.
    [[nodiscard]] const std::string& Report() const { return report_; }

    /// "ClipBoard → Text File": asks, then writes the clipboard text to the clipboard file.
    bool ClipboardToFile(bool append);
    /// The clipboard file: morvane.clp in the program's folder.
    [[nodiscard]] std::string ClipboardPath() const;

private:
    void Refill();

    LayoutEditorController& editor_;
    MessageSink& messages_;
    Clipboard& clipboard_;
    StructureImportShell& shell_;
    std::vector<std::string> lines_;
    std::string message_;
    std::string report_;
};

/// The import report as shown: a heading and one line per note ("行 12: text  -- reason").
[[nodiscard]] std::string FormatImportReport(const std::vector<ImportNote>& notes);

}  // namespace rekkan
