#include "lang/import_pipeline.h"

#include "lang/c_import.h"
#include "lang/cobol_import.h"
#include "lang/cobol_writer.h"
#include "lang/vb_import.h"
#include "model/editor_hooks.h"
#include "model/geometry.h"
#include "model/key_items.h"
#include "model/type_notation.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/messages.h"
#include "util/text.h"

namespace rekkan {

std::unique_ptr<StructureParser> MakeStructureParser(SourceLanguage language) {
    switch (language) {
    case SourceLanguage::Cobol: return MakeCobolParser();
    case SourceLanguage::C: return MakeCStructureParser();
    case SourceLanguage::Vb: return MakeVbStructureParser();
    }
    return nullptr;
}

ImportPipeline::ImportPipeline(Settings& settings, EditorHooks* hooks) : settings_(settings), hooks_(hooks) {}
ImportPipeline::~ImportPipeline() = default;

bool ImportPipeline::Scan(SourceLanguage language, const std::string& cp932Path, std::string& error) {
    language_ = language;
    session_.sameStructure = settings_.Chk_RedInclude;
    parser_ = MakeStructureParser(language);
    if (!parser_) {
        error = "no parser for this language";
        return false;
    }
    settings_.Path_Hed = cp932Path;
    sourcePath_ = cp932Path;
    return parser_->Scan(cp932Path, settings_, session_, error);
}

bool ImportPipeline::SwitchRedefinitionMode(bool sameStructure, std::string& error) {
    settings_.Chk_RedInclude = sameStructure;
    if (sourcePath_.empty()) return true;
    return Scan(language_, sourcePath_, error);
}

const std::vector<StructureEntry>& ImportPipeline::Structures() const {
    static const std::vector<StructureEntry> none;
    return parser_ ? parser_->Structures() : none;
}

std::vector<std::string> ImportPipeline::ListLines() const {
    std::vector<std::string> lines;
    const auto& list = Structures();
    for (std::size_t i = 0; i < list.size() && i < kMaxStructures + 1; ++i) {
        if (list[i].name.empty()) break;
        lines.push_back(StructureListLine(static_cast<int>(i) + 1, list[i]));
    }
    return lines;
}

std::string ImportPipeline::ListMessage() const {
    return ListLines().empty() ? sj("取り込める構造体はありません。") : sj("取り込む構造体を選択して下さい。");
}

bool ImportPipeline::Import(int index, LayoutDocument& doc) {
    if (!parser_ || index < 0 || index >= static_cast<int>(Structures().size())) return false;
    if (hooks_) {
        hooks_->SetImporting(true);
        hooks_->LeaveRedefinitionView();
    }
    if (!session_.editorMode) session_.keyEntries.clear();
    session_.prefix.clear();
    session_.notes.clear();
    parser_->Extract(index, settings_, session_, doc);
    doc.sizes = settings_.Sizes();
    // Sizes that follow from the type (a C type read back from editor-mode text carries no
    // digits) are filled in as a committed row would get them.
    for (TRspec& row : doc.items) NormaliseByt(row, doc.sizes);
    if (session_.editorMode) session_.notes.clear();
    if (!session_.editorMode) {
        const Geometry geometry = MeasureLayout(doc);
        static const TypeNotation standardTypes;
        KeyItems keys(standardTypes);
        keys.LoadFromImport(session_.keyEntries, doc, geometry);
        doc.keyLines = keys.Lines();
        doc.modified = true;
    }
    if (hooks_) {
        hooks_->LayoutReplaced();
        hooks_->SetImporting(false);
        if (!session_.editorMode) hooks_->ResetUndoHistory();
    }
    return true;
}

bool ImportPipeline::ImportCobolEditorMode(const std::string& cp932Path, LayoutDocument& doc, std::string& error) {
    session_.editorMode = true;
    const bool saved = settings_.Chk_RedInclude;
    settings_.Chk_RedInclude = true;
    bool ok = Scan(SourceLanguage::Cobol, cp932Path, error);
    if (ok && !ListLines().empty()) ok = Import(0, doc);
    // The layout comment sits in the text's heading; the rows alone would give it the first
    // row's name.
    std::string text, comment;
    if (ok && ReadWholeFile(cp932Path, text) && ReadEditorTextComment(text, comment) && comment != doc.RdfCmt) {
        doc.RdfCmt = comment;
        if (hooks_) hooks_->LayoutReplaced();
    }
    settings_.Chk_RedInclude = saved;
    session_.editorMode = false;
    return ok;
}

bool ImportPipeline::ImportDropped(const std::string& cp932Path, SourceLanguage language, bool report,
                                   LayoutDocument& doc, MessageSink* messages, std::string& error) {
    session_.editorMode = false;
    const bool saved = settings_.Chk_RedInclude;
    settings_.Chk_RedInclude = true;
    const bool ok = Scan(language, cp932Path, error);
    settings_.Chk_RedInclude = saved;
    // The rows are extracted in the form the list was scanned in, so that REDEFINES items
    // keep their overlay.
    if (!ok || ListLines().empty()) return false;
    Import(0, doc);
    if (report && messages) {
        const std::string lang = language == SourceLanguage::Cobol ? "COBOL"
                                 : language == SourceLanguage::C   ? sj("Ｃ言語")
                                                                   : sj("ＶＢ");
        messages->Inform(sj("指定のファイルから 【 ") + lang + sj(" 】 の構造体の取り込みを行いました。") +
                             "\r\n\r\n   PATH = " + cp932Path,
                         DefaultCaption());
    }
    return true;
}

}  // namespace rekkan
