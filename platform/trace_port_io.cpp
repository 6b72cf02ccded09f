#include "platform/trace_port_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/text_format.h"

namespace {

// The longest line: kind, blank, eight digits of port, blank, two of value, line feed.
constexpr std::size_t MAX_LINE = 14;
constexpr char HEX_DIGITS[] = "0123456789ABCDEF";

}  // namespace

std::unique_ptr<CTracePortBackEnd> CTracePortBackEnd::Open(const std::string& strPath,
                                                           CPortBackEnd& inner,
                                                           std::string& strError) {
    const int nFd = open(strPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (nFd < 0) {
        strError =
            FormatText("cannot create trace file %s: %s", strPath.c_str(), std::strerror(errno));
        return nullptr;
    }
    return std::unique_ptr<CTracePortBackEnd>(new CTracePortBackEnd(strPath, inner, nFd));
}

CTracePortBackEnd::CTracePortBackEnd(const std::string& strPath, CPortBackEnd& inner, int nFd)
    : m_strPath(strPath), m_inner(inner), m_nFd(nFd) {}

CTracePortBackEnd::~CTracePortBackEnd() {
    std::string strError;
    if (!Close(strError)) {
        std::fprintf(stderr, "morvex: %s\n", strError.c_str());
    }
}

void CTracePortBackEnd::WritePort(DWORD dwPort, BYTE byValue) {
    m_inner.WritePort(dwPort, byValue);
    Append('W', dwPort, byValue);
}

BYTE CTracePortBackEnd::ReadPort(DWORD dwPort) {
    const BYTE byValue = m_inner.ReadPort(dwPort);
    Append('R', dwPort, byValue);
    return byValue;
}

void CTracePortBackEnd::Append(char cKind, DWORD dwPort, BYTE byValue) {
    if (m_nFd < 0) {
        return;
    }
    if (m_nUsed + MAX_LINE > m_buffer.size()) {
        Flush();
    }
    char* pLine = m_buffer.data() + m_nUsed;
    char* p = pLine;
    *p++ = cKind;
    *p++ = ' ';
    int nShift = 28;
    while (nShift > 0 && (dwPort >> nShift) == 0) {
        nShift -= 4;
    }
    for (; nShift >= 0; nShift -= 4) {
        *p++ = HEX_DIGITS[(dwPort >> nShift) & 0xF];
    }
    *p++ = ' ';
    *p++ = HEX_DIGITS[byValue >> 4];
    *p++ = HEX_DIGITS[byValue & 0xF];
    *p++ = '\n';
    m_nUsed += static_cast<std::size_t>(p - pLine);
}

// After the first failure nothing more is written, so the file never holds a trace with
// a gap in the middle; Close reports the failure.
void CTracePortBackEnd::Flush() {
    std::size_t nDone = 0;
    while (m_nWriteError == 0 && nDone < m_nUsed) {
        const ssize_t nWritten = write(m_nFd, m_buffer.data() + nDone, m_nUsed - nDone);
        if (nWritten >= 0) {
            nDone += static_cast<std::size_t>(nWritten);
        } else if (errno != EINTR) {
            m_nWriteError = errno;
        }
    }
    m_nUsed = 0;
}

bool CTracePortBackEnd::Close(std::string& strError) {
    if (m_nFd < 0) {
        return true;
    }
    Flush();
    if (close(m_nFd) != 0 && m_nWriteError == 0) {
        m_nWriteError = errno;
    }
    m_nFd = -1;
    if (m_nWriteError != 0) {
        strError = FormatText("cannot write trace file %s: %s", m_strPath.c_str(),
                              std::strerror(m_nWriteError));
        return false;
    }
    return true;
}
