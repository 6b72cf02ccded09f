#pragma once

// The console as the operations' host: the texts the desktop program puts into its status
// and info fields go to standard output, one line each, in order; message-box texts go to
// standard error. The bell and the progress bar go to standard error only when it is a
// terminal, so that scripts and log files see the texts alone.

#include <chrono>
#include <cstdio>

#include "operations/operation_host.h"

class CCliHost : public OperationHost, public FormTextSetters {
  public:
    CCliHost(std::FILE* pOut, std::FILE* pErr, bool bErrIsTerminal);

    void SetFieldText(int nId, const std::string& strText) override;
    void ShowProgress(const std::string& strText, DWORD dwAddress, DWORD dwBound) override;
    void InvalidateField(int) override {}
    void RepaintFormNow() override {}
    void ExchangeFromControls() override {}
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void MessageBox(const std::string& strText) override;
    void Beep() override;

    void SetStatusText(std::string strText) override;
    void SetInfoText(std::string strText) override;

  private:
    void PrintLine(const std::string& strText);
    void ClearProgress();

    std::FILE* m_pOut;
    std::FILE* m_pErr;
    bool m_bErrIsTerminal;
    bool m_bProgressShown = false;
    std::chrono::steady_clock::time_point m_started;
};
