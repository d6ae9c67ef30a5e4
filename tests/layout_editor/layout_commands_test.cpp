#include "layout_editor/layout_commands.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/layout_file.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

namespace rekkan {
namespace {

TEST(LayoutCommands, SaveAsksRefusesLayNamesAndAddsTheExtension) {
    test::TempDir dir;
    LayoutDocument d;
    SetSampleLayout(d, LangPriority::Cobol);
    d.modified = true;
    Settings settings;
    ScriptedMessages msgs;
    EXPECT_FALSE(SaveLayout(d, dir.File("sample.layout"), settings, msgs));
    ASSERT_EQ(msgs.Log().size(), 1u);
    EXPECT_EQ(msgs.Texts()[0],
              sj("「*.lay」では保存できません。(16Bit版の識別子の為)\r\n\r\n     PATH = ") + dir.File("sample.layout"));

    msgs.Clear();
    msgs.Script(Answer::No);
    EXPECT_FALSE(SaveLayout(d, dir.File("cust"), settings, msgs));
    EXPECT_EQ(msgs.Texts()[0],
              sj("編集中の内容を下記のファイル名で保存します。\r\n\r\n     PATH = ") + dir.File("cust.kvl"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "cust.kvl"));
    EXPECT_TRUE(d.modified);

    msgs.Clear();
    const std::string unwritable = dir.File("missing/cust.kvl");
    EXPECT_FALSE(SaveLayout(d, unwritable, settings, msgs));
    EXPECT_EQ(
        msgs.Texts().back(),
        sj("<< エラー >>\r\rファイルに書き込めませんでした。元のファイルはそのまま残っています。\r\r     PATH = ") +
            unwritable);
    EXPECT_TRUE(d.modified && d.path != unwritable);

    ASSERT_TRUE(SaveLayout(d, dir.File("cust"), settings, msgs));
    EXPECT_EQ(std::make_tuple(d.modified, settings.Path_Rdf, DirectSavePath(d, false), DirectSavePath(d, true)),
              std::make_tuple(false, dir.File("cust.kvl"), dir.File("cust.kvl"), ""));
    EXPECT_EQ(test::ReadBytes(dir.Path() / "cust.kvl"), FormatLayoutFile(d));
}

TEST(LayoutCommands, SaveDialogProposesTheLayoutsFolderAndName) {
    LayoutDocument d;
    Settings settings;
    // The second byte of 表 (0x95 0x5C) and ソ (0x83 0x5C) is no folder separator.
    d.path = sj("/data/表.kvl");
    EXPECT_EQ(ProposeLayoutDialog(d, settings, "/prog"), (DialogProposal{"/data", sj("表.kvl")}));
    d.path = sj("/ソフト/顧客ソ.lay");
    d.legacy = true;
    EXPECT_EQ(ProposeLayoutDialog(d, settings, "/prog"), (DialogProposal{sj("/ソフト"), sj("顧客ソ.kvl")}));
    d.path.clear();
    settings.Path_Rdf = sj("/last/表.kvl");
    EXPECT_EQ(ProposeLayoutDialog(d, settings, "/prog"), (DialogProposal{"/last", "*.kvl"}));
    settings.Path_Rdf.clear();
    EXPECT_EQ(ProposeLayoutDialog(d, settings, "/prog"), (DialogProposal{"/prog", "*.kvl"}));
}

TEST(LayoutCommands, ALegacyLayoutIsSavedAsKvlBesideItAndStaysAsItWas) {
    test::TempDir dir;
    const std::string bytes = test::ReadBytes(test::DataDir() / "model" / "legacy.lay");
    test::WriteBytes(dir.Path() / "cust.lay", bytes);
    LayoutDocument d;
    ScriptedMessages msgs;
    Settings settings;
    std::string notice;
    ASSERT_TRUE(OpenLayout(d, dir.File("cust.lay"), settings, msgs, notice));
    EXPECT_EQ(std::make_tuple(d.path, d.modified), std::make_tuple(dir.File("cust.lay"), false));

    msgs.Clear();
    ASSERT_TRUE(SaveLayout(d, DirectSavePath(d, false), settings, msgs));
    EXPECT_EQ(d.path, dir.File("cust.kvl"));
    EXPECT_EQ(test::ReadBytes(dir.Path() / "cust.lay"), bytes);
    EXPECT_EQ(test::ReadBytes(dir.Path() / "cust.kvl").rfind("kvel#32.lay\r\n", 0), 0u);
}

TEST(LayoutCommands, InitialiseAsksAndSetsTheSample) {
    LayoutDocument d;
    d.items.resize(4);
    d.keyLines = {"K1"};
    d.path = "/x/y.kvl";
    ScriptedMessages msgs;
    msgs.Script(Answer::No);
    EXPECT_FALSE(InitialiseLayout(d, LangPriority::C, msgs, true));
    EXPECT_EQ(d.Count(), 4);
    EXPECT_TRUE(InitialiseLayout(d, LangPriority::C, msgs, true));
    ASSERT_EQ(d.Count(), 2);
    EXPECT_EQ(d.items[1].TYP, kString) << "the first type after Group of the priority";
    EXPECT_EQ(std::make_tuple(d.modified, d.path, d.keyLines.size()), std::make_tuple(true, "/x/y.kvl", 0u));
    EXPECT_TRUE(AskSaveBeforeOpen(d, msgs));
}

}  // namespace
}  // namespace rekkan
