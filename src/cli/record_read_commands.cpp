#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/command_groups.h"
#include "cli/record_setup.h"
#include "records/file_engine.h"
#include "records/list_text.h"
#include "records/range_csv.h"
#include "records/record_count.h"
#include "records/record_fields.h"
#include "records/record_search.h"
#include "records/record_view.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/text.h"

// The commands that read records: csv, search, show.

namespace rekkan::cli {
namespace {

/// Records of the data file (a partial last record counts as one) after `CheckDataFile`; false
/// after a message when it cannot be opened for reading. Cheaper than a reader: nothing is
/// allocated or read.
bool CountRecords(const Context& ctx, const std::string& path, const RecordSetup& s, std::int64_t& count) {
    const int fd = ::open(ToFsPath(path).c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    const bool ok = fd >= 0 && ::fstat(fd, &st) == 0;
    if (fd >= 0) ::close(fd);
    if (!ok) {
        ctx.Error(DataFileOpenFailedMessage() + "\r\n     PATH = " + path);
        return false;
    }
    if (!CheckDataFile(ctx, s, path, static_cast<std::int64_t>(st.st_size))) return false;
    count = RecordCountOf(static_cast<std::int64_t>(st.st_size), s.basePosition, s.recordLength);
    return true;
}

/// One end of a --from/--to range: a Rec.No of the file; false after a message.
bool RangeEnd(const Context& ctx, const char* name, std::int64_t fallback, std::int64_t count, std::int64_t& recNo) {
    recNo = fallback;
    if (!ctx.Has(name)) return true;
    const std::string text = ctx.Value(name);
    if (!ParseInt64(Trim(text), recNo) || recNo < 1) {
        ctx.Error(std::string(name) + " must be a Rec.No of 1 or more: " + text);
        return false;
    }
    if (recNo > count) {
        ctx.Error(std::string(name) + " " + text + " lies beyond the last record (Rec.No " + std::to_string(count) +
                  ")");
        return false;
    }
    return true;
}

/// The --from/--to range of csv, checked: [from, to] within the records; false after a message.
bool CheckedRange(const Context& ctx, std::int64_t count, std::int64_t& from, std::int64_t& to) {
    if (!RangeEnd(ctx, "--from", 1, count, from) || !RangeEnd(ctx, "--to", count, count, to)) return false;
    if (from > to && count > 0) {
        ctx.Error("--from " + std::to_string(from) + " --to " + std::to_string(to) +
                  ": the range ends before it starts");
        return false;
    }
    return true;
}

/// --threads N (default: the number of cores); false after a message when it is no count.
bool ThreadCount(const Context& ctx, int& threads) {
    const unsigned cores = std::thread::hardware_concurrency();
    long long n = cores > 0 ? cores : 1;
    if (!ctx.IntValue("--threads", n)) return false;
    if (n < 1 || n > 256) {
        ctx.Error("--threads must be a count of 1 to 256: " + ctx.Value("--threads"));
        return false;
    }
    threads = static_cast<int>(n);
    return true;
}

int RunCsv(Context& ctx) {
    if (ctx.args.size() != 2) {
        ctx.Error(
            "usage: rekkan-cli csv LAYOUT DATA [--from A] [--to B] [--rec-no] [--pos] [--groups] [--heading] [--tofgen] "
            "[--threads N]");
        return kExitFailure;
    }
    RecordSetup s;
    if (!PrepareRecordSetup(ctx, ctx.args[0], s)) return kExitFailure;
    const std::string& path = ctx.args[1];
    std::int64_t count = 0;
    std::int64_t from = 1;
    std::int64_t to = 0;
    if (!CountRecords(ctx, path, s, count) || !CheckedRange(ctx, count, from, to)) return kExitFailure;

    RangeCsvRequest request;
    request.path = path;
    request.basePosition = s.basePosition;
    request.recordLength = s.recordLength;
    request.fields = &s.fields;
    request.codec = s.codec;
    request.options.recNo = ctx.Has("--rec-no");
    request.options.position = ctx.Has("--pos");
    request.options.groups = ctx.Has("--groups");
    request.options.heading = ctx.Has("--heading");
    request.options.tofgen = ctx.Has("--tofgen");
    if (!ThreadCount(ctx, request.threads)) return kExitFailure;
    NormaliseRange(std::to_string(from), std::to_string(to), count, request.start, request.end);

    const std::unique_ptr<ByteOutput> output = ctx.Output();
    if (!output->Begin()) return ctx.OutputFailed(), kExitFailure;
    bool writeFailed = false;
    const RangeCsvResult result = WriteRangeCsv(request, [&](std::string_view bytes) {
        writeFailed = !output->Write(bytes);
        return !writeFailed;
    });
    if (writeFailed) return ctx.OutputFailed(), kExitFailure;
    if (!result.ok) {
        ctx.Error(DataFileOpenFailedMessage() + "\r\n     PATH = " + path);
        return kExitFailure;
    }
    return output->Finish() || ctx.OutputFailed() ? kExitOk : kExitFailure;
}

int RunSearch(Context& ctx) {
    if (ctx.args.size() < 2) {
        ctx.Error("usage: rekkan-cli search LAYOUT DATA [--or] WORD...");
        return kExitFailure;
    }
    RecordSetup s;
    if (!PrepareRecordSetup(ctx, ctx.args[0], s)) return kExitFailure;
    SearchRequest request;
    request.path = ctx.args[1];
    request.basePosition = s.basePosition;
    request.recordLength = s.recordLength;
    request.fields = &s.fields;
    request.codec = s.codec;
    request.orMode = ctx.Has("--or");
    request.wantTexts = false;
    for (std::size_t i = 2; i < ctx.args.size(); ++i)
        if (!ctx.args[i].empty()) request.words.push_back(ctx.args[i]);

    if (request.words.empty()) {
        ctx.Error("search: no WORD given");
        return kExitFailure;
    }
    std::int64_t count = 0;
    if (!CountRecords(ctx, request.path, s, count)) return kExitFailure;

    const std::unique_ptr<ByteOutput> output = ctx.Output();
    if (!output->Begin()) return ctx.OutputFailed(), kExitFailure;
    std::string pending;
    bool writeFailed = false;
    const SearchOutcome outcome = SearchFile(
        request, {},
        [&](SearchHit&& hit) {
            pending += std::to_string(hit.index + 1);
            pending += '\n';
            if (pending.size() >= 64 * 1024) {
                writeFailed = writeFailed || !output->Write(pending);
                pending.clear();
            }
        },
        nullptr);
    writeFailed = writeFailed || !output->Write(pending);
    if (!outcome.opened || outcome.readFailed) {
        ctx.Error(DataFileOpenFailedMessage() + "\r\n     PATH = " + request.path);
        return kExitFailure;
    }
    return !writeFailed && output->Finish() ? kExitOk : (ctx.OutputFailed(), kExitFailure);
}

int RunShow(Context& ctx) {
    RecordSetup s;
    std::int64_t recNo = 0;
    if (!PrepareRecordCommand(ctx, ctx.args.size() == 3, "show LAYOUT DATA REC", s, recNo)) return kExitFailure;
    const std::string& path = ctx.args[1];
    TFileInf file(ctx.messages);
    file.SetCodecOptions(s.codec);
    if (!file.OpenDataFile(path, s.basePosition, s.recordLength, OpenMode::ReadOnly)) {
        if (!FileExists(path)) ctx.Error(sj("編集ファイルが存在しません。") + "  PATH = " + path);
        return kExitFailure;
    }
    if (!CheckDataFile(ctx, s, path, file.FileSize())) return kExitFailure;
    if (!file.ReadRecord(recNo - 1, Refresh::None)) {
        ctx.Error(NoRecordMessage(recNo));
        return kExitFailure;
    }
    file.ComputeGeometry();
    RecordTexts texts;
    DecodeRecord(file.RecordBuffer(), s.fields, s.codec, texts);
    const RecordView view = BuildRecordView(s.doc.RdfCmt, path, file, s.fields, texts);
    return ctx.Emit(RecordListText(view)) ? kExitOk : kExitFailure;
}

}  // namespace

std::vector<Command> RecordReadCommands() {
    return {
        {"csv",
         "LAYOUT DATA [--from A] [--to B] [--rec-no] [--pos] [--groups] [--heading] [--tofgen] [--threads N] [-o FILE]",
         WithCodecOptions({{"--from", true, "first Rec.No (default 1)", "N"},
                           {"--to", true, "last Rec.No (default the last record)", "N"},
                           {"--rec-no", false, "Rec.No column"},
                           {"--pos", false, "position column"},
                           {"--groups", false, "group items as columns"},
                           {"--heading", false, "heading line of item names"},
                           {"--tofgen", false, "Tofgen control statements in front (the four above off)"},
                           {"--threads", true, "workers formatting the records (default: the number of cores)", "N"},
                           kOutputOption}),
         RunCsv},
        {"search", "LAYOUT DATA [--or] WORD... [-o FILE]",
         WithCodecOptions({{"--or", false, "any word (default: every word)"}, kOutputOption}), RunSearch},
        {"show", "LAYOUT DATA REC [-o FILE]", WithCodecOptions({kOutputOption}), RunShow},
    };
}

}  // namespace rekkan::cli
