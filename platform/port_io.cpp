#include "platform/port_io.h"

#include <cstdio>
#include <cstdlib>

namespace {

CPortBackEnd* g_pPortBackEnd = nullptr;

[[noreturn]] void FailWithoutBackEnd(DWORD dwPort) {
    std::fprintf(stderr, "morvex: port 0x%X accessed with no port back end chosen\n",
                 static_cast<unsigned>(dwPort));
    std::abort();
}

}  // namespace

void SetPortBackEnd(CPortBackEnd* pBackEnd) {
    g_pPortBackEnd = pBackEnd;
}

CPortBackEnd* GetPortBackEnd() {
    return g_pPortBackEnd;
}

void DlPortWritePortUchar(DWORD dwPort, BYTE byValue) {
    if (g_pPortBackEnd == nullptr) {
        FailWithoutBackEnd(dwPort);
    }
    g_pPortBackEnd->WritePort(dwPort, byValue);
}

BYTE DlPortReadPortUchar(DWORD dwPort) {
    if (g_pPortBackEnd == nullptr) {
        FailWithoutBackEnd(dwPort);
    }
    return g_pPortBackEnd->ReadPort(dwPort);
}
