// morvex-cli as a person uses it: the built program, run on a simulated board whose chip
// lives in a file.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>
#include <vector>

#include "hardware/socket.h"
#include "platform/recording_port_io.h"
#include "platform/text_format.h"
#include "tests/support/child_process.h"
#include "tests/support/port_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

struct CliResult {
    int nExitCode = -1;
    std::string strOut;
    std::string strErr;
};

class MorvexCliTest : public ::testing::Test {
  protected:
    std::string PathOf(const std::string& strName) const { return m_dir.PathOf(strName); }

    // Starts the program with standard output and standard error in files of the test's
    // folder (so standard error is no terminal).
    pid_t Start(const std::vector<std::string>& arguments) const {
        return StartProgram(MORVEX_CLI_PATH, arguments, PathOf("stdout"), PathOf("stderr"));
    }
    CliResult Finish(pid_t pid) const {
        int nStatus = 0;
        ::waitpid(pid, &nStatus, 0);
        CliResult result;
        result.nExitCode = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -WTERMSIG(nStatus);
        result.strOut = ReadText(PathOf("stdout"));
        result.strErr = ReadText(PathOf("stderr"));
        return result;
    }
    CliResult Run(const std::vector<std::string>& arguments) const {
        return Finish(Start(arguments));
    }
    // The simulated 27C256 whose contents live in chip.bin, selected as the device type.
    CliResult RunOn27C256(const std::string& strCommand, const std::string& strFile = "") const {
        std::vector<std::string> arguments = {
            "--simulate=27C256", "--sim-chip=" + PathOf("chip.bin"), "--type=27C256", strCommand};
        if (!strFile.empty()) {
            arguments.push_back(strFile);
        }
        return Run(arguments);
    }

