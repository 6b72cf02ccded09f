#include "platform/port_options.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

struct OptionCase {
    const char* pszArgument;
    PortOptionParse result;
    void (*expect)(PortOptions&);  // what the argument changes in the defaults
    const char* pszError;          // the exact message of an invalid value
};

TEST(PortOptionsTest, ParsesEachOptionAndNamesTheOptionOfABadValue) {
    const std::vector<OptionCase> cases = {
        {"--simulate", PortOptionParse::Accepted, [](PortOptions& o) { o.bSimulate = true; }, ""},
        {"--simulate=27C64", PortOptionParse::Accepted,
         [](PortOptions& o) {
             o.bSimulate = true;
             o.wSimulatedChipType = 0;
         },
         ""},
        {"--simulate=27c128", PortOptionParse::Accepted,
         [](PortOptions& o) {
             o.bSimulate = true;
             o.wSimulatedChipType = 1;
         },
         ""},
        {"--simulate=27C256", PortOptionParse::Accepted,
         [](PortOptions& o) {
             o.bSimulate = true;
             o.wSimulatedChipType = 2;
         },
         ""},
        {"--simulate=27C32", PortOptionParse::Invalid, nullptr,
         "--simulate: unknown chip type \"27C32\" (27C64, 27C128, 27C256 or 27C512)"},
        {"--simulate=", PortOptionParse::Invalid, nullptr,
         "--simulate: unknown chip type \"\" (27C64, 27C128, 27C256 or 27C512)"},
        {"--sim-chip=chip.bin", PortOptionParse::Accepted,
         [](PortOptions& o) { o.strSimulatedChipFile = "chip.bin"; }, ""},
        {"--sim-chip", PortOptionParse::Invalid, nullptr,
         "--sim-chip needs a file name: --sim-chip=FILE"},
        {"--trace=/tmp/t x.txt", PortOptionParse::Accepted,
         [](PortOptions& o) { o.strTraceFile = "/tmp/t x.txt"; }, ""},
        {"--trace=", PortOptionParse::Invalid, nullptr, "--trace needs a file name: --trace=FILE"},
        {"--lpt1=0x3BC", PortOptionParse::Accepted, [](PortOptions& o) { o.wLpt1Physical = 0x3BC; },
         ""},
        {"--lpt1=0Xd010", PortOptionParse::Accepted,
         [](PortOptions& o) { o.wLpt1Physical = 0xD010; }, ""},
        {"--lpt2=888", PortOptionParse::Accepted, [](PortOptions& o) { o.wLpt2Physical = 0x378; },
         ""},
        {"--lpt2=1", PortOptionParse::Accepted, [](PortOptions& o) { o.wLpt2Physical = 1; }, ""},
        {"--lpt2=0xFFFF", PortOptionParse::Accepted,
         [](PortOptions& o) { o.wLpt2Physical = 0xFFFF; }, ""},
        {"--lpt1=65536", PortOptionParse::Invalid, nullptr,
         "--lpt1: bad port address \"65536\" (hexadecimal with 0x or decimal, 1 to 0xFFFF)"},
        {"--lpt2=0x10000", PortOptionParse::Invalid, nullptr,
         "--lpt2: bad port address \"0x10000\" (hexadecimal with 0x or decimal, 1 to 0xFFFF)"},
        {"--lpt1=0", PortOptionParse::Invalid, nullptr,
         "--lpt1: bad port address \"0\" (hexadecimal with 0x or decimal, 1 to 0xFFFF)"},
        {"--lpt1=3BC", PortOptionParse::Invalid, nullptr,
         "--lpt1: bad port address \"3BC\" (hexadecimal with 0x or decimal, 1 to 0xFFFF)"},
        {"--lpt1=0x", PortOptionParse::Invalid, nullptr,
         "--lpt1: bad port address \"0x\" (hexadecimal with 0x or decimal, 1 to 0xFFFF)"},
        {"--lpt2=-888", PortOptionParse::Invalid, nullptr,
         "--lpt2: bad port address \"-888\" (hexadecimal with 0x or decimal, 1 to 0xFFFF)"},
        {"--lpt2=0x18446744073709552000", PortOptionParse::Invalid, nullptr,
         "--lpt2: bad port address \"0x18446744073709552000\" (hexadecimal with 0x or decimal, "
         "1 to 0xFFFF)"},
        {"--lpt1", PortOptionParse::Invalid, nullptr,
         "--lpt1: bad port address \"\" (hexadecimal with 0x or decimal, 1 to 0xFFFF)"},
        {"--simulated", PortOptionParse::NotAPortOption, nullptr, ""},
        {"--tracefile=x", PortOptionParse::NotAPortOption, nullptr, ""},
        {"--type=27C64", PortOptionParse::NotAPortOption, nullptr, ""},
        {"image.bin", PortOptionParse::NotAPortOption, nullptr, ""},
    };
    for (const OptionCase& testCase : cases) {
        PortOptions options;
        std::string strError;
        EXPECT_EQ(ParsePortOption(testCase.pszArgument, options, strError), testCase.result)
            << testCase.pszArgument;
        EXPECT_EQ(strError, testCase.pszError) << testCase.pszArgument;
        PortOptions expected;
        if (testCase.expect != nullptr) {
            testCase.expect(expected);
        }
        EXPECT_TRUE(options == expected) << testCase.pszArgument
                                         << ": a rejected or foreign "
                                            "argument changes nothing";
    }
}

TEST(PortOptionsTest, SimChipNeedsSimulateInAnyOrder) {
    PortOptions options;
    std::string strError;
    ParsePortOption("--sim-chip=chip.bin", options, strError);
    EXPECT_FALSE(CheckPortOptions(options, strError));
    EXPECT_EQ(strError,
              "--sim-chip=chip.bin needs --simulate: the chip file belongs to the simulated board");
    ParsePortOption("--simulate=27C64", options, strError);
    strError.clear();
    EXPECT_TRUE(CheckPortOptions(options, strError));
    EXPECT_EQ(strError, "");
}

TEST(PortOptionsTest, HelpListsEveryOption) {
    const std::string_view strHelp = PortOptionsHelp();
    for (const char* pszOption :
         {"--simulate[=TYPE]", "--sim-chip=FILE", "--trace=FILE", "--lpt1=ADDR", "--lpt2=ADDR"}) {
        EXPECT_NE(strHelp.find(pszOption), std::string_view::npos) << pszOption;
    }
}

}  // namespace
