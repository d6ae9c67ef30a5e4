#include "util/csv_quote.h"

#include <gtest/gtest.h>

namespace rekkan {
namespace {

TEST(CsvQuote, DoublesAQuoteAtEveryPositionOfAValue) {
    // Values of every length up to several eight-byte words, with bytes next to '"' (0x22) in
    // value and with its high-bit twin 0xA2, which are no quotes.
    const std::string filler =
        "!#\xA2\x82\xA0"
        "abc\x21\x23\xA2\xA2xyz";
    for (std::size_t length = 1; length <= 40; ++length) {
        std::string plain;
        while (plain.size() < length) plain += filler[plain.size() % filler.size()];
        EXPECT_EQ(CsvQuote(plain), "\"" + plain + "\"") << length;
        for (std::size_t at = 0; at < length; ++at) {
            std::string value = plain;
            value[at] = '"';
            const std::string expected = "\"" + value.substr(0, at) + "\"\"" + value.substr(at + 1) + "\"";
            EXPECT_EQ(CsvQuote(value), expected) << "length " << length << ", quote at " << at;
        }
    }
    EXPECT_EQ(CsvQuote("a\"\"b"), "\"a\"\"\"\"b\"");
    EXPECT_EQ(CsvQuote(""), "\"\"");
    std::string line = "x,";
    AppendCsvQuoted(line, "1\"");
    EXPECT_EQ(line, "x,\"1\"\"\"");
}

}  // namespace
}  // namespace rekkan