    static std::string ReadText(const std::string& strPath) {
        std::ifstream file(strPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    std::string WriteBytes(const std::string& strName, const std::string& strBytes) const {
        std::ofstream(PathOf(strName), std::ios::binary) << strBytes;
        return PathOf(strName);
    }
    static std::string Pattern(std::size_t nBytes, unsigned uSeed) {
        std::string strBytes(nBytes, '\0');
        for (std::size_t i = 0; i < nBytes; ++i) {
            strBytes[i] = static_cast<char>((i * 131 + uSeed) ^ (i >> 7));
        }
        return strBytes;
    }

    CTempDir m_dir;
};

TEST_F(MorvexCliTest, ProgramReadBackCompareAndBlankCheck) {
    CliResult result = RunOn27C256("empty");
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    EXPECT_EQ(result.strOut, "is empty\n");

    const std::string strImage = Pattern(0x8000, 5);
    const std::string strImagePath = WriteBytes("image.bin", strImage);
    result = RunOn27C256("write", strImagePath);
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    EXPECT_EQ(result.strOut, "32768 bytes\n" + strImagePath + "\nwrite: 7fff\n");
    EXPECT_EQ(result.strErr, "");
    EXPECT_EQ(ReadText(PathOf("chip.bin")), strImage) << "the simulated chip is kept";

    result = RunOn27C256("read", PathOf("back.bin"));
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    unsigned long ulSum = 0;
    for (const char c : strImage) {
        ulSum += static_cast<unsigned char>(c);
    }
    EXPECT_EQ(
        result.strOut,
        FormatText("read: 7fff\nread eprom to buffer ( 32768 bytes ) - [#%lX]\nBuffer saved\n\n",
                   ulSum & 0xFFFF));
    EXPECT_EQ(ReadText(PathOf("back.bin")), strImage);

    result = RunOn27C256("compare", strImagePath);
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    EXPECT_EQ(result.strOut, "32768 bytes\n" + strImagePath + "\ncompare: 7fff\n");

    result = RunOn27C256("empty");
    EXPECT_EQ(result.nExitCode, 1);
    EXPECT_EQ(result.strOut, "not empty\n");
    EXPECT_EQ(result.strErr, FormatText("error at adr:0\nread: %x\tdifferent to: ff\n",
                                        static_cast<unsigned char>(strImage[0])))
        << "no bell when standard error is no terminal";

    // Programmed bits cannot be set again: a chip holding the image fails another one.
    const std::string strOther = WriteBytes("other.bin", Pattern(0x100, 77));
    result = RunOn27C256("compare", strOther);
    EXPECT_EQ(result.nExitCode, 1);
    EXPECT_EQ(result.strOut, "256 bytes\n" + strOther + "\ncompare-error\n");
    result = RunOn27C256("write", WriteBytes("ones.bin", std::string(0x100, '\xFF')));
    EXPECT_EQ(result.nExitCode, 1);
    EXPECT_EQ(result.strOut.substr(result.strOut.find("\n", 12) + 1), "error writing\n");
    EXPECT_EQ(result.strErr.substr(0, 21), "write-error at adr:0\n");
}

TEST_F(MorvexCliTest, RefusalsExitWithTwo) {
    const std::string strMissing = PathOf("missing.bin");
    const std::string strOneByte = WriteBytes("one.bin", "x");
    const struct {
        std::vector<std::string> arguments;
        std::string strErrPart;
    } cases[] = {
        {{"--simulate", "--frobnicate", "empty"}, "unknown option '--frobnicate'"},
        {{"--simulate", "--type=27C32", "empty"}, "--type"},
        {{"--simulate"}, "no command"},
        {{"--simulate", "write", strMissing},
         "Fehler-> " + strMissing + " kann nicht geöffnet werden!\n"},
        {{"--simulate", "write", strOneByte}, "write-error:   buffer empty!\n"},
        {{"--simulate", "compare", strOneByte}, "compare-error:   buffer is empty!\n"},
        {{"--simulate", "read", PathOf("no/such/dir.bin")}, "error found: can not save!\n"},
        {{"--simulate", "--sim-chip=" + PathOf("no/chip.bin"), "empty"}, "chip.bin"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strErrPart);
        const CliResult result = Run(c.arguments);
        EXPECT_EQ(result.nExitCode, 2);
        EXPECT_NE(result.strErr.find(c.strErrPart), std::string::npos) << result.strErr;
    }
}

TEST_F(MorvexCliTest, HelpAndVersion) {
    CliResult result = Run({"--version"});
    EXPECT_EQ(result.nExitCode, 0);
    EXPECT_EQ(result.strOut, "morvex-cli 1.0.0.1\n");
    result = Run({"--help"});
    EXPECT_EQ(result.nExitCode, 0);
    EXPECT_NE(result.strOut.find("--sim-chip=FILE"), std::string::npos);
}

// The trace's last transaction must be the write of CTRL_IDLE to the control nibble.
TEST_F(MorvexCliTest, SigtermDuringAWriteLeavesTheBoardIdle) {
    const std::string strImage = Pattern(0x10000, 9);
    const std::string strTrace = PathOf("trace.txt");
    const pid_t pid = Start({"--simulate", "--sim-chip=" + PathOf("chip.bin"),
                             "--trace=" + strTrace, "write", WriteBytes("image.bin", strImage)});
    // Wait until the run is well under way: a whole write traces some 40 MB.
    struct stat status {};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while ((::stat(strTrace.c_str(), &status) != 0 || status.st_size < (2 << 20)) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::kill(pid, SIGTERM);
    const CliResult result = Finish(pid);

    EXPECT_EQ(result.nExitCode, 143);
    const std::size_t nAt = result.strErr.find("stopped at address ");
    ASSERT_NE(nAt, std::string::npos) << result.strErr;
    const unsigned long ulStopped = std::strtoul(result.strErr.c_str() + nAt + 19, nullptr, 16);
    EXPECT_GT(ulStopped, 0ul);
    EXPECT_LT(ulStopped, 0x10000ul);

    std::vector<PortAccess> last;
    std::istringstream trace(ReadText(strTrace));
    for (std::string strLine; std::getline(trace, strLine);) {
        char cKind = 0;
        unsigned uPort = 0;
        unsigned uValue = 0;
        ASSERT_EQ(std::sscanf(strLine.c_str(), "%c %x %x", &cKind, &uPort, &uValue), 3);
        last.push_back({cKind, uPort, static_cast<BYTE>(uValue)});
    }
    ASSERT_GE(last.size(), 6u);
    EXPECT_EQ(std::vector<PortAccess>(last.end() - 6, last.end()),
              WriteSequence(NIB_CONTROL, OP_WRITE, CTRL_IDLE));

    const std::string strChip = ReadText(PathOf("chip.bin"));
    ASSERT_EQ(strChip.size(), 0x10000u) << "the simulated chip is kept";
    EXPECT_EQ(strChip.substr(0, ulStopped), strImage.substr(0, ulStopped));
    EXPECT_EQ(strChip.substr(ulStopped), std::string(0x10000 - ulStopped, '\xFF'));
}

}  // namespace
