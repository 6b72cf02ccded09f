#pragma once

// Direct I/O on a PC parallel port (Linux, x86 and x86-64): the registers are read and
// written with in and out instructions once the process may use them (ioperm, or iopl for
// bases the older ioperm range does not cover).
//
// Why not the kernel's ppdev driver: its control-register read returns the driver's soft
// copy of the register, not the levels on the pins, and the programmer board answers on
// exactly those control lines, so the expanders' answers could never be read through it.
// ppdev is still used for one thing: while the program runs, the port is claimed
// exclusively through /dev/parportN, so that no kernel driver touches it meanwhile.
//
// The program addresses LPT1 at 0x378 and LPT2 at 0x278. These bases are logical: each
// maps to the physical base of a port, the same by default, elsewhere for PCI and PCIe
// cards.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/port_io.h"

enum class ParportRequest {
    Exclusive,  // PPEXCL: no other driver may share the port
    Claim,      // PPCLAIM
    Release,    // PPRELEASE
};

// The operating system calls that direct I/O makes, behind a seam so that tests can play
// the system without a parallel port. The calls that can fail return 0 or the errno value.
class CDirectIoSystem {
  public:
    virtual ~CDirectIoSystem() = default;
    virtual int GrantPortRange(WORD wFrom, WORD wCount) = 0;  // ioperm
    virtual int GrantAllPorts() = 0;                          // iopl(3)
    virtual int OpenDevice(const std::string& strPath, int& nFd) = 0;
    virtual int RequestParport(int nFd, ParportRequest request) = 0;
    virtual void CloseDevice(int nFd) = 0;
    virtual BYTE InByte(WORD wPort) = 0;
    virtual void OutByte(WORD wPort, BYTE byValue) = 0;
    // Where the kernel lists its parallel ports: one parportN directory each, whose
    // base-addr file starts with the port's base in decimal.
    virtual std::string ParportProcDir() const = 0;
};

CDirectIoSystem& RealDirectIoSystem();

class CDirectPortBackEnd : public CPortBackEnd {
  public:
    // Null when either port cannot be opened; strError then names the port, its physical
    // base and the system's reason, and points at --simulate.
    static std::unique_ptr<CDirectPortBackEnd> Open(WORD wLpt1Physical, WORD wLpt2Physical,
                                                    std::string& strError,
                                                    CDirectIoSystem& system = RealDirectIoSystem());
    ~CDirectPortBackEnd() override;

    void WritePort(DWORD dwPort, BYTE byValue) override;
    BYTE ReadPort(DWORD dwPort) override;

    // "direct I/O: LPT1 at 0x378, LPT2 at 0x278", with the physical bases.
    std::string Description() const;
    // Gives the claimed /dev/parportN devices back to the kernel. Safe to call more than
    // once; the port registers must not be used afterwards.
    void Release();

  private:
    struct LogicalPort {
        const char* pszName;
        WORD wLogical;
        WORD wPhysical;
    };

    CDirectPortBackEnd(WORD wLpt1Physical, WORD wLpt2Physical, CDirectIoSystem& system);
    bool OpenPort(const LogicalPort& port, std::string& strError);
    int ClaimParport(const std::string& strDevice, std::string& strReason);
    WORD PhysicalPort(DWORD dwPort) const;

    CDirectIoSystem& m_system;
    std::array<LogicalPort, 2> m_ports;
    std::vector<std::string> m_claimedDevices;
    std::vector<int> m_claimedFds;
};
