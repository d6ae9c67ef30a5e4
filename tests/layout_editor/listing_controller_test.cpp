#include "layout_editor/listing_controller.h"
#include "tool_fixture.h"
#include "tools/redefinition_listing.h"

namespace rekkan::test {
namespace {

class ListingTest : public ToolFixture {
public:
    ListingController csv{controller, messages, tools};
};

TEST_F(ListingTest, BoxesAreStoredOnlyOnceTheWindowWasShown) {
    csv.SetBox(ListingBox::Seq, false);
    csv.SetCsv(true);
    EXPECT_TRUE(settings.Csv_Chk_Seq);
    EXPECT_FALSE(settings.Csv_Rbt_Csv);
    csv.FirstShow();
    csv.SetBox(ListingBox::Bko, false);
    EXPECT_FALSE(settings.Csv_Chk_Seq);
    EXPECT_FALSE(settings.Csv_Chk_Bko);
    EXPECT_TRUE(settings.Csv_Rbt_Csv);
    EXPECT_FALSE(settings.Csv_Rbt_Text);
    EXPECT_EQ(ListingBoxCaption(ListingBox::LvlConnect), sj("レベルと項目を連結(CSV)"));
}

TEST_F(ListingTest, ExecuteWritesTheListingOfTheLayoutOrOfTheShownView) {
    OpenRichLayout();
    csv.FirstShow();
    csv.SetBox(ListingBox::Pos, false);
    for (const bool asCsv : {false, true}) {
        csv.SetCsv(asCsv);
        const std::string target = dir.File(asCsv ? "list.csv" : "list.txt");
        tools.saveAnswers = {target};
        messages.Script(Answer::Yes);
        ASSERT_EQ(csv.Execute(), LayoutOutputRun::Written);
        EXPECT_EQ(tools.asked.back().fileName, asCsv ? "rich.csv" : "rich.txt");
        ListingSource source;
        ASSERT_TRUE(PrepareListingSource(Doc(), controller.Types(), source));
        const ListingOptions options = ListingOptions::FromSettings(settings);
        EXPECT_FALSE(options.pos);
        EXPECT_EQ(Bytes(target), asCsv ? FormatCsvListing(source, options) : FormatTextListing(source, options));
        EXPECT_EQ(tools.shownFiles.back(), target);
    }
    ASSERT_TRUE(Model().EnterView());
    const RedefinitionListing view(Doc(), settings.Cmb_RedPlotType, settings.Cmb_RedTagLen, controller.Types());
    EXPECT_EQ(csv.ListingText(), view.Format(ListingOptions::FromSettings(settings)));
    EXPECT_NE(csv.ListingText().find("RED-CUST"), std::string::npos);  // the view's rows only
    EXPECT_EQ(csv.ListingText().find(sj("氏名")), std::string::npos);
}

}  // namespace
}  // namespace rekkan::test
