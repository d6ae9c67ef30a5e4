#include "records/record_search.h"

#include <gtest/gtest.h>

#include <tuple>

#include "record_test_layouts.h"
#include "util/scripted_messages.h"

namespace rekkan {
namespace {

TEST(SearchWordSplitting, HalfWidthBlanksFirstThenFullWidth) {
    const std::string fw = sj("　");
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"abc DEF", {"abc", "DEF"}},
        {"A" + fw + "B C", {"A" + fw + "B", "C"}},
        {"A" + fw + "B", {"A", "B"}},
        {"  x   y  ", {"x", "y"}},
        {fw + fw + sj("受注") + fw, {sj("受注")}},
        {"", {}},
        {"   ", {}},
        // A full-width blank is found only as a whole character: here 0x81 0x40 would span the
        // trail byte of the first character and the "@" after it.
        {"\x88\x81@x", {"\x88\x81@x"}},
    };
    for (const auto& [text, words] : cases) EXPECT_EQ(SplitSearchWords(text), words) << text;
}

TEST(SearchMatching, AndNeedsEveryWordOrAnyWord) {
    const SearchWords words({"abc", "DEF"});
    const std::vector<std::string> both = {"xxABCxx", "", "", "", "def"};
    RecordMatch m = MatchRecord(both, words, false);
    EXPECT_EQ(std::make_tuple(m.hit, m.itemFlags),
              std::make_tuple(true, std::vector<bool>{true, false, false, false, true}));
    EXPECT_FALSE(MatchRecord({"abc"}, words, false).hit || MatchRecord({"ab", "cd"}, words, true).hit);
    EXPECT_TRUE(MatchRecord({"abc"}, words, true).hit);
    // A stray lead byte before a digit is no character of two bytes: the digit is found.
    EXPECT_TRUE(MatchRecord({"\x82"
                             "1a"},
                            SearchWords({"1A"}), true)
                    .hit);

    const SearchWords xy({"X", "Y"});
    m = MatchRecord({"q", "XY"}, xy, true);
    EXPECT_EQ(std::make_tuple(m.hit, m.itemFlags), std::make_tuple(true, std::vector<bool>{false, true}));
    EXPECT_FALSE(MatchRecord({"XY"}, SearchWords(std::vector<std::string>{}), true).hit);
}

TEST(SearchResults, NextAndPriorWalkTheFlaggedCells) {
    std::vector<SearchHit> hits(3);
    hits[0].flags = {false, true, false, true};
    hits[1].flags = {false, false, false, false};
    hits[2].flags = {true, false, false, false};
    using Cell = std::optional<HitCell>;
    // Next from before the first item of the first row selects the first flagged cell.
    EXPECT_EQ((std::vector<Cell>{NextHitCell(hits, 0, -1), NextHitCell(hits, 0, 1), NextHitCell(hits, 0, 3),
                                 NextHitCell(hits, 2, 0), NextHitCell({}, 0, -1)}),
              (std::vector<Cell>{HitCell{0, 1}, HitCell{0, 3}, HitCell{2, 0}, Cell{}, Cell{}}));
    EXPECT_EQ((std::vector<Cell>{PriorHitCell(hits, 2, 0), PriorHitCell(hits, 0, 3), PriorHitCell(hits, 0, 1),
                                 PriorHitCell({}, 0, 0)}),
              (std::vector<Cell>{HitCell{0, 3}, HitCell{0, 1}, Cell{}, Cell{}}));
    EXPECT_EQ(NoNextHitMessage() + NoPriorHitMessage(),
              sj("後方に検索文字列はありません。前方に検索文字列はありません。"));
}

struct SearchFixture : ::testing::Test {
    test::TempDir dir;
    std::vector<TRdbObj> fields;
    std::string path;

    void SetUp() override {
        LayoutDocument doc;
        doc.items = test::OrderItems();
        RecordFieldList listed = BuildFieldList(doc, HexStart::Script);
        ASSERT_EQ(listed.recordLength, test::kOrderLength);
        fields = std::move(listed.fields);
        std::string bytes = "HDR";  // a header before record 1
        for (int i = 0; i < 1200; ++i)
            bytes +=
                test::OrderRecord(i == 7 ? "apple" : (i == 620 ? "Apple" : "plum"), i % 1000, 12, 0, sj("受注"), 0);
        path = dir.File("orders.dat");
        test::WriteBytes(ToFsPath(path), bytes);
    }

    SearchRequest Request(std::vector<std::string> words, bool orMode) const {
        SearchRequest r;
        r.path = path;
        r.basePosition = 3;
        r.recordLength = test::kOrderLength;
        r.fields = &fields;
        r.words = std::move(words);
        r.orMode = orMode;
        return r;
    }
};

TEST_F(SearchFixture, FindsHitsInFileOrderAndReportsProgressEvery500Records) {
    std::vector<std::int64_t> hits;
    std::vector<std::int64_t> progressAt;
    const SearchOutcome outcome = SearchFile(
        Request({"APPLE"}, false),
        [&](const SearchProgress& p) {
            progressAt.push_back(p.index);
            EXPECT_EQ(p.recordCount, 1200);
            return true;
        },
        [&](SearchHit&& h) {
            hits.push_back(h.index);
            ASSERT_EQ(h.flags.size(), fields.size());
            EXPECT_TRUE(h.flags[1]);  // NAME
            EXPECT_FALSE(h.flags[2]);
        },
        nullptr);
    EXPECT_EQ(std::make_tuple(hits, progressAt, outcome.hits, outcome.stopped),
              std::make_tuple(std::vector<std::int64_t>{7, 620}, std::vector<std::int64_t>{0, 500, 1000}, 2, false));
    EXPECT_EQ(SearchProgressText({499, 1200, 0}), " [ 500 / 1,200 ]");
}

TEST_F(SearchFixture, AMissingFileIsSaidAndFindsNothing) {
    ScriptedMessages messages;
    SearchRequest r = Request({"apple"}, true);
    r.path = dir.File("missing.dat");
    const SearchOutcome outcome = SearchFile(
        r, {}, [](SearchHit&&) { ADD_FAILURE(); }, &messages);
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{sj(
                  "編集中のファイルのオープンに失敗しました。\r\n\r\n編集中のファイルにアクセスできませんでした。")});
}

}  // namespace
}  // namespace rekkan
