#pragma once

// The only way to the parallel port's registers. The expander link and the pulse delay
// call the two functions below; they dispatch to the port back end chosen at start (the
// simulated board, direct I/O, a trace around either, or a test recorder), so every access
// of every back end passes one place.

#include "platform/win_types.h"

class CPortBackEnd {
  public:
    virtual ~CPortBackEnd() = default;
    virtual void WritePort(DWORD dwPort, BYTE byValue) = 0;
    virtual BYTE ReadPort(DWORD dwPort) = 0;
};

// Makes pBackEnd serve the two calls until the next call; nullptr leaves no back end, and
// a port access then stops the program rather than pretend a port answered.
void SetPortBackEnd(CPortBackEnd* pBackEnd);
CPortBackEnd* GetPortBackEnd();

void DlPortWritePortUchar(DWORD dwPort, BYTE byValue);
BYTE DlPortReadPortUchar(DWORD dwPort);
