// Runs the search window's search (SearchRunner) over a data file, as records_bench.sh runs
// rekkan-cli search, and prints the hits and the peak bytes of the hit store:
//   search_runner_run LAYOUT DATA [--or] WORD...
#include <cstdio>
#include <string>
#include <vector>

#include "model/layout_file.h"
#include "records/browse/search_runner.h"
#include "records/field_entry.h"
#include "util/scripted_messages.h"

int main(int argc, char** argv) {
    using namespace rekkan;
    if (argc < 4) {
        std::fprintf(stderr, "usage: search_runner_run LAYOUT DATA [--or] WORD...\n");
        return 2;
    }
    LayoutDocument doc;
    ScriptedMessages messages;
    if (!ReadLayoutFile(doc, argv[1], false, messages).ok) return 1;
    RecordFieldList listed = BuildFieldList(doc, HexStart::Script);
    SearchRequest request;
    request.path = argv[2];
    request.recordLength = listed.recordLength;
    request.fields = &listed.fields;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--or") {
            request.orMode = true;
        } else {
            request.words.push_back(arg);
        }
    }
    SearchRunner runner;
    if (!runner.Start(request)) return 1;
    runner.Wait();
    const std::optional<SearchOutcome> outcome = runner.Outcome();
    if (!outcome || !outcome->opened || outcome->readFailed) return 1;
    std::size_t bytes = 0;
    runner.WithHits([&](const HitStore& hits) { bytes = hits.Bytes(); });
    std::printf("%lld hits, hit store %zu bytes\n", static_cast<long long>(outcome->hits), bytes);
    return 0;
}
