#include <string>

#include "cli/command_groups.h"
#include "lang/import_pipeline.h"
#include "model/layout_file.h"
#include "util/text.h"

namespace rekkan::cli {
namespace {

/// Index of the structure `--select` names (1-based number or name, any case); 0 without it,
/// -1 when it names none.
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

int RunImport(Context& ctx, SourceLanguage language) {
    if (ctx.args.size() != 1) {
        ctx.Error(std::string("usage: rekkan-cli import ") + (language == SourceLanguage::C ? "c" : "vb") +
                  " SOURCE [--list] [--select N|NAME] [--array-groups yes|no] [-o OUT.kvl]");
        return kExitFailure;
    }
    Settings& s = ctx.settings;
    if (ctx.Has("--array-groups")) {
        const std::string v = Trim(ctx.Value("--array-groups"));
        if (EqualsNoCase(v, "yes")) {
            s.Chk_AryExt = true;
        } else if (EqualsNoCase(v, "no")) {
            s.Chk_AryExt = false;
        } else {
            ctx.Error("--array-groups: yes or no: " + v);
            return kExitFailure;
        }
    }
    ImportPipeline pipeline(s);
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
    doc.sizes = s.Sizes();
    doc.editableLineCount = s.EditableLineCount();
    if (!pipeline.Import(index, doc)) {
        ctx.Error(pipeline.ListMessage());
        return kExitFailure;
    }
    return ctx.Emit(FormatLayoutFile(doc)) ? kExitOk : kExitFailure;
}

const std::vector<OptionSpec> kImportOptions = {
    {"--list", false, "print the structure list instead of importing"},
    {"--select", true, "structure to import: 1-based number or name (default 1)"},
    {"--array-groups", true, "yes|no: multi-dimensional arrays as nested groups (Chk_AryExt)"},
};

}  // namespace

std::vector<Command> ImportCVbCommands() {
    return {
        {"import c", "SOURCE [--list] [--select N|NAME] [--array-groups yes|no] [-o OUT.kvl]", kImportOptions,
         [](Context& ctx) { return RunImport(ctx, SourceLanguage::C); }},
        {"import vb", "SOURCE [--list] [--select N|NAME] [--array-groups yes|no] [-o OUT.kvl]", kImportOptions,
         [](Context& ctx) { return RunImport(ctx, SourceLanguage::Vb); }},
    };
}

}  // namespace rekkan::cli
