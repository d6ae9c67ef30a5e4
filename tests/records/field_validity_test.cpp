#include "records/field_validity.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "records/record_sample.h"

namespace rekkan {
namespace {

TEST(FieldValidity, JudgesBytesByTheRulesOfTheirType) {
    const double inf = 1.0 / 0.0;
    std::string infDouble(8, '\0');
    std::memcpy(infDouble.data(), &inf, 8);
    struct Case {
        const char* what;
        std::string bytes;
        TypeCode type;
        int digits;
        bool valid;
    };
    const Case cases[] = {
        {"text", "AB \x82\xA0", kX, 0, true},
        {"text cut in a double-byte character", "AB \x82", kX, 0, false},
        {"lead byte before a non-trail byte", "\x82\x20", kJ, 0, false},
        {"unassigned byte", "A\xFF", kString, 0, false},
        {"control byte", "A\x01", kX, 0, false},
        {"bytes after the terminating zero", std::string("A\0\x82", 3), kX, 0, true},
        {"zoned", "\xF1\xF2\xC3", kSNum, 3, true},
        {"zoned with a blank", "\xF1\x40\xC3", kSNum, 3, false},
        {"packed", "\x12\x3C", kSComp3, 3, true},
        {"packed with no sign", "\x12\x34", kSComp3, 3, false},
        {"binary within its 4 digits", "\x27\x0F", kUBinary, 4, true},         // 9999
        {"binary past its 4 digits", "\x27\x10", kUBinary, 4, false},          // 10000
        {"negative binary within its digits", "\xD8\xF1", kSBinary, 4, true},  // -9999
        {"COMP-5 takes every bit", "\xFF\xFF", kUComp5, 4, true},
        {"infinite double", infDouble, kDouble, 0, false},
        {"C integer takes any bytes", "\xFF\xFF\xFF\xFF", kSInt, 0, true},
    };
    ValidityJudge judge{CodecOptions{}};
    for (const Case& c : cases) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(c.bytes.data());
        EXPECT_EQ(judge.Valid(p, static_cast<int>(c.bytes.size()), c.type, c.digits), c.valid) << c.what;
    }
    EXPECT_TRUE(AcceptsAnyBytes(kSInt, 4, 0));
    EXPECT_FALSE(AcceptsAnyBytes(kSBinary, 4, 9));
    EXPECT_TRUE(AcceptsAnyBytes(kSBinary, 3, 5));  // no decoder for 3 bytes
}

TEST(RecordSample, SpreadTakesTheFirstAndLastRecordAndEveryRecordWhenFew) {
    const std::int64_t count = 1'000'001;
    EXPECT_EQ(SpreadIndex(0, 5, count), 0);
    EXPECT_EQ(SpreadIndex(2, 5, count), 500'000);
    EXPECT_EQ(SpreadIndex(4, 5, count), 1'000'000);
    EXPECT_EQ(SpreadIndex(3, 10, 7), 3);
    EXPECT_EQ(DefaultSampleSize(999'999'999, 5'000'000), 5'000'000);
    EXPECT_EQ(DefaultSampleSize(1'000'000'000, 5'000'000), 100'000);
}

}  // namespace
}  // namespace rekkan
