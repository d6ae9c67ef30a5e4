// The range CSV made through the decode plan, on worker threads, against the CSV the field
// decoder gives value by value.

#include <gtest/gtest.h>

#include "codec/field_codec.h"
#include "random_records.h"
#include "records/range_csv.h"
#include "support/test_support.h"
#include "util/csv_quote.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

std::string Csv(const RangeCsvRequest& request) {
    std::string out;
    const RangeCsvResult r = WriteRangeCsv(request, [&](std::string_view b) {
        out.append(b);
        return true;
    });
    EXPECT_TRUE(r.ok);
    return out;
}

/// The CSV of the records `first` to `last` (0-based, exclusive) of `data` value by value with
/// the field decoder; a short last record is read padded with 0x00.
std::string ExpectedLines(const std::string& data, const RangeCsvRequest& q, std::int64_t first, std::int64_t last) {
    const std::vector<TRdbObj>& fields = *q.fields;
    const RangeCsvOptions& o = q.options;
    std::string out;
    std::string text;
    for (std::int64_t i = first; i < last; ++i) {
        std::string record = data.substr(static_cast<std::size_t>(q.basePosition + i * q.recordLength),
                                         static_cast<std::size_t>(q.recordLength));
        record.resize(static_cast<std::size_t>(q.recordLength), '\0');
        if (o.recNo && !o.tofgen) out += "\"" + std::to_string(i + 1) + "\",";
        if (o.position && !o.tofgen) out += "\"" + std::to_string(i * q.recordLength + q.basePosition + 1) + "\",";
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (fields[f].IsGroup() && !(o.groups && !o.tofgen)) continue;
            text.clear();
            if (!fields[f].IsGroup()) static_cast<void>(DecodeFieldTo(text, record, fields[f], q.codec));
            AppendCsvQuoted(out, text);
            if (f + 1 != fields.size()) out += ',';
        }
        out += "\r\n";
    }
    return out;
}

// Random layouts of every type under every option, sign form and byte order, with quotes,
// 0x00, control bytes, invalid signs and a partial last record: the same bytes as value by
// value, on one, two or three threads, also over many chunks.
TEST(PlanCsv, EqualsTheFieldDecoderUnderEveryOption) {
    test::TempDir dir;
    std::mt19937 rng(11);
    for (unsigned round = 0; round < 64; ++round) {
        const int length = 1 + static_cast<int>(rng() % 50);
        const std::vector<TRdbObj> fields = test::RandomFields(rng, 1 + static_cast<int>(rng() % 25), length);
        RangeCsvRequest q;
        q.basePosition = rng() % 3;
        q.recordLength = length;
        q.fields = &fields;
        q.codec = test::OptionsOf(round);
        q.options = RangeCsvOptions{.recNo = (round & 8) != 0,
                                    .position = (round & 16) != 0,
                                    .groups = (round & 32) != 0,
                                    .heading = round % 3 == 0,
                                    .tofgen = round % 7 == 0};
        const int records = 1 + static_cast<int>(rng() % 40);
        std::string data(static_cast<std::size_t>(q.basePosition), 'H');
        for (int r = 0; r < records; ++r) data += test::RandomRecord(rng, length);
        if (round % 2 == 1 && length > 1) data.resize(data.size() - 1 - rng() % static_cast<unsigned>(length - 1));
        q.path = dir.File("data" + std::to_string(round) + ".dat");
        test::WriteBytes(ToFsPath(q.path), data);

        // The lines before the records come from an empty range.
        RangeCsvRequest none = q;
        none.end = 0;
        const std::string head = Csv(none);
        q.start = 1 + rng() % static_cast<unsigned>(records);
        q.end = q.start + rng() % static_cast<unsigned>(records);
        const std::int64_t last = std::min<std::int64_t>(q.end, records);
        const std::string expected = head + ExpectedLines(data, q, q.start - 1, last);
        for (int threads : {1, 2, 3}) {
            q.threads = threads;
            ASSERT_EQ(Csv(q), expected) << "round " << round << " threads " << threads;
        }
    }
    // A file of several chunks of records comes out whole and in order.
    const std::vector<TRdbObj> fields = test::RandomFields(rng, 6, 9);
    RangeCsvRequest q;
    q.path = dir.File("big.dat");
    q.recordLength = 9;
    q.fields = &fields;
    q.options.recNo = true;
    q.start = 2;
    q.end = (1 << 20) / q.recordLength + 17;
    std::string data;
    for (std::int64_t r = 0; r < q.end; ++r) data += test::RandomRecord(rng, q.recordLength);
    test::WriteBytes(ToFsPath(q.path), data);
    const std::string expected = ExpectedLines(data, q, 1, q.end);
    for (int threads : {1, 2, 3}) {
        q.threads = threads;
        EXPECT_TRUE(Csv(q) == expected) << "threads " << threads;
    }
}

}  // namespace
}  // namespace rekkan
