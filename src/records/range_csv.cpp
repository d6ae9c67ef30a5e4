#include "records/range_csv.h"

#include <algorithm>
#include <atomic>
#include <memory>

#include "codec/field_codec.h"
#include "records/block_reader.h"
#include "records/control_statements.h"
#include "records/csv_lines.h"
#include "records/ordered_chunks.h"
#include "util/csv_quote.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// Input bytes of one chunk of records.
constexpr std::size_t kChunkBytes = 256u << 10;

/// One item column of a line: the field and whether a "," follows its value. A "," follows
/// every value unless it comes from the last descriptor of the field list, so a line whose
/// last descriptor is a left-out group ends with ",".
struct Column {
    const TRdbObj* field;
    bool comma;
};

std::vector<Column> ColumnsOf(const std::vector<TRdbObj>& fields, bool groups) {
    std::vector<Column> columns;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].IsGroup() && !groups) continue;
        columns.push_back(Column{&fields[i], i + 1 != fields.size()});
    }
    return columns;
}

/// What one worker formats with: its own reader and line writer.
struct CsvWorker {
    explicit CsvWorker(CsvLineWriter writer) : lines(std::move(writer)) {}
    BlockReader reader;
    CsvLineWriter lines;
};

RangeCsvOptions Effective(const RangeCsvOptions& o) {
    if (!o.tofgen) return o;
    RangeCsvOptions off;
    off.tofgen = true;
    return off;
}

}  // namespace

RangeCsvOptions RangeCsvOptions::FromSettings(const Settings& s) {
    RangeCsvOptions o;
    o.recNo = s.RecCsv_Chk_Rno;
    o.position = s.RecCsv_Chk_Pos;
    o.groups = s.RecCsv_Chk_Grp;
    o.heading = s.RecCsv_Chk_Mid;
    return o;
}

std::string RangeCsvHeading(const std::vector<TRdbObj>& fields, const RangeCsvOptions& options) {
    std::string line;
    if (options.recNo) line += "\"Rec.No\",";
    if (options.position) line += CsvQuote(sj("位置")) + ",";
    for (const Column& c : ColumnsOf(fields, options.groups)) {
        AppendCsvQuoted(line, c.field->DisplayName());
        if (c.comma) line += ',';
    }
    return line;
}

RangeCsvResult WriteRangeCsv(const RangeCsvRequest& request, const ByteSink& sink) {
    RangeCsvResult result;
    static const std::vector<TRdbObj> kNoFields;
    const std::vector<TRdbObj>& fields = request.fields ? *request.fields : kNoFields;
    const RangeCsvOptions options = Effective(request.options);

    std::string head;
    auto addLine = [&](std::string_view line) {
        head.append(line);
        head.append("\r\n");
        ++result.lines;
    };
    if (options.tofgen) {
        std::vector<TofgenField> tf;
        tf.reserve(fields.size());
        for (const TRdbObj& f : fields) tf.push_back(TofgenField{f.type, f.length, f.DisplayName()});
        std::vector<std::string> statements;
        AppendTofgenStatements(tf, statements);
        for (const auto& s : statements) addLine(s);
    }
    if (options.heading) addLine(RangeCsvHeading(fields, options));
    if (!head.empty() && !sink(head)) return result;

    bool ok = true;
    if (request.start >= 1 && request.end >= request.start && request.recordLength > 0) {
        const int workers = std::max(1, request.threads);
        const std::size_t chunkRecords =
            std::max<std::size_t>(1, kChunkBytes / static_cast<std::size_t>(request.recordLength));
        const CsvLineColumns columns{options.recNo, options.position, options.groups};
        std::vector<std::unique_ptr<CsvWorker>> state;
        std::int64_t recordCount = 0;
        for (int w = 0; w < workers && ok; ++w) {
            state.push_back(std::make_unique<CsvWorker>(
                CsvLineWriter(fields, request.codec, request.recordLength, request.basePosition, columns)));
            ok = state.back()->reader.Open(request.path, request.basePosition, request.recordLength,
                                           chunkRecords * static_cast<std::size_t>(request.recordLength));
            if (ok) recordCount = state.back()->reader.RecordCount();
        }
        if (ok) {
            const std::int64_t first = request.start - 1;
            const std::int64_t last = std::min(request.end, recordCount);  // exclusive
            const auto perChunk = static_cast<std::int64_t>(chunkRecords);
            const std::int64_t chunks = last > first ? (last - first + perChunk - 1) / perChunk : 0;
            std::atomic<bool> readFailed{false};
            std::int64_t writtenLines = 0;
            bool sinkFailed = false;
            RunOrderedChunks(
                chunks, workers,
                [&](int worker, std::int64_t chunk, OutputBuffer& out) {
                    CsvWorker& w = *state[static_cast<std::size_t>(worker)];
                    const std::int64_t from = first + chunk * perChunk;
                    const std::int64_t to = std::min(last, from + perChunk);
                    w.reader.Seek(from);
                    std::string_view record;
                    std::int64_t index = 0;
                    for (std::int64_t i = from; i < to; ++i) {
                        if (!w.reader.Next(record, index)) {
                            if (w.reader.Failed()) readFailed = true;
                            return false;
                        }
                        w.lines.Line(record, index, out);
                    }
                    return true;
                },
                [&](const OutputBuffer& out) {
                    if (out.used > 0 && !sink(out.View())) {
                        sinkFailed = true;
                        return false;
                    }
                    writtenLines += out.lines;
                    return true;
                });
            result.lines += writtenLines;
            if (sinkFailed) return result;
            if (readFailed) ok = false;
        }
    }
    result.ok = ok;
    return result;
}

