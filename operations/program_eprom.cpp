#include "operations/program_eprom.h"

#include "platform/text_format.h"

namespace {

// Failed verifications per run, not per byte: the 25th ends the run.
constexpr BYTE FAILURE_LIMIT = 25;

class CProgramOperation {
  public:
    const char* EarlyCheckFailure(const BYTE* pImage) const {
        if (IsImageEmpty()) {
            return "write-error:   buffer empty!";
        }
        return pImage == nullptr ? "write-error:   no buffer-access!" : nullptr;
    }
    BYTE StartValue() const { return CTRL_PROG_SETUP; }
    DWORD Bound() const { return g_dwLastOffset; }

    // The address is set once; every attempt writes the data byte again before its pulse.
    bool Work(BYTE* pImage) {
        m_byImage = pImage[g_dwAddress];
        for (;;) {
            m_byRead = ProgramPulse(m_byImage);
            if (m_byRead == m_byImage) {
                return true;
            }
            if (++m_byFailures == FAILURE_LIMIT) {
                return false;
            }
        }
    }

    void Report(OperationHost& host, bool bStoppedEarly) {
        if (bStoppedEarly) {
            ReportChipFailure(host, FormatText("write-error at adr:%lx\nread: %lx\tbuffer: %lx",
                                               static_cast<unsigned long>(g_dwAddress),
                                               static_cast<unsigned long>(m_byRead),
                                               static_cast<unsigned long>(m_byImage)));
            host.SetFieldText(IDC_STATUS, "error writing");
        } else {
            host.SetFieldText(IDC_STATUS,
                              FormatText("write: %lx", static_cast<unsigned long>(g_dwLastOffset)));
        }
    }
    FieldList FieldsWritten() const { return STATUS_FIELD; }

  private:
    BYTE m_byFailures = 0;
    BYTE m_byImage = 0;
    BYTE m_byRead = 0;
};

}  // namespace

OperationOutcome ProgramEprom(OperationHost& host) {
    CProgramOperation operation;
    return RunOperation(host, operation);
}
