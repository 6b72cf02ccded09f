#include "platform/port_session.h"

#include <cstdio>

#include "platform/direct_port_io.h"
#include "platform/trace_port_io.h"
#include "sim/simulated_board.h"

namespace {

class CPortSessionChain : public CPortSession {
  public:
    ~CPortSessionChain() override {
        std::string strError;
        if (!Close(strError)) {
            std::fprintf(stderr, "morvex: %s\n", strError.c_str());
        }
    }

    std::string Description() const override {
        if (m_pBoard != nullptr) {
            return std::string("simulated ") + ChipTypeName(m_pBoard->ChipType());
        }
        return m_pDirect->Description();
    }

    CSimulatedBoard* SimulatedBoard() override { return m_pBoard.get(); }

    // Called from normal code only, also after SIGINT or SIGTERM once the front end has
    // stopped its operation and written CTRL_IDLE: nothing here is safe in a handler.
    bool Close(std::string& strError) override {
        if (m_pActive == nullptr) {
            return true;
        }
        if (GetPortBackEnd() == m_pActive) {
            SetPortBackEnd(nullptr);
        }
        m_pActive = nullptr;
        std::string strFailures;
        std::string strFailure;
        if (!m_strChipFile.empty() && !m_pBoard->SaveChipFile(m_strChipFile, &strFailure)) {
            strFailures = strFailure;
        }
        if (m_pTrace != nullptr && !m_pTrace->Close(strFailure)) {
            strFailures += (strFailures.empty() ? "" : "\n") + strFailure;
        }
        if (m_pDirect != nullptr) {
            m_pDirect->Release();
        }
        if (!strFailures.empty()) {
            strError = strFailures;
            return false;
        }
        return true;
    }

    std::unique_ptr<CSimulatedBoard> m_pBoard;
    std::unique_ptr<CDirectPortBackEnd> m_pDirect;
    std::unique_ptr<CTracePortBackEnd> m_pTrace;
    std::string m_strChipFile;
    // The outermost back end once the session is open; null before and after, so that a
    // session that failed to open writes no chip file.
    CPortBackEnd* m_pActive = nullptr;
};

}  // namespace

std::unique_ptr<CPortSession> CPortSession::Open(const PortOptions& options,
                                                 std::string& strError) {
    if (!CheckPortOptions(options, strError)) {
        return nullptr;
    }
    auto pSession = std::make_unique<CPortSessionChain>();
    CPortBackEnd* pBackEnd = nullptr;
    if (options.bSimulate) {
        pSession->m_pBoard = std::make_unique<CSimulatedBoard>(options.wSimulatedChipType);
        if (!options.strSimulatedChipFile.empty() &&
            !pSession->m_pBoard->LoadChipFile(options.strSimulatedChipFile, &strError)) {
            return nullptr;
        }
        pSession->m_strChipFile = options.strSimulatedChipFile;
        pBackEnd = pSession->m_pBoard.get();
    } else {
        pSession->m_pDirect =
            CDirectPortBackEnd::Open(options.wLpt1Physical, options.wLpt2Physical, strError);
        if (pSession->m_pDirect == nullptr) {
            return nullptr;
        }
        pBackEnd = pSession->m_pDirect.get();
    }
    if (!options.strTraceFile.empty()) {
        pSession->m_pTrace = CTracePortBackEnd::Open(options.strTraceFile, *pBackEnd, strError);
        if (pSession->m_pTrace == nullptr) {
            return nullptr;
        }
        pBackEnd = pSession->m_pTrace.get();
    }
    pSession->m_pActive = pBackEnd;
    SetPortBackEnd(pBackEnd);
    return pSession;
}
