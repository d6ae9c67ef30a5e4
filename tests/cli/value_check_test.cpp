#include "cli/value_check.h"

#include <gtest/gtest.h>

#include "model/type_catalogue.h"

namespace rekkan::cli {
namespace {

// Dates and currencies as a user types them: taken when the field stores exactly that value,
// refused with the form to type when it would store another one (or 0).
TEST(ValueCheck, DatesAndCurrenciesAreTakenOnlyWhenStoredAsTyped) {
    const CodecField date{1, 8, kDate8, false};
    const CodecField currency{1, 8, kCurrency, false};
    const struct {
        const CodecField& field;
        const char* typed;
        const char* refusal;  // "" when the value is taken
    } cases[] = {
        {date, "2024/02/29", ""},
        {date, "2026/1/5", ""},
        {date, "2026/01/05 12:30", ""},
        {date, "2023/02/29", "not a date (YYYY/MM/DD"},
        {date, "20240229", "not a date (YYYY/MM/DD"},
        {date, "2026/13/01", "not a date (YYYY/MM/DD"},
        {currency, "1.2345", ""},
        {currency, "+1e3", ""},
        {currency, "-12.50", ""},
        {currency, "922337203685477.5807", ""},
        {currency, "-922337203685477.5808", ""},
        {currency, "1.23456", "does not fit in a currency (4 decimals"},
        {currency, "-0.00001", "does not fit in a currency"},
        {currency, "922337203685477.5808", "does not fit in a currency"},
        {currency, "12abc", "not a number"},
    };
    for (const auto& c : cases) {
        std::string text = c.typed;
        const std::string reason = CheckValue(text, c.field, CodecOptions{}, LongText::Refuse);
        if (*c.refusal == '\0')
            EXPECT_EQ(reason, "") << c.typed;
        else
            EXPECT_EQ(reason.rfind(c.refusal, 0), 0u) << c.typed << ": " << reason;
    }
}

}  // namespace
}  // namespace rekkan::cli
