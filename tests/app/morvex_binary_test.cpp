// The built morvex program as a person starts it: on the offscreen platform, with its
// settings in a folder of the test's own, and stopped with SIGTERM where it waits for a
// person (a message box, the main window).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/res/version.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace {

// How long a started program may take to reach the state a test waits for.
constexpr auto WAIT_LIMIT = std::chrono::seconds(5);

struct Outcome {
    // The exit code, or minus the signal that ended the program.
    int nStatus = 0;
    std::string strOut;
    std::string strErr;
};

class MorvexBinaryTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    std::string PathOf(const std::string& strName) const { return m_dir.PathOf(strName); }
    std::string ConfigFolder() const { return PathOf("config"); }

    // Starts the program with its own home and configuration folders, standard output and
    // standard error in files of the test's folder.
    void Start(const std::vector<std::string>& arguments) {
        std::filesystem::create_directories(ConfigFolder());
        m_pid = StartProgram(MORVEX_PATH, arguments, PathOf("stdout"), PathOf("stderr"), [this] {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("HOME", m_dir.Path().c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", ConfigFolder().c_str(), 1);
        });
        ASSERT_GT(m_pid, 0);
    }

    // Polls until bCondition holds; false when it did not within the limit.
    bool WaitFor(const std::function<bool()>& bCondition) const {
        const auto deadline = std::chrono::steady_clock::now() + WAIT_LIMIT;
        while (std::chrono::steady_clock::now() < deadline) {
            if (bCondition()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    // Looks without reaping, so that Finish still gets the exit status.
    bool IsRunning() const {
        siginfo_t info{};
        return ::waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
               info.si_pid == 0;
    }

    // True once the program catches SIGTERM: its handlers are installed, so a SIGTERM now
    // ends it the program's own way.
    bool CatchesSigterm() const {
        std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
        std::string strLine;
        while (std::getline(status, strLine)) {
            if (strLine.starts_with("SigCgt:")) {
                const unsigned long long ullMask = std::stoull(strLine.substr(7), nullptr, 16);
                return (ullMask >> (SIGTERM - 1) & 1) != 0;
            }
        }
        return false;
    }

    // Waits for the program's end, within the limit; SIGKILL and a failure otherwise.
    Outcome Finish() {
        int nWaitStatus = 0;
        const bool bEnded = WaitFor([&] { return ::waitpid(m_pid, &nWaitStatus, WNOHANG) > 0; });
        if (!bEnded) {
            ADD_FAILURE() << "the program did not end";
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, &nWaitStatus, 0);
        }
        m_pid = -1;
        Outcome outcome;
        outcome.nStatus =
            WIFEXITED(nWaitStatus) ? WEXITSTATUS(nWaitStatus) : -WTERMSIG(nWaitStatus);
        outcome.strOut = ReadText(PathOf("stdout"));
        outcome.strErr = ReadText(PathOf("stderr"));
        return outcome;
    }
    Outcome Run(const std::vector<std::string>& arguments) {
        Start(arguments);
        return Finish();
    }
    Outcome Terminate() {
        EXPECT_EQ(::kill(m_pid, SIGTERM), 0);
        return Finish();
    }

    // The files under the configuration folder: the settings, once the main window has
    // been closed.
    std::vector<std::string> ConfigFiles() const {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(ConfigFolder())) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path().string());
            }
        }
        return files;
    }
    std::string SettingsFile() const {
        return ConfigFolder() + "/Local AppWizard-Generated Applications/morvex.conf";
    }

    static std::string ReadText(const std::string& strPath) {
        std::ifstream file(strPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    CTempDir m_dir;
    pid_t m_pid = -1;
};

TEST_F(MorvexBinaryTest, VersionAndHelpAnswerOnStandardOutput) {
    Outcome outcome = Run({"--version"});
    EXPECT_EQ(outcome.nStatus, 0);
    EXPECT_EQ(outcome.strOut, std::string("morvex ") + VERSION_TEXT + "\n");
    EXPECT_EQ(outcome.strErr, "");

    outcome = Run({"--help"});
    EXPECT_EQ(outcome.nStatus, 0);
    EXPECT_TRUE(outcome.strOut.starts_with("Usage: morvex [OPTION]... [IMAGE-FILE]\n"))
        << outcome.strOut;
    EXPECT_NE(outcome.strOut.find("--simulate"), std::string::npos);
    EXPECT_EQ(outcome.strErr, "");
    EXPECT_TRUE(ConfigFiles().empty());
}

TEST_F(MorvexBinaryTest, UnknownOptionIsNamedAndNoWindowOpens) {
    const Outcome outcome = Run({"--simulate", "--frobnicate"});
    EXPECT_EQ(outcome.nStatus, 2);
    EXPECT_NE(outcome.strErr.find("morvex: unknown option: --frobnicate\n"), std::string::npos)
        << outcome.strErr;
    EXPECT_EQ(outcome.strOut, "");
    EXPECT_TRUE(ConfigFiles().empty());
}

TEST_F(MorvexBinaryTest, PortThatCannotBeOpenedIsExplainedAndTheWindowNeverOpens) {
    Start({});
    std::string strErr;
    ASSERT_TRUE(WaitFor([&] {
        strErr = ReadText(PathOf("stderr"));
        return strErr.find("--simulate") != std::string::npos;
    })) << "no explanation on standard error: "
        << strErr;
    const std::size_t nLine = strErr.find("morvex: cannot open LPT1 at physical base 0x378");
    ASSERT_NE(nLine, std::string::npos) << strErr;
    const std::string strLine = strErr.substr(nLine, strErr.find('\n', nLine) - nLine);
    // The operating system's reason sits between the port and the hint.
    const std::size_t nReason = strLine.find(": ", strLine.find("0x378"));
    const std::size_t nHint = strLine.find("; run with --simulate");
    ASSERT_NE(nReason, std::string::npos) << strLine;
    ASSERT_NE(nHint, std::string::npos) << strLine;
    EXPECT_LT(nReason + 2, nHint) << strLine;
    // The same text waits in a message box for the person.
    EXPECT_TRUE(IsRunning());
    const Outcome outcome = Terminate();
    EXPECT_EQ(outcome.nStatus, -SIGTERM);
    EXPECT_TRUE(ConfigFiles().empty()) << "the main window was never there to save anything";
}

TEST_F(MorvexBinaryTest, CommandLineFileThatDoesNotExistEndsWithoutAWindow) {
    Start({"--simulate", PathOf("missing.bin")});
    ASSERT_TRUE(WaitFor([&] { return CatchesSigterm(); }));
    // "Fehler-> ... kann nicht geöffnet werden!" waits for the person.
    EXPECT_TRUE(IsRunning());
    const Outcome outcome = Terminate();
    EXPECT_EQ(outcome.nStatus, 1) << "start-up failed; the program ended on its own terms";
    EXPECT_TRUE(ConfigFiles().empty());
}

TEST_F(MorvexBinaryTest, SigtermAfterStartUpSavesTheSettingsAndLeavesTheBoardIdle) {
    const std::string strTrace = PathOf("trace.txt");
    Start({"--simulate", "--trace=" + strTrace});
    ASSERT_TRUE(WaitFor([&] { return CatchesSigterm(); }));
    const Outcome outcome = Terminate();
    EXPECT_EQ(outcome.nStatus, 0) << "SIGTERM closes the window the normal way\n" << outcome.strErr;

    const std::string strSettings = ReadText(SettingsFile());
    for (const char* pszEntry : {"Rect=", "Icon=0", "Max=0", "Lpt=0", "Tool=1", "Status=1"}) {
        EXPECT_NE(strSettings.find(pszEntry), std::string::npos) << pszEntry << strSettings;
    }

    std::vector<std::string> lines;
    std::istringstream trace(ReadText(strTrace));
    for (std::string strLine; std::getline(trace, strLine);) {
        lines.push_back(strLine);
    }
    ASSERT_GE(lines.size(), 6u);
    // The last transaction is one expander write: data register S, control register the
    // instruction, data register P (strobe low), control register the value, S, then 7 at
    // rest. The port inverts control bits 0, 1 and 3, so the program writes them inverted.
    const unsigned uExpectedPort[6] = {0x378, 0x37A, 0x378, 0x37A, 0x378, 0x378};
    unsigned uValues[6] = {};
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string& strLine = lines[lines.size() - 6 + i];
        char cKind = 0;
        unsigned uPort = 0;
        ASSERT_EQ(std::sscanf(strLine.c_str(), "%c %x %x", &cKind, &uPort, &uValues[i]), 3)
            << strLine;
        EXPECT_EQ(cKind, 'W') << strLine;
        EXPECT_EQ(uPort, uExpectedPort[i]) << strLine;
    }
    const unsigned uInstruction = (uValues[1] ^ 0x0B) & 0x0F;
    EXPECT_EQ(uValues[0], 3u) << "expander B, which holds ports 4 to 7, selected";
    EXPECT_EQ(uValues[2], 2u) << "strobe low on expander B";
    EXPECT_EQ(uValues[4], 3u);
    EXPECT_EQ(uValues[5], 7u) << "rest";
    EXPECT_EQ(uInstruction >> 2, 1u) << "a write to the port latch";
    EXPECT_EQ((uInstruction & 3) + 4, 6u) << "port 6, the control nibble";
    EXPECT_EQ((uValues[3] ^ 0x0B) & 0x0F, 3u) << "CTRL_IDLE";
}

}  // namespace
