#include "records/editor/record_output_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "records/control_statements.h"
#include "records/record_csv.h"
#include "session_fixture.h"

namespace rekkan::test {
namespace {

struct RecordOutputs : SessionFixture {
    RecordOutputCommands commands{session, messages, dialogs, dir.File("prog")};
    std::string data = ThreeRecords();
};

TEST_F(RecordOutputs, WithoutALayoutEveryCommandSaysSoAndAsksNothing) {
    for (auto kind : {RecordOutputKind::List, RecordOutputKind::Csv, RecordOutputKind::Tofgen})
        EXPECT_EQ(commands.Write(kind), OutputRun::Refused);
    EXPECT_FALSE(commands.MayPrint());
    EXPECT_FALSE(commands.ControlStatementsAvailable());
    ASSERT_EQ(messages.Log().size(), 4u);
    EXPECT_EQ(Said(0), "現在、レイアウトは何も表示されていないので出力できません。");
    EXPECT_EQ(Said(3), "現在、レイアウトは何も表示されていないので印刷できません。");
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(RecordOutputs, ProposesAFileAndWritesNothingUnlessTheQuestionIsAnsweredYesAndTheWriteWorks) {
    ShowWith(data);
    EXPECT_EQ(commands.Write(RecordOutputKind::List), OutputRun::Abandoned);  // dialog cancelled
    EXPECT_EQ(dialogs.asked.at(0),
              (FileDialogSpec{sj("指定のファイル名でテキスト形式で出力します。"),
                              "(*.lst)|*.lst|(*.txt)|*.txt|(*.*)|*.*", ".lst", dir.File("orders.lst")}));
    const std::string target = dir.File("out.csv");
    dialogs.answers = {target};
    messages.Script(Answer::No);
    EXPECT_EQ(commands.Write(RecordOutputKind::Csv), OutputRun::Abandoned);
    EXPECT_EQ(Said(0), "編集中のレコード内容をＣＳＶ形式で\r\n\r\n下記のファイルに出力します。\r\n\r\n     PATH = " +
                           Cp932ToUtf8(target));
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(target)));

    dialogs.answers = {dir.File("missing/rec.lst")};  // a failed write names the path and the reason
    EXPECT_EQ(commands.Write(RecordOutputKind::List), OutputRun::Failed);
    EXPECT_NE(Said(2).find("PATH = " + Cp932ToUtf8(dir.File("missing/rec.lst"))), std::string::npos) << Said(2);
    EXPECT_NE(Said(2).find(std::generic_category().message(ENOENT)), std::string::npos) << Said(2);
    EXPECT_TRUE(commands.WrittenPath().empty());

    ASSERT_TRUE(session.ClearEditFileCommand());  // without an edit file: a file in the program folder
    (void)commands.Write(RecordOutputKind::Tofgen);
    EXPECT_EQ(dialogs.asked.back().initialPath, dir.File("prog/Rekkan.csv"));
}

TEST_F(RecordOutputs, ListTextIsWhatTheCommandLineShowsForTheSameRecord) {
    ShowWith(data);
    ASSERT_TRUE(session.Next());
    const std::string target = dir.File("record.lst"), cli = dir.File("cli.lst");
    WriteBytes(ToFsPath(target), std::string(5000, 'x'));  // an older, longer file is replaced whole
    dialogs.answers = {target};
    ASSERT_EQ(commands.Write(RecordOutputKind::List), OutputRun::Written);
    EXPECT_EQ(commands.WrittenPath(), target);
    const std::string command = std::string(REKKAN_CLI_PROGRAM) + " show --hex-binary '" + layout + "' '" + data +
                                "' 2 -o '" + cli + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(Bytes(target), Bytes(cli));
}

TEST_F(RecordOutputs, CsvAndControlStatementsAreTheRecordAsShownIncludingUnwrittenEdits) {
    ShowWith(data);
    ASSERT_TRUE(session.CommitCell(kName, EnteredText{"ZED", true}));  // edited, not updated
    const std::pair<RecordOutputKind, std::string> cases[] = {
        {RecordOutputKind::Tofgen, TofgenStatementsText(TofgenFieldsOf(session.View()))},
        {RecordOutputKind::Csv, RecordCsvText(session.View())}};
    for (const auto& [kind, expected] : cases) {
        dialogs.answers = {dir.File("o.csv")};
        ASSERT_EQ(commands.Write(kind), OutputRun::Written);
        EXPECT_EQ(Bytes(dir.File("o.csv")), expected);
    }
    EXPECT_NE(Bytes(dir.File("o.csv")).find("ZED"), std::string::npos);
}

}  // namespace
}  // namespace rekkan::test
