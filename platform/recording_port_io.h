#pragma once

// A port back end for tests: it records every access in order and answers reads from a
// script (one value after the other, then a default), so a test can check a transaction
// register by register.

#include <deque>
#include <vector>

#include "platform/port_io.h"

struct PortAccess {
    char cKind;  // 'W' or 'R'
    DWORD dwPort;
    BYTE byValue;  // written, or returned by the read

    bool operator==(const PortAccess&) const = default;
};

class CRecordingPortBackEnd : public CPortBackEnd {
  public:
    void WritePort(DWORD dwPort, BYTE byValue) override;
    BYTE ReadPort(DWORD dwPort) override;

    // Reads return these values in order, then byDefault.
    void ScriptReads(std::vector<BYTE> readings);
    void SetDefaultReading(BYTE byDefault) { m_byDefault = byDefault; }

    const std::vector<PortAccess>& Accesses() const { return m_accesses; }
    void Clear() { m_accesses.clear(); }

  private:
    std::vector<PortAccess> m_accesses;
    std::deque<BYTE> m_readings;
    BYTE m_byDefault = 0xFF;
};
