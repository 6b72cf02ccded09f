#pragma once

// The programmer form: port and type choice, the buttons "Compare", "Read" and "Write", the
// one-line status field and the multi-line info field. Every chip command lands in its
// command table and runs to its end on the user-interface thread. It brings the board into
// its power-on state when it is created and the control lines to idle when it goes.

#include <QString>
#include <functional>

#include "framework/form_view.h"
#include "operations/operation_host.h"
#include "platform/win_types.h"

class CMorvexView : public CFormView, public OperationHost, public FormTextSetters {
  public:
    explicit CMorvexView(QWidget* pParent);
    ~CMorvexView() override;

    int m_nType;
    QString m_strInfo;
    int m_nPort;
    QString m_strStatus;

    void SetStatusText(std::string strText) override;
    void SetInfoText(std::string strText) override;

    void SetFieldText(int nId, const std::string& strText) override;
    void ShowProgress(const std::string& strText, DWORD dwAddress, DWORD dwBound) override;
    void InvalidateField(int nId) override;
    void RepaintFormNow() override;
    void ExchangeFromControls() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void MessageBox(const std::string& strText) override;
    void Beep() override;

    bool OnCmdMsg(int nId) override;
    void OnType27C64();
    void OnType27C128();
    void OnType27C256();
    void OnType27C512();
    void OnCompare();
    void OnRead();
    void OnWrite();
    void OnLpt1();
    void OnLpt2();
    void OnEmpty();
    void CompareEprom(BOOL bCompare);

    bool IsOperationRunning() const { return m_bOperationRunning; }
    // Called after every chip operation has ended (a pending shutdown waits for it).
    void SetOperationEndedHandler(std::function<void()> handler) {
        m_onOperationEnded = std::move(handler);
    }

  protected:
    void DoDataExchange(CDataExchange& dx) override;

  private:
    void SelectTypeButton(WORD wType);
    template <typename TOperation>
    void RunChipOperation(TOperation operation);

    bool m_bOperationRunning = false;
    std::function<void()> m_onOperationEnded;
};
