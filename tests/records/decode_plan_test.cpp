#include "records/decode_plan.h"

#include <gtest/gtest.h>

#include "codec/field_codec.h"
#include "random_records.h"

namespace rekkan {
namespace {

using test::OptionsOf;
using test::RandomFields;
using test::RandomRecord;

// Every step of a plan shows the text and validity the field decoder gives, on random
// fields of every type and random records, under every sign form and byte order.
TEST(DecodePlan, EveryStepMatchesTheFieldDecoder) {
    std::mt19937 rng(7);
    std::string expected;
    std::string text;
    for (unsigned k = 0; k < 8; ++k) {
        const CodecOptions codec = OptionsOf(k);
        for (int layout = 0; layout < 40; ++layout) {
            const int length = 1 + static_cast<int>(rng() % 60);
            const std::vector<TRdbObj> fields = RandomFields(rng, 30, length);
            const DecodePlan plan(fields, codec, length);
            ASSERT_EQ(plan.Size(), fields.size());
            for (int r = 0; r < 40; ++r) {
                const std::string record = RandomRecord(rng, length);
                for (std::size_t i = 0; i < fields.size(); ++i) {
                    const bool valid = DecodeFieldTo(expected, record, fields[i], codec);
                    text = "<";
                    EXPECT_EQ(plan.AppendText(i, record, text), valid);
                    EXPECT_EQ(text, "<" + expected) << "type " << fields[i].type << " length " << fields[i].length;
                    EXPECT_EQ(plan.IsValid(i, record), valid) << "type " << fields[i].type;
                }
            }
        }
    }
}

// The fast kinds are chosen where the field lies in the record and shows its value; a field
// past the end or in hex display goes through the field decoder.
TEST(DecodePlan, KindsFollowTypeLengthAndPlace) {
    struct Case {
        TypeCode type;
        int position;
        int length;
        bool hex;
        PlanKind kind;
    };
    const Case cases[] = {
        {kGroup, 1, 0, false, PlanKind::Group},     {kX, 1, 4, false, PlanKind::Text},
        {kJ, 1, 4, true, PlanKind::Other},          {kSNum, 3, 8, false, PlanKind::Zoned},
        {kSNum, 4, 8, false, PlanKind::Other},      {kUComp3, 1, 5, false, PlanKind::Packed},
        {kSBinary, 1, 4, false, PlanKind::Integer}, {kSBinary, 1, 3, false, PlanKind::Other},
        {kSInt, 1, 2, false, PlanKind::Integer},    {kDouble, 1, 8, false, PlanKind::Other},
        {kUChar, 10, 1, false, PlanKind::Integer},
    };
    std::vector<TRdbObj> fields;
    for (const Case& c : cases) {
        TRdbObj f;
        f.type = c.type;
        f.position = c.position;
        f.length = c.length;
        f.hexDisplay = c.hex;
        fields.push_back(f);
    }
    const DecodePlan plan(fields, CodecOptions{}, 10);
    for (std::size_t i = 0; i < fields.size(); ++i) EXPECT_EQ(plan.Step(i).kind, cases[i].kind) << i;
}

}  // namespace
}  // namespace rekkan
