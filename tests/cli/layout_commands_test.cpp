#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli/command.h"
#include "support/test_support.h"
#include "util/encoding.h"

namespace rekkan::cli {
namespace {

std::string Data(const char* name) { return (test::DataDir() / "model" / name).string(); }

TEST(CliInfo, ListsEveryRowWithItsPosition) {
    const CliRun r = Cli({"info", Data("cstruct.kvl")});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Rec.Len\t41");
    EXPECT_NE(r.out.find("\n3\t3\t2\t24\t1\t4\t0\t" + sj("温度 x100") + "\ttemp_x100\t\n"), std::string::npos) << r.out;
    // Options may stand anywhere; --utf8 gives UTF-8 text.
    const CliRun utf8 = Cli({"--utf8", "info", Data("cstruct.kvl")});
    EXPECT_NE(utf8.out.find("温度 x100"), std::string::npos);
}

TEST(CliFields, NumbersEveryStepOfTheWalk) {
    const CliRun r = Cli({"fields", Data("customer.kvl"), "--utf8"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    // The redefinition group and its members are not listed; the repeats are.
    EXPECT_EQ(r.out.find("姓"), std::string::npos);
    EXPECT_NE(r.out.find("\t47\t20\t0\t 1.月次履歴\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\t   3.2.数量\n"), std::string::npos) << r.out;
}

TEST(CliConventions, HelpNamesEveryOptionOfEveryCommand) {
    const CliRun help = Cli({"--help"});
    ASSERT_EQ(help.code, kExitOk);
    const std::vector<Command>& commands = Commands();
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const std::string head = "  " + std::string(commands[i].name) + " ";
        const std::size_t from = help.out.find(head);
        ASSERT_NE(from, std::string::npos) << head;
        const std::size_t to = i + 1 < commands.size()
                                   ? help.out.find("\n  " + std::string(commands[i + 1].name) + " ", from)
                                   : help.out.find("\nOptions of every command:", from);
        const std::string part = help.out.substr(from, to - from);
        for (const OptionSpec& o : commands[i].options)
            EXPECT_NE(part.find(std::string(o.name) + " "), std::string::npos) << commands[i].name << " " << o.name;
    }
    // A shared option is explained once; the record options appear once in full.
    const std::string baseHelp = "--base N  1-based read base position";
    const std::size_t first = help.out.find(baseHelp);
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(help.out.find(baseHelp, first + 1), std::string::npos);
    EXPECT_EQ(Cli({"--version"}).out, "rekkan-cli 2.05\n");
}

TEST(CliConventions, ArgumentsInEveryUsualForm) {
    const CliRun spaced = Cli({"info", Data("cstruct.kvl"), "--option", "Cmb_Long=3"});
    ASSERT_EQ(spaced.code, kExitOk);
    EXPECT_EQ(Cli({"info", "--option=Cmb_Long=3", Data("cstruct.kvl")}).out, spaced.out);
    EXPECT_EQ(Cli({"info", "--option", "Cmb_Long=3", "--", Data("cstruct.kvl")}).out, spaced.out);
    EXPECT_EQ(Cli({"info", "--", "--option"}).code, kExitFailure);  // a file named --option
    EXPECT_EQ(Cli({"-h"}).out, Cli({"--help"}).out);
    // One command's help: its usage and options, the options of every command, nothing else.
    const CliRun csv = Cli({"csv", "--help"});
    EXPECT_EQ(csv.code, kExitOk);
    EXPECT_EQ(csv.out.rfind("usage: rekkan-cli csv LAYOUT DATA", 0), 0u) << csv.out;
    EXPECT_NE(csv.out.find("  --from N  first Rec.No"), std::string::npos);
    EXPECT_NE(csv.out.find("  --settings FILE  "), std::string::npos);
    EXPECT_EQ(csv.out.find("import"), std::string::npos);
}

TEST(CliConventions, MessagesFollowTheTerminalsCharacterSet) {
    // Rec.No 99 of a file far too short: a message in Japanese.
    std::ostringstream out;
    std::ostringstream utf8Err;
    EXPECT_EQ(RunCli({"show", Data("cstruct.kvl"), Data("cstruct.kvl"), "99"}, out, utf8Err, true), kExitFailure);
    EXPECT_NE(utf8Err.str().find("のレコードは存在しません。"), std::string::npos) << utf8Err.str();
    EXPECT_NE(Cli({"show", Data("cstruct.kvl"), Data("cstruct.kvl"), "99"}).err.find(sj("のレコードは存在しません。")),
              std::string::npos);
}

TEST(CliConventions, ADashReadsStandardInputWhereOneFileIsRead) {
    const std::string layout = test::ReadBytes(std::filesystem::path(Data("cstruct.kvl")));
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"info", "-"}, {"export", "c", "-"}, {"listing", "csv", "-"}}) {
        std::istringstream in(layout);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCli(args, out, err, false, &in), kExitOk) << args[0] << err.str();
        std::vector<std::string> fromFile = args;
        fromFile.back() = Data("cstruct.kvl");
        EXPECT_EQ(out.str(), Cli(fromFile).out) << args[0];
    }
    // A message about standard input names it as the user did, not the copy it was read from.
    std::istringstream notALayout("garbage");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli({"info", "-"}, out, err, false, &notALayout), kExitFailure);
    EXPECT_NE(err.str().find("PATH = -\n"), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find("rekkan-stdin"), std::string::npos) << err.str();
}

TEST(CliConventions, OptionOverridesTheSettingsFile) {
    test::TempDir dir;
    test::WriteBytes(dir.Path() / "opt.Dat", "Cmb_Long=3\r\n");
    // S.Long follows the long size: 8 bytes with Cmb_Long 3, 4 again when --option wins.
    const CliRun fromFile = Cli({"info", Data("cstruct.kvl"), "--settings", dir.File("opt.Dat")});
    EXPECT_EQ(fromFile.out.substr(0, fromFile.out.find('\n')), "Rec.Len\t45");
    const CliRun overridden =
        Cli({"info", Data("cstruct.kvl"), "--settings", dir.File("opt.Dat"), "--option", "Cmb_Long=1"});
    EXPECT_EQ(overridden.out.substr(0, overridden.out.find('\n')), "Rec.Len\t41");
}

}  // namespace
}  // namespace rekkan::cli
