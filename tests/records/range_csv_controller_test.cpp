#include "records/browse/range_csv_controller.h"

#include <gtest/gtest.h>

#include <tuple>

#include "record_test_layouts.h"
#include "util/scripted_messages.h"

namespace rekkan {
namespace {

struct ScriptedSaveDialog : EditorDialogs {
    std::optional<std::string> answer;
    FileDialogSpec asked;
    std::optional<EnteredText> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
    std::vector<EnteredText> OpenFiles(const FileDialogSpec&) override { return {}; }
    std::optional<EnteredText> SaveFile(const FileDialogSpec& request) override {
        return asked = request, answer ? std::optional(EnteredText{*answer, true}) : std::nullopt;
    }
};

struct RangeCsvControllerFixture : ::testing::Test {
    test::TempDir dir;
    std::vector<TRdbObj> fields;
    Settings settings;
    ScriptedMessages messages;
    ScriptedSaveDialog dialog;
    RangeCsvController::Setup setup;

    void SetUp() override {
        LayoutDocument doc;
        doc.items = test::OrderItems();
        fields = BuildFieldList(doc, HexStart::Script).fields;
        std::string bytes;
        for (int i = 0; i < 1001; ++i) bytes += test::OrderRecord("N" + std::to_string(i), i % 999, 1, 2, "", 7);
        setup.dataPath = dir.File("orders.dat");
        test::WriteBytes(ToFsPath(setup.dataPath), bytes);
        setup.recordLength = test::kOrderLength;
        setup.fields = &fields;
        setup.baseRecord = 10;
        setup.dataRows = 20;
        setup.programFolder = dir.File("");
        dialog.answer = dir.File("out.csv");
    }
    /// The bytes WriteRangeCsv gives for the range and options.
    std::string Expected(std::int64_t start, std::int64_t end, RangeCsvOptions options) const {
        RangeCsvRequest r{setup.dataPath, 0, test::kOrderLength, &fields, {}, options, start, end};
        std::string bytes;
        EXPECT_TRUE(WriteRangeCsv(r, [&](std::string_view b) { return bytes.append(b), true; }).ok);
        return bytes;
    }
    /// Execute with the two boxes and the answer to the question.
    RangeCsvRun Run(RangeCsvController& c, const char* start, const char* end, const RangeCsvProgress& progress = {}) {
        c.StartText() = start;
        c.EndText() = end;
        messages.Script(Answer::Yes);
        return c.Execute(progress);
    }
    std::string Written() const { return test::ReadBytes(ToFsPath(dir.File("out.csv"))); }
};

TEST_F(RangeCsvControllerFixture, BoxesStartFromTheBrowseTableAndStoreOnceShown) {
    RangeCsvController c(setup, settings, messages, dialog);
    c.SetBox(RangeCsvBox::Heading, false);  // before the first show: not stored
    EXPECT_TRUE(settings.RecCsv_Chk_Mid);
    c.FirstShow();
    EXPECT_EQ(std::tuple(c.StartText(), c.EndText(), c.LastCaption()),
              std::tuple("11", "30", sj("最終 Rec.No：1,001")));
    c.SetLast(true);
    EXPECT_EQ(c.EndText(), "1,001");
    c.SetLast(false);
    EXPECT_EQ(c.EndText(), "");
    c.SetBox(RangeCsvBox::Groups, false);  // all four are stored
    EXPECT_EQ(std::tuple(settings.RecCsv_Chk_Grp, settings.RecCsv_Chk_Mid), std::tuple(false, false));
    c.SetTofgen(true);
    EXPECT_FALSE(c.BoxesEnabled());
}

TEST_F(RangeCsvControllerFixture, ExecuteWritesTheRangeAndChoosesViewerOrMessage) {
    settings.RecCsv_Chk_Grp = false;
    RangeCsvController c(setup, settings, messages, dialog);
    c.FirstShow();
    EXPECT_EQ(Run(c, "1,0", "3"), RangeCsvRun::Viewer);
    EXPECT_EQ(std::tuple(c.StartText(), c.EndText()), std::tuple("3", "10"));  // swapped
    EXPECT_EQ(dialog.asked.initialPath, dir.File("orders.csv"));
    EXPECT_EQ(messages.Texts().back(), RangeCsvQuestion(dir.File("out.csv"), 3, 10));
    EXPECT_EQ(Written(), Expected(3, 10, RangeCsvOptions::FromSettings(settings)));
    EXPECT_EQ(c.OutputPath(), dir.File("out.csv"));

    // 1,001 records and the heading: 1,002 lines give the message; an end past the file is cut.
    EXPECT_EQ(Run(c, "0", "5000"), RangeCsvRun::Message);
    EXPECT_EQ(c.EndText(), "1,001");
    EXPECT_EQ(messages.Texts().back(), RangeCsvManyLinesMessage(dir.File("out.csv"), 1, 1001));
    EXPECT_EQ(Written(), Expected(1, 1001, RangeCsvOptions::FromSettings(settings)));

    // Control statements: the boxes count as off for the run and keep their settings.
    c.SetTofgen(true);
    EXPECT_EQ(Run(c, "2", ""), RangeCsvRun::Viewer);
    EXPECT_EQ(Written(), Expected(2, 2, RangeCsvOptions{.tofgen = true}));
    EXPECT_TRUE(settings.RecCsv_Chk_Rno);
}

TEST_F(RangeCsvControllerFixture, AbandonedCancelledOrFailedRunsLeaveTheTargetAsItWas) {
    test::WriteBytes(ToFsPath(dir.File("out.csv")), "old");
    RangeCsvController c(setup, settings, messages, dialog);
    c.FirstShow();
    messages.Script(Answer::No);
    EXPECT_EQ(c.Execute(), RangeCsvRun::Abandoned);
    std::int64_t seen = 0, expected = 0;
    const auto cancel = [&](std::int64_t lines, std::int64_t records) {
        return seen = lines, expected = records, false;
    };
    EXPECT_EQ(Run(c, "1", "1,001", cancel), RangeCsvRun::Cancelled);
    EXPECT_GT(seen, 0);
    EXPECT_EQ(expected, 1001);
    EXPECT_EQ(Written(), "old");

    dialog.answer = dir.File("no-such-folder/out.csv");
    EXPECT_EQ(Run(c, "1", "2"), RangeCsvRun::Failed);
    const std::string error = messages.Texts().back();
    EXPECT_NE(error.find(dir.File("no-such-folder/out.csv")), std::string::npos);
    EXPECT_NE(error.find("No such file or directory"), std::string::npos);

    dialog.answer.reset();
    EXPECT_EQ(c.Execute(), RangeCsvRun::Abandoned);
    EXPECT_EQ(Written(), "old");
}

TEST_F(RangeCsvControllerFixture, AnUnreadableFileHasNoRecords) {
    setup.dataPath = dir.File("missing.dat");
    RangeCsvController c(setup, settings, messages, dialog);
    c.FirstShow();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{DataFileOpenFailedMessage()});
    EXPECT_EQ(c.EndText(), "0");
    EXPECT_EQ(Run(c, "", "0"), RangeCsvRun::Viewer);
    EXPECT_EQ(c.EndText(), "0");
    EXPECT_EQ(Written(), RangeCsvHeading(fields, RangeCsvOptions::FromSettings(settings)) + "\r\n");
}

}  // namespace
}  // namespace rekkan
