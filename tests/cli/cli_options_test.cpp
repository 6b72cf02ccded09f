#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace {

TEST(CliOptionsTest, AcceptedCommandLines) {
    const struct {
        std::vector<std::string> arguments;
        CliCommand command;
        std::string strFile;
        WORD wType;
        bool bLpt2;
        bool bSimulate;
    } cases[] = {
        {{"empty"}, CliCommand::Empty, "", 3, false, false},
        {{"--simulate=27C256", "--type=27c256", "read", "out.bin"},
         CliCommand::Read,
         "out.bin",
         2,
         false,
         true},
        {{"write", "--port=lpt2", "--type=27C64", "in.bin"},
         CliCommand::Write,
         "in.bin",
         0,
         true,
         false},
        {{"--port=lpt1", "compare", "a b.bin"}, CliCommand::Compare, "a b.bin", 3, false, false},
        {{"--type=27C128", "--help", "bogus", "words"}, CliCommand::Help, "", 1, false, false},
        {{"--version"}, CliCommand::Version, "", 3, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        CliOptions options;
        std::string strError;
        ASSERT_TRUE(ParseCliArguments(c.arguments, options, strError)) << strError;
        EXPECT_EQ(options.command, c.command);
        EXPECT_EQ(options.strFile, c.strFile);
        EXPECT_EQ(options.wType, c.wType);
        EXPECT_EQ(options.bLpt2, c.bLpt2);
        EXPECT_EQ(options.portOptions.bSimulate, c.bSimulate);
    }
}

TEST(CliOptionsTest, UsageErrorsSayWhatIsWrong) {
    const struct {
        std::vector<std::string> arguments;
        std::string strErrorPart;
    } cases[] = {
        {{}, "no command"},
        {{"erase"}, "unknown command 'erase'"},
        {{"read"}, "read takes one FILE"},
        {{"write", "a", "b"}, "write takes one FILE"},
        {{"empty", "x"}, "empty takes no FILE"},
        {{"--type=2764", "empty"}, "--type: '2764'"},
        {{"--port=lpt3", "empty"}, "--port: 'lpt3'"},
        {{"--frobnicate", "empty"}, "unknown option '--frobnicate'"},
        {{"--lpt1=zz", "empty"}, "--lpt1"},
        {{"--sim-chip=x.bin", "empty"}, "--simulate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strErrorPart);
        CliOptions options;
        std::string strError;
        EXPECT_FALSE(ParseCliArguments(c.arguments, options, strError));
        EXPECT_NE(strError.find(c.strErrorPart), std::string::npos) << strError;
    }
}

TEST(CliOptionsTest, HelpNamesEveryCommandAndOption) {
    const std::string strHelp = CliHelpText();
    EXPECT_NE(strHelp.find(PortOptionsHelp()), std::string::npos);
    for (const char* pszWord : {"read FILE", "write FILE", "compare FILE", "empty",
                                "--type=", "--port=", "--help", "--version", "Exit status"}) {
        EXPECT_NE(strHelp.find(pszWord), std::string::npos) << pszWord;
    }
}

}  // namespace
