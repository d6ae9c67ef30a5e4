#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <streambuf>

#include "cli/cli_run.h"
#include "cli/command.h"
#include "support/test_support.h"
#include "util/encoding.h"

// What the command line refuses before it reads or writes anything, grouped by failure kind.

namespace rekkan::cli {
namespace {

using test::ReadBytes;

/// Copies of the order layout and data file, a COBOL copybook and the settings file in a folder.
struct BadInput : OrderFiles {
    std::string source = dir.File("rec.cpy");
    std::string folder = dir.Path().string();

    void SetUp() override {
        OrderFiles::SetUp();
        std::filesystem::copy_file(test::DataDir() / "lang" / "gnucobol" / "datarec.cpy", source);
    }
};

TEST_F(BadInput, ARefusedRunSaysWhyAndChangesNothing) {
    const std::string locked = dir.File("locked.kvl");
    std::filesystem::copy_file(layout, locked);
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    const std::string linked = dir.File("linked.dat");
    std::filesystem::create_hard_link(data, linked);
    const std::string noStructure = dir.File("empty.h");
    test::WriteBytes(std::filesystem::path(noStructure), "int x;\n");
    const std::string out = dir.File("out.txt");
    const std::string orders = (test::DataDir() / "lang" / "c" / "orders.h").string();
    const std::string customer = (test::DataDir() / "lang" / "vb" / "customer.bas").string();
    const std::string unread = "cannot read " + folder + ": is a directory";
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    std::vector<Case> cases = {
        // Inputs that cannot be read.
        {{"info", folder}, unread},
        {{"csv", folder, data}, unread},
        {{"csv", layout, folder}, unread},
        {{"set", layout, folder, "1", "NAME=a"}, unread},
        {{"import", "cobol", folder}, unread},
        {{"info", layout, "--settings", folder}, unread},
        {{"show", layout, dir.File("none.dat"), "1"},
         "cannot read " + dir.File("none.dat") + ": no such file or directory"},
        {{"listing", "text", dir.File("none.kvl")}, "cannot read " + dir.File("none.kvl") + ": no such file"},
        // An output that is one of the inputs, under its own name or another.
        {{"csv", layout, data, "-o", data}, "refused"},
        {{"csv", layout, data, "-o", linked}, "refused"},
        {{"export", "cobol", layout, "-o", layout}, "refused"},
        {{"import", "cobol", source, "-o", source}, "refused"},
        {{"search", layout, data, "apple", "-o", layout}, "refused"},
        // -o where the command has no output.
        {Args({"set", "1", "NAME=a", "-o", out}), "unknown option -o"},
        {Args({"insert", "1", "-o", out}), "unknown option -o"},
        {Args({"append", "-o", out}), "unknown option -o"},
        {Args({"delete", "1", "-o", out}), "unknown option -o"},
        // Records, ranges and counts outside the file or beyond the disk (three records).
        {Args({"csv", "--from", "4"}), "--from 4 lies beyond the last record (Rec.No 3)"},
        {Args({"csv", "--from", "abc"}), "--from must be a Rec.No of 1 or more: abc"},
        {Args({"csv", "--to", "-5"}), "--to must be a Rec.No of 1 or more: -5"},
        {Args({"csv", "--to", "4"}), "--to 4 lies beyond the last record"},
        {Args({"csv", "--from", "3", "--to", "2"}), "the range ends before it starts"},
        {{"csv", layout, data, "--base", "1000"}, "--base 1000 lies beyond the end of"},
        {{"search", layout, data, "--base", "1000", "pear"}, "--base 1000 lies beyond the end of"},
        {{"append", layout, data, "--base", "1000"}, "--base 1000 lies beyond the end of"},
        {{"insert", layout, data, "1", "--base", "1000"}, "--base 1000 lies beyond the end of"},
        {Args({"show", "4"}), "Rec.No [4] のレコードは存在しません。"},
        {Args({"set", "9", "QTY=1"}), "Rec.No [9] のレコードは存在しません。"},
        {Args({"insert", "9"}), "(append adds records after the last one)"},
        {Args({"delete", "5"}), "Rec.No [5] のレコードは存在しません。"},
        {Args({"delete", "3", "--count", "100"}), "reaches past the last record"},
        {Args({"delete", "1", "--count", "0"}), "--count must be 1 or more"},
        {Args({"insert", "1", "--count", "1000000000000"}), "not enough room"},
        {Args({"append", "--count", "4000000000000000000"}), "not enough room"},
        // Arguments the command cannot take.
        {Args({"search"}), "no WORD"},
        {Args({"set", "2", "QTY=1", "AMOUNT=1"}), "give its subscripts, e.g. AMOUNT(1)"},
        {Args({"set", "2", "QTY=1", "NAME"}), "FIELD=TEXT expected: NAME"},
        {Args({"csv", "--zone", "ebc"}), "--zone: ebcdic or ascii expected: ebc"},
        {{"nosuchcommand"}, "unknown command nosuchcommand"},
        {{"info", layout, "--bogus"}, "unknown option --bogus"},
        {{"info", layout, "--option", "Cmb_Int=abc"}, "unknown key or bad value: Cmb_Int=abc"},
        {{"listing", "csv"}, "usage: rekkan-cli listing csv"},
        {{"import", "c", "-o", out}, "usage: rekkan-cli import c"},
        {{"import", "c", noStructure, "-o", out}, "取り込める構造体はありません。"},
        {{"import", "c", orders, "--select", "9", "-o", out}, "--select: no such structure: 9"},
        {{"import", "c", orders, "--select", "NOPE", "-o", out}, "--select: no such structure: NOPE"},
        {{"import", "vb", customer, "--array-groups", "maybe", "-o", out}, "--array-groups: yes or no: maybe"},
    };
    if (::geteuid() != 0)  // the superuser reads any file
        cases.push_back({{"fields", locked}, "cannot read " + locked + ": permission denied"});
    const std::vector<std::string> files = Files();
    const std::string bytes[] = {ReadBytes(std::string_view(layout)), Data(), ReadBytes(std::string_view(source))};
    for (const Case& c : cases) {
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.code, kExitFailure) << c.message;
        EXPECT_TRUE(r.out.empty()) << c.message;
        EXPECT_NE(Cp932ToUtf8(r.err).find(c.message), std::string::npos) << c.message << "\n" << r.err;
    }
    EXPECT_EQ(Files(), files);
    EXPECT_EQ(ReadBytes(std::string_view(layout)), bytes[0]);
    EXPECT_EQ(Data(), bytes[1]);
    EXPECT_EQ(ReadBytes(std::string_view(source)), bytes[2]);
}

TEST_F(BadInput, OutputGoesToTheFileWhereTheCommandHasAnOutput) {
    const std::string out = dir.File("out.txt");
    // The output goes to the file and nothing to stdout; "-o -" is stdout.
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"info", layout}, {"fields", layout}, Args({"search", "pear"})}) {
        std::vector<std::string> toFile = args;
        toFile.insert(toFile.end(), {"-o", out});
        const CliRun r = Cli(toFile);
        EXPECT_EQ(r.code, kExitOk) << r.err;
        EXPECT_TRUE(r.out.empty()) << args[0];
        std::vector<std::string> toStdout = args;
        toStdout.insert(toStdout.end(), {"-o", "-"});
        EXPECT_EQ(ReadBytes(std::filesystem::path(out)), Cli(toStdout).out) << args[0];
    }
    EXPECT_EQ(ReadBytes(std::filesystem::path(out)), "2\n");

    // The help lists -o under the commands that take it, not among the options of every command.
    const std::string help = Cli({"--help"}).out;
    const std::size_t global = help.find("Options of every command:");
    ASSERT_NE(global, std::string::npos);
    EXPECT_EQ(help.find("  -o ", global), std::string::npos);
    const std::size_t set = help.find("\n  set ");
    EXPECT_EQ(help.substr(set, help.find("\n  insert ") - set).find(" -o "), std::string::npos);
    EXPECT_NE(help.find("  -o FILE  write the output"), std::string::npos);
}

