// The browse table on a 10 GiB data file (sparse, so it takes no disk space): decode a screen
// of 50 rows anywhere in the file, jump from the first screen to the last, scroll by one row.
// A screen must be ready to draw in under 16 ms and the jump under 100 ms whatever the file
// size, with the memory flat (only the rows on screen are held); "max_rss_MiB" shows the peak.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/row_builder.h"
#include "records/browse/browse_row_reader.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

constexpr std::int64_t kBrowseFileBytes = 10LL * 1024 * 1024 * 1024;
constexpr int kScreenRows = 50;

/// A 107-byte layout of four fields over a sparse 10 GiB file, opened read-only.
struct BrowseFile {
    std::filesystem::path folder;
    std::vector<TRdbObj> fields;
    TFileInf file;

    BrowseFile() {
        folder = std::filesystem::temp_directory_path() / ("rekkan_browse_bench_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        LayoutDocument doc;
        doc.items = MakeRows({{.name = "REC", .type = kGroup},
                              {.level = 2, .name = "KEY", .bytes = 20},
                              {.level = 2, .name = "AMOUNT", .type = kSComp3, .bytes = 15},
                              {.level = 2, .name = "REST", .bytes = 72}});
        RecordFieldList listed = BuildFieldList(doc, HexStart::Script);
        fields = std::move(listed.fields);
        std::ofstream(folder / "big.dat", std::ios::binary).put('A');
        std::filesystem::resize_file(folder / "big.dat", kBrowseFileBytes);
        if (!file.OpenDataFile(FromFsPath(folder / "big.dat"), 0, listed.recordLength, OpenMode::ReadOnly)) {
            fields.clear();
        }
    }
    ~BrowseFile() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

BrowseFile& Big() {
    static BrowseFile file;
    return file;
}

double PeakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_BrowseScreenAnywhere(benchmark::State& state) {
    BrowseFile& big = Big();
    BrowseRowReader reader(big.file, big.fields, CodecOptions{}, 2);
    const RowReader read = reader.AsReader();
    BrowseRows rows;
    const std::int64_t screens = big.file.RecordCount() / kScreenRows;
    std::int64_t screen = 0;
    for (auto _ : state) {
        screen = (screen + 7'919'993) % screens;  // a different part of the file each time
        if (rows.Refill(screen * kScreenRows, kScreenRows, read) != kScreenRows) state.SkipWithError("moved");
        benchmark::DoNotOptimize(rows.Rows().back().cells.data());
    }
    state.counters["records"] = static_cast<double>(big.file.RecordCount());
    state.counters["max_rss_MiB"] = PeakRssMiB();
}
BENCHMARK(BM_BrowseScreenAnywhere)->Unit(benchmark::kMillisecond);

void BM_BrowseJumpFirstToLast(benchmark::State& state) {
    BrowseFile& big = Big();
    BrowseRowReader reader(big.file, big.fields, CodecOptions{}, 0);
    const RowReader read = reader.AsReader();
    BrowseRows rows;
    const std::int64_t lastScreen = big.file.RecordCount() - kScreenRows;
    (void)rows.Refill(0, kScreenRows, read);
    for (auto _ : state) {
        (void)rows.Refill(lastScreen, kScreenRows, read);
        state.PauseTiming();
        (void)rows.Refill(0, kScreenRows, read);
        state.ResumeTiming();
    }
    if (rows.Rows().front().index != 0) state.SkipWithError("not on the first screen");
    state.counters["max_rss_MiB"] = PeakRssMiB();
}
BENCHMARK(BM_BrowseJumpFirstToLast)->Unit(benchmark::kMillisecond);

void BM_BrowseScrollOneRow(benchmark::State& state) {
    BrowseFile& big = Big();
    BrowseRowReader reader(big.file, big.fields, CodecOptions{}, 0);
    const RowReader read = reader.AsReader();
    BrowseRows rows;
    std::int64_t base = big.file.RecordCount() / 2;
    (void)rows.Refill(base, kScreenRows, read);
    for (auto _ : state) {
        if (rows.Refill(++base, kScreenRows, read) != 1) state.SkipWithError("read more than one row");
    }
    state.counters["max_rss_MiB"] = PeakRssMiB();
}
BENCHMARK(BM_BrowseScrollOneRow)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rekkan
