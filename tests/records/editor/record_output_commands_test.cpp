#include "records/editor/record_output_commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "records/control_statements.h"
#include "records/record_csv.h"
#include "session_fixture.h"

namespace rekkan::test {
namespace {

/// The list text the command line prints for Rec.No `recNo` of `data` under `layout`.
std::string CommandLineShow(const std::string& layout, const std::string& data, int recNo, const std::string& out) {
    const std::string command = std::string(REKKAN_CLI_PROGRAM) + " show --hex-binary '" + layout + "' '" + data +
                                "' " + std::to_string(recNo) + " -o '" + out + "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadBytes(std::string_view(out));
}

struct RecordOutputs : SessionFixture {
    RecordOutputCommands commands{session, messages, dialogs, dir.File("prog")};
    std::string data = ThreeRecords();
};

TEST_F(RecordOutputs, WithoutALayoutEveryCommandSaysSoAndAsksNothing) {
    for (RecordOutputKind kind : {RecordOutputKind::List, RecordOutputKind::Csv, RecordOutputKind::Tofgen}) {
        EXPECT_EQ(commands.Write(kind), OutputRun::Refused);
    }
    EXPECT_FALSE(commands.MayPrint() || commands.ControlStatementsAvailable());
    ASSERT_EQ(messages.Log().size(), 4u);
    EXPECT_EQ(std::make_tuple(Said(0), Said(3), dialogs.asked.size()),
              std::make_tuple("現在、レイアウトは何も表示されていないので出力できません。",
                              "現在、レイアウトは何も表示されていないので印刷できません。", 0u));
}

TEST_F(RecordOutputs, ProposesTheEditFileRenamedOrAFileInTheProgramFolder) {
    ShowWith(data);
    EXPECT_TRUE(commands.MayPrint() && commands.ControlStatementsAvailable());
    EXPECT_EQ(commands.Write(RecordOutputKind::List), OutputRun::Abandoned);  // dialog cancelled
    EXPECT_TRUE(messages.Log().empty());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0],
              (FileDialogSpec{sj("指定のファイル名でテキスト形式で出力します。"),
                              "(*.lst)|*.lst|(*.txt)|*.txt|(*.*)|*.*", ".lst", dir.File("orders.lst")}));

    ASSERT_TRUE(session.ClearEditFileCommand());
    (void)commands.Write(RecordOutputKind::Tofgen);
    EXPECT_EQ(std::make_tuple(dialogs.asked.back().title, dialogs.asked.back().initialPath),
              std::make_tuple(sj("指定のファイル名で Tofgen の制御文を出力します。"), dir.File("prog/Rekkan.csv")));
}

TEST_F(RecordOutputs, AnsweringNoWritesNothing) {
    ShowWith(data);
    const std::string target = dir.File("out.csv");
    dialogs.answers = {target};
    messages.Script(Answer::No);
    EXPECT_EQ(commands.Write(RecordOutputKind::Csv), OutputRun::Abandoned);
    ASSERT_EQ(messages.Log().size(), 1u);
    EXPECT_EQ(Said(0), "編集中のレコード内容をＣＳＶ形式で\r\n\r\n下記のファイルに出力します。\r\n\r\n     PATH = " +
                           Cp932ToUtf8(target));
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(target)) || !commands.WrittenPath().empty());
}

TEST_F(RecordOutputs, ListTextIsWhatTheCommandLineShowsForTheSameRecord) {
    ShowWith(data);
    ASSERT_TRUE(session.Next());
    const std::string target = dir.File("record.lst");
    WriteBytes(ToFsPath(target), std::string(5000, 'x'));  // an older, longer file is replaced whole
    dialogs.answers = {target};
    ASSERT_EQ(commands.Write(RecordOutputKind::List), OutputRun::Written);
    const std::string written = Bytes(target);
    EXPECT_EQ(std::make_tuple(commands.WrittenPath(), written),
              std::make_tuple(target, CommandLineShow(layout, data, 2, dir.File("cli.lst"))));
    EXPECT_NE(written.find("\r\n"), std::string::npos);
}

TEST_F(RecordOutputs, CsvAndControlStatementsAreTheRecordAsShownIncludingUnwrittenEdits) {
    ShowWith(data);
    ASSERT_TRUE(session.CommitCell(kName, EnteredText{"ZED", true}));  // edited, not updated
    const struct {
        RecordOutputKind kind;
        std::string expected;
    } cases[] = {{RecordOutputKind::Csv, RecordCsvText(session.View())},
                 {RecordOutputKind::Tofgen, TofgenStatementsText(TofgenFieldsOf(session.View()))}};
    for (const auto& c : cases) {
        const std::string target = dir.File("o" + std::to_string(static_cast<int>(c.kind)) + ".csv");
        dialogs.answers = {target};
        ASSERT_EQ(commands.Write(c.kind), OutputRun::Written);
        EXPECT_EQ(Bytes(target), c.expected);
    }
    EXPECT_NE(Bytes(dir.File("o1.csv")).find("\"ZED\""), std::string::npos);
    EXPECT_EQ(Bytes(data), kA + kB + kC);  // the data file is neither read for it nor changed
}

TEST_F(RecordOutputs, AFailedWriteNamesThePathAndTheReason) {
    ShowWith(data);
    const std::string target = dir.File("missing/rec.lst");
    dialogs.answers = {target};
    EXPECT_EQ(commands.Write(RecordOutputKind::List), OutputRun::Failed);
    ASSERT_EQ(messages.Log().size(), 2u);
    const std::string error = Said(1);
    EXPECT_NE(error.find("PATH = " + Cp932ToUtf8(target)), std::string::npos) << error;
    EXPECT_NE(error.find("作成"), std::string::npos) << error;
    EXPECT_NE(error.find(std::generic_category().message(ENOENT)), std::string::npos) << error;
    EXPECT_TRUE(commands.WrittenPath().empty());
}

}  // namespace
}  // namespace rekkan::test