TEST_F(BadInput, APartialLastRecordIsNamedAndNotGrownUnasked) {
    test::WriteBytes(std::filesystem::path(data), Data() + "pl");
    const std::string before = Data();
    const std::string notice = "the last record of " + data + " is partial (2 of 19 bytes)";
    for (const auto& args : {Args({"csv"}), Args({"show", "4"}), Args({"search", "pl"})}) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.code, kExitOk) << args[0] << r.err;
        EXPECT_NE(r.err.find(notice), std::string::npos) << args[0] << r.err;
    }
    CliRun r = Cli(Args({"set", "4", "NAME=fig"}));
    EXPECT_EQ(r.code, kExitFailure);
    EXPECT_NE(r.err.find("--allow-partial"), std::string::npos) << r.err;
    EXPECT_EQ(Cli(Args({"append"})).code, kExitFailure);
    EXPECT_EQ(Data(), before);
    r = Cli(Args({"set", "4", "NAME=fig", "--allow-partial"}));
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(Data().size(), before.size() + 17);
    // Deleting it stays possible.
    test::WriteBytes(std::filesystem::path(data), before);
    EXPECT_EQ(Cli(Args({"delete", "4"})).code, kExitOk);
    EXPECT_EQ(Data(), before.substr(0, before.size() - 2));
}