void NormaliseRange(std::string_view startText, std::string_view endText, std::int64_t recordCount, std::int64_t& start,
                    std::int64_t& end) {
    const std::string startDigits = Trim(DigitsOnly(startText));
    std::string endDigits = Trim(DigitsOnly(Trim(endText).empty() ? startText : endText));
    auto value = [](const std::string& digits) {
        std::int64_t v = 0;
        // Absurdly long digit strings saturate instead of overflowing.
        if (digits.empty()) return v;
        if (digits.size() > 18 || !ParseInt64(digits, v)) return static_cast<std::int64_t>(999'999'999'999'999'999);
        return v;
    };
    start = value(startDigits);
    end = value(endDigits);
    if (start > end) std::swap(start, end);
    if (start == 0) start = 1;
    if (end == 0) end = 1;
    if (end > recordCount) end = recordCount;
}

std::string InitialEndText(std::int64_t baseRecord, std::int64_t dataRows, std::int64_t recordCount) {
    return GroupThousands(std::min(baseRecord + dataRows, recordCount));
}

std::string RangeCsvQuestion(std::string_view cp932Path, std::int64_t start, std::int64_t end) {
    return sj("レコード内容をＣＳＶ形式で\r\n\r\n下記のファイルに出力します。\r\n\r\n     PATH = ") +
           std::string(cp932Path) + "\r\n" + "\r\n" + sj("     出力 Rec.No = ") + GroupThousands(start) + sj("  ～ ") +
           GroupThousands(end);
}

std::string RangeCsvManyLinesMessage(std::string_view cp932Path, std::int64_t start, std::int64_t end) {
    return sj("★出力しました。\r\n\r\n出力行数が 1000行を超えているので出力内容の\r\n表示は行いませんが、レコード内容をＣＳＶ形式で\r\n下記のファイルに出力しました。\r\n\r\n     PATH = ") +
           std::string(cp932Path) + "\r\n" + "\r\n" + sj("     出力 Rec.No = ") + std::to_string(start) + sj("  ～ ") +
           std::to_string(end);
}

OutputNaming RangeCsvNaming() { return {".csv", "REKKAN.CSV"}; }

std::string DataFileOpenFailedMessage() {
    return sj("編集中のファイルのオープンに失敗しました。\r\n\r\n編集中のファイルにアクセスできませんでした。");
}

}  // namespace rekkan
