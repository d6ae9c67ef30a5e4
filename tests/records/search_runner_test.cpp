#include "records/browse/search_runner.h"

#include <gtest/gtest.h>

#include <tuple>

#include "record_test_layouts.h"

namespace rekkan {
namespace {

TEST(HitStoreWalk, NextAndPriorVisitTheMarkedCellsInOrder) {
    HitStore store;
    store.Add({7, 9, 40});
    const std::vector<std::vector<bool>> marks = {
        {false, true, false, true}, {false, false, false, false}, {true, false, false, false}};
    int asked = 0;
    const HitMarksOf of = [&](std::int64_t hit) { return ++asked, marks[static_cast<std::size_t>(hit)]; };
    EXPECT_EQ(store.Size(), 3);
    EXPECT_EQ(store.Index(2), 40);
    using Cell = std::optional<HitCell>;
    struct Case {
        bool next;
        std::int64_t hit, item;
        Cell cell;
    };
    const Case cases[] = {
        {true, 0, -1, HitCell{0, 1}}, {true, 0, 1, HitCell{0, 3}}, {true, 0, 3, HitCell{2, 0}},
        {true, -5, 9, HitCell{0, 1}}, {true, 2, 0, Cell{}},        {false, 2, 0, HitCell{0, 3}},
        {false, 0, 3, HitCell{0, 1}}, {false, 0, 1, Cell{}},       {false, 9, 0, HitCell{2, 0}},
        {false, 1, 2, HitCell{0, 3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.next ? store.Next(c.hit, c.item, of) : store.Prior(c.hit, c.item, of), c.cell)
            << c.next << " " << c.hit << " " << c.item;
    }
    asked = 0;
    EXPECT_EQ(store.Next(0, 1, of), (Cell{HitCell{0, 3}}));
    EXPECT_EQ(asked, 1);  // only the hit walked through is decoded
    store.Clear();
    EXPECT_EQ(store.Next(0, -1, of), Cell{});
    EXPECT_EQ(store.Prior(0, 0, of), Cell{});
}

struct RunnerFixture : ::testing::Test {
    test::TempDir dir;
    std::vector<TRdbObj> fields;
    SearchRequest request;

    void SetUp() override {
        LayoutDocument doc;
        doc.items = test::OrderItems();
        fields = BuildFieldList(doc, HexStart::Script).fields;
        std::string bytes;
        for (int i = 0; i < 20'000; ++i) bytes += test::OrderRecord(i % 1000 == 5 ? "apple" : "plum", 1, 2, 3, "", 0);
        request.path = dir.File("orders.dat");
        test::WriteBytes(ToFsPath(request.path), bytes);
        request.recordLength = test::kOrderLength;
        request.fields = &fields;
        request.words = {"APPLE"};
    }
};

TEST_F(RunnerFixture, FindsEveryHitWithItsMarkedField) {
    SearchRunner runner;  // hits every 1000th record from 5, NAME (entry 1) marked
    ASSERT_TRUE(runner.Start(request));
    runner.Wait();
    ASSERT_TRUE(runner.Outcome().has_value());
    EXPECT_EQ(std::tuple(runner.Outcome()->stopped, runner.Outcome()->hits, runner.Progress().hits),
              std::tuple(false, 20, 20));
    TFileInf file;
    ASSERT_TRUE(file.OpenDataFile(request.path, 0, test::kOrderLength, OpenMode::ReadOnly));
    HitMarker marker(file, fields, {}, request.words, false);
    runner.WithHits([&](const HitStore& hits) {
        ASSERT_EQ(hits.Size(), 20);
        EXPECT_EQ(hits.Index(19), 19'005);
        EXPECT_EQ(hits.Next(0, -1, marker.Of(hits)), (std::optional<HitCell>{HitCell{0, 1}}));  // NAME
        EXPECT_EQ(hits.Prior(19, 1, marker.Of(hits)), (std::optional<HitCell>{HitCell{18, 1}}));
    });
    EXPECT_EQ(marker.Marks(6), std::vector<bool>(fields.size(), false));
    runner.Reset();
    runner.WithHits([](const HitStore& hits) { EXPECT_EQ(hits.Size(), 0); });
    EXPECT_FALSE(runner.Outcome().has_value());
}

TEST_F(RunnerFixture, StopsAtTheNextMarkAndKeepsTheHitsSoFar) {
    SearchRunner runner;
    ASSERT_TRUE(runner.Start(request, [&] {
        if (runner.Progress().index >= 3000) runner.RequestStop();
    }));
    runner.Wait();
    ASSERT_TRUE(runner.Outcome().has_value());
    // Asked at the 3,000 mark: record 3,000 is not read; the hits are records 5, 1005 and 2005.
    EXPECT_EQ(std::tuple(runner.Outcome()->stopped, runner.Progress().index, runner.Outcome()->hits),
              std::tuple(true, 3000, 3));

    request.path = dir.File("missing.dat");
    ASSERT_TRUE(runner.Start(request));
    runner.Stop();
    EXPECT_FALSE(runner.Outcome()->opened);
}

}  // namespace
}  // namespace rekkan