TEST_F(BadInput, AValueTheFieldCannotHoldAsTypedIsRefused) {
    // NAME X(6), QTY S.NUM 3 digits, AMOUNT S.COMP-3 2 bytes, KANJI J 4, CNT U.BINARY 2 bytes.
    const std::string before = Data();
    const std::pair<std::vector<std::string>, const char*> refused[] = {
        {{"QTY=abc"}, "not a whole number"},
        {{"QTY=12abc"}, "not a whole number"},
        {{"QTY=1e3"}, "not a whole number"},
        {{"QTY=1000"}, "does not fit"},
        {{"AMOUNT(1)=-1000"}, "does not fit"},
        {{"CNT=65536"}, "does not fit"},
        {{"CNT=-1"}, "does not fit"},
        {{"NAME=toolong"}, "7 bytes for a field of 6"},
        {{"CNT=zz", "--hex-binary"}, "not hex digits"},
        {{"CNT=010203", "--hex-binary"}, "6 hex digits for 2 bytes"},
        // Text Shift-JIS cannot hold, or that is not UTF-8 at all.
        {{"NAME=\xC3\xA9"}, "has no Shift-JIS (CP932) form"},
        {{"NAME=\xE2\x82\xAC"}, "has no Shift-JIS (CP932) form"},
        {{"NAME=\xF0\x9F\x98\x80"}, "has no Shift-JIS (CP932) form"},
        {{"NAME=a\xC3"}, "invalid UTF-8 at byte 0xC3"},
        {{"NAME=\xE3\x81"}, "invalid UTF-8 at byte 0xE3"},
    };
    for (const auto& [tail, reason] : refused) {
        for (std::vector<std::string> args : {std::vector<std::string>{"set", "2"}, {"append"}}) {
            args.insert(args.end(), tail.begin(), tail.end());
            const CliRun r = Cli(Args(args));
            EXPECT_EQ(r.code, kExitFailure) << args[0] << " " << tail[0];
            EXPECT_NE(r.err.find(tail[0]), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
        }
    }
    EXPECT_EQ(Data(), before);

    // What fits is stored; --truncate cuts text at a character, --lenient is the editor's rule.
    ASSERT_EQ(Cli(Args({"set", "2", "QTY=+007", "NAME=toolong", "--truncate"})).code, kExitOk);
    EXPECT_EQ(Record(2).substr(0, 9), "toolon\xF0\xF0\xC7");
    ASSERT_EQ(Cli(Args({"set", "2", "NAME=ab漢字漢", "--truncate"})).code, kExitOk);
    EXPECT_EQ(Record(2).substr(0, 6), "ab" + sj("漢字"));
    ASSERT_EQ(Cli(Args({"set", "2", "QTY=abc", "--lenient"})).code, kExitOk);
    EXPECT_EQ(Record(2).substr(6, 3), "\xF0\xF0\xC0");
}

/// A layout file of a group holding `rows`, each "LVL TYP BYT" as the file stores them.
std::string LayoutText(const std::vector<std::array<int, 3>>& rows) {
    std::string text =
        "kvel#32.lay\r\n%!#RdfCmt=t%!#\r\n%!#PreFix=%!#\r\n"
        "%!#SEQ=1%!#%!#LVL=1%!#KOM=REC%!#VNM=REC%!#RED=%!#TYP=0%!#RPT=1%!#BYT=0%!#SYO=0%!#BKO=%!#\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string n = std::to_string(i + 2);
        text += "%!#SEQ=" + n + "%!#%!#LVL=2%!#KOM=F" + n + "%!#VNM=F" + n +
                "%!#RED=%!#TYP=" + std::to_string(rows[i][1]) + "%!#RPT=1%!#BYT=" + std::to_string(rows[i][2]) +
                "%!#SYO=0%!#BKO=%!#\r\n";
    }
    return text;
}

