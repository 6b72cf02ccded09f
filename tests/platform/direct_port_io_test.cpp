#include "platform/direct_port_io.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>

#include "platform/text_format.h"

namespace {

// Plays the operating system: logs every call in order and fails the ones a test names.
class CFakeDirectIoSystem : public CDirectIoSystem {
  public:
    int GrantPortRange(WORD wFrom, WORD wCount) override {
        m_calls.push_back(FormatText("ioperm %X %u", wFrom, wCount));
        return m_nGrantError;
    }
    int GrantAllPorts() override {
        m_calls.push_back("iopl 3");
        return m_nGrantError;
    }
    int OpenDevice(const std::string& strPath, int& nFd) override {
        m_calls.push_back("open " + strPath);
        if (m_openErrors.contains(strPath)) {
            return m_openErrors[strPath];
        }
        ++m_nOpenDevices;
        nFd = m_nNextFd++;
        return 0;
    }
    int RequestParport(int nFd, ParportRequest request) override {
        static const char* const apszNames[] = {"exclusive", "claim", "release"};
        m_calls.push_back(FormatText("%s %d", apszNames[static_cast<int>(request)], nFd));
        return m_requestErrors.contains(request) ? m_requestErrors[request] : 0;
    }
    void CloseDevice(int nFd) override {
        --m_nOpenDevices;
        m_calls.push_back(FormatText("close %d", nFd));
    }
    BYTE InByte(WORD wPort) override {
        m_calls.push_back(FormatText("in %X", wPort));
        return 0xCE;
    }
    void OutByte(WORD wPort, BYTE byValue) override {
        m_calls.push_back(FormatText("out %X %02X", wPort, byValue));
    }
    std::string ParportProcDir() const override { return m_strProcDir; }

    std::vector<std::string> m_calls;
    int m_nGrantError = 0;
    std::map<std::string, int> m_openErrors;
    std::map<ParportRequest, int> m_requestErrors;
    std::string m_strProcDir = "/nonexistent-proc/parport";
    int m_nNextFd = 10;
    int m_nOpenDevices = 0;
};

class DirectPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_procDir = m_dir.Path() / "parport";
        std::filesystem::create_directories(m_procDir / "default");
    }

    // A port the kernel lists, as /proc/sys/dev/parport shows it: base and ECR base.
    void AddKernelPort(const char* pszName, const char* pszBaseAddr) {
        std::filesystem::create_directories(m_procDir / pszName);
        std::ofstream(m_procDir / pszName / "base-addr") << pszBaseAddr;
        m_system.m_strProcDir = m_procDir.string();
    }

    CTempDir m_dir;
    std::filesystem::path m_procDir;
    CFakeDirectIoSystem m_system;
};

TEST_F(DirectPortTest, ClaimsTheKernelsPortsAndMapsLogicalToPhysicalRegisters) {
    AddKernelPort("parport0", "956\t1980\n");
    AddKernelPort("parport1", "53264\t0\n");
    AddKernelPort("parport2", "888\t1912\n");
    std::string strError;
    auto pPort = CDirectPortBackEnd::Open(0x3BC, 0xD010, strError, m_system);
    ASSERT_NE(pPort, nullptr) << strError;
    EXPECT_EQ(pPort->Description(), "direct I/O: LPT1 at 0x3BC, LPT2 at 0xD010");

    pPort->WritePort(0x378, 0x05);
    EXPECT_EQ(pPort->ReadPort(0x37A), 0xCE);
    pPort->WritePort(0x278, 0x07);
    pPort->WritePort(0x27A, 0x04);
    pPort->Release();
    pPort->Release();
    const std::vector<std::string> expected = {
        "open /dev/parport0", "exclusive 10", "claim 10",    "ioperm 3BC 3",
        "open /dev/parport1", "exclusive 11", "claim 11",    "iopl 3",
        "out 3BC 05",         "in 3BE",       "out D010 07", "out D012 04",
        "release 10",         "close 10",     "release 11",  "close 11"};
    EXPECT_EQ(m_system.m_calls, expected);
}

