#include <gtest/gtest.h>

#include <algorithm>

#include "cli/cli_run.h"

namespace rekkan::cli {
namespace {

using DoctorCli = OrderFiles;  // three order records after a 4-byte header

TEST_F(DoctorCli, CheckFindsTheHeaderAndSaysHowToReadPastIt) {
    const CliRun asIs = Cli({"check", layout, data});
    EXPECT_EQ(asIs.code, kExitOk) << asIs.err;
    EXPECT_NE(asIs.out.find("a 4-byte header? base 5 fits 100.0% against"), std::string::npos) << asIs.out;
    EXPECT_NE(asIs.out.find("\nsuggest: length=19 base=5 fit=100.0\n"), std::string::npos) << asIs.out;

    const CliRun past = Cli({"check", layout, data, "--base", "5", "--heat"});
    EXPECT_EQ(past.code, kExitOk) << past.err;
    EXPECT_NE(past.out.find("weighted fit: 100.0% of 3 records checked (of 3)"), std::string::npos) << past.out;
    EXPECT_NE(past.out.find("    3  QTY      |###|\n"), std::string::npos) << past.out;
    EXPECT_EQ(past.out.find("suggest:"), std::string::npos) << past.out;

    const CliRun csv = Cli({"check", layout, data, "--csv", "--base", "5"});
    EXPECT_EQ(csv.code, kExitOk) << csv.err;
    EXPECT_EQ(
        csv.out.substr(0, csv.out.find('\n')),
        R"("No","Name","Pos","Len","Type","Valid%","Valid","Checked","Weighed","First invalid Rec.No","First invalid hex")");
    EXPECT_NE(csv.out.find("\n\"3\",\"QTY\",\"7\",\"3\",\"S.NUM\",\"100.0\",\"3\",\"3\",\"1\",\"\",\"\"\n"),
              std::string::npos)
        << csv.out;
}

TEST_F(DoctorCli, ProfileListsEachFieldOfTheRecords) {
    const CliRun text = Cli({"profile", layout, data, "--base", "5", "--utf8"});
    EXPECT_EQ(text.code, kExitOk) << text.err;
    EXPECT_NE(text.out.find("3 of 3 records profiled\nfield 2 NAME (pos 1, len 6, X)\n  valid 3  invalid 0"),
              std::string::npos)
        << text.out;
    const CliRun csv = Cli({"profile", layout, data, "--base", "5", "--csv", "--sample", "2"});
    EXPECT_EQ(csv.code, kExitOk) << csv.err;
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 7) << csv.out;  // heading + 6 fields
    EXPECT_NE(csv.out.find("\n\"2\",\"NAME\",\"1\",\"6\",\"X\",\"2\",\"0\","), std::string::npos) << csv.out;
}

TEST_F(DoctorCli, CheckAndProfileFailOnlyWhenTheyCannotRun) {
    const std::vector<std::vector<std::string>> cannot = {
        {"check", layout},
        {"profile", layout, data, "extra"},
        {"profile", layout, data, "--sample", "x"},
        {"check", layout, data, "--sample", "0"},
        {"check", layout, dir.File("missing.dat")},
        {"check", layout, data, "--base", "999"},
    };
    for (const auto& args : cannot) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.code, kExitFailure) << args.back();
        EXPECT_TRUE(run.out.empty()) << args.back();
        EXPECT_FALSE(run.err.empty()) << args.back();
    }
}

}  // namespace
}  // namespace rekkan::cli
