#include "operations/read_eprom.h"

#include "platform/text_format.h"

namespace {

// The summary goes into IDC_INFO after the status; both are invalidated, info first.
constexpr int FIELDS[] = {IDC_INFO, IDC_STATUS};

class CReadOperation {
  public:
    const char* EarlyCheckFailure(const BYTE* pImage) const {
        return pImage == nullptr ? "read-error:   no buffer-access!" : nullptr;
    }
    BYTE StartValue() const { return CTRL_READ; }
    DWORD Bound() const { return m_dwLastAddress; }

    bool Work(BYTE* pImage) {
        const BYTE byRead = ReadDataByte();
        pImage[g_dwAddress] = byRead;
        if (byRead == 0xFF) {
            ++m_dwBlankBytes;
        }
        m_dwByteSum += byRead;
        return true;
    }

    void Report(OperationHost& host, bool) {
        // After the loop g_dwAddress is the number of bytes read.
        g_dwLastOffset = m_dwLastAddress;
        host.SetFieldText(
            IDC_STATUS, m_dwBlankBytes == g_dwAddress
                            ? std::string("eprom is blank")
                            : FormatText("read: %lx", static_cast<unsigned long>(m_dwLastAddress)));
        host.SetFieldText(IDC_INFO, FormatText("read eprom to buffer ( %lu bytes ) - [#%lX]",
                                               static_cast<unsigned long>(g_dwAddress),
                                               static_cast<unsigned long>(m_dwByteSum & 0xFFFF)));
    }
    FieldList FieldsWritten() const { return FIELDS; }

  private:
    const DWORD m_dwLastAddress = DeviceLastAddress(g_wType);
    DWORD m_dwBlankBytes = 0;
    DWORD m_dwByteSum = 0;
};

}  // namespace

OperationOutcome ReadEprom(OperationHost& host) {
    CReadOperation operation;
    return RunOperation(host, operation);
}
