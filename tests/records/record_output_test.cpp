#include "records/record_output.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/type_catalogue.h"
#include "record_test_layouts.h"
#include "records/control_statements.h"
#include "records/list_text.h"
#include "records/record_csv.h"
#include "records/record_view.h"
#include "util/encoding.h"

namespace rekkan {
namespace {

RecordGridRow Row(std::array<const char*, 8> cells, int typ, int len, const char* name) {
    RecordGridRow r;
    for (std::size_t i = 0; i < 8; ++i) r.cells[i] = sj(cells[i]);
    r.TYP = typ;
    r.byteLength = len;
    r.displayName = sj(name);
    return r;
}

RecordView SampleView() {
    RecordView v;
    v.info = {sj(" 受注 "), " /data/order.dat ", "1", "12,345", "1,235", "19", "649", "65"};
    v.rows.push_back(Row({"1", "1,234", "19", " # Group", "  REC", "", "", ""}, kGroup, 19, "REC"));
    v.rows.push_back(Row({"2", "1,235", "6", "   X", "   NAME", "", "", "  A\"B"}, kX, 6, " NAME"));
    v.rows.push_back(Row({"3", "1,241", "2", " U.Short", "   CNT", "×", "HEX", "0102"}, kUShort, 2, " CNT"));
    return v;
}

TEST(RecordListText, AlignsEveryColumnAndKeepsTheContentAsShown) {
    test::ExpectGolden("records/record_list.txt", Cp932ToUtf8(RecordListText(SampleView())));
}

TEST(RecordListText, PositionsOfHugeFilesArePrintedWhole) {
    RecordView v = SampleView();
    v.rows.push_back(Row({"4", "10,737,418,189", "2", " U.Short", "   CNT", "", "", "1"}, kUShort, 2, " CNT"));
    const std::string text = Cp932ToUtf8(RecordListText(v));
    EXPECT_NE(text.find("\r\n4.  [10,737,418,189 :          2]"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n1.  [         1,234 :         19]"), std::string::npos) << text;  // the column widens
}

TEST(RecordCsvText, QuotesEveryValueTrimsAndDropsThousandsSeparators) {
    // A double quote inside a value is doubled.
    test::ExpectGolden("records/record_list.csv", Cp932ToUtf8(RecordCsvText(SampleView())));
}

TEST(TofgenStatements, TrailingCommaOnlyWhenTheLastRowIsAGroup) {
    std::vector<TofgenField> fields = {{kGroup, 10, "REC"}, {kX, 4, " NAME,KANA"}, {kSComp3, 3, " 1.AMT"}};
    EXPECT_EQ(TofgenStatementsText(fields), "\" NAME,KANA\", 1.AMT\r\nX(4),S.PACK(3)\r\n");
    fields.push_back({kGroup, 0, " TAIL"});
    EXPECT_EQ(TofgenStatementsText(fields), "\" NAME,KANA\", 1.AMT,\r\nX(4),S.PACK(3),\r\n");
    std::vector<std::string> lines = {"first"};
    AppendTofgenStatements({}, lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"first", "", ""}));
}

TEST(TofgenStatements, OneStatementPerType) {
    const std::pair<std::vector<int>, const char*> table[] = {
        {{kX, kJ, kString, kVariant}, "X(7)"},
        {{kUNum}, "U.ZONE(7)"},
        {{kSNum}, "S.ZONE(7)"},
        {{kUComp3}, "U.PACK(7)"},
        {{kSComp3}, "S.PACK(7)"},
        {{kBit}, "BIT(7)"},
        {{kUChar, kByte}, "U.INT1"},
        {{kUShort, kWord}, "U.INT2"},
        {{kULong, kDword}, "U.INT4"},
        {{kSChar}, "S.INT1"},
        {{kSShort}, "S.INT2"},
        {{kSLong}, "S.INT4"},
        {{kFloat}, "FLOAT"},
        {{kDouble}, "DOUBLE"},
        {{kDate8}, "DATE"},
        {{kUBinary, kSBinary, kUComp, kSComp, kUComp5, kSComp5, kSComp1, kSComp2, kUInt, kSInt, kCurrency, kDate, kTime,
          kObject, kHex},
         "HEX(7)"},
    };
    for (const auto& [types, statement] : table) {
        for (int typ : types) EXPECT_EQ(TofgenStatement(typ, 7), statement) << typ;
    }
}

TEST(RecordView, GridRowsFollowTheWindowColumns) {
    LayoutDocument doc;
    doc.items = test::OrderItems();
    const std::vector<TRdbObj> fields = BuildFieldList(doc).fields;
    ASSERT_FALSE(fields.empty());
    RecordTexts texts;
    texts.texts.assign(fields.size(), "");
    texts.errors.assign(fields.size(), false);
    texts.texts[4] = "-3";
    texts.errors[2] = true;
    TypeNotation notation;
    notation.SetLabel(kSComp3, "#  PACKED");
    const TFileInf closed;
    const RecordView view = BuildRecordView(sj("受注"), "", closed, fields, texts, &notation);
    ASSERT_EQ(view.rows.size(), 9u);
    // Without an open file the position is the one in the record and no Rec.No is shown.
    EXPECT_EQ(view.rows[4].cells,
              (std::array<std::string, 8>{"5", "10", "2", "   PACKED", "   1.AMOUNT", "", "", "-3"}));
    // The window starts COBOL binary in hex.
    EXPECT_EQ(std::make_tuple(view.rows[2].cells[5], view.rows[8].cells[3], view.rows[8].cells[6]),
              std::make_tuple(sj("×"), "   U.BINARY", "HEX"));
    EXPECT_EQ(
        std::make_tuple(view.rows[4].displayName, view.rows[4].byteLength, view.info.recNo, view.info.basePosition),
        std::make_tuple("  1.AMOUNT", 2, "", "1"));
    EXPECT_EQ(TofgenStatementsText(TofgenFieldsOf(view)),
              sj(" NAME, QTY,  1.AMOUNT,  2.AMOUNT, 漢字, CNT\r\nX(6),S.ZONE(3),S.PACK(2),S.PACK(2),X(4),HEX(2)\r\n"));
}

// The dialogs and questions are checked through the record editor's output commands.
TEST(RecordOutputFrame, FileNames) {
    EXPECT_EQ(DefaultOutputPath("/d.x/orders", "/prog", RecordOutputNaming(RecordOutputKind::Csv)), "/d.x/orders.csv");
    EXPECT_EQ(DefaultOutputPath("  ", "/prog/", RecordOutputNaming(RecordOutputKind::Tofgen)), "/prog/Rekkan.csv");
    EXPECT_EQ(DefaultOutputPath("", "/prog", RecordOutputNaming(RecordOutputKind::List)), "/prog/Rekkan.lst");
}

}  // namespace
}  // namespace rekkan
