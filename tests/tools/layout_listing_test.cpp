#include "tools/layout_listing.h"

#include <gtest/gtest.h>

#include "model/layout_file.h"
#include "model/row_builder.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

namespace rekkan {
namespace {

/// Customer layout: a group, a name, a repeated amount and a redefinition of the name.
LayoutDocument Customer() {
    LayoutDocument doc;
    ScriptedMessages messages;
    EXPECT_TRUE(ReadLayoutFile(doc, (test::DataDir() / "tools" / "customer.kvl").string(), false, messages).ok);
    return doc;
}

ListingOptions AllOn() { return {.levelStart = 1, .levelIncrement = 1, .indentWidth = 2}; }

ListingOptions AllOff() {
    ListingOptions o = AllOn();
    o.title = o.prefix = o.guide = o.seq = o.pos = o.lvl = o.indent = o.lvlConnect = false;
    o.kom = o.vnm = o.red = o.typ = o.rpt = o.byt = o.syo = o.bko = false;
    return o;
}

struct Listed {
    LayoutDocument doc;
    TypeNotation types;
    ListingSource source;
};

/// Runs the geometry and lists; the document lives in `l`.
void Prepare(Listed& l, LayoutDocument doc) {
    l.doc = std::move(doc);
    ASSERT_TRUE(PrepareListingSource(l.doc, l.types, l.source));
}

TEST(LayoutListing, TextAndCsvForEachChoiceOfColumns) {
    ListingOptions seqBko = AllOff();
    seqBko.seq = seqBko.bko = true;
    ListingOptions levels = AllOff();
    levels.lvl = true;
    levels.levelStart = 5;
    levels.levelIncrement = 5;
    ListingOptions names = AllOff();
    names.kom = names.guide = true;
    ListingOptions levelColumn = AllOff();
    levelColumn.guide = levelColumn.kom = true;
    ListingOptions connected = levelColumn;
    connected.lvl = connected.lvlConnect = true;
    ListingOptions varOnly = AllOff();
    varOnly.vnm = varOnly.lvl = varOnly.lvlConnect = varOnly.indent = true;
    ListingOptions titleOnly = AllOff();
    titleOnly.title = true;
    struct Case {
        const char* title;
        bool csv;
        ListingOptions options;
    };
    // The name heading is cut to the names' width, never inside a character; a CSV level column
    // stands without the level option, and with the indent the level goes to the variable name.
    const Case cases[] = {
        {"text, SEQ and remarks", false, seqBko},
        {"text, levels start 5 step 5", false, levels},
        {"text, names", false, names},
        {"text, nothing selected", false, AllOff()},
        {"csv, no option", true, AllOff()},
        {"csv, level column without the level option", true, levelColumn},
        {"csv, level joined to the name", true, connected},
        {"csv, level and indent go to the variable name", true, varOnly},
        {"csv, title only", true, titleOnly},
    };
    std::string all;
    for (const Case& c : cases) {
        Listed l;
        Prepare(l, Customer());
        ASSERT_EQ(l.source.recordLength, 22);
        all += std::string("== ") + c.title + " ==\n" +
               Cp932ToUtf8(c.csv ? FormatCsvListing(l.source, c.options) : FormatTextListing(l.source, c.options));
    }
    test::ExpectGolden("tools/layout_listing_choices.txt", all);
    Listed l;
    Prepare(l, Customer());
    test::ExpectGolden("tools/layout_listing.txt", Cp932ToUtf8(FormatTextListing(l.source, AllOn())));
    test::ExpectGolden("tools/layout_listing.csv", Cp932ToUtf8(FormatCsvListing(l.source, AllOn())));
}

TEST(LayoutListing, LevelNumbers) {
    struct Case {
        int lvl, start, step;
        const char* level;
    };
    const Case cases[] = {{3, 1, 4, "09"}, {20, 5, 5, "00"}, {1, 1, 1, "01"}, {2, 20, 20, "40"}, {0, 1, 1, "00"}};
    for (const Case& c : cases) {
        LayoutDocument doc;
        doc.items = MakeRows({{.level = c.lvl, .name = "A"}});
        ListingSource source;
        source.doc = &doc;
        const ListingOptions o{.levelStart = c.start, .levelIncrement = c.step};
        EXPECT_EQ(ItemValues(source, 0, o).level, c.level) << c.lvl << " " << c.start << " " << c.step;
    }
}

TEST(LayoutListing, CsvDoublesQuotesInsideValues) {
    Listed l;
    LayoutDocument doc;
    doc.items = MakeRows({{.name = "say \"hi\"", .var = "q", .bytes = 3, .remarks = "a,\"b\""}});
    Prepare(l, std::move(doc));
    ListingOptions o = AllOff();
    o.kom = o.bko = o.lvlConnect = true;
    EXPECT_EQ(FormatCsvListing(l.source, o), "\"\"\r\n\"say \"\"hi\"\"\",\"a,\"\"b\"\"\"\r\n");
}

TEST(LayoutListing, DefaultPaths) {
    // Only the file name is upper-cased: the folder keeps its letter case.
    EXPECT_EQ(DefaultOutputPath("", "/opt/rekkan/", ListingNaming(false)), "/opt/rekkan/MORVANE.TXT");
    EXPECT_EQ(DefaultOutputPath("", "/opt/rekkan/", ListingNaming(true)), "/opt/rekkan/MORVANE.CSV");
    EXPECT_EQ(DefaultOutputPath(" /data/cust.kvl ", "/opt/", ListingNaming(false)), "/data/cust.txt");
    EXPECT_EQ(DefaultOutputPath("/data.v2/cust", "/opt/", ListingNaming(true)), "/data.v2/cust.csv");
}

}  // namespace
}  // namespace rekkan
