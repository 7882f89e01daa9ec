// velomarforge-cli encode and decode.
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"

namespace cli_test {
namespace {

TEST(CliCodec, EncodesAndDecodesInEveryMode) {
    EXPECT_EQ(RunCli({"encode", "abc"}).out, "gjZYXv\n");
    EXPECT_EQ(RunCli({"encode", "--no-framing", "--no-reversal", "abc"}).out, "XYZ\n");
    EXPECT_EQ(RunCli({"encode", "--no-framing", "abc"}).out, "ZYX\n");
    EXPECT_EQ(RunCli({"encode", "--no-reversal", "abc"}).out, "gjXYZv\n");
    RunResult decoded = RunCli({"decode", "gjZYXv"});
    EXPECT_EQ(decoded.status, 0);
    EXPECT_EQ(decoded.out, "abc\n");
    EXPECT_EQ(decoded.err, "");
    // Texts beginning with "-" follow "--".
    RunResult dashed = RunCli({"encode", "--", "-x"});
    ASSERT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(RunCli({"decode", "--", dashed.out.substr(0, dashed.out.size() - 1)}).out, "-x\n");
}

TEST(CliCodec, CodecFailuresAndUsageErrors) {
    RunResult empty = RunCli({"encode", ""});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.out, "");
    EXPECT_NE(empty.err, "");
    EXPECT_EQ(RunCli({"decode", "ab"}).status, 1);
    EXPECT_EQ(RunCli({"decode", "--no-framing", "ab"}).status, 0);

    EXPECT_EQ(RunCli({"encode"}).status, 2);
    EXPECT_EQ(RunCli({"encode", "--bogus", "x"}).status, 2);
    EXPECT_EQ(RunCli({}).status, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).status, 2);
    RunResult help = RunCli({"show", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("\\udcXX"), std::string::npos) << help.out;
}

}  // namespace
}  // namespace cli_test
