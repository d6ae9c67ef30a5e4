#include "layout_editor/layout_print_rows.h"

#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

LayoutPrintGrid MakeLayoutPrintGrid(const ListingSource& source, const ListingOptions& options, LangPriority priority) {
    LayoutPrintGrid grid;
    const std::array<std::string, kGridColumns> headers = GridHeaders(priority);
    for (int c = 0; c < kGridColumns; ++c) grid.header[c] = " " + Trim(headers[c]);
    const LayoutDocument& doc = *source.doc;
    for (int i = 0; i < doc.Count(); ++i) {
        const ListingItemValues v = ItemValues(source, i, options);
        grid.rows.push_back({" " + v.seq, " " + v.position, std::string(),
                             " " + TrimRight(v.indent + v.level + " " + v.itemName), " " + v.varName,
                             " " + v.redefinition, " " + v.type, " " + v.repeat, " " + v.digits, " " + v.decimals,
                             " " + v.remarks});
    }
    grid.headings = {sj("ファイル名  ： ") + Trim(doc.RdfCmt),
                     sj("レコ－ド長  ： ") + std::to_string(source.recordLength) + " Byte",
                     sj("Ｐｒｅｆｉｘ： ") + Trim(doc.PreFix)};
    return grid;
}

}  // namespace rekkan
