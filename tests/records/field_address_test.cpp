#include "records/field_address.h"

#include <gtest/gtest.h>

#include "record_test_layouts.h"
#include "util/text.h"

namespace rekkan {
namespace {

// Field addresses as a user types them: a field number, or a variable name in any case with
// one subscript per enclosing repeat. A hit is given as the field's shown variable name.
TEST(FieldAddress, NumbersNamesAndSubscripts) {
    LayoutDocument doc;
    doc.items = test::OrderItems();  // 1 REC, 2 NAME, 3 QTY, 4/6 AMT-G, 5/7 AMOUNT, 8 KANJI, 9 CNT
    for (const TRspec& row : MakeRows({{.level = 2, .name = "OUT", .type = kGroup, .repeat = 2},
                                       {.level = 3, .name = "IN", .type = kGroup, .repeat = 3},
                                       {.level = 4, .name = "V"},
                                       {.level = 2, .name = "NAME2", .var = "NAME"}}))
        doc.items.push_back(row);
    const std::vector<TRdbObj> fields = BuildFieldList(doc).fields;
    ASSERT_FALSE(fields.empty());

    using E = FieldAddressError;
    const std::pair<const char*, const char*> hits[] = {
        {"3", "QTY"},        {" qty ", "QTY"},    {"9", "CNT"}, {"amount(2)", "2.AMOUNT"}, {"AMOUNT( 1 )", "1.AMOUNT"},
        {"V(2,3)", "2.3.V"}, {"v(1, 2)", "1.2.V"}};
    for (const auto& [text, shown] : hits) {
        const FieldAddress a = ResolveFieldAddress(text, fields, doc);
        ASSERT_EQ(a.error, E::None) << text;
        EXPECT_EQ(Trim(fields[static_cast<std::size_t>(a.index)].DisplayVarName()), shown) << text;
    }
    const std::pair<const char*, E> misses[] = {
        {"0", E::NoSuchNumber},          {"99", E::NoSuchNumber},          {"1", E::GroupItem},
        {"AMTG(1)", E::GroupItem},       {"AMOUNT", E::NeedsSubscripts},   {"V(2)", E::NoSuchName},
        {"AMOUNT(3)", E::NoSuchName},    {"NOPE", E::NoSuchName},          {"", E::NoSuchName},
        {"AMOUNT(x)", E::BadSubscripts}, {"AMOUNT(0)", E::BadSubscripts},  {"AMOUNT()", E::BadSubscripts},
        {"AMOUNT(1", E::BadSubscripts},  {"AMOUNT(1)x", E::BadSubscripts}, {"V(1,,2)", E::BadSubscripts},
        {"NAME", E::Ambiguous}};
    for (const auto& [text, error] : misses) {
        const FieldAddress a = ResolveFieldAddress(text, fields, doc);
        EXPECT_EQ(a.error, error) << text;
        EXPECT_EQ(a.index, -1) << text;
    }
}

}  // namespace
}  // namespace rekkan
