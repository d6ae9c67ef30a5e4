// The record editor session on a 10 GiB data file (sparse, so it takes no disk space): open the
// file, show record 1, jump to the last record, go to a Rec.No in the middle. Each must stay far
// below 100 ms whatever the file size, and the memory flat (the file is never read whole); the
// "max_rss_MiB" counter shows the process's peak resident memory after the runs.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "model/layout_file.h"
#include "model/row_builder.h"
#include "records/editor/record_editor_session.h"
#include "util/file_util.h"
#include "util/scripted_messages.h"

namespace rekkan {
namespace {

constexpr std::int64_t kFileBytes = 10LL * 1024 * 1024 * 1024;

struct NoDialogs : EditorDialogs {
    std::optional<EnteredText> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
    std::vector<EnteredText> OpenFiles(const FileDialogSpec&) override { return {}; }
    std::optional<EnteredText> SaveFile(const FileDialogSpec&) override { return std::nullopt; }
};

/// A layout of 100 bytes and a sparse data file of 10 GiB in a folder of its own.
struct BigFile {
    std::filesystem::path folder;
    std::string layout;
    std::string wideLayout;  ///< 100,000 fields: a group and its four fields repeated 20,000 times
    std::string data;

    BigFile() {
        folder = std::filesystem::temp_directory_path() / ("rekkan_session_bench_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        LayoutDocument doc;
        doc.RdfCmt = "Bench";
        doc.items = MakeRows({{.name = "REC", .type = kGroup},
                              {.level = 2, .name = "KEY", .bytes = 20},
                              {.level = 2, .name = "AMOUNT", .type = kSComp3, .bytes = 15},
                              {.level = 2, .name = "REST", .bytes = 72}});
        layout = FromFsPath(folder / "bench.kvl");
        std::ofstream(folder / "bench.kvl", std::ios::binary) << FormatLayoutFile(doc);
        doc.items = MakeRows({{.name = "ROW", .type = kGroup, .repeat = 20000},
                              {.level = 2, .name = "CODE", .bytes = 4},
                              {.level = 2, .name = "QTY", .type = kSNum, .bytes = 5},
                              {.level = 2, .name = "AMOUNT", .type = kSComp3, .bytes = 7},
                              {.level = 2, .name = "FLAG", .type = kUBinary, .bytes = 4}});
        wideLayout = FromFsPath(folder / "wide.kvl");
        std::ofstream(folder / "wide.kvl", std::ios::binary) << FormatLayoutFile(doc);
        data = FromFsPath(folder / "big.dat");
        std::ofstream(folder / "big.dat", std::ios::binary).put('A');
        std::filesystem::resize_file(folder / "big.dat", kFileBytes);
    }
    ~BigFile() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

BigFile& File() {
    static BigFile file;
    return file;
}

/// A session with the bench layout shown, no edit file yet.
struct Session {
    LayoutDocument doc;
    Settings settings;
    ScriptedMessages messages;
    NoDialogs dialogs;
    RecordEditorSession session{settings, doc, messages, dialogs};
    Session() { (void)session.AddLayouts({EnteredText{File().layout, true}}); }
};

double MaxRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_SessionOpenAndShowRecord1(benchmark::State& state) {
    Session s;
    for (auto _ : state) {
        if (!s.session.SetEditFile(EnteredText{File().data, true})) state.SkipWithError("open failed");
        benchmark::DoNotOptimize(s.session.CellText(1));
    }
    state.counters["records"] = static_cast<double>(s.session.ShownFile()->RecordCount());
    state.counters["max_rss_MiB"] = MaxRssMiB();
}
BENCHMARK(BM_SessionOpenAndShowRecord1)->Unit(benchmark::kMillisecond);

void BM_SessionJumpToLastRecord(benchmark::State& state) {
    Session s;
    (void)s.session.SetEditFile(EnteredText{File().data, true});
    for (auto _ : state) {
        if (!s.session.Last() || !s.session.First()) state.SkipWithError("read failed");
    }
    state.counters["max_rss_MiB"] = MaxRssMiB();
}
BENCHMARK(BM_SessionJumpToLastRecord)->Unit(benchmark::kMillisecond);

void BM_SessionGoToRecNo(benchmark::State& state) {
    Session s;
    (void)s.session.SetEditFile(EnteredText{File().data, true});
    for (auto _ : state) {
        if (!s.session.GoToRecNo("53,687,091")) state.SkipWithError("read failed");
    }
    state.counters["max_rss_MiB"] = MaxRssMiB();
}
BENCHMARK(BM_SessionGoToRecNo)->Unit(benchmark::kMillisecond);

/// Next and prior on the 10 GiB file with a layout of 100,000 fields (every field decoded).
void BM_SessionWideLayoutNextRecord(benchmark::State& state) {
    Session s;
    (void)s.session.AddLayouts({EnteredText{File().wideLayout, true}});
    (void)s.session.SetEditFile(EnteredText{File().data, true});
    for (auto _ : state) {
        if (!s.session.Next() || !s.session.Prior()) state.SkipWithError("read failed");
    }
    state.counters["fields"] = s.session.RowCount();
    state.counters["max_rss_MiB"] = MaxRssMiB();
}
BENCHMARK(BM_SessionWideLayoutNextRecord)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rekkan
