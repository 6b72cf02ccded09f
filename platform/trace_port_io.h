#pragma once

// A port back end that passes every access on to another back end and writes it to a
// file, one line each, in the order issued: "W 378 05" for a write of 0x05 to 0x378,
// "R 37A CE" for a read of 0x37A that returned 0xCE (upper-case hexadecimal, no prefix,
// the port as the program addressed it). Lines are buffered, since a whole chip read is
// millions of accesses; the file is complete once Close has returned true.

#include <array>
#include <memory>
#include <string>

#include "platform/port_io.h"

class CTracePortBackEnd : public CPortBackEnd {
  public:
    // Null when the file cannot be created; strError then names it and the reason.
    static std::unique_ptr<CTracePortBackEnd> Open(const std::string& strPath, CPortBackEnd& inner,
                                                   std::string& strError);
    // Closes the file if Close was not called; a failure then goes to standard error.
    ~CTracePortBackEnd() override;

    void WritePort(DWORD dwPort, BYTE byValue) override;
    BYTE ReadPort(DWORD dwPort) override;

    // Writes out what is buffered and closes the file; false with strError set when any
    // line could not be written. Safe to call more than once; nothing is traced afterwards.
    bool Close(std::string& strError);

  private:
    CTracePortBackEnd(const std::string& strPath, CPortBackEnd& inner, int nFd);
    void Append(char cKind, DWORD dwPort, BYTE byValue);
    void Flush();

    std::string m_strPath;
    CPortBackEnd& m_inner;
    int m_nFd;
    int m_nWriteError = 0;  // errno of the first failed write
    std::size_t m_nUsed = 0;
    std::array<char, 1 << 16> m_buffer;
};
