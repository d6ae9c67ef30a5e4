#include "layout_editor/listing_controller.h"
#include "tool_fixture.h"

#include <tuple>
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
    EXPECT_EQ(std::tie(settings.Csv_Chk_Seq, settings.Csv_Rbt_Csv), std::make_tuple(true, false));
    csv.FirstShow();
    csv.SetBox(ListingBox::Bko, false);
    EXPECT_EQ(std::tie(settings.Csv_Chk_Seq, settings.Csv_Chk_Bko, settings.Csv_Rbt_Csv, settings.Csv_Rbt_Text),
              std::make_tuple(false, false, true, false));
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
        EXPECT_EQ(
            std::make_tuple(Bytes(target), tools.shownFiles.back()),
            std::make_tuple(asCsv ? FormatCsvListing(source, options) : FormatTextListing(source, options), target));
    }
    ASSERT_TRUE(Model().EnterView());
    const RedefinitionListing view(Doc(), settings.Cmb_RedPlotType, settings.Cmb_RedTagLen, controller.Types());
    EXPECT_EQ(csv.ListingText(), view.Format(ListingOptions::FromSettings(settings)));
    EXPECT_NE(csv.ListingText().find("RED-CUST"), std::string::npos);  // the view's rows only
    EXPECT_EQ(csv.ListingText().find(sj("氏名")), std::string::npos);
}

}  // namespace
}  // namespace rekkan::test
