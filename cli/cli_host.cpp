#include "cli/cli_host.h"

#include <string>

namespace {

constexpr int BAR_WIDTH = 32;

}  // namespace

CCliHost::CCliHost(std::FILE* pOut, std::FILE* pErr, bool bErrIsTerminal)
    : m_pOut(pOut), m_pErr(pErr), m_bErrIsTerminal(bErrIsTerminal) {}

void CCliHost::SetFieldText(int, const std::string& strText) {
    PrintLine(strText);
}

void CCliHost::ShowProgress(const std::string& strText, DWORD dwAddress, DWORD dwBound) {
    if (!m_bErrIsTerminal) {
        return;
    }
    const int nFilled =
        static_cast<int>(static_cast<unsigned long long>(dwAddress) * BAR_WIDTH / (dwBound + 1ULL));
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - m_started;
    std::fprintf(m_pErr, "\r[%s%s] %s / %lx  %.1f s", std::string(nFilled, '#').c_str(),
                 std::string(BAR_WIDTH - nFilled, '.').c_str(), strText.c_str(),
                 static_cast<unsigned long>(dwBound), elapsed.count());
    std::fflush(m_pErr);
    m_bProgressShown = true;
}

void CCliHost::BeginWaitCursor() {
    m_started = std::chrono::steady_clock::now();
}

void CCliHost::EndWaitCursor() {
    ClearProgress();
}

void CCliHost::MessageBox(const std::string& strText) {
    ClearProgress();
    std::fprintf(m_pErr, "%s\n", strText.c_str());
    std::fflush(m_pErr);
}

void CCliHost::Beep() {
    if (m_bErrIsTerminal) {
        ClearProgress();
        std::fputs("\a", m_pErr);
        std::fflush(m_pErr);
    }
}

void CCliHost::SetStatusText(std::string strText) {
    PrintLine(strText);
}

void CCliHost::SetInfoText(std::string strText) {
    PrintLine(strText);
}

void CCliHost::PrintLine(const std::string& strText) {
    ClearProgress();
    std::fprintf(m_pOut, "%s\n", strText.c_str());
    std::fflush(m_pOut);
}

void CCliHost::ClearProgress() {
    if (m_bProgressShown) {
        // Carriage return, then erase to the end of the line.
        std::fputs("\r\033[K", m_pErr);
        std::fflush(m_pErr);
        m_bProgressShown = false;
    }
}
