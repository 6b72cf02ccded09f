#include "platform/trace_port_io.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/recording_port_io.h"
#include "platform/text_format.h"

namespace {

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

class TracePortTest : public ::testing::Test {
  protected:
    CTempDir m_dir;
    const std::filesystem::path m_path = m_dir.Path() / "port.trace";
    CRecordingPortBackEnd m_inner;
};

TEST_F(TracePortTest, WritesEachAccessInOrderAndPassesItOn) {
    std::string strError;
    auto pTrace = CTracePortBackEnd::Open(m_path.string(), m_inner, strError);
    ASSERT_NE(pTrace, nullptr) << strError;
    m_inner.ScriptReads({0xCE, 0x00});
    pTrace->WritePort(0x378, 0x05);
    EXPECT_EQ(pTrace->ReadPort(0x37A), 0xCE);
    pTrace->WritePort(0x27A, 0xF0);
    EXPECT_EQ(pTrace->ReadPort(0x2), 0x00);
    pTrace->WritePort(0xD012, 0x0A);
    ASSERT_TRUE(pTrace->Close(strError)) << strError;
    EXPECT_EQ(ReadWholeFile(m_path), "W 378 05\nR 37A CE\nW 27A F0\nR 2 00\nW D012 0A\n");
    const std::vector<PortAccess> expected = {{'W', 0x378, 0x05},
                                              {'R', 0x37A, 0xCE},
                                              {'W', 0x27A, 0xF0},
                                              {'R', 0x2, 0x00},
                                              {'W', 0xD012, 0x0A}};
    EXPECT_EQ(m_inner.Accesses(), expected);
    EXPECT_TRUE(pTrace->Close(strError)) << "a second close finds nothing left to do";
}

TEST_F(TracePortTest, KeepsEveryLineAcrossManyBufferFlushes) {
    std::string strError;
    auto pTrace = CTracePortBackEnd::Open(m_path.string(), m_inner, strError);
    ASSERT_NE(pTrace, nullptr) << strError;
    m_inner.SetDefaultReading(0x3C);
    std::string strExpected;
    for (unsigned uAccess = 0; uAccess < 30000; ++uAccess) {
        const BYTE byValue = static_cast<BYTE>(uAccess);
        if (uAccess % 7 == 0) {
            pTrace->ReadPort(0x37A);
            strExpected += "R 37A 3C\n";
        } else {
            pTrace->WritePort(0x278, byValue);
            strExpected += FormatText("W 278 %02X\n", byValue);
        }
    }
    ASSERT_TRUE(pTrace->Close(strError)) << strError;
    EXPECT_EQ(ReadWholeFile(m_path), strExpected);
}

TEST_F(TracePortTest, FileThatCannotBeCreatedIsNamedWithTheReason) {
    const std::string strDirectory = m_dir.Path().string();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {strDirectory, "cannot create trace file " + strDirectory + ": Is a directory"},
        {"/nonexistent-dir/t.trace",
         "cannot create trace file /nonexistent-dir/t.trace: No such file or directory"},
    };
    for (const auto& [strPath, strMessage] : cases) {
        std::string strError;
        EXPECT_EQ(CTracePortBackEnd::Open(strPath, m_inner, strError), nullptr) << strPath;
        EXPECT_EQ(strError, strMessage);
    }
}

TEST_F(TracePortTest, WriteFailureIsReportedAtClose) {
    std::string strError;
    auto pTrace = CTracePortBackEnd::Open("/dev/full", m_inner, strError);
    ASSERT_NE(pTrace, nullptr) << strError;
    pTrace->WritePort(0x378, 7);
    EXPECT_EQ(m_inner.Accesses().size(), 1u) << "the port access itself still happens";
    EXPECT_FALSE(pTrace->Close(strError));
    EXPECT_EQ(strError, "cannot write trace file /dev/full: No space left on device");
}

}  // namespace
