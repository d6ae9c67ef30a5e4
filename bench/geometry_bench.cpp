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
    rekkan::LayoutDocument doc = LargeLayout();
    rekkan::Geometry geometry;
    for (auto _ : state) {
        const bool ok = geometry.Run(doc, rekkan::GeometryForm::Record);
        benchmark::DoNotOptimize(ok);
        if (!ok || doc.recordLength != 999'999) state.SkipWithError("unexpected record length");
    }
    state.counters["rows"] = static_cast<double>(doc.items.size());
    state.counters["record_length"] = doc.recordLength;
}
BENCHMARK(BM_GeometryRecordPass)->Unit(benchmark::kMillisecond);

void BM_GeometryFieldList(benchmark::State& state) {
    rekkan::LayoutDocument doc = LargeLayout();
    rekkan::Geometry geometry;
    std::vector<rekkan::FieldDescriptor> fields;
    for (auto _ : state) {
        const bool ok = rekkan::ListFields(doc, geometry, fields);
        benchmark::DoNotOptimize(ok);
    }
    state.counters["fields"] = static_cast<double>(fields.size());
}
BENCHMARK(BM_GeometryFieldList)->Unit(benchmark::kMillisecond);

}  // namespace
