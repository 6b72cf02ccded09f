#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLineTest, PortOptionsAndOneImageFile) {
    const CommandLine commandLine =
        ParseCommandLine({"--simulate=27C256", "--trace=/tmp/t", "my image.bin"});
    EXPECT_EQ(commandLine.action, CommandLine::Run);
    EXPECT_TRUE(commandLine.portOptions.bSimulate);
    EXPECT_EQ(commandLine.portOptions.wSimulatedChipType, 2);
    EXPECT_EQ(commandLine.portOptions.strTraceFile, "/tmp/t");
    EXPECT_EQ(commandLine.imageFile, "my image.bin");
    EXPECT_FALSE(ParseCommandLine({}).imageFile.has_value());
}

TEST(CommandLineTest, ActionsAndErrors) {
    const struct {
        std::vector<std::string> arguments;
        CommandLine::Action action;
        const char* pszError;
    } cases[] = {
        {{"--help"}, CommandLine::ShowHelp, ""},
        {{"--simulate", "--version"}, CommandLine::ShowVersion, ""},
        {{"--frobnicate"}, CommandLine::Error, "unknown option: --frobnicate"},
        {{"--simulate=27C999"},
         CommandLine::Error,
         "--simulate: unknown chip type \"27C999\" (27C64, 27C128, 27C256 or 27C512)"},
        {{"a.bin", "b.bin"}, CommandLine::Error, "only one image file can be opened: b.bin"},
        // After "--" a name that starts with a dash is a file.
        {{"--", "-odd name"}, CommandLine::Run, ""},
    };
    for (const auto& testCase : cases) {
        const CommandLine commandLine = ParseCommandLine(testCase.arguments);
        EXPECT_EQ(commandLine.action, testCase.action) << testCase.arguments.front();
        EXPECT_EQ(commandLine.strError, testCase.pszError) << testCase.arguments.front();
    }
    EXPECT_EQ(ParseCommandLine({"--", "-odd name"}).imageFile, "-odd name");
}

TEST(CommandLineTest, HelpNamesEveryOption) {
    const std::string strHelp = CommandLineHelp();
    for (const char* pszOption : {"--simulate", "--sim-chip", "--trace", "--lpt1", "--lpt2",
                                  "--help", "--version", "IMAGE-FILE", "1.0.0.1"}) {
        EXPECT_NE(strHelp.find(pszOption), std::string::npos) << pszOption;
    }
}

}  // namespace
