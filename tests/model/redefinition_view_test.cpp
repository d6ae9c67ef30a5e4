#include "model/redefinition_view.h"

#include <gtest/gtest.h>

#include "model/layout_file.h"
#include "support/row_summary.h"
#include "support/test_support.h"
#include "util/scripted_messages.h"
#include "util/text.h"

namespace rekkan {
namespace {

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

/// The layouts of model/views (their memos say what each shows): "two" in every format with
/// tags and once without, the others in format 0; the layouts without redefinitions in format 5,
/// marked modified: their comment, prefix and flag go with the view.
TEST(RedefinitionViewDocument, ViewsGiveTheirGoldenRows) {
    struct Case {
        const char* layout;
        std::vector<int> formats;
        int tagLength;
    };
    const Case cases[] = {{"two", {0, 1, 2, 3, 4, 5, 6}, 5},
                          {"two", {2}, 0},
                          {"nested", {0}, 0},
                          {"level_jumps", {0}, 0},
                          {"unresolved", {0}, 0},
                          {"plain", {5}, 5},
                          {"empty", {5}, 5}};
    ASSERT_EQ(kViewFormatCount, 7);
    std::string text;
    for (const Case& c : cases) {
        LayoutDocument doc;
        ScriptedMessages messages;
        const std::string file = (test::DataDir() / "model" / "views" / (std::string(c.layout) + ".kvl")).string();
        ASSERT_TRUE(ReadLayoutFile(doc, file, false, messages).ok) << file;
        doc.modified = doc.items.size() < 3;
        for (int format : c.formats) text += ViewText(c.layout, doc, format, c.tagLength);
    }
    test::ExpectGolden("model/redefinition_views.txt", text);
}

}  // namespace
}  // namespace rekkan
