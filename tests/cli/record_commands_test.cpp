#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli_run.h"
#include "cli/command.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/file_util.h"

namespace rekkan::cli {
namespace {

using test::ReadBytes;

/// Runs on copies of the order layout (19-byte records: NAME X(6), QTY S.NUM 3, AMT-G OCCURS 2 of
/// AMOUNT S.COMP-3 3, KANJI J 2, CNT U.BINARY 4) and of its data file (4-byte header, three
/// records: apple, pear, plum) in a temporary folder.
struct RecordCli : OrderFiles {
    std::string Data() const { return ReadBytes(std::filesystem::path(data)); }
    std::string Record(int recNo) const { return Data().substr(4 + 19 * (recNo - 1), 19); }
    /// How many files the folder holds (no temporary may be left behind).
    std::size_t FileCount() const {
        const std::filesystem::directory_iterator files(dir.Path());
        return static_cast<std::size_t>(std::distance(begin(files), end(files)));
    }
};

TEST_F(RecordCli, ShowWritesTheListTextOfTheRecordEditor) {
    const CliRun r = Cli({"show", layout, data, "2", "--base", "5"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string shown = Cp932ToUtf8(r.out);
    if (const std::size_t at = shown.find(data); at != std::string::npos) shown.replace(at, data.size(), "<data>");
    test::ExpectGolden("cli/show_record.txt", shown);

    const CliRun hex = Cli({"show", layout, data, "1", "--base", "5", "--hex-binary"});
    EXPECT_NE(hex.out.find(sj("  HEX ＞0102\r\n")), std::string::npos);
    const CliRun missing = Cli({"show", layout, data, "4", "--base", "5"});
    EXPECT_EQ(missing.code, kExitFailure);
    EXPECT_TRUE(missing.out.empty());
}

TEST_F(RecordCli, CsvWritesTheRangeOutputWithItsOptions) {
    CliRun r = Cli({"csv", layout, data, "--base", "5", "--heading", "--rec-no", "--pos", "--from", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, sj("\"Rec.No\",\"位置\",\" NAME\",\" QTY\",\"  1.AMOUNT\",\"  2.AMOUNT\",\" 漢字\",\" CNT\"\r\n"
                        "\"2\",\"24\",\"pear  \",\"-7\",\"0\",\"999\",\"AB\",\"1\"\r\n"
                        "\"3\",\"43\",\"plum  \",\"1\",\"1\",\"1\",\"\",\"2\"\r\n"));

    const std::string out = (dir.Path() / "out.csv").string();
    r = Cli({"csv", layout, data, "--base", "5", "--from", "2", "--to", "3", "--tofgen", "--hex-binary", "-o", out});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(ReadBytes(std::filesystem::path(out)), sj(" NAME, QTY,  1.AMOUNT,  2.AMOUNT, 漢字, CNT\r\n"
                                                        "X(6),S.ZONE(3),S.PACK(2),S.PACK(2),X(4),HEX(2)\r\n"
                                                        "\"pear  \",\"-7\",\"0\",\"999\",\"AB\",\"0001\"\r\n"
                                                        "\"plum  \",\"1\",\"1\",\"1\",\"\",\"0002\"\r\n"));
    EXPECT_EQ(FileCount(), 3u);

    // ASCII zone signs: the EBCDIC zones no longer decode.
    r = Cli({"csv", layout, data, "--base", "5", "--to", "1", "--zone", "ascii"});
    EXPECT_EQ(r.out, sj("\"apple \",\"\",\"12\",\"-3\",\"受注\",\"258\"\r\n"));
    EXPECT_EQ(Cli({"csv", layout, data, "--zone", "ebc"}).code, kExitFailure);
    EXPECT_EQ(Cli({"csv", layout, (dir.Path() / "none.dat").string()}).code, kExitFailure);
}

TEST_F(RecordCli, SearchPrintsTheRecNoOfEveryHit) {
    CliRun r = Cli({"search", layout, data, "--base", "5", "--or", "PEAR", "受注"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "1\n2\n");
    r = Cli({"search", layout, data, "--base", "5", "PEAR", "999"});
    EXPECT_EQ(r.out, "2\n");
    r = Cli({"search", layout, data, "--base", "5", "pear 999"});  // one word, blank included
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.empty());
    r = Cli({"search", layout, data, "--base", "5", "-3"});
    EXPECT_EQ(r.out, "1\n");
}

TEST_F(RecordCli, SetEncodesFieldsByNumberOrVariableName) {
    CliRun r =
        Cli({"set", layout, data, "2", "--base", "5", "3=-45", "AMOUNT(2)=12", "kanji=漢字", "NAME=fig", "9=513"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string expected =
        std::string("fig\0\0\0", 6) + "\xF0\xF4\xD5" + std::string("\x00\x0C\x01\x2C", 4) + sj("漢字") + "\x02\x01";
    EXPECT_EQ(Record(2), expected);
    EXPECT_EQ(Record(1).substr(0, 6), "apple ");

    // Line breaks in a value are dropped, as the editor's memo cell does.
    ASSERT_EQ(Cli({"set", layout, data, "1", "--base", "5", "NAME=ki\r\nwi"}).code, 0);
    EXPECT_EQ(Record(1).substr(0, 6), std::string("kiwi\0\0", 6));

    // In hex display a COBOL binary field takes hex.
    r = Cli({"set", layout, data, "2", "--base", "5", "CNT=0a0b", "--hex-binary"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Record(2).substr(17), "\x0A\x0B");

    const std::string before = Data();
    for (const char* bad : {"AMOUNT=1", "NAME"}) {
        r = Cli({"set", layout, data, "2", "--base", "5", "QTY=1", bad});
        EXPECT_EQ(r.code, kExitFailure) << bad;
        EXPECT_FALSE(r.err.empty()) << bad;
    }
    EXPECT_EQ(Cli({"set", layout, data, "9", "--base", "5", "QTY=1"}).code, kExitFailure);
    EXPECT_EQ(Data(), before);
}

TEST_F(RecordCli, InsertAppendAndDeleteWorkOnWholeRecords) {
    CliRun r = Cli({"insert", layout, data, "2", "--base", "5", "--count", "2", "NAME=new", "AMOUNT(1)=-5"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string blank =
        std::string("new\0\0\0", 6) + "\xF0\xF0\xC0" + std::string("\x00\x5D\x00\x0C", 4) + std::string(6, '\0');
    EXPECT_EQ(Data().size(), 4u + 5 * 19);
    EXPECT_EQ(Data().substr(0, 4), "HEAD");
    EXPECT_EQ(Record(1).substr(0, 6), "apple ");
    EXPECT_EQ(Record(2), blank);
    EXPECT_EQ(Record(3), blank);
    EXPECT_EQ(Record(4).substr(0, 6), "pear  ");

    // The record tail applies to new records.
    r = Cli({"append", layout, data, "--base", "5", "--count", "2", "QTY=7", "--option", "Cmb_BtmChar=1", "--option",
             "Str_BtmChar=0D0A"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Data().size(), 4u + 7 * 19);
    EXPECT_EQ(Record(7).substr(6, 3), "\xF0\xF0\xC7");
    EXPECT_EQ(Record(7).substr(17), "\r\n");

    r = Cli({"delete", layout, data, "2", "--base", "5", "--count", "3"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Data().size(), 4u + 4 * 19);
    EXPECT_EQ(Record(2).substr(0, 6), "plum  ");

    EXPECT_EQ(Cli({"delete", layout, data, "5", "--base", "5"}).code, kExitFailure);
    EXPECT_EQ(Cli({"delete", layout, data, "1", "--count", "0"}).code, kExitFailure);
    EXPECT_EQ(Cli({"insert", layout, data, "9", "--base", "5"}).code, kExitFailure);
    EXPECT_EQ(Data().size(), 4u + 4 * 19);
    EXPECT_EQ(FileCount(), 2u);
}

}  // namespace
}  // namespace rekkan::cli
