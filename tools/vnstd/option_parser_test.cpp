#include "option_parser.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionParser, ValuesFlagsRepeatsAndPositionalsInAnyOrder) {
    bool json = false;
    std::string key;
    std::vector<std::string> gens;
    OptionParser parser("eval");
    parser.flag("--json", json).value("--key", key).values("--gen", gens);
    std::string error;
    ASSERT_TRUE(parser.parse(
        {"S", "--gen", "a=1", "--key=K", "M", "--gen=b=2", "--json", "--", "--json2"}, error))
        << error;
    EXPECT_TRUE(json);
    EXPECT_EQ(key, "K");
    EXPECT_EQ(gens, (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(parser.positional(), (std::vector<std::string>{"S", "M", "--json2"}));
    EXPECT_FALSE(parser.helpAsked());
}

TEST(OptionParser, UsageErrorsNameTheCommandAndHelpWinsOverThem) {
    std::string key, error;
    bool flag = false;
    OptionParser parser("sheet calc");
    parser.value("--key", key).flag("--flag", flag);
    EXPECT_FALSE(parser.parse({"--nope"}, error));
    EXPECT_EQ(error, "sheet calc: unknown option '--nope'");
    EXPECT_FALSE(parser.parse({"--key"}, error));
    EXPECT_EQ(error, "sheet calc: option --key needs a value");
    EXPECT_FALSE(parser.parse({"--key="}, error));
    EXPECT_FALSE(parser.parse({"--flag=1"}, error));  // a flag takes no value
    OptionParser help("sheet calc");
    help.value("--key", key);
    EXPECT_TRUE(help.parse({"--nope", "--key", "-h"}, error));
    EXPECT_TRUE(help.helpAsked());
}

TEST(OptionParser, StoppingAtTheCommandLeavesItsArgumentsUnread) {
    std::string lib, error;
    OptionParser parser("vnstd");
    parser.value("--lib", lib).stopAtFirstPositional();
    ASSERT_TRUE(parser.parse({"--lib", "L", "eval", "--help", "--lib", "X"}, error));
    EXPECT_EQ(lib, "L");
    EXPECT_FALSE(parser.helpAsked());
    EXPECT_EQ(parser.positional(), (std::vector<std::string>{"eval", "--help", "--lib", "X"}));
}

}  // namespace
