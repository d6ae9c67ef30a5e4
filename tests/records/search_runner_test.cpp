#include "records/browse/search_runner.h"

#include <gtest/gtest.h>

#include "record_test_layouts.h"

namespace rekkan {
namespace {

TEST(HitStoreWalk, NextAndPriorVisitTheMarkedCellsInOrder) {
    HitStore store;
    store.Add(7, {false, true, false, true});
    store.Add(9, {false, false, false, false});
    store.Add(40, {true, false, false, false});
    EXPECT_EQ(store.Size(), 3);
    EXPECT_EQ(store.Index(2), 40);
    EXPECT_TRUE(store.IsMarked(0, 3));
    EXPECT_FALSE(store.IsMarked(0, 2));
    EXPECT_FALSE(store.IsMarked(3, 0));
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
        EXPECT_EQ(c.next ? store.Next(c.hit, c.item) : store.Prior(c.hit, c.item), c.cell)
            << c.next << " " << c.hit << " " << c.item;
    }
    store.Clear();
    EXPECT_EQ(store.Size(), 0);
    EXPECT_EQ(store.Next(0, -1), Cell{});
    EXPECT_EQ(store.Prior(0, 0), Cell{});
}

TEST(HitStoreWalk, AMillionHitsStayFewBytesEach) {
    HitStore store;
    std::vector<bool> flags(200, false);
    flags[3] = flags[150] = true;
    for (int i = 0; i < 1'000'000; ++i) store.Add(i, flags);
    EXPECT_LT(store.Bytes(), 64u << 20);
    EXPECT_EQ(store.Next(999'999, 3), (std::optional<HitCell>{HitCell{999'999, 150}}));
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
    SearchRunner runner;
    int notified = 0;
    ASSERT_TRUE(runner.Start(request, [&] { ++notified; }));
    runner.Stop();  // waits; the search of 20,000 records either ended or was stopped
    EXPECT_FALSE(runner.Running());
    // A search that runs to the end: hits every 1000th record from 5, NAME (entry 1) marked.
    ASSERT_TRUE(runner.Start(request));
    runner.Wait();
    const std::optional<SearchOutcome> outcome = runner.Outcome();
    ASSERT_TRUE(outcome.has_value());
    EXPECT_FALSE(outcome->stopped);
    EXPECT_EQ(outcome->hits, 20);
    runner.WithHits([](const HitStore& hits) {
        ASSERT_EQ(hits.Size(), 20);
        EXPECT_EQ(hits.Index(19), 19'005);
        EXPECT_EQ(std::vector<std::uint32_t>(hits.Marked(0).begin(), hits.Marked(0).end()),
                  std::vector<std::uint32_t>{1});
    });
    EXPECT_EQ(runner.Progress().hits, 20);
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
    const std::optional<SearchOutcome> outcome = runner.Outcome();
    ASSERT_TRUE(outcome.has_value());
    EXPECT_TRUE(outcome->stopped);
    EXPECT_EQ(runner.Progress().index, 3000);  // asked at the 3,000 mark: record 3,000 is not read
    EXPECT_EQ(outcome->hits, 3);               // records 5, 1005, 2005

    request.path = dir.File("missing.dat");
    ASSERT_TRUE(runner.Start(request));
    runner.Stop();
    EXPECT_FALSE(runner.Outcome()->opened);
}

}  // namespace
}  // namespace rekkan
