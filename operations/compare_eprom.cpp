#include "operations/compare_eprom.h"

#include "platform/text_format.h"

namespace {

class CCompareOperation {
  public:
    explicit CCompareOperation(BOOL bCompare) : m_bCompare(bCompare) {}

    // The blank check tests the lock too, although it never touches the image.
    const char* EarlyCheckFailure(const BYTE* pImage) const {
        if (pImage == nullptr) {
            return "compare-error:   no buffer-access!";
        }
        return m_bCompare && IsImageEmpty() ? "compare-error:   buffer is empty!" : nullptr;
    }
    BYTE StartValue() const { return CTRL_READ; }
    DWORD Bound() const { return m_bCompare ? g_dwLastOffset : DeviceLastAddress(g_wType); }

    bool Work(BYTE* pImage) {
        m_byRead = ReadDataByte();
        m_byExpected = m_bCompare ? pImage[g_dwAddress] : 0xFF;
        return m_byRead == m_byExpected;
    }

    void Report(OperationHost& host, bool bStoppedEarly) {
        if (bStoppedEarly) {
            ReportChipFailure(host, FormatText("error at adr:%lx\nread: %lx\tdifferent to: %lx",
                                               static_cast<unsigned long>(g_dwAddress),
                                               static_cast<unsigned long>(m_byRead),
                                               static_cast<unsigned long>(m_byExpected)));
            host.SetFieldText(IDC_STATUS, m_bCompare ? "compare-error" : "not empty");
        } else if (m_bCompare) {
            host.SetFieldText(
                IDC_STATUS, FormatText("compare: %lx", static_cast<unsigned long>(g_dwLastOffset)));
        } else {
            host.SetFieldText(IDC_STATUS, "is empty");
        }
    }
    FieldList FieldsWritten() const { return STATUS_FIELD; }

  private:
    const BOOL m_bCompare;
    BYTE m_byRead = 0;
    BYTE m_byExpected = 0;
};

}  // namespace

OperationOutcome CompareEprom(OperationHost& host, BOOL bCompare) {
    CCompareOperation operation(bCompare);
    return RunOperation(host, operation);
}
