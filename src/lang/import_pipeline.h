#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/layout_document.h"
#include "model/settings.h"

namespace rekkan {

class EditorHooks;
class MessageSink;

/// Languages the structure import reads.
enum class SourceLanguage { Cobol = 0, C = 1, Vb = 2 };

/// Most structures one scan lists.
inline constexpr int kMaxStructures = 1024;

/// One record of the structure list (and of the source line table).
struct StructureEntry {
    int firstLine = 0;     ///< 1-based first line (entry line for COBOL, source line for C/VB)
    int lastLine = 0;      ///< 1-based last line
    std::string name;      ///< data name of the structure
    std::string listText;  ///< text shown in the structure list
    std::string comment;   ///< item name (comment) of the structure
};

/// State an import shares between the pipeline and the parser of the language.
struct ImportSession {
    bool editorMode = false;     ///< COBOL text handed back by the built-in text editor
    bool sameStructure = true;   ///< redefinition expansion mode in force (Chk_RedInclude)
    std::string prefix;          ///< layout prefix collected from "Prefix(...)" marks
    /// The key entry list: "001.002<可>(降順):5" texts (CP932), kept sorted.
    std::vector<std::string> keyEntries;
};

/// The parser of one language. A parser keeps what its scan found (entry lines, type
/// tables ...) until the next scan, so that Extract can build the rows of a listed structure.
class StructureParser {
public:
    virtual ~StructureParser() = default;
    /// Reads the source (CP932 path) and lists its structures. False, with `error` set to the
    /// message to show, when the file cannot be read; the list is then empty.
    [[nodiscard]] virtual bool Scan(const std::string& cp932Path, const Settings& settings,
                                    ImportSession& session, std::string& error) = 0;
    /// The structure list of the last scan.
    [[nodiscard]] virtual const std::vector<StructureEntry>& Structures() const = 0;
    /// Replaces the rows of `doc` by structure `index` (0-based) and sets RdfCmt and PreFix.
    /// Key marks go to `session.keyEntries`. Returns the number of rows written.
    virtual int Extract(int index, const Settings& settings, ImportSession& session,
                        LayoutDocument& doc) = 0;
};

/// The parser of a language; nullptr while a language has no parser.
/// (The C and VB imports fill their two cases in import_pipeline.cpp.)
[[nodiscard]] std::unique_ptr<StructureParser> MakeStructureParser(SourceLanguage language);

/// One line of the structure list as shown: " " + number right-aligned in 4 + ". " + text.
[[nodiscard]] std::string StructureListLine(int number, const StructureEntry& entry);

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
    bool ImportDropped(const std::string& cp932Path, SourceLanguage language, bool report,
                       LayoutDocument& doc, MessageSink* messages, std::string& error);

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
