#include "model/redefinition_view.h"

#include <gtest/gtest.h>

#include "model/row_builder.h"
#include "support/row_summary.h"
#include "support/test_support.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// A document of `rows`, each variable name its item name with "_v" appended.
LayoutDocument Doc(std::vector<TRspec> rows) {
    LayoutDocument d;
    d.items = std::move(rows);
    for (TRspec& r : d.items) r.VNM = r.KOM + "_v";
    return d;
}

/// The view of `doc` in `format` with tags of `tagLength` bytes: its caption, comment and prefix,
/// each row's position cell and summary, the gathered record length and the heads (UTF-8).
std::string ViewText(const std::string& title, const LayoutDocument& doc, int format, int tagLength) {
    const RedefinitionViewDocument view = MakeViewDocument(doc, format, tagLength);
    std::string out = "\n== " + title + ", format " + std::to_string(format) + ", tags " + std::to_string(tagLength) +
                      " ==\n" + Cp932ToUtf8(ViewModeText(format)) + "\nlayout " + Cp932ToUtf8(view.doc.RdfCmt) +
                      ", prefix " + view.doc.PreFix + (view.doc.modified ? ", modified" : "") + "\n";
    for (std::size_t i = 0; i < view.doc.items.size(); ++i)
        out += PadLeft(' ', view.positions[i], 3) + "  " + test::RowSummary(view.doc.items[i]) + "\n";
    return out + "record length " + std::to_string(view.geometry.recordLength) + ", heads " +
           std::to_string(view.headCount) + "\n";
}

/// Every format with embedded tags and without; a redefinition inside a redefinition; level
/// jumps renumbered from three; a redefinition of a name nowhere in the layout; layouts without
/// redefinitions and without rows, whose comment, prefix and modified flag go with the view.
TEST(RedefinitionViewDocument, ViewsGiveTheirGoldenRows) {
    // REC: A X(4) redefined by group B (B1 X(2), B2 X(2)); C X(6) redefined by group D (D1 X(6)).
    LayoutDocument two = Doc(MakeRows({{.name = "REC", .type = kGroup},
                                       {.level = 2, .name = "A", .bytes = 4},
                                       {.level = 2, .name = "B", .type = kGroup, .redefines = "A"},
                                       {.level = 3, .name = "B1", .bytes = 2},
                                       {.level = 3, .name = "B2", .bytes = 2},
                                       {.level = 2, .name = "C", .bytes = 6},
                                       {.level = 2, .name = "D", .type = kGroup, .redefines = "C-VAR"},
                                       {.level = 3, .name = "D1", .bytes = 6}}));
    two.items[5].VNM = "C-VAR";
    std::string text;
    for (int format = 0; format < kViewFormatCount; ++format) text += ViewText("two", two, format, 5);
    text += ViewText("two", two, 2, 0);
    text += ViewText("nested",
                     Doc(MakeRows({{.name = "REC", .type = kGroup},
                                   {.level = 2, .name = "A", .bytes = 10},
                                   {.level = 2, .name = "B", .type = kGroup, .redefines = "A"},
                                   {.level = 3, .name = "B1", .bytes = 4},
                                   {.level = 3, .name = "B2", .type = kGroup, .redefines = "B1"},
                                   {.level = 4, .name = "B21", .bytes = 2},
                                   {.level = 4, .name = "B22", .bytes = 2},
                                   {.level = 3, .name = "B3", .bytes = 6},
                                   {.level = 2, .name = "Z"}})),
                     0, 0);
    text += ViewText("level jumps",
                     Doc(MakeRows({{.name = "REC", .type = kGroup},
                                   {.level = 3, .name = "A", .bytes = 10},
                                   {.level = 3, .name = "B", .type = kGroup, .redefines = "A"},
                                   {.level = 5, .name = "C", .type = kGroup},
                                   {.level = 7, .name = "D", .bytes = 2},
                                   {.level = 5, .name = "E", .bytes = 2},
                                   {.level = 4, .name = "F", .bytes = 2},
                                   {.level = 7, .name = "G"}})),
                     0, 0);
    text += ViewText("unresolved",
                     Doc(MakeRows({{.name = "REC", .type = kGroup},
                                   {.level = 2, .name = "A", .bytes = 3},
                                   {.level = 2, .name = "B", .bytes = 3, .redefines = "NOWHERE"}})),
                     0, 0);
    for (int count : {2, 0}) {
        LayoutDocument plain = Doc(MakeRows({{.name = "ROOT", .type = kGroup}, {.level = 2, .name = "A", .bytes = 3}}));
        plain.items.resize(static_cast<std::size_t>(count));
        plain.RdfCmt = " cust ";
        plain.PreFix = "P-";
        plain.modified = true;
        text += ViewText("no redefinitions, rows " + std::to_string(count), plain, 5, 5);
    }
    test::ExpectGolden("model/redefinition_views.txt", text);
}

}  // namespace
}  // namespace rekkan
