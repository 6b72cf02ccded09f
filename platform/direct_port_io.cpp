#include "platform/direct_port_io.h"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#if defined(__i386__) || defined(__x86_64__)
#include <sys/io.h>
#define MORVEX_HAS_PORT_INSTRUCTIONS 1
#endif

#include "platform/text_format.h"

namespace {

// The registers the board uses lie at base + 0 (data) and base + 2 (control); the range
// granted covers base to base + 2.
constexpr unsigned REGISTER_SPAN = 3;
// ioperm's range in older kernels; above it the whole port space is opened with iopl.
constexpr unsigned IOPERM_LIMIT = 0x400;

class CRealDirectIoSystem : public CDirectIoSystem {
  public:
    int GrantPortRange(WORD wFrom, WORD wCount) override {
#ifdef MORVEX_HAS_PORT_INSTRUCTIONS
        return ioperm(wFrom, wCount, 1) == 0 ? 0 : errno;
#else
        (void)wFrom;
        (void)wCount;
        return ENOSYS;
#endif
    }

    int GrantAllPorts() override {
#ifdef MORVEX_HAS_PORT_INSTRUCTIONS
        return iopl(3) == 0 ? 0 : errno;
#else
        return ENOSYS;
#endif
    }

    int OpenDevice(const std::string& strPath, int& nFd) override {
        nFd = open(strPath.c_str(), O_RDWR | O_CLOEXEC);
        return nFd >= 0 ? 0 : errno;
    }

    int RequestParport(int nFd, ParportRequest request) override {
        unsigned long ulRequest = PPRELEASE;
        if (request == ParportRequest::Exclusive) {
            ulRequest = PPEXCL;
        } else if (request == ParportRequest::Claim) {
            ulRequest = PPCLAIM;
        }
        return ioctl(nFd, ulRequest) == 0 ? 0 : errno;
    }

    void CloseDevice(int nFd) override {
        close(nFd);
    }

    BYTE InByte(WORD wPort) override {
#ifdef MORVEX_HAS_PORT_INSTRUCTIONS
        return inb(wPort);
#else
        (void)wPort;
        return 0xFF;
#endif
    }

    void OutByte(WORD wPort, BYTE byValue) override {
#ifdef MORVEX_HAS_PORT_INSTRUCTIONS
        outb(byValue, wPort);
#else
        (void)wPort;
        (void)byValue;
#endif
    }

    std::string ParportProcDir() const override {
        return "/proc/sys/dev/parport";
    }
};

// The /dev/parportN whose base-addr names wPhysical, or empty when the kernel lists no
// such port (no parport driver loaded, or a port it does not manage).
std::string FindParportDevice(const std::string& strProcDir, WORD wPhysical) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(strProcDir, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path& entry = *it;
        const std::string strName = entry.filename().string();
        if (!strName.starts_with("parport") || strName.size() == 7 ||
            !std::all_of(strName.begin() + 7, strName.end(),
                         [](char c) { return c >= '0' && c <= '9'; })) {
            continue;
        }
        std::ifstream baseFile(entry / "base-addr");
        unsigned long ulBase = 0;
        if (baseFile >> ulBase && ulBase == wPhysical) {
            return "/dev/" + strName;
        }
    }
    return {};
}

bool IsPermissionError(int nError) {
    return nError == EPERM || nError == EACCES;
}

}  // namespace

CDirectIoSystem& RealDirectIoSystem() {
    static CRealDirectIoSystem system;
    return system;
}

CDirectPortBackEnd::CDirectPortBackEnd(WORD wLpt1Physical, WORD wLpt2Physical,
                                       CDirectIoSystem& system)
    : m_system(system), m_ports{{{"LPT1", 0x378, wLpt1Physical}, {"LPT2", 0x278, wLpt2Physical}}} {}

CDirectPortBackEnd::~CDirectPortBackEnd() {
    Release();
}

std::unique_ptr<CDirectPortBackEnd> CDirectPortBackEnd::Open(WORD wLpt1Physical, WORD wLpt2Physical,
                                                             std::string& strError,
                                                             CDirectIoSystem& system) {
    std::unique_ptr<CDirectPortBackEnd> pBackEnd(
        new CDirectPortBackEnd(wLpt1Physical, wLpt2Physical, system));
    for (const LogicalPort& port : pBackEnd->m_ports) {
        if (!pBackEnd->OpenPort(port, strError)) {
            return nullptr;
        }
    }
    return pBackEnd;
}

