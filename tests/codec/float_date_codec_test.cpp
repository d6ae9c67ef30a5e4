// Float, Double, Currency and Date8: the general number format, NaN, conversion failures and
// the readers of typed text.

#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include "codec_test_util.h"

namespace rekkan {
namespace {

using test::DecodeAs;
using test::EncodeAs;

template <typename T>
std::string Raw(T v) {
    std::string s(sizeof v, '\0');
    std::memcpy(s.data(), &v, sizeof v);
    return s;
}

TEST(FloatingDecode, GivesText) {
    struct Case {
        int type;
        std::string bytes;
        const char* text;
        bool error;
    };
    const Case cases[] = {
        {kFloat, Raw(1.5f), "1.5", false},
        {kFloat, Raw(3.14159265f), "3.141593", false},
        {kFloat, Raw(1234567.0f), "1234567", false},
        {kFloat, Raw(12345678.0f), "1.234568E+0007", false},
        {kFloat, Raw(0.00001f), "0.00001", false},
        {kFloat, Raw(0.000001f), "1E-0006", false},
        {kFloat, Raw(-2.25f), "-2.25", false},
        {kFloat, Raw(0.0f), "0", false},
        {kFloat, Raw(1.5e20f), "1.5E+0020", false},
        {kFloat, Raw(std::numeric_limits<float>::quiet_NaN()), "", true},
        {kFloat, Raw(std::numeric_limits<float>::infinity()), "INF", false},
        {kDouble, Raw(0.1), "0.1", false},
        {kDouble, Raw(1.0 / 3.0), "0.333333333333333", false},
        {kDouble, Raw(1e100), "1E+0100", false},
        {kDouble, Raw(std::nan("")), "", true},
        {kCurrency, Raw<std::int64_t>(12345678), "1234.5678", false},
        {kCurrency, Raw<std::int64_t>(10000), "1", false},
        {kCurrency, Raw<std::int64_t>(-15000), "-1.5", false},
        {kCurrency, Raw<std::int64_t>(1), "0.0001", false},
        {kCurrency, Raw<std::int64_t>(INT64_MIN), "-922337203685477.5808", false},
        {kDate8, Raw(0.0), "1899/12/30", false},
        {kDate8, Raw(45000.75), "2023/03/15", false},
        {kDate8, Raw(-1.25), "1899/12/29", false},
        {kDate8, Raw(-693593.0), "0001/01/01", false},
        {kDate8, Raw(3e6), "", true},
        {kDate8, Raw(std::nan("")), "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << BytesToHex(c.bytes));
        const auto d = DecodeAs(c.type, c.bytes);
        EXPECT_EQ(d.text, c.text);
        EXPECT_EQ(!d.valid, c.error);
    }
}

TEST(FloatingEncode, ReadsTypedText) {
    EXPECT_EQ(EncodeAs(kFloat, 4, " 1.5 "), Raw(1.5f));
    EXPECT_EQ(EncodeAs(kFloat, 4, "- 2 .25"), Raw(-2.25f));  // blanks removed first
    EXPECT_EQ(EncodeAs(kFloat, 4, "1e3"), Raw(1000.0f));
    EXPECT_EQ(EncodeAs(kFloat, 4, "+7"), Raw(7.0f));
    EXPECT_EQ(EncodeAs(kFloat, 4, "abc"), Raw(0.0f));
    EXPECT_EQ(EncodeAs(kFloat, 4, "nan"), Raw(0.0f));
    EXPECT_EQ(EncodeAs(kFloat, 4, ""), Raw(0.0f));
    EXPECT_EQ(EncodeAs(kFloat, 4, "1e40"), Raw(0.0f));  // beyond a single
    EXPECT_EQ(EncodeAs(kDouble, 8, "0.1"), Raw(0.1));
    EXPECT_EQ(EncodeAs(kDouble, 8, "1.2.3"), Raw(0.0));
}

TEST(CurrencyEncode, ReadsExactlyAndRounds) {
    EXPECT_EQ(EncodeAs(kCurrency, 8, "1234.5678"), Raw<std::int64_t>(12345678));
    EXPECT_EQ(EncodeAs(kCurrency, 8, "0.00005"), Raw<std::int64_t>(1));
    EXPECT_EQ(EncodeAs(kCurrency, 8, "-0.00005"), Raw<std::int64_t>(-1));
    EXPECT_EQ(EncodeAs(kCurrency, 8, "0.00004"), Raw<std::int64_t>(0));
    EXPECT_EQ(EncodeAs(kCurrency, 8, "1.5e2"), Raw<std::int64_t>(1500000));
    EXPECT_EQ(EncodeAs(kCurrency, 8, "922337203685477.5807"), Raw<std::int64_t>(INT64_MAX));
    EXPECT_EQ(EncodeAs(kCurrency, 8, "922337203685477.5808"), Raw<std::int64_t>(0));
    EXPECT_EQ(EncodeAs(kCurrency, 8, "x"), Raw<std::int64_t>(0));
}

TEST(CurrencyEncode, DecodedTextRoundTrips) {
    for (std::int64_t v :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{-9999}, std::int64_t{123456789012345}, INT64_MAX, INT64_MIN}) {
        const std::string bytes = Raw(v);
        EXPECT_EQ(EncodeAs(kCurrency, 8, DecodeAs(kCurrency, bytes).text), bytes) << v;
    }
}

TEST(FloatingEncode, DecodedTextRoundTripsWithinPrecision) {
    for (double v : {1.0, -0.5, 123.456, 1e-7, 6.02214076e23, 0.1 + 0.2}) {
        const std::string text = DecodeAs(kDouble, Raw(v)).text;
        double back = 0;
        std::memcpy(&back, EncodeAs(kDouble, 8, text).data(), 8);
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << text;
    }
}

TEST(Date8Encode, ReadsDateAndOptionalTime) {
    EXPECT_EQ(EncodeAs(kDate8, 8, "1899/12/30"), Raw(0.0));
    EXPECT_EQ(EncodeAs(kDate8, 8, "2023/03/15"), Raw(45000.0));
    EXPECT_EQ(EncodeAs(kDate8, 8, "2023/03/15 18:00"), Raw(45000.75));
    EXPECT_EQ(EncodeAs(kDate8, 8, "2023/3/5"), Raw(44990.0));
    EXPECT_EQ(EncodeAs(kDate8, 8, "2023/02/29"), Raw(0.0));  // no such day
    EXPECT_EQ(EncodeAs(kDate8, 8, "yesterday"), Raw(0.0));
    EXPECT_EQ(DecodeAs(kDate8, EncodeAs(kDate8, 8, "2024/02/29")).text, "2024/02/29");
}

}  // namespace
}  // namespace rekkan
