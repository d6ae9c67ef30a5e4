#include "cli_run.h"

namespace rekkan::cli {
namespace {

// Any number of workers gives the bytes one gives; a count that is no count of workers stops
// the command before it writes anything.
TEST_F(OrderFiles, CsvThreadsKeepTheBytesAndRefuseANonCount) {
    const CliRun one = Cli(Args({"csv", "--rec-no", "--threads", "1"}));
    ASSERT_EQ(one.code, kExitOk) << one.err;
    EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 3);
    for (const char* n : {"2", "7"}) EXPECT_EQ(Cli(Args({"csv", "--rec-no", "--threads", n})).out, one.out) << n;
    EXPECT_EQ(Cli(Args({"csv", "--rec-no"})).out, one.out);
    for (const char* bad : {"0", "-2", "x", "257"}) {
        const CliRun r = Cli(Args({"csv", "--threads", bad}));
        EXPECT_EQ(r.code, kExitFailure) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
        EXPECT_NE(r.err.find("--threads"), std::string::npos) << bad;
    }
}

}  // namespace
}  // namespace rekkan::cli
