#include "platform/port_session.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "hardware/expander_link.h"
#include "hardware/socket.h"
#include "sim/simulated_board.h"

namespace {

std::vector<BYTE> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

PortOptions Options(bool bSimulate, WORD wChipType, const std::string& strChipFile,
                    const std::string& strTraceFile) {
    PortOptions options;
    options.bSimulate = bSimulate;
    options.wSimulatedChipType = wChipType;
    options.strSimulatedChipFile = strChipFile;
    options.strTraceFile = strTraceFile;
    return options;
}

class PortSessionTest : public ::testing::Test {
  protected:
    void SetUp() override { g_wPortBase = LPT1_BASE; }
    void TearDown() override { SetPortBackEnd(nullptr); }

    CTempDir m_tempDir;
    const std::filesystem::path& m_dir = m_tempDir.Path();
};

TEST_F(PortSessionTest, SimulatedChipComesFromItsFileAndGoesBackAtClose) {
    const std::filesystem::path chipPath = m_dir / "chip.bin";
    std::vector<BYTE> contents(0x2000);
    for (std::size_t n = 0; n < contents.size(); ++n) {
        contents[n] = static_cast<BYTE>(n * 7);
    }
    std::ofstream(chipPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(contents.data()),
               static_cast<std::streamsize>(contents.size()));

    const PortOptions options = Options(true, TYPE_27C64, chipPath.string(), "");
    std::string strError;
    auto pSession = CPortSession::Open(options, strError);
    ASSERT_NE(pSession, nullptr) << strError;
    EXPECT_EQ(pSession->Description(), "simulated 27C64");
    CSimulatedBoard* pBoard = pSession->SimulatedBoard();
    ASSERT_NE(pBoard, nullptr);
    EXPECT_EQ(GetPortBackEnd(), pBoard);
    ASSERT_TRUE(std::equal(contents.begin(), contents.end(), pBoard->ChipCells().begin(),
                           pBoard->ChipCells().end()));

    pBoard->ChipCells()[0x1234] = 0x00;
    contents[0x1234] = 0x00;
    ASSERT_TRUE(pSession->Close(strError)) << strError;
    EXPECT_EQ(GetPortBackEnd(), nullptr);
    EXPECT_EQ(ReadBytes(chipPath), contents);
    EXPECT_TRUE(pSession->Close(strError)) << "a second close finds nothing left to do";
}

TEST_F(PortSessionTest, TraceSitsBetweenTheProgramAndTheBoardAndIsCompleteAfterDestruction) {
    const std::filesystem::path tracePath = m_dir / "port.trace";
    const PortOptions options = Options(true, TYPE_27C512, "", tracePath.string());
    std::string strError;
    auto pSession = CPortSession::Open(options, strError);
    ASSERT_NE(pSession, nullptr) << strError;
    EXPECT_EQ(pSession->Description(), "simulated 27C512");
    CSimulatedBoard* pBoard = pSession->SimulatedBoard();
    ExpWrite(NIB_CONTROL, CTRL_IDLE);
    EXPECT_EQ(pBoard->ControlNibble(), CTRL_IDLE) << "the trace passes every access on";
    pSession.reset();
    std::ifstream trace(tracePath);
    const std::string strTrace{std::istreambuf_iterator<char>(trace),
                               std::istreambuf_iterator<char>()};
    EXPECT_EQ(strTrace, "W 378 03\nW 37A 0D\nW 378 02\nW 37A 08\nW 378 03\nW 378 07\n");
    EXPECT_EQ(GetPortBackEnd(), nullptr);
}

TEST_F(PortSessionTest, FailedOpenNamesTheCauseChoosesNoBackEndAndLeavesTheChipFileAlone) {
    const std::filesystem::path chipPath = m_dir / "chip.bin";
    const std::string strTraceDir = m_dir.string();
    // A chip file that cannot be read fails the start with the board's own message.
    std::string strUnreadable;
    CSimulatedBoard(TYPE_27C512).LoadChipFile(strTraceDir, &strUnreadable);
    ASSERT_NE(strUnreadable, "");
    const std::vector<std::pair<PortOptions, std::string>> cases = {
        {Options(true, TYPE_27C512, strTraceDir, ""), strUnreadable},
        {Options(false, TYPE_27C512, chipPath.string(), ""),
         "--sim-chip=" + chipPath.string() +
             " needs --simulate: the chip file belongs to the simulated board"},
        {Options(true, TYPE_27C512, chipPath.string(), strTraceDir),
         "cannot create trace file " + strTraceDir + ": Is a directory"},
    };
    for (const auto& [options, strMessage] : cases) {
        std::string strError;
        EXPECT_EQ(CPortSession::Open(options, strError), nullptr) << strMessage;
        EXPECT_EQ(strError, strMessage);
        EXPECT_EQ(GetPortBackEnd(), nullptr);
        EXPECT_FALSE(std::filesystem::exists(chipPath)) << "a failed start writes no chip file";
    }
}

TEST_F(PortSessionTest, CloseReportsATraceThatCouldNotBeWritten) {
    const PortOptions options = Options(true, TYPE_27C512, "", "/dev/full");
    std::string strError;
    auto pSession = CPortSession::Open(options, strError);
    ASSERT_NE(pSession, nullptr) << strError;
    ExpWrite(NIB_CONTROL, CTRL_IDLE);
    EXPECT_FALSE(pSession->Close(strError));
    EXPECT_EQ(strError, "cannot write trace file /dev/full: No space left on device");
}

}  // namespace
