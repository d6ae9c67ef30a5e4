#include "cli/command_support.h"

#include "cli/file_checks.h"
#include "model/layout_file.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan::cli {
namespace {

/// Index of the structure `--select` names; 0 without it, -1 when it names none.
int SelectedIndex(const Context& ctx, const ImportPipeline& pipeline, int listed) {
    if (!ctx.Has("--select")) return 0;
    const std::string sel = Trim(ctx.Value("--select"));
    int n = 0;
    if (ParseInt(sel, n)) return (n >= 1 && n <= listed) ? n - 1 : -1;
    const auto& list = pipeline.Structures();
    for (int i = 0; i < listed && i < static_cast<int>(list.size()); ++i)
        if (EqualsNoCase(list[static_cast<std::size_t>(i)].name, sel)) return i;
    // A C structure is found by its tag too ("tagINFO" of "typedef struct tagINFO {...} INFO;").
    for (int i = 0; i < listed && i < static_cast<int>(list.size()); ++i)
        if (!list[static_cast<std::size_t>(i)].tag.empty() && list[static_cast<std::size_t>(i)].tag == sel) return i;
    return -1;
}

/// The --option that gives an integer row of type `type` the size `stored`.
std::string MatchingSizeOption(int type, int stored, const IntSizes& sizes) {
    const std::string half = std::to_string(stored / 2 - 1);
    switch (type) {
    case kUShort:
    case kSShort:
    case kWord: return "--option Cmb_Short=" + half;
    case kULong:
    case kSLong:
    case kDword: return "--option Cmb_Long=" + half;
    default:
        if (stored == sizes.shortSize) return "--option Cmb_Int=0";
        if (stored == sizes.longSize) return "--option Cmb_Int=1";
        return "--option Cmb_Int=1 --option Cmb_Long=" + half;
    }
}

}  // namespace

bool ReadLayoutForCommand(Context& ctx, const std::string& path, LayoutDocument& doc, bool forChange) {
    if (!InputReadable(ctx, path)) return false;
    doc.sizes = ctx.settings.Sizes();
    doc.editableLineCount = kWholeLayoutRows;
    const LayoutReadResult read = ReadLayoutFile(doc, path, false, *ctx.messages);
    if (!read.ok) return false;
    if (read.tooManyRows) {
        ctx.Error(path + ": more than " + std::to_string(kWholeLayoutRows) + " rows; not read");
        return false;
    }
    if (!read.sizeDifferences.empty()) {
        std::string text = path + ": integer items stored with other sizes than this run uses:";
        for (const StoredSizeDifference& d : read.sizeDifferences) {
            const TRspec& r = doc.items[static_cast<std::size_t>(d.row)];
            text += "\n  row " + std::to_string(d.row + 1) + " " + r.KOM + ": stored " + std::to_string(d.stored) +
                    " bytes, used " + std::to_string(d.used) + " (" + MatchingSizeOption(r.TYP, d.stored, doc.sizes) +
                    " matches)";
        }
        ctx.Error(text + (forChange ? "\nnothing changed: give the matching --option" : ""));
        if (forChange) return false;
    }
    NormaliseAll(doc);
    return true;
}

bool LoadLayoutForCommand(Context& ctx, const std::string& path, LayoutDocument& doc, Geometry& geometry) {
    if (!ReadLayoutForCommand(ctx, path, doc)) return false;
    geometry = MeasureLayout(doc);
    if (!geometry.Ok()) {
        ctx.Error(GeometryFailureMessage(geometry.failure));
        return false;
    }
    return true;
}

int ImportStructure(Context& ctx, SourceLanguage language, Settings& settings) {
    if (!InputReadable(ctx, ctx.args[0])) return kExitFailure;
    ImportPipeline pipeline(settings);
    std::string error;
    if (!pipeline.Scan(language, ctx.args[0], error)) {
        ctx.Error(error);
        return kExitFailure;
    }
    const std::vector<std::string> lines = pipeline.ListLines();
    if (ctx.Has("--list")) {
        std::string out;
        for (const std::string& l : lines) out += l + "\n";
        ctx.Print(out);
        if (lines.empty()) ctx.Error(pipeline.ListMessage());
        return kExitOk;
    }
    if (lines.empty()) {
        ctx.Error(pipeline.ListMessage());
        return kExitFailure;
    }
    const int index = SelectedIndex(ctx, pipeline, static_cast<int>(lines.size()));
    if (index < 0) {
        ctx.Error("--select: no such structure: " + Trim(ctx.Value("--select")));
        return kExitFailure;
    }
    // The importer stops at the rows it may write: one more than a layout holds tells a
    // structure that fills the layout exactly from one that would lose its last rows.
    const int holds = settings.EditableLineCount();
    LayoutDocument doc;
    doc.sizes = settings.Sizes();
    doc.editableLineCount = holds + 1;
    if (!pipeline.Import(index, doc)) {
        ctx.Error(pipeline.ListMessage());
        return kExitFailure;
    }
    if (doc.Count() > holds) {
        ctx.Error("the structure has more than the " + std::to_string(holds) +
                  " rows a layout holds (Cmb_EditLine); rows would be left out, nothing written");
        return kExitFailure;
    }
    doc.editableLineCount = holds;
    // The report goes to stderr; a layout that was written still makes the run a success.
    for (const ImportNote& note : pipeline.Session().notes)
        ctx.Error((note.line > 0 ? std::to_string(note.line) : std::string("-")) + ": " + note.text + "  -- " +
                  note.reason);
    // A structure longer than a record may be is written as read (the layout editor can
    // shorten it), but said, since no record command can use the layout as it is.
    if (const Geometry geometry = MeasureLayout(doc); !geometry.Ok())
        ctx.Error(GeometryFailureMessage(geometry.failure));
    return ctx.Emit(FormatLayoutFile(doc)) ? kExitOk : kExitFailure;
}

}  // namespace rekkan::cli
