#include <string>

#include "cli/command_groups.h"
#include "cli/command_support.h"
#include "lang/import_pipeline.h"
#include "model/layout_file.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan::cli {
namespace {

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
    return ImportStructure(ctx, language, s);
}

const std::vector<OptionSpec> kImportOptions = {
    {"--list", false, "print the structure list instead of importing"},
    {"--select", true, "structure to import: 1-based number or name (default 1)", "N|NAME"},
    {"--array-groups", true, "multi-dimensional arrays as nested groups (Chk_AryExt)", "yes|no"},
    kOutputOption,
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
