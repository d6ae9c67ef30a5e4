#include "records/decode_plan.h"

#include <gtest/gtest.h>

#include <set>

#include "codec/field_codec.h"
#include "random_records.h"

namespace rekkan {
namespace {

using test::OptionsOf;
using test::RandomFields;
using test::RandomRecord;

// Every step of a plan shows the text and validity the field decoder gives, on random
// fields of every type and random records, under every sign form and byte order; every kind
// of step is met.
TEST(DecodePlan, EveryStepMatchesTheFieldDecoder) {
    std::mt19937 rng(7);
    std::string expected;
    std::string text;
    std::set<PlanKind> kinds;
    for (unsigned k = 0; k < 8; ++k) {
        const CodecOptions codec = OptionsOf(k);
        for (int layout = 0; layout < 40; ++layout) {
            const int length = 1 + static_cast<int>(rng() % 60);
            const std::vector<TRdbObj> fields = RandomFields(rng, 30, length);
            const DecodePlan plan(fields, codec, length);
            ASSERT_EQ(plan.Size(), fields.size());
            for (int r = 0; r < 40; ++r) {
                // Every other record is cut short: bytes past its end read as 0x00.
                const std::string whole = RandomRecord(rng, length);
                const std::string_view record =
                    std::string_view(whole).substr(0, r % 2 ? whole.size() : whole.size() / 2);
                for (std::size_t i = 0; i < fields.size(); ++i) {
                    const bool valid = DecodeFieldTo(expected, record, fields[i], codec);
                    text = "<";
                    EXPECT_EQ(plan.AppendText(i, record, text), valid);
                    EXPECT_EQ(text, "<" + expected) << "type " << fields[i].type << " length " << fields[i].length;
                    EXPECT_EQ(plan.IsValid(i, record), valid) << "type " << fields[i].type;
                    kinds.insert(plan.Step(i).kind);
                }
            }
        }
    }
    EXPECT_EQ(kinds.size(), 6u);
}

}  // namespace
}  // namespace rekkan