TEST_F(DirectPortTest, PortsTheKernelDoesNotListOrWithoutDeviceNodeAreUsedUnclaimed) {
    AddKernelPort("parport0", "888\t1912\n");
    m_system.m_openErrors["/dev/parport0"] = ENOENT;
    std::string strError;
    auto pPort = CDirectPortBackEnd::Open(0x378, 0x278, strError, m_system);
    ASSERT_NE(pPort, nullptr) << strError;
    pPort.reset();
    const std::vector<std::string> expected = {"open /dev/parport0", "ioperm 378 3",
                                               "ioperm 278 3"};
    EXPECT_EQ(m_system.m_calls, expected);
}

TEST_F(DirectPortTest, FailureNamesPortBaseAndReasonAndPointsAtTheSimulator) {
    const std::string strSimulate = "; run with --simulate to use the simulated programmer board";
    const std::string strRights =
        " (direct I/O needs root or the CAP_SYS_RAWIO capability: setcap cap_sys_rawio+ep on "
        "the program)";
    struct FailureCase {
        WORD wLpt1;
        WORD wLpt2;
        std::function<void(CFakeDirectIoSystem&)> fail;
        std::string strMessage;
    };
    const std::vector<FailureCase> cases = {
        {0x378, 0x278, [](CFakeDirectIoSystem& system) { system.m_nGrantError = EPERM; },
         "cannot open LPT1 at physical base 0x378 for direct I/O: no access to the port "
         "registers: Operation not permitted" +
             strRights + strSimulate},
        {0x378, 0x278,
         [](CFakeDirectIoSystem& system) { system.m_openErrors["/dev/parport0"] = EACCES; },
         "cannot open LPT1 at physical base 0x378 for direct I/O: cannot open /dev/parport0: "
         "Permission denied (claiming the port needs read and write access to /dev/parport0: "
         "root, or a user in the device's group)" +
             strSimulate},
        {0x3BC, 0x378,
         [](CFakeDirectIoSystem& system) { system.m_openErrors["/dev/parport0"] = ENXIO; },
         "cannot open LPT2 at physical base 0x378 for direct I/O: cannot open /dev/parport0: "
         "No such device or address" +
             strSimulate},
        {0x378, 0x278,
         [](CFakeDirectIoSystem& system) {
             system.m_requestErrors[ParportRequest::Exclusive] = EBUSY;
         },
         "cannot open LPT1 at physical base 0x378 for direct I/O: cannot claim exclusively "
         "/dev/parport0: Device or resource busy" +
             strSimulate},
        {0x3BC, 0xFFFE, [](CFakeDirectIoSystem&) {},
         "cannot open LPT2 at physical base 0xFFFE for direct I/O: no such port: its control "
         "register would lie beyond port 0xFFFF" +
             strSimulate},
    };
    AddKernelPort("parport0", "888\t1912\n");
    for (const FailureCase& testCase : cases) {
        CFakeDirectIoSystem system;
        system.m_strProcDir = m_procDir.string();
        testCase.fail(system);
        std::string strError;
        EXPECT_EQ(CDirectPortBackEnd::Open(testCase.wLpt1, testCase.wLpt2, strError, system),
                  nullptr);
        EXPECT_EQ(strError, testCase.strMessage);
        EXPECT_EQ(system.m_nOpenDevices, 0)
            << "every device opened is given back: " << testCase.strMessage;
    }
}

TEST_F(DirectPortTest, ClaimIsGivenBackWhenTheSecondPortFails) {
    AddKernelPort("parport0", "888\t1912\n");
    m_system.m_strProcDir = m_procDir.string();
    std::string strError;
    EXPECT_EQ(CDirectPortBackEnd::Open(0x378, 0xFFFF, strError, m_system), nullptr);
    const std::vector<std::string> expected = {"open /dev/parport0", "exclusive 10", "claim 10",
                                               "ioperm 378 3",       "release 10",   "close 10"};
    EXPECT_EQ(m_system.m_calls, expected);
}

TEST_F(DirectPortTest, AccessOutsideTheOpenedRegistersStopsTheProgram) {
    std::string strError;
    auto pPort = CDirectPortBackEnd::Open(0x378, 0x278, strError, m_system);
    ASSERT_NE(pPort, nullptr) << strError;
    EXPECT_DEATH(pPort->WritePort(0x3BC, 0), "port 0x3BC is no register of LPT1 or LPT2");
    EXPECT_DEATH(pPort->ReadPort(0x27B), "port 0x27B is no register of LPT1 or LPT2");
}

}  // namespace
