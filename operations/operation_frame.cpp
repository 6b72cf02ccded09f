#include "operations/operation_frame.h"

#include "hardware/expander_link.h"
#include "platform/text_format.h"

void BeginOperation(OperationHost& host, BYTE byStartValue) {
    host.BeginWaitCursor();
    ExpWrite(NIB_CONTROL, byStartValue);
}

void ShowProgressStep(OperationHost& host, DWORD dwBound) {
    host.ShowProgress(FormatText("%lx", static_cast<unsigned long>(g_dwAddress)), g_dwAddress,
                      dwBound);
}

void CloseOperation(OperationHost& host, FieldList fieldsWritten) {
    host.ExchangeFromControls();
    for (const int nId : fieldsWritten) {
        host.InvalidateField(nId);
    }
    host.RepaintFormNow();
    host.EndWaitCursor();
}

void ReportChipFailure(OperationHost& host, const std::string& strText) {
    host.Beep();
    host.MessageBox(strText);
}

COperationRelease::~COperationRelease() {
    UnlockImage();
    IdleControlLines();
}
