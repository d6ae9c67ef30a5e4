#include <string>

#include "cli/command_groups.h"
#include "cli/command_support.h"
#include "model/geometry.h"
#include "model/layout_file.h"

namespace rekkan::cli {
namespace {

int RunInfo(Context& ctx) {
    if (ctx.args.size() != 1) {
        ctx.Error("usage: rekkan-cli info LAYOUT");
        return kExitFailure;
    }
    LayoutDocument doc;
    Geometry geometry;
    if (!LoadLayoutForCommand(ctx, ctx.args[0], doc, geometry)) return kExitFailure;
    std::string out = "Rec.Len\t" + std::to_string(geometry.recordLength) + "\n";
    for (int i = 0; i < doc.Count(); ++i) {
        const TRspec& r = doc.items[i];
        const int pos = geometry.rows[i].Pos;
        out += std::to_string(i + 1) + "\t" + (pos < 0 ? std::string() : std::to_string(pos)) + "\t" +
               std::to_string(r.LVL) + "\t" + std::to_string(r.TYP) + "\t" + std::to_string(r.RPT) + "\t" +
               std::to_string(r.BYT) + "\t" + std::to_string(r.SYO) + "\t" + r.KOM + "\t" + r.VNM + "\t" + r.RED + "\n";
    }
    return ctx.EmitText(out) ? kExitOk : kExitFailure;
}

int RunFields(Context& ctx) {
    if (ctx.args.size() != 1) {
        ctx.Error("usage: rekkan-cli fields LAYOUT");
        return kExitFailure;
    }
    LayoutDocument doc;
    if (!ReadLayoutForCommand(ctx, ctx.args[0], doc)) return kExitFailure;
    const FieldList listed = ListFields(doc);
    if (!listed.Ok()) {
        ctx.Error(GeometryFailureMessage(listed.failure));
        return kExitFailure;
    }
    const std::vector<FieldDescriptor>& fields = listed.fields;
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldDescriptor& f = fields[i];
        out += std::to_string(i + 1) + "\t" + std::to_string(f.pos) + "\t" + std::to_string(f.size) + "\t" +
               std::to_string(f.TYP) + "\t" + f.displayName + "\n";
    }
    return ctx.EmitText(out) ? kExitOk : kExitFailure;
}

}  // namespace

std::vector<Command> LayoutCommands() {
    return {
        {"info", "LAYOUT [-o FILE]", {kOutputOption}, RunInfo},
        {"fields", "LAYOUT [-o FILE]", {kOutputOption}, RunFields},
    };
}

}  // namespace rekkan::cli
