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
    return -1;
}

}  // namespace

bool ReadLayoutForCommand(Context& ctx, const std::string& path, LayoutDocument& doc) {
    if (!InputReadable(ctx, path)) return false;
    doc.sizes = ctx.settings.Sizes();
    doc.editableLineCount = ctx.settings.EditableLineCount();
    if (!ReadLayoutFile(doc, path, false, *ctx.messages).ok) return false;
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
    LayoutDocument doc;
    doc.sizes = settings.Sizes();
    doc.editableLineCount = settings.EditableLineCount();
    if (!pipeline.Import(index, doc)) {
        ctx.Error(pipeline.ListMessage());
        return kExitFailure;
    }
    // The report goes to stderr; a layout that was written still makes the run a success.
    for (const ImportNote& note : pipeline.Session().notes)
        ctx.Error((note.line > 0 ? std::to_string(note.line) : std::string("-")) + ": " + note.text + "  -- " + note.reason);
    return ctx.Emit(FormatLayoutFile(doc)) ? kExitOk : kExitFailure;
}

}  // namespace rekkan::cli
