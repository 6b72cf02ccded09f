#pragma once

// What a chip operation or an image-file routine needs of the user interface. The
// desktop form implements it with widgets, the console front end with standard output and
// standard error, the tests with a recorder; the texts themselves are written once, in the
// operations.

#include <string>

#include "platform/win_types.h"

// The form's two text fields.
enum : int {
    IDC_STATUS = 1008,
    IDC_INFO = 1010,
};

class OperationHost {
  public:
    virtual ~OperationHost() = default;

    // The final text of a field (IDC_STATUS or IDC_INFO).
    virtual void SetFieldText(int nId, const std::string& strText) = 0;
    // The progress step of the address loop: strText ("%lx" of dwAddress) goes into
    // IDC_STATUS and the field repaints at once. dwBound is the loop's inclusive bound.
    virtual void ShowProgress(const std::string& strText, DWORD dwAddress, DWORD dwBound) = 0;
    // Invalidate a field, background to be erased.
    virtual void InvalidateField(int nId) = 0;
    // Repaint the whole form at once.
    virtual void RepaintFormNow() = 0;
    // Data exchange from the controls into the form's members.
    virtual void ExchangeFromControls() = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // Modal: returns when the user has closed the box (one OK button, exclamation icon,
    // caption "morvex").
    virtual void MessageBox(const std::string& strText) = 0;
    virtual void Beep() = 0;
};

// The form's setters, which image files use when they can find the form: each replaces
// the field's whole text and keeps it in the form's member.
class FormTextSetters {
  public:
    virtual ~FormTextSetters() = default;
    virtual void SetStatusText(std::string strText) = 0;
    virtual void SetInfoText(std::string strText) = 0;
};