TEST_F(BadInput, ALayoutIsUsedWholeAndWithTheSizesItWasMadeWith) {
    // 2,999 one-byte fields: more rows than a window edits, one record of 2,999 bytes.
    test::WriteBytes(std::filesystem::path(layout), LayoutText(std::vector<std::array<int, 3>>(2999, {2, 1, 1})));
    const std::string two = std::string(2999, 'a') + std::string(2999, 'b');
    test::WriteBytes(std::filesystem::path(data), two);
    const CliRun info = Cli({"info", layout});
    EXPECT_EQ(info.out.substr(0, info.out.find('\n')), "Rec.Len\t2999");
    EXPECT_TRUE(info.err.empty()) << info.err;
    ASSERT_EQ(Cli({"delete", layout, data, "1"}).code, kExitOk);
    EXPECT_EQ(Data(), std::string(2999, 'b'));

    // An import is written whole when it fills the 2,000 rows a layout holds, not at all beyond.
    const std::string source = dir.File("wide.h");
    const std::string out = dir.File("wide.kvl");
    for (const int members : {1999, 2000}) {
        std::string text = "struct WIDE {\n";
        for (int i = 0; i < members; ++i) text += "  char c" + std::to_string(i) + ";\n";
        test::WriteBytes(std::filesystem::path(source), text + "};\n");
        std::filesystem::remove(out);
        const CliRun import = Cli({"import", "c", source, "-o", out});
        if (members < 2000) {
            EXPECT_EQ(import.code, kExitOk) << import.err;
            EXPECT_EQ(Cli({"info", out}).out.substr(0, 12), "Rec.Len\t1999");
        } else {
            EXPECT_EQ(import.code, kExitFailure);
            EXPECT_NE(import.err.find("more than the 2000 rows"), std::string::npos) << import.err;
            EXPECT_FALSE(std::filesystem::exists(out));
        }
    }

    // A structure longer than a record may be (1000 times 1000 bytes) is written, and said.
    test::WriteBytes(std::filesystem::path(source), "struct BIG {\n  char a[1000][1000];\n};\n");
    const CliRun big = Cli({"import", "c", source, "-o", out});
    EXPECT_EQ(big.code, kExitOk);
    EXPECT_NE(big.err.find(sj("レコード長が大き過ぎます。")), std::string::npos) << big.err;
    EXPECT_NE(Cli({"info", out}).code, kExitOk);

    // An int stored with 4 bytes, read by a run whose int has 2: said, and no change made.
    test::WriteBytes(std::filesystem::path(layout), LayoutText({{2, 1, 2}, {2, 22, 4}}));
    test::WriteBytes(std::filesystem::path(data), std::string("ab\x01\x00\x00\x00"
                                                              "cd\x02\x00\x00\x00",
                                                              12));
    const std::string before = Data();
    const char* said = "row 3 F3: stored 4 bytes, used 2 (--option Cmb_Int=1 matches)";
    const CliRun csv = Cli({"csv", layout, data});
    EXPECT_EQ(csv.code, kExitOk);
    EXPECT_NE(csv.err.find(said), std::string::npos) << csv.err;
    for (const std::vector<std::string>& change : std::vector<std::vector<std::string>>{
             {"delete", layout, data, "1"}, {"append", layout, data}, {"set", layout, data, "1", "F2=x"}}) {
        const CliRun r = Cli(change);
        EXPECT_EQ(r.code, kExitFailure) << change[0];
        EXPECT_NE(r.err.find(said), std::string::npos) << r.err;
    }
    EXPECT_EQ(Data(), before);
    ASSERT_EQ(Cli({"delete", layout, data, "1", "--option", "Cmb_Int=1"}).code, kExitOk);
    EXPECT_EQ(Data(), before.substr(6));
}

/// A stream whose every write fails, as on a full disk.
struct FullDevice : std::streambuf {
    int overflow(int) override { return errno = ENOSPC, traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return errno = ENOSPC, 0; }
};

TEST_F(BadInput, OutputThatDidNotArriveIsAWriteError) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"info", layout},
                                                                                      {"csv", layout, data},
                                                                                      {"show", layout, data, "1"},
                                                                                      {"export", "c", layout},
                                                                                      Args({"search", "pear"}),
                                                                                      {"--version"}}) {
        FullDevice full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(RunCli(args, out, err), kExitFailure) << args[0];
        EXPECT_NE(err.str().find("write error: no space left on device"), std::string::npos) << args[0] << err.str();
    }
}

}  // namespace
}  // namespace rekkan::cli
