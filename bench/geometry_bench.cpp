// Geometry pass over a large layout: 10,000 rows whose nested repeats expand to exactly
// 999,999 bytes (the longest record allowed).
#include <benchmark/benchmark.h>

#include "model/geometry.h"

namespace {

rekkan::LayoutDocument LargeLayout() {
    rekkan::LayoutDocument doc;
    doc.editableLineCount = 10'000;
    auto row = [](int lvl, int typ, int rpt, int byt) {
        rekkan::TRspec r;
        r.LVL = lvl;
        r.TYP = r.TYP2 = typ;
        r.RPT = rpt;
        r.BYT = byt;
        r.KOM = "ITEM";
        r.VNM = "item";
        return r;
    };
    doc.items.push_back(row(1, rekkan::kGroup, 3, 0));
    doc.items.push_back(row(2, rekkan::kGroup, 3, 0));
    // 1,133 items of 12 bytes and 8,865 of 11: 111,111 bytes a group, 9 times over.
    for (int i = 0; i < 9'998; ++i) doc.items.push_back(row(3, rekkan::kX, 1, i < 1'133 ? 12 : 11));
    return doc;
}

void BM_GeometryRecordPass(benchmark::State& state) {
    const rekkan::LayoutDocument doc = LargeLayout();
    int length = 0;
    for (auto _ : state) {
        const rekkan::Geometry geometry = rekkan::MeasureLayout(doc);
        benchmark::DoNotOptimize(geometry.rows.data());
        length = geometry.recordLength;
        if (!geometry.Ok() || length != 999'999) state.SkipWithError("unexpected record length");
    }
    state.counters["rows"] = static_cast<double>(doc.items.size());
    state.counters["record_length"] = length;
}
BENCHMARK(BM_GeometryRecordPass)->Unit(benchmark::kMillisecond);

void BM_GeometryFieldList(benchmark::State& state) {
    const rekkan::LayoutDocument doc = LargeLayout();
    std::size_t count = 0;
    for (auto _ : state) {
        const rekkan::FieldList listed = rekkan::ListFields(doc);
        benchmark::DoNotOptimize(listed.fields.data());
        count = listed.fields.size();
    }
    state.counters["fields"] = static_cast<double>(count);
}
BENCHMARK(BM_GeometryFieldList)->Unit(benchmark::kMillisecond);

}  // namespace
