#include "records/layout_group.h"

#include "records/file_engine.h"

#include <gtest/gtest.h>

#include <tuple>

#include "record_test_layouts.h"
#include "util/file_util.h"
#include "util/scripted_messages.h"
#include "util/text.h"

namespace rekkan {
namespace {

using test::TempDir;

struct GroupFixture : ::testing::Test {
    TempDir dir;
    LayoutDocument doc;
    Settings settings;
    ScriptedMessages messages{Answer::Yes};
    LayoutGroup group;

    std::string Layout(const std::string& name, const std::string& comment) {
        return test::WriteLayout(dir.File(name), comment, test::OrderItems());
    }
    /// Adds an entry for a new layout `name` with `comment` and no data file.
    void Add(const std::string& name, const std::string& comment) {
        group.AddLayoutEntry(Layout(name, comment), "", 0, 0, doc, settings, messages);
    }
};

// The second layout, its data file and the group have Japanese names: CP932 in the group file,
// UTF-8 on the file system.
TEST_F(GroupFixture, SaveWritesOneLinePerLayoutAndLoadGivesTheSameGroup) {
    const std::string a = Layout("a.kvl", "Order A");
    const std::string b = Layout(sj("受注 レイアウト.kvl"), sj("受注ファイル"));
    const std::string data = dir.File(sj("受注データ.dat"));
    group.AddLayoutEntry(a, "/data/orders.dat", 3000000000LL, 3, doc, settings, messages);
    group.AddLayoutEntry(b, data, 0, 0, doc, settings, messages);
    const std::string path = dir.File(sj("グループ")) + ".LGP";
    ASSERT_TRUE(group.SaveGroup(dir.File(sj("グループ")), false, settings, messages));
    const std::string expected = "Layout#Group=Layout#Group\r\nPath_Rdf=" + a +
                                 " Path_EditFile=/data/orders.dat #BrowseFixedCol=3 #GetBasePos=3000000000\r\n"
                                 "Path_Rdf=" +
                                 b + " Path_EditFile=" + data + " #BrowseFixedCol=0 #GetBasePos=0\r\n";
    EXPECT_EQ(test::ReadBytes(dir.Path() / "グループ.LGP"), expected);
    EXPECT_EQ(std::make_tuple(group.Path(), settings.Path_LayoutGroup, group.Modified()),
              std::make_tuple(path, path, false));

    LayoutGroup loaded;
    loaded.SetModified(true);
    ASSERT_TRUE(loaded.LoadGroup(path, doc, settings, messages));
    EXPECT_FALSE(loaded.Modified());
    EXPECT_EQ(loaded.Lines(), group.Lines());  // paths, base positions and fixed items
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(
        std::make_tuple(loaded.Caption(0), loaded.Entry(1).layoutPresent, loaded.Entry(1).comment, settings.Path_Rdf),
        std::make_tuple(" 1. Order A                       ", true, sj("受注ファイル"), b));
}

TEST(GroupLineParsing, FollowsTheReadingRules) {
    struct Case {
        const char* line;
        bool isEntry;
        GroupLine expected;
    };
    const Case cases[] = {
        {"Path_Rdf=/l/a.kvl Path_EditFile=/d/a.dat #BrowseFixedCol=2 #GetBasePos=10",
         true,
         {"/l/a.kvl", "/d/a.dat", 2, 10}},
        // Blanks inside both paths; the separator key in lower case.
        {"Path_Rdf= /my layouts/a b.kvl  path_editfile = /my data/x y.dat #GetBasePos=7",
         true,
         {"/my layouts/a b.kvl", "/my data/x y.dat", 0, 7}},
        // The numbers are found anywhere in the line; each value runs up to the next "#"
        // (here "4 Path_Rdf=/a.kvl", which is no number).
        {"#GetBasePos= 5 #BrowseFixedCol=4 Path_Rdf=/a.kvl", true, {"/a.kvl", "", 0, 5}},
        {"Path_Rdf=/a.kvl #GetBasePos= 5 #BrowseFixedCol=4", true, {"/a.kvl", "", 4, 5}},
        {"Path_Rdf=/a.kvl Path_EditFile=", true, {"/a.kvl", "", 0, 0}},
        {"Path_Rdf=/a.kvl", true, {"/a.kvl", "", 0, 0}},
        {"Path_Rdf=/a.kvl #GetBasePos=3000000000", true, {"/a.kvl", "", 0, 3000000000LL}},
        // Unreadable or negative numbers count as 0.
        {"Path_Rdf=/a.kvl #BrowseFixedCol=x #GetBasePos=-4", true, {"/a.kvl", "", 0, 0}},
        {"Layout#Group=Layout#Group", false, {}},
        {"path_rdf=/a.kvl", false, {}},
    };
    for (const Case& c : cases) {
        GroupLine line;
        const bool isEntry = ParseGroupLine(c.line, line);
        EXPECT_EQ(isEntry, c.isEntry) << c.line;
        if (c.isEntry) {
            EXPECT_EQ(line, c.expected) << c.line;
        }
    }
}

TEST(GroupText, IsRecognisedByTheKeyWithinTheFirst1000Bytes) {
    EXPECT_TRUE(IsLayoutGroupText("Path_Rdf=/a.kvl\r\nLayout#Group\r\n") &&
                IsLayoutGroupText(std::string(988, 'x') + "Layout#Group"));
    EXPECT_FALSE(IsLayoutGroupText(std::string(989, 'x') + "Layout#Group") || IsLayoutGroupText("kvel#32.lay\r\n"));
}

TEST_F(GroupFixture, LoadRefusesAFileWithoutTheKeyAndAcceptsOneWithIt) {
    Add("a.kvl", "A");
    const std::string other = dir.File("other.txt");
    test::WriteBytes(ToFsPath(other), "Path_Rdf=/a.kvl\r\n");
    messages.Clear();
    EXPECT_FALSE(group.LoadGroup(other, doc, settings, messages));
    ASSERT_EQ(messages.Log().size(), 1u);
    EXPECT_EQ(std::tie(messages.Log()[0].text, messages.Log()[0].caption),
              std::make_tuple(
                  sj("<< エラー >>\r\rこのファイルは Rekkan の ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ ではありません。\r\r     PATH = ") + other,
                  sj("確認")));
    EXPECT_EQ(std::make_tuple(group.Count(), group.Path(), group.PathLabel()), std::make_tuple(1, "", "Path="));

    // Without the first line, but with the key further on.
    const std::string path = dir.File("nofirst.LGP");
    test::WriteBytes(ToFsPath(path), "Path_Rdf=" + dir.File("a.kvl") +
                                         " Path_EditFile=/d.dat #BrowseFixedCol=1 #GetBasePos=2 Layout#Group\n");
    ASSERT_TRUE(group.LoadGroup(path, doc, settings, messages));
    ASSERT_EQ(group.Count(), 1);
    EXPECT_EQ(group.Entry(0).editFilePath, "/d.dat");
}

TEST_F(GroupFixture, StandInCommentsForMissingAndUnnamedLayouts) {
    settings.Path_Rdf = "before";
    group.AddLayoutEntry(dir.File("missing.kvl"), "", 0, 0, doc, settings, messages);
    EXPECT_EQ(std::tie(group.Entry(0).comment, group.Entry(0).layoutPresent, settings.Path_Rdf),
              std::make_tuple(sj("★★ レイアウトが存在しません ★★"), false, "before"));
    Add("noname.kvl", "");
    EXPECT_EQ(std::tie(group.Entry(1).comment, settings.Path_Rdf),
              std::make_tuple(sj("ファイル名なし"), dir.File("noname.kvl")));
    EXPECT_NE(group.Entry(0).serial, group.Entry(1).serial);
    EXPECT_TRUE(group.Entry(0).fileState && group.Entry(0).savedFileState);
}

TEST_F(GroupFixture, RemoveAsksAndRenumbersAndSelectsTheNextEntry) {
    for (const char* name : {"a", "b", "c"}) Add(std::string(name) + ".kvl", name);
    group.SetShown(2);
    group.SetModified(false);
    int select = -2;

    messages.Script(Answer::No);
    EXPECT_FALSE(group.RemoveLayoutEntry(1, messages, select));
    EXPECT_EQ(group.Count(), 3);
    EXPECT_EQ(
        messages.Log().back().text,
        sj("下記のレイアウトをレイアウト・グループより削除します。\r\n\r\n      2. b                             \r\n\r\nよろしいですか？"));

    EXPECT_TRUE(group.RemoveLayoutEntry(1, messages, select));
    // c, shown, moved up and selected.
    EXPECT_EQ(std::make_tuple(group.Modified(), group.Shown(), select, group.Entry(1).comment, group.Entry(1).number),
              std::make_tuple(true, 1, 1, "c", 2));
    group.SetShown(0);
    EXPECT_TRUE(group.RemoveLayoutEntry(1, messages, select));
    EXPECT_EQ(std::make_pair(select, group.Shown()), std::make_pair(0, 0));
    EXPECT_TRUE(group.RemoveLayoutEntry(0, messages, select));
    EXPECT_EQ(std::make_pair(select, group.Shown()), std::make_pair(-1, -1));
    EXPECT_FALSE(group.RemoveLayoutEntry(0, messages, select));
}

TEST_F(GroupFixture, DropMovesInFrontOfTheTargetKeepingNumbersUntilRenumbered) {
    for (const char* name : {"a", "b", "c", "d"}) Add(std::string(name) + ".kvl", name);
    group.SetModified(false);
    group.SetShown(3);
    group.MoveEntry(3, 1);  // d in front of b
    group.MoveEntry(0, 3);  // a in front of c
    std::string order;
    std::string numbers;
    for (int i = 0; i < group.Count(); ++i) {
        order += group.Entry(i).comment;
        numbers += std::to_string(group.Entry(i).number);
    }
    EXPECT_EQ(std::make_tuple(order, numbers, group.Shown(), group.Modified()),
              std::make_tuple("dbac", "4213", 0, false));
    group.Renumber();
    EXPECT_EQ(std::make_tuple(group.Caption(0).substr(0, 4), group.Lines()[0].layoutPath),
              std::make_tuple(" 1. ", dir.File("d.kvl")));
}

TEST_F(GroupFixture, WindowCommandsMarkTheGroupModified) {
    const std::string a = Layout("a.kvl", "A");
    const std::string b = Layout("b.kvl", "B");
    // The add dialog's list is taken from its last file to its first.
    EXPECT_EQ(group.AddLayouts({a, b}, doc, settings, messages), 1);
    EXPECT_EQ(std::make_tuple(group.Modified(), group.Entry(0).comment, group.Entry(1).comment),
              std::make_tuple(true, "B", "A"));

    const std::string data = dir.File("d.dat");
    test::WriteBytes(ToFsPath(data), std::string(30, 'x'));
    ASSERT_TRUE(group.Entry(0).fileState->OpenDataFile(data, 0, 10));
    TFileInf* before = group.Entry(0).fileState.get();
    group.SetModified(false);
    group.SetEditFile(0, data);
    EXPECT_EQ(std::make_tuple(group.Modified(), group.Entry(0).fileState.get() != before,
                              group.Entry(0).fileState->IsOpen(), group.Lines()[0].editFilePath),
              std::make_tuple(true, true, false, data));
    group.SetModified(false);
    group.SetBasePosition(0, 12);
    EXPECT_EQ(std::make_tuple(group.Modified(), group.Entry(0).fileState->BasePosition(),
                              group.Entry(0).savedFileState->BasePosition()),
              std::make_tuple(true, 12, 12));
    group.SetModified(false);
    group.SetBrowseFixedItem(1, 4);
    EXPECT_EQ(std::make_tuple(group.Modified(), group.Lines()[1].browseFixedItem, group.Lines()[0].basePosition),
              std::make_tuple(true, 4, 12));
}

TEST(GroupCaptions, AlignNumberAndComment) {
    EXPECT_EQ((std::vector<std::string>{EntryCaption(7, "abc"), EntryCaption(123, "abc").substr(0, 5),
                                        EntryCaption(1, std::string(35, 'x')), LayoutChildCaption("/a.kvl"),
                                        EditChildCaption("")}),
              (std::vector<std::string>{" 7. abc                           ", "123. ", " 1. " + std::string(35, 'x'),
                                        "Layout = /a.kvl", "Edit   = "}));
    EXPECT_EQ((std::vector<std::string>{WithGroupExtension("/x/grp"), WithGroupExtension("/x.d/grp.lgp"),
                                        WithGroupExtension("/x.d/grp")}),
              (std::vector<std::string>{"/x/grp.LGP", "/x.d/grp.lgp", "/x.d/grp.LGP"}));
}

TEST_F(GroupFixture, SaveAsksFirstAndReportsAFileThatCannotBeWritten) {
    Add("a.kvl", "A");
    group.SetModified(true);
    const std::string path = dir.File("g.LGP");
    messages.Script(Answer::No);
    EXPECT_FALSE(group.SaveGroup(path, true, settings, messages));
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(messages.Log().back().text,
              sj("ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟを下記のファイル名で保存します。\r\n\r\n     PATH = ") + path);
    EXPECT_TRUE(group.Modified());

    const std::string bad = dir.File("no-such-folder/g.LGP");
    EXPECT_FALSE(group.SaveGroup(bad, false, settings, messages));
    EXPECT_EQ(std::make_tuple(messages.Log().back().kind, group.Modified(), group.Path()),
              std::make_tuple(ScriptedMessages::Entry::Kind::Inform, true, ""));
}

}  // namespace
}  // namespace rekkan
