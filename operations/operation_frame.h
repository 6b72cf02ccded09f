#pragma once

// The frame every chip operation runs in, written once:
//   1. lock the image buffer;
//   2. the operation's early checks (a failed one: its message box, no beep, then 7);
//   3. wait cursor on, the control nibble to the operation's start value;
//   4. g_dwAddress from 0 to the inclusive bound: SetAddress, the progress step every
//      2,048 addresses, the operation's work, which may stop the loop at this address;
//   5. the operation's result texts;
//   6. exchange from the controls, invalidate the fields written, repaint, wait cursor off;
//   7. on every path: unlock the image buffer, then the control nibble to CTRL_IDLE.
// A stop request (stop_request.h) leaves the loop before the next address, skips the
// result texts and goes through 6 and 7; g_dwAddress keeps the address not yet worked on.
//
// An operation plugs in as a class with:
//   const char* EarlyCheckFailure(const BYTE* pImage) const;  // null when all checks pass
//   BYTE StartValue() const;
//   DWORD Bound() const;
//   bool Work(BYTE* pImage);        // the work at g_dwAddress; false stops the loop there
//   void Report(OperationHost& host, bool bStoppedEarly);
//   FieldList FieldsWritten() const;  // what Report wrote, in invalidation order
// Work is called 65,536 times for a whole 27C512, so it is inlined into the loop rather
// than called through a function object.

#include <span>

#include "hardware/socket.h"
#include "image/image_buffer.h"
#include "operations/operation_host.h"
#include "operations/stop_request.h"
#include "platform/win_types.h"

enum class OperationOutcome { Succeeded, ChipFailed, EarlyCheckFailed, Stopped };

// The fields an operation wrote in phase 5, in the order phase 6 invalidates them.
using FieldList = std::span<const int>;

// The one field most operations write.
inline constexpr int STATUS_FIELD[] = {IDC_STATUS};

// Phase 3.
void BeginOperation(OperationHost& host, BYTE byStartValue);
// The progress step at g_dwAddress: "%lx" into IDC_STATUS, repainted at once.
void ShowProgressStep(OperationHost& host, DWORD dwBound);
// Phase 6.
void CloseOperation(OperationHost& host, FieldList fieldsWritten);
// A failure found on the chip: the beep, then the modal box.
void ReportChipFailure(OperationHost& host, const std::string& strText);

// Phase 7, run by its destructor so that no path can leave the buffer locked or the
// programming voltage on.
class COperationRelease {
  public:
    COperationRelease() = default;
    COperationRelease(const COperationRelease&) = delete;
    COperationRelease& operator=(const COperationRelease&) = delete;
    ~COperationRelease();
};

template <typename TOperation>
OperationOutcome RunOperation(OperationHost& host, TOperation& operation) {
    const COperationRelease release;
    BYTE* const pImage = LockImage();
    if (const char* pszFailure = operation.EarlyCheckFailure(pImage)) {
        host.MessageBox(pszFailure);
        return OperationOutcome::EarlyCheckFailed;
    }
    BeginOperation(host, operation.StartValue());
    const DWORD dwBound = operation.Bound();
    bool bStoppedEarly = false;
    g_dwAddress = 0;
    do {
        if (IsOperationStopRequested()) {
            CloseOperation(host, {});
            return OperationOutcome::Stopped;
        }
        SetAddress();
        if ((g_dwAddress & 0x7FF) == 0) {
            ShowProgressStep(host, dwBound);
        }
        if (!operation.Work(pImage)) {
            bStoppedEarly = true;
            break;
        }
        ++g_dwAddress;
    } while (g_dwAddress <= dwBound);
    operation.Report(host, bStoppedEarly);
    CloseOperation(host, operation.FieldsWritten());
    return bStoppedEarly ? OperationOutcome::ChipFailed : OperationOutcome::Succeeded;
}
