#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <tuple>

#include "cli/cli_run.h"
#include "cli/command.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/file_util.h"

namespace rekkan::cli {
namespace {

using test::ReadBytes;

using RecordCli = OrderFiles;

TEST_F(RecordCli, ShowWritesTheListTextOfTheRecordEditor) {
    const CliRun r = Cli(Args({"show", "2"}));
    ASSERT_EQ(r.code, 0) << r.err;
    std::string shown = Cp932ToUtf8(r.out);
    if (const std::size_t at = shown.find(data); at != std::string::npos) shown.replace(at, data.size(), "<data>");
    test::ExpectGolden("cli/show_record.txt", shown);
    EXPECT_NE(Cli(Args({"show", "1", "--hex-binary"})).out.find(sj("  HEX ＞0102\r\n")), std::string::npos);
}

TEST_F(RecordCli, CsvWritesTheRangeOutputWithItsOptions) {
    CliRun r = Cli(Args({"csv", "--heading", "--rec-no", "--pos", "--from", "2"}));
    ASSERT_EQ(r.code, 0) << r.err;
    test::ExpectGolden("cli/csv_heading.csv", Cp932ToUtf8(r.out));

    const std::string out = (dir.Path() / "out.csv").string();
    r = Cli(Args({"csv", "--from", "2", "--to", "3", "--tofgen", "--hex-binary", "-o", out}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    test::ExpectGolden("cli/csv_tofgen.csv", Cp932ToUtf8(ReadBytes(std::filesystem::path(out))));
    EXPECT_EQ(Files(), (std::vector<std::string>{"order.dat", "order.kvl", "out.csv"}));

    // ASCII zone signs: the EBCDIC zones no longer decode.
    r = Cli(Args({"csv", "--to", "1", "--zone", "ascii"}));
    EXPECT_EQ(r.out, sj("\"apple \",\"\",\"12\",\"-3\",\"受注\",\"258\"\r\n"));
}

TEST_F(RecordCli, SearchPrintsTheRecNoOfEveryHit) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--or", "PEAR", "受注"}, "1\n2\n"},
        {{"PEAR", "999"}, "2\n"},
        {{"pear 999"}, ""},  // one word, blank included
        {{"-3"}, "1\n"},     // a word, not an option
    };
    for (const auto& [words, hits] : cases) {
        std::vector<std::string> args{"search"};
        args.insert(args.end(), words.begin(), words.end());
        const CliRun r = Cli(Args(args));
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, hits) << words[0];
    }
}

TEST_F(RecordCli, SetEncodesFieldsByNumberOrVariableName) {
    CliRun r = Cli(Args({"set", "2", "3=-45", "AMOUNT(2)=12", "kanji=漢字", "NAME=fig", "9=513"}));
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string expected =
        std::string("fig\0\0\0", 6) + "\xF0\xF4\xD5" + std::string("\x00\x0C\x01\x2C", 4) + sj("漢字") + "\x02\x01";
    EXPECT_EQ(Record(2), expected);
    EXPECT_EQ(Record(1).substr(0, 6), "apple ");

    // Line breaks in a value are dropped, as the editor's memo cell does.
    ASSERT_EQ(Cli(Args({"set", "1", "NAME=ki\r\nwi"})).code, 0);
    EXPECT_EQ(Record(1).substr(0, 6), std::string("kiwi\0\0", 6));

    // In hex display a COBOL binary field takes hex.
    r = Cli(Args({"set", "2", "CNT=0a0b", "--hex-binary"}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Record(2).substr(17), "\x0A\x0B");
}

TEST_F(RecordCli, InsertAppendAndDeleteWorkOnWholeRecords) {
    CliRun r = Cli(Args({"insert", "2", "--count", "2", "NAME=new", "AMOUNT(1)=-5"}));
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string blank =
        std::string("new\0\0\0", 6) + "\xF0\xF0\xC0" + std::string("\x00\x5D\x00\x0C", 4) + std::string(6, '\0');
    EXPECT_EQ(std::make_tuple(Data().size(), Data().substr(0, 4), Record(1).substr(0, 6), Record(4).substr(0, 6)),
              std::make_tuple(4u + 5 * 19, "HEAD", "apple ", "pear  "));
    EXPECT_EQ(Record(2) + Record(3), blank + blank);

    // The record tail applies to new records.
    r = Cli(Args({"append", "--count", "2", "QTY=7", "--option", "Cmb_BtmChar=1", "--option", "Str_BtmChar=0D0A"}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(std::make_tuple(Data().size(), Record(7).substr(6, 3), Record(7).substr(17)),
              std::make_tuple(4u + 7 * 19, "\xF0\xF0\xC7", "\r\n"));

    r = Cli(Args({"delete", "2", "--count", "3"}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(std::make_tuple(Data().size(), Record(2).substr(0, 6), Files()),
              std::make_tuple(4u + 4 * 19, "plum  ", std::vector<std::string>{"order.dat", "order.kvl"}));
}

}  // namespace
}  // namespace rekkan::cli
