#include "model/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "model/layout_file.h"
#include "model/row_builder.h"
#include "support/test_support.h"
#include "util/scripted_messages.h"

namespace rekkan {
namespace {

LayoutDocument Doc(std::vector<TRspec> rows) {
    LayoutDocument d;
    d.items = std::move(rows);
    return d;
}

struct Pass {
    LayoutDocument doc;
    Geometry g;
    explicit Pass(std::vector<TRspec> rows) : doc(Doc(std::move(rows))), g(MeasureLayout(doc)) {}
    const GeometryRow& operator[](int i) const { return g.rows[i]; }
};

std::vector<FieldDescriptor> Fields(const LayoutDocument& doc) {
    const FieldList listed = ListFields(doc);
    EXPECT_TRUE(listed.Ok());
    return listed.fields;
}

/// Each row's position, "[GroupLen]" for a group (or a row with a group length), then the record length.
std::string Summary(const Pass& p) {
    std::string out;
    for (int i = 0; i < p.doc.Count(); ++i) {
        out += std::to_string(p[i].Pos);
        if (p.doc.items[i].TYP == kGroup || p[i].GroupLen != 0) out += "[" + std::to_string(p[i].GroupLen) + "]";
        out += " ";
    }
    return out + "=> " + std::to_string(p.g.recordLength);
}

/// Each layout of model/geometry (its memo says what it shows) with its summary.
TEST(GeometryPass, PositionsAndGroupLengths) {
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(test::DataDir() / "model" / "geometry"))
        files.push_back(e.path());
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 10u);
    std::string out;
    for (const std::filesystem::path& file : files) {
        ScriptedMessages messages;
        LayoutDocument doc;
        ASSERT_TRUE(ReadLayoutText(doc, test::ReadBytes(file), messages).ok) << file;
        const Pass p(doc.items);
        EXPECT_TRUE(p.g.Ok()) << file;
        out += file.stem().string() + ": " + Summary(p) + "\n";
    }
    test::ExpectGolden("model/geometry.golden", out);
    // Repeat counts below one count once; levels outside 1 to 15 are kept inside the stack.
    EXPECT_EQ(Summary(Pass(MakeRows({{.name = "G", .type = kGroup, .repeat = 0},
                                     {.level = 2, .name = "A", .bytes = 3, .repeat = -2},
                                     {.name = "B", .bytes = 2, .repeat = 0}}))),
              "1[3] 1 4 => 5");
    EXPECT_EQ(Summary(Pass(MakeRows({{.name = "G", .type = kGroup},
                                     {.level = 40, .name = "A", .bytes = 3, .repeat = 2},
                                     {.level = -3, .name = "B"}}))),
              "1[6] 1 7 => 7");
    const Pass nested(MakeRows({{.name = "A", .type = kGroup, .repeat = 2},
                                {.level = 2, .name = "B", .type = kGroup, .repeat = 3},
                                {.level = 3, .name = "C", .bytes = 4}}));
    EXPECT_GT(nested.g.stepsOutsideRdf, 6);
}

TEST(GeometryPass, BitRepeatsAreOneFieldAndRedefinitionMembersAreLeftOut) {
    const std::vector<FieldDescriptor> bits =
        Fields(Doc(MakeRows({{.name = "F", .type = kBit, .bytes = 3, .repeat = 5}, {.name = "G"}})));
    ASSERT_EQ(bits.size(), 2u) << "the repeats are one field";
    EXPECT_EQ(std::tie(bits[0].BYT, bits[0].size, bits[0].prefix), std::make_tuple(15, 2, std::string()));
    Pass p(MakeRows({{.name = "R", .type = kGroup},
                     {.level = 2, .name = "A", .bytes = 6},
                     {.level = 2, .name = "B", .type = kGroup, .redefines = "A"},
                     {.level = 3, .name = "B1", .bytes = 2, .repeat = 2}}));
    EXPECT_TRUE(p[3].InRdf);
    EXPECT_EQ(p[2].GroupLenAll, 4);
    const LayoutDocument doc = Doc(MakeRows({{.name = "A", .bytes = 4},
                                             {.name = "B", .type = kGroup, .redefines = "A"},
                                             {.level = 2, .name = "C", .bytes = 2},
                                             {.name = "D", .type = kSNum, .bytes = 3}}));
    const FieldList listed = ListFields(doc);
    EXPECT_EQ(listed.recordLength, 7);
    ASSERT_EQ(listed.fields.size(), 2u);
    EXPECT_EQ(std::tie(listed.fields[1].row, listed.fields[1].pos, listed.fields[1].size), std::make_tuple(3, 5, 3));
}

TEST(GeometryPass, LengthLimitIsNineHundredNinetyNineThousandBytes) {
    Pass fits(MakeRows({{.name = "G", .type = kGroup, .repeat = 999}, {.level = 2, .name = "A", .bytes = 1001}}));
    EXPECT_TRUE(fits.g.Ok());
    EXPECT_EQ(fits.g.recordLength, 999'999);
    Pass over(MakeRows({{.name = "G", .type = kGroup, .repeat = 1000}, {.level = 2, .name = "A", .bytes = 1000}}));
    EXPECT_EQ(over.g.failure, GeometryFailure::TooLong);
    EXPECT_TRUE(ListFields(over.doc).fields.empty());
    Pass single(MakeRows({{.name = "A", .bytes = 1'000'000}}));
    EXPECT_FALSE(single.g.Ok());
}

TEST(GeometryPass, ZeroSizeRepeatsStopAtTheStepBound) {
    Pass p(MakeRows({{.name = "A", .bytes = 4},
                     {.name = "B", .type = kGroup, .repeat = 2'000'000'000, .redefines = "A"},
                     {.level = 2, .name = "C", .repeat = 2'000'000'000}}));
    EXPECT_EQ(p.g.failure, GeometryFailure::TooManySteps);
    EXPECT_EQ(GeometryFailureMessage(p.g.failure), TooManyStepsMessage());
}

TEST(FieldListWalk, PrefixesAndDisplayNames) {
    const LayoutDocument doc = Doc(MakeRows({{.name = "G", .type = kGroup, .repeat = 2},
                                             {.level = 2, .name = "A", .var = "A_v", .bytes = 2, .repeat = 3}}));
    const auto f = Fields(doc);
    ASSERT_EQ(f.size(), 8u);  // G twice, A three times in each
    EXPECT_EQ(std::tie(f[0].prefix, f[0].size, f[4].prefix, f[4].pos), std::make_tuple("1.", 6, "2.", 7));
    EXPECT_EQ(std::tie(f[1].displayName, f[3].displayName, f[3].pos, f[7].displayName, f[7].displayVarName),
              std::make_tuple(" 1.1.A", " 1.3.A", 5, " 2.3.A", " 2.3.A_v"));
    for (std::size_t i = 0; i < f.size(); ++i) EXPECT_EQ(f[i].step, static_cast<int>(i));
}

}  // namespace
}  // namespace rekkan
