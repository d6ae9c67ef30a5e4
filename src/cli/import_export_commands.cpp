#include <cctype>
#include <string>

#include "cli/command_groups.h"
#include "cli/command_support.h"
#include "lang/c_writer.h"
#include "lang/cobol_writer.h"
#include "lang/import_pipeline.h"
#include "lang/lang_output.h"
#include "lang/vb_writer.h"
#include "model/geometry.h"
#include "model/key_items.h"
#include "model/layout_file.h"
#include "model/type_notation.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan::cli {
namespace {

/// Sets an integer import option from a command option; false after a message when bad.
bool IntOption(Context& ctx, const char* name, int low, int high, int& target) {
    long long v = target;
    if (!ctx.IntValue(name, v)) return false;
    if (v < low || v > high) {
        ctx.Error(std::string(name) + ": out of range " + std::to_string(low) + ".." + std::to_string(high));
        return false;
    }
    target = static_cast<int>(v);
    return true;
}

int RunImportCobol(Context& ctx) {
    if (ctx.args.size() != 1) {
        ctx.Error("usage: rekkan-cli import cobol SOURCE [--list] [--select N|NAME] [-o OUT.kvl]");
        return kExitFailure;
    }
    Settings& s = ctx.settings;
    if (ctx.Has("--gathered")) s.Chk_RedInclude = false;
    if (!IntOption(ctx, "--seq", 0, 10, s.Cmb_CobSeq) || !IntOption(ctx, "--valid", 0, 512, s.Cmb_CobValid) ||
        !IntOption(ctx, "--comment-valid", 0, 512, s.Cmb_CobCmtValid))
        return kExitFailure;
    if (ctx.Has("--comment-marker")) s.Edt_CobCmtStr = Trim(ctx.Value("--comment-marker"));
    if (ctx.Has("--ignore")) s.Edt_CobCmtTrim = Trim(ctx.Value("--ignore"));

    return ImportStructure(ctx, SourceLanguage::Cobol, s);
}

/// Whether `name` is an identifier of C (ASCII letters, digits and '_', not starting with a
/// digit) or of VB (which takes other letters, here any byte beyond ASCII, too).
bool IsIdentifier(std::string_view name, bool vb) {
    if (name.empty()) return true;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool letter = std::isalpha(c) != 0 || c == '_' || (vb && c >= 0x80);
        if (!letter && !(i > 0 && std::isdigit(c) != 0)) return false;
    }
    return true;
}

/// Warns (the output keeps its bytes) of the variable names the language would not take.
void WarnOfNonIdentifiers(const Context& ctx, const LayoutDocument& doc, bool vb) {
    std::string names;
    for (const TRspec& r : doc.items) {
        const std::string name = OutputVarName(r);
        if (!IsIdentifier(name, vb)) names += (names.empty() ? "" : ", ") + name;
    }
    if (!names.empty())
        ctx.Error(std::string("warning: names that are not ") + (vb ? "VB" : "C") + " identifiers: " + names);
}

int RunExport(Context& ctx, char language) {
    if (ctx.args.size() != 1) {
        ctx.Error("usage: rekkan-cli export c|vb|cobol LAYOUT [-o FILE]");
        return kExitFailure;
    }
    LayoutDocument doc;
    Geometry geometry;
    if (!LoadLayoutForCommand(ctx, ctx.args[0], doc, geometry)) return kExitFailure;
    const TypeNotation types;
    KeyItems keys(types);
    keys.LoadKeyLines(doc.keyLines, doc, geometry);
    const LanguageOutputInput in{doc, geometry, &keys};
    std::string text;
    if (language == 'c') text = WriteCText(in);
    if (language == 'v') text = WriteVbText(in);
    if (language != 'o') WarnOfNonIdentifiers(ctx, doc, language == 'v');
    if (language == 'o') text = WriteCobolText(in, CobolOutputOptions::FromSettings(ctx.settings));
    return ctx.Emit(text) ? kExitOk : kExitFailure;
}

}  // namespace

std::vector<Command> ImportExportCommands() {
    return {
        {"import cobol",
         "SOURCE [--list] [--select N|NAME] [--gathered] [--seq N] [--valid N] [--comment-valid N] "
         "[--comment-marker TEXT] [--ignore CHARS] [-o OUT.kvl]",
         {{"--list", false, "print the structure list instead of importing"},
          {"--select", true, "structure to import: 1-based number or data name (default 1)", "N|NAME"},
          {"--gathered", false, "gather REDEFINES into RED- structures of their own"},
          {"--seq", true, "width of the sequence number area (Cmb_CobSeq)", "N"},
          {"--valid", true, "valid columns of an ordinary line (Cmb_CobValid)", "N"},
          {"--comment-valid", true, "valid columns of a comment line (Cmb_CobCmtValid)", "N"},
          {"--comment-marker", true, "in-line comment marker (Edt_CobCmtStr)", "TEXT"},
          {"--ignore", true, "characters ignored in comment lines (Edt_CobCmtTrim)", "CHARS"},
          kOutputOption},
         RunImportCobol},
        {"export c", "LAYOUT [-o FILE]", {kOutputOption}, [](Context& ctx) { return RunExport(ctx, 'c'); }},
        {"export vb", "LAYOUT [-o FILE]", {kOutputOption}, [](Context& ctx) { return RunExport(ctx, 'v'); }},
        {"export cobol", "LAYOUT [-o FILE]", {kOutputOption}, [](Context& ctx) { return RunExport(ctx, 'o'); }},
    };
}

}  // namespace rekkan::cli
