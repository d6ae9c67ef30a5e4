#include <tuple>

#include "editor_fixture.h"

namespace rekkan::test {
namespace {

using PrefixJoin = EditorFixture;
using PrefixCut = EditorFixture;
using ExchangeNames = EditorFixture;

std::vector<std::string> VarNames(const LayoutDocument& doc) {
    std::vector<std::string> names;
    for (const TRspec& r : doc.items) names.push_back(r.VNM);
    return names;
}

std::vector<TRspec> NamedRows(std::initializer_list<std::string> vnms) {
    std::vector<TRspec> rows;
    for (const std::string& v : vnms) rows.push_back(MakeRow({.name = "K", .var = v}));
    return rows;
}

TEST_F(PrefixJoin, JoinsExceptFillerAndNamesAlreadyPrefixed) {
    SetRows(NamedRows({"NAME", "cust-code", "filler", " ", " AMOUNT "}));
    doc.PreFix = "  CUST-  ";
    messages.Script(Answer::Yes);
    ASSERT_TRUE(model.Execute(EditorCommand::JoinPrefix));
    EXPECT_EQ(messages.Log()[0].kind, ScriptedMessages::Entry::Kind::YesNo);
    EXPECT_EQ(messages.Log()[0].text,
              sj("Prefix と変数名(Variable.Name)を結合します。  \r\n\r\nよろしいですか？\r\n\r\nPrefix = CUST-"));
    EXPECT_EQ(VarNames(doc), (std::vector<std::string>{"CUST-NAME", "cust-code", "filler", "CUST-", "CUST-AMOUNT"}));
    EXPECT_TRUE(doc.modified);
    EXPECT_TRUE(model.History().Empty()) << "no undo step";
}

TEST_F(PrefixCut, RemovesPrefixInAnyLetterCase) {
    SetRows(NamedRows({"CUST-NAME", "cust-code", "NAME", "CUST-"}));
    doc.PreFix = "CUST-";
    messages.Script(Answer::Yes);
    ASSERT_TRUE(model.CutPrefix());
    EXPECT_EQ(messages.Log()[0].text,
              sj("Prefix を変数名(Variable.Name)から削除します。\r\n\r\nよろしいですか？\r\n\r\nPrefix = CUST-"));
    EXPECT_EQ(VarNames(doc), (std::vector<std::string>{"NAME", "code", "NAME", ""}));
}

TEST_F(PrefixCut, NoChangesNothingAndEmptyPrefixStillMarksModified) {
    for (bool join : {true, false}) {
        SetRows(NamedRows({"A", "B"}));
        doc.PreFix = "X-";
        messages.Script(Answer::No);
        EXPECT_FALSE(join ? model.JoinPrefix() : model.CutPrefix());
        EXPECT_EQ(VarNames(doc), (std::vector<std::string>{"A", "B"}));
        EXPECT_FALSE(doc.modified);

        doc.PreFix = "   ";
        messages.Script(Answer::Yes);
        EXPECT_TRUE(join ? model.JoinPrefix() : model.CutPrefix());
        EXPECT_EQ(VarNames(doc), (std::vector<std::string>{"A", "B"}));
        EXPECT_TRUE(doc.modified);
    }
}

TEST_F(ExchangeNames, SwapsItemAndVariableNamesOnYes) {
    std::vector<TRspec> rows =
        MakeRows({{.name = sj("顧客"), .var = "CUST", .type = kGroup}, {.level = 2, .name = "A", .var = "a_var"}});
    SetRows(rows);
    messages.Script(Answer::No);
    EXPECT_FALSE(model.ExchangeNames());
    EXPECT_FALSE(doc.modified);
    messages.Script(Answer::Yes);
    ASSERT_TRUE(model.Execute(EditorCommand::ExchangeNames));
    EXPECT_EQ(messages.Log()[1].text, sj("項目名と変数名(Variable.Name)を入れ替えます。 \r\n\r\nよろしいですか？"));
    EXPECT_EQ(
        std::make_tuple(doc.items[0].KOM, doc.items[0].VNM, doc.items[1].KOM, doc.modified, model.History().Empty()),
        std::make_tuple("CUST", sj("顧客"), "a_var", true, true));
}

}  // namespace
}  // namespace rekkan::test
