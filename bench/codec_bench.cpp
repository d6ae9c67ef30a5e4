// Decoding and encoding speed of each codec family, and of a whole record through the field
// list (the inner loop of the CSV export and the search).

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "codec/field_codec.h"
#include "model/type_catalogue.h"
#include "records/field_entry.h"
#include "records/record_fields.h"

namespace rekkan {
namespace {

struct Sample {
    int type;
    std::string bytes;
    std::string text;  // typed text for the encoder
};

std::string Raw(const void* p, std::size_t n) { return std::string(static_cast<const char*>(p), n); }

Sample SampleOf(int type) {
    const double d = 12345.678;
    const float f = 3.25f;
    const std::int64_t cur = 123456789;
    switch (type) {
    case kX: return {type, "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJ"};
    case kSNum: return {type, "\xF0\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xD8", "-12345678"};
    case kSComp3: return {type, std::string("\x00\x12\x34\x56\x7D", 5), "-1234567"};
    case kSBinary: return {type, std::string("\xFF\xFF\xFE\x00", 4), "-512"};
    case kSLong: return {type, std::string("\x00\xFE\xFF\xFF", 4), "-512"};
    case kUChar: return {type, "\xF0", "240"};
    case kBit: return {type, "\xA5\x5A", "1010010101011010"};
    case kFloat: return {type, Raw(&f, 4), "3.25"};
    case kDouble: return {type, Raw(&d, 8), "12345.678"};
    case kCurrency: return {type, Raw(&cur, 8), "12345.6789"};
    case kDate8: {
        const double day = 45000.0;
        return {type, Raw(&day, 8), "2023/03/15"};
    }
    default: return {type, "", ""};
    }
}

void BM_Decode(benchmark::State& state) {
    const Sample s = SampleOf(static_cast<int>(state.range(0)));
    CodecField field;
    field.position = 1;
    field.length = static_cast<int>(s.bytes.size());
    field.type = static_cast<TypeCode>(s.type);
    field.hexDisplay = state.range(1) != 0;
    const CodecOptions options;
    std::string out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeFieldTo(out, s.bytes, field, options));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(s.bytes.size()));
    state.SetLabel(TypeInfoOf(s.type).standardLabel + (field.hexDisplay ? " hex" : ""));
}

void BM_Encode(benchmark::State& state) {
    const Sample s = SampleOf(static_cast<int>(state.range(0)));
    CodecField field;
    field.position = 1;
    field.length = static_cast<int>(s.bytes.size());
    field.type = static_cast<TypeCode>(s.type);
    const CodecOptions options;
    std::string record = s.bytes;
    for (auto _ : state) {
        EncodeField(s.text, true, record, field, options);
        benchmark::DoNotOptimize(record.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(s.bytes.size()));
    state.SetLabel(TypeInfoOf(s.type).standardLabel);
}

void Families(benchmark::internal::Benchmark* b) {
    for (int type : {kX, kSNum, kSComp3, kSBinary, kSLong, kUChar, kBit, kFloat, kDouble, kCurrency, kDate8}) {
        b->Args({type, 0});
    }
    b->Args({kSNum, 1});
}

BENCHMARK(BM_Decode)->Apply(Families);
BENCHMARK(BM_Encode)->Apply([](benchmark::internal::Benchmark* b) {
    for (int type : {kX, kSNum, kSComp3, kSBinary, kSLong, kUChar, kBit, kFloat, kDouble, kCurrency, kDate8}) {
        b->Args({type});
    }
});

/// A 120-byte business record: names, zoned and packed amounts, big-endian binary and a
/// group that occurs three times, decoded through the field list as the outputs do.
void BM_DecodeRecord(benchmark::State& state) {
    auto field = [](int pos, int len, int type) {
        FieldDescriptor d;
        d.pos = pos;
        d.size = len;
        d.TYP = type;
        return d;
    };
    std::vector<FieldDescriptor> descriptors = {field(1, 120, kGroup),  field(1, 10, kX),      field(11, 30, kJ),
                                                field(41, 9, kSNum),    field(50, 5, kSComp3), field(55, 4, kSBinary),
                                                field(59, 2, kSBinary), field(61, 8, kX)};
    for (int i = 0; i < 3; ++i) {
        const int base = 69 + i * 17;
        descriptors.push_back(field(base, 0, kGroup));
        descriptors.push_back(field(base, 6, kUNum));
        descriptors.push_back(field(base + 6, 6, kSComp3));
        descriptors.push_back(field(base + 12, 5, kX));
    }
    const std::vector<TRdbObj> fields = MakeFieldList(descriptors, HexStart::Script);
    std::string record(120, '\0');
    const CodecOptions options;
    for (const TRdbObj& f : fields) {
        if (f.IsGroup()) continue;
        EncodeField(f.type == kX ? "TEXT12345" : "-1234567", true, record, f, options);
    }
    RecordTexts texts;
    for (auto _ : state) {
        DecodeRecord(record, fields, options, texts);
        benchmark::DoNotOptimize(texts.texts.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 120);
}
BENCHMARK(BM_DecodeRecord);

}  // namespace
}  // namespace rekkan
