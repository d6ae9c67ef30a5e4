#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lang/structure_parser.h"
#include "model/layout_document.h"
#include "model/settings.h"

namespace rekkan {

class EditorHooks;
class MessageSink;

/// The parser of a language; nullptr while a language has no parser.
[[nodiscard]] std::unique_ptr<StructureParser> MakeStructureParser(SourceLanguage language);

/// The structure import pipeline of the import window, the dropped files and the editor mode.
class ImportPipeline {
public:
    /// `settings` is the shared settings record; `hooks` may be null.
    ImportPipeline(Settings& settings, EditorHooks* hooks = nullptr);
    ~ImportPipeline();

    /// Scans a source in `language` (Choose and scan without the dialog). False with
    /// `error` set when it cannot be read or the language has no parser.
    [[nodiscard]] bool Scan(SourceLanguage language, const std::string& cp932Path, std::string& error);
    /// The user switched the REDEFINES expansion mode: stores it and, when a source was
    /// scanned, scans it again (the list changes). False when the rescan failed.
    [[nodiscard]] bool SwitchRedefinitionMode(bool sameStructure, std::string& error);
    /// The source path of the last scan (empty before the first).
    [[nodiscard]] const std::string& SourcePath() const { return sourcePath_; }

    /// The structures of the last scan, and their list lines.
    [[nodiscard]] const std::vector<StructureEntry>& Structures() const;
    [[nodiscard]] std::vector<std::string> ListLines() const;
    /// "取り込む構造体を選択して下さい。" or "取り込める構造体はありません。".
    [[nodiscard]] std::string ListMessage() const;

    /// OK: imports structure `index` (0-based) into `doc`, then the key items. False when
    /// nothing is selected (index out of range).
    bool Import(int index, LayoutDocument& doc);

    /// The editor-mode import of COBOL text the system wrote (path of the text).
    bool ImportCobolEditorMode(const std::string& cp932Path, LayoutDocument& doc, std::string& error);
    /// A dropped source: scans in same-structure form and imports the first structure. With
    /// `report`, tells the user through `messages`. False when nothing could be imported.
    bool ImportDropped(const std::string& cp932Path, SourceLanguage language, bool report, LayoutDocument& doc,
                       MessageSink* messages, std::string& error);

    [[nodiscard]] SourceLanguage Language() const { return language_; }
    [[nodiscard]] const ImportSession& Session() const { return session_; }

private:
    Settings& settings_;
    EditorHooks* hooks_;
    SourceLanguage language_ = SourceLanguage::Cobol;
    std::unique_ptr<StructureParser> parser_;
    ImportSession session_;
    std::string sourcePath_;
};

}  // namespace rekkan