bool CDirectPortBackEnd::OpenPort(const LogicalPort& port, std::string& strError) {
    std::string strReason;
    int nError = 0;
    if (port.wPhysical > 0xFFFF - (REGISTER_SPAN - 1)) {
        strReason = "no such port: its control register would lie beyond port 0xFFFF";
    } else {
        const std::string strDevice = FindParportDevice(m_system.ParportProcDir(), port.wPhysical);
        nError = strDevice.empty() ? 0 : ClaimParport(strDevice, strReason);
        if (nError == 0) {
            nError = port.wPhysical + REGISTER_SPAN <= IOPERM_LIMIT
                         ? m_system.GrantPortRange(port.wPhysical, static_cast<WORD>(REGISTER_SPAN))
                         : m_system.GrantAllPorts();
            if (nError != 0) {
                strReason =
                    FormatText("no access to the port registers: %s", std::strerror(nError));
                if (IsPermissionError(nError)) {
                    strReason +=
                        " (direct I/O needs root or the CAP_SYS_RAWIO capability: setcap "
                        "cap_sys_rawio+ep on the program)";
                }
            }
        }
    }
    if (strReason.empty()) {
        return true;
    }
    strError = FormatText("cannot open %s at physical base 0x%X for direct I/O: %s", port.pszName,
                          port.wPhysical, strReason.c_str());
    strError += "; run with --simulate to use the simulated programmer board";
    return false;
}

// Claims the port for this process alone; a device that is not there (ppdev not loaded)
// is no failure, anything else is. 0, or the errno value with strReason set.
int CDirectPortBackEnd::ClaimParport(const std::string& strDevice, std::string& strReason) {
    if (std::find(m_claimedDevices.begin(), m_claimedDevices.end(), strDevice) !=
        m_claimedDevices.end()) {
        return 0;
    }
    int nFd = -1;
    int nError = m_system.OpenDevice(strDevice, nFd);
    if (nError == ENOENT) {
        return 0;
    }
    // The capability opens the registers, not the device node: that takes the node's own
    // permissions.
    const bool bNodeRefused = IsPermissionError(nError);
    const char* pszStep = "open";
    if (nError == 0) {
        pszStep = "claim exclusively";
        nError = m_system.RequestParport(nFd, ParportRequest::Exclusive);
        if (nError == 0) {
            pszStep = "claim";
            nError = m_system.RequestParport(nFd, ParportRequest::Claim);
        }
        if (nError != 0) {
            m_system.CloseDevice(nFd);
        }
    }
    if (nError != 0) {
        strReason =
            FormatText("cannot %s %s: %s", pszStep, strDevice.c_str(), std::strerror(nError));
        if (bNodeRefused) {
            strReason += FormatText(
                " (claiming the port needs read and write access to %s: "
                "root, or a user in the device's group)",
                strDevice.c_str());
        }
        return nError;
    }
    m_claimedDevices.push_back(strDevice);
    m_claimedFds.push_back(nFd);
    return 0;
}

void CDirectPortBackEnd::Release() {
    for (const int nFd : m_claimedFds) {
        m_system.RequestParport(nFd, ParportRequest::Release);
        m_system.CloseDevice(nFd);
    }
    m_claimedFds.clear();
    m_claimedDevices.clear();
}

std::string CDirectPortBackEnd::Description() const {
    return FormatText("direct I/O: LPT1 at 0x%X, LPT2 at 0x%X", m_ports[0].wPhysical,
                      m_ports[1].wPhysical);
}

// Only the registers that were opened may be touched; any other address is a fault in
// the program, and guessing a port for it could drive some other device.
WORD CDirectPortBackEnd::PhysicalPort(DWORD dwPort) const {
    for (const LogicalPort& port : m_ports) {
        if (dwPort >= port.wLogical && dwPort < port.wLogical + REGISTER_SPAN) {
            return static_cast<WORD>(port.wPhysical + (dwPort - port.wLogical));
        }
    }
    std::fprintf(stderr, "morvex: port 0x%X is no register of LPT1 or LPT2\n",
                 static_cast<unsigned>(dwPort));
    std::abort();
}

void CDirectPortBackEnd::WritePort(DWORD dwPort, BYTE byValue) {
    m_system.OutByte(PhysicalPort(dwPort), byValue);
}

BYTE CDirectPortBackEnd::ReadPort(DWORD dwPort) {
    return m_system.InByte(PhysicalPort(dwPort));
}
