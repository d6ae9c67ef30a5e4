#include <string>

#include "cli/command_groups.h"
#include "cli/command_support.h"
#include "model/geometry.h"
#include "model/layout_file.h"
#include "model/type_notation.h"
#include "tools/layout_listing.h"

namespace rekkan::cli {
namespace {

int RunListing(Context& ctx, bool csv) {
    if (ctx.args.size() != 1) {
        ctx.Error(std::string("usage: rekkan-cli listing ") + (csv ? "csv" : "text") + " LAYOUT [-o FILE]");
        return kExitFailure;
    }
    LayoutDocument doc;
    if (!ReadLayoutForCommand(ctx, ctx.args[0], doc)) return kExitFailure;
    const TypeNotation types;
    ListingSource source;
    if (!PrepareListingSource(doc, types, source)) {
        ctx.Error(RecordTooLongMessage());
        return kExitFailure;
    }
    const ListingOptions options = ListingOptions::FromSettings(ctx.settings);
    return ctx.Emit(csv ? FormatCsvListing(source, options) : FormatTextListing(source, options)) ? kExitOk
                                                                                                  : kExitFailure;
}

}  // namespace

std::vector<Command> ListingCommands() {
    return {
        {"listing text",
         "LAYOUT [-o FILE]  (columns: --option Csv_Chk_...=True|False, Cmb_CobSN, Cmb_CobIV, Cmb_Indent)",
         {kOutputOption},
         [](Context& ctx) { return RunListing(ctx, false); }},
        {"listing csv",
         "LAYOUT [-o FILE]  (columns: --option Csv_Chk_...=True|False, Cmb_CobSN, Cmb_CobIV, Cmb_Indent)",
         {kOutputOption},
         [](Context& ctx) { return RunListing(ctx, true); }},
    };
}

}  // namespace rekkan::cli
