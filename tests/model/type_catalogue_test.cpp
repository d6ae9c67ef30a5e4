#include "model/type_catalogue.h"

#include <gtest/gtest.h>

#include <utility>

#include "model/layout_document.h"
#include "model/row_builder.h"
#include "model/type_notation.h"
#include "support/test_support.h"
#include "util/encoding.h"

namespace rekkan {
namespace {

TEST(TypeCatalogue, TypeListOrdersHoldEveryCodeOnce) {
    for (LangPriority p : {LangPriority::Cobol, LangPriority::C, LangPriority::Vb}) {
        const auto list = TypeListOrder(p);
        std::vector<int> seen(kTypeCount, 0);
        int separators = 0;
        for (const auto& e : list) {
            if (e.code < 0)
                ++separators;
            else
                ++seen[e.code];
        }
        EXPECT_EQ(separators, 2);
        for (int c = 0; c < kTypeCount; ++c) EXPECT_EQ(seen[c], 1) << "code " << c;
        EXPECT_EQ(list.front().code, kGroup);
        EXPECT_EQ(list[1].code, FirstTypeAfterGroup(p));
    }
    const auto vb = TypeListOrder(LangPriority::Vb);
    EXPECT_EQ(vb[2].code, kByte);
    EXPECT_EQ(vb[3].code, kSInt);
}

TEST(TypeCatalogue, CodesOutsideTheTableAndLegacyCodes) {
    EXPECT_EQ(TypeInfoOf(99).standardLabel, "# String");
    EXPECT_EQ(TypeInfoOf(-1).standardLabel, "# String");
    // The legacy codes 1-15 and 16-30 swap places, 31-36 stay, anything else has no current code.
    const std::pair<int, int> legacy[] = {{0, kGroup}, {1, kString}, {15, kTime}, {16, kX}, {30, kSComp5},
                                          {31, kByte}, {36, kDword}, {37, -1},    {-1, -1}};
    for (const auto& [old, now] : legacy) EXPECT_EQ(LegacyTypeToCurrent(old), now) << old;
}

TEST(BytNormalisation, FollowsTheType) {
    const IntSizes sizes;  // int 2, short 2, long 4
    struct Case {
        int typ, byt, syo, wantByt, wantSyo;
    };
    for (const Case& c :
         {Case{kX, 0, 0, 1, 0}, Case{kSNum, 0, 0, 1, 0}, Case{kSNum, 0, 2, 0, 2}, Case{kSNum, -3, -1, 1, 0},
          Case{kUChar, 9, 0, 1, 0}, Case{kSInt, 9, 0, 2, 0}, Case{kSShort, 9, 0, 2, 0}, Case{kSLong, 9, 0, 4, 0},
          Case{kDouble, 1, 0, 8, 0}, Case{kWord, 4, 0, 2, 0}, Case{kDword, 2, 0, 4, 0}, Case{kGroup, 7, 0, 7, 0}}) {
        TRspec r = MakeRow({.level = 2, .name = "a", .type = c.typ, .bytes = c.byt, .decimals = c.syo});
        NormaliseByt(r, sizes);
        EXPECT_EQ(r.BYT, c.wantByt) << "type " << c.typ;
        EXPECT_EQ(r.SYO, c.wantSyo) << "type " << c.typ;
    }
    // The integer-size rule moves WORD and DWORD with short and long.
    TRspec w = MakeRow({.level = 2, .name = "w", .type = kWord, .bytes = 2});
    ApplyIntegerSizeRule(w, IntSizes::FromChoices(1, 1, 3));
    EXPECT_EQ(w.BYT, 4);
    EXPECT_EQ(IntSizes::FromChoices(1, 0, 1).intSize, 4);
    EXPECT_EQ(IntSizes::FromChoices(0, 0, 1).intSize, 2);
}

TEST(OccurrenceSizes, ByTypeAndDigits) {
    struct Case {
        int typ, byt, syo, size;
    };
    for (const Case& c :
         {Case{kX, 10, 0, 10}, Case{kJ, 3, 0, 6}, Case{kSNum, 0, 2, 2}, Case{kSComp3, 5, 2, 4}, Case{kSComp3, 4, 0, 3},
          Case{kSBinary, 4, 0, 2}, Case{kSBinary, 5, 0, 4}, Case{kSBinary, 9, 0, 4}, Case{kSBinary, 10, 0, 8},
          Case{kSBinary, 18, 0, 8}, Case{kUComp5, 0, 0, 8}, Case{kBit, 8, 0, 1}, Case{kBit, 9, 0, 2},
          Case{kSComp1, 3, 0, 4}, Case{kSComp2, 3, 0, 8}, Case{kGroup, 5, 0, 0}, Case{kX, -5, 0, 0},
          Case{kJ, 2'000'000'000, 0, 2'147'483'647}})
        EXPECT_EQ(OccurrenceSize(MakeRow({.level = 2, .name = "a", .type = c.typ, .bytes = c.byt, .decimals = c.syo})),
                  c.size)
            << "type " << c.typ << " byt " << c.byt;
}

TEST(TypeNotationFile, ReadsLabelsAndNotations) {
    TypeNotation t;
    t.Parse("#  X : " + sj("文字") +
            "  <moji>\r\n"
            "# X : ignored  <no>\r\n"
            "#  S.NUM :   <SN>\r\n"
            "# Float : #Real\r\n"
            "no colon here\r\n");
    EXPECT_EQ(t.DisplayLabel(kX), sj("文字"));
    EXPECT_EQ(t.DisplayLabel(kGroup), " Group");
    EXPECT_EQ(t.DisplayLabel(kX + 2), "  U.NUM");
    // X read from its first line; S.NUM keeps its label without one; Float, without '<', keeps both
    // standard values; every other type its standard label and notation.
    test::ExpectGolden("model/type_notation.def", Cp932ToUtf8(t.Format()));
}

}  // namespace
}  // namespace rekkan
