#pragma once

// A host for the chip operations and the image files that records everything they show,
// in order, one line per event:
//   "status: TEXT", "info: TEXT"          SetFieldText
//   "progress: TEXT"                      ShowProgress
//   "invalidate: status|info", "repaint", "exchange", "wait on", "wait off"
//   "box: TEXT", "beep"
//   "SetStatusText: TEXT", "SetInfoText: TEXT"   the form's setters
// Hooks let a test act at a progress step or while a message box is open.

#include <functional>
#include <string>
#include <vector>

#include "operations/operation_host.h"

class CRecordingHost : public OperationHost, public FormTextSetters {
  public:
    void SetFieldText(int nId, const std::string& strText) override {
        Record((nId == IDC_STATUS ? "status: " : "info: ") + strText);
    }
    void ShowProgress(const std::string& strText, DWORD dwAddress, DWORD dwBound) override {
        m_dwProgressBound = dwBound;
        Record("progress: " + strText);
        if (m_onProgress) {
            m_onProgress(dwAddress);
        }
    }
    void InvalidateField(int nId) override {
        Record(nId == IDC_STATUS ? "invalidate: status" : "invalidate: info");
    }
    void RepaintFormNow() override { Record("repaint"); }
    void ExchangeFromControls() override { Record("exchange"); }
    void BeginWaitCursor() override { Record("wait on"); }
    void EndWaitCursor() override { Record("wait off"); }
    void MessageBox(const std::string& strText) override {
        Record("box: " + strText);
        if (m_onMessageBox) {
            m_onMessageBox();
        }
    }
    void Beep() override { Record("beep"); }

    void SetStatusText(std::string strText) override { Record("SetStatusText: " + strText); }
    void SetInfoText(std::string strText) override { Record("SetInfoText: " + strText); }

    const std::vector<std::string>& Events() const { return m_events; }
    // The events that start with strPrefix, in order.
    std::vector<std::string> EventsStartingWith(const std::string& strPrefix) const {
        std::vector<std::string> selected;
        for (const std::string& strEvent : m_events) {
            if (strEvent.starts_with(strPrefix)) {
                selected.push_back(strEvent);
            }
        }
        return selected;
    }
    // The events after the progress steps: what the operation reported and how it closed.
    std::vector<std::string> EventsAfterProgress() const {
        std::vector<std::string> tail;
        for (const std::string& strEvent : m_events) {
            if (strEvent.starts_with("progress: ")) {
                tail.clear();
            } else {
                tail.push_back(strEvent);
            }
        }
        return tail;
    }
    DWORD ProgressBound() const { return m_dwProgressBound; }
    void Clear() { m_events.clear(); }

    std::function<void(DWORD)> m_onProgress;
    std::function<void()> m_onMessageBox;

  private:
    void Record(std::string strEvent) { m_events.push_back(std::move(strEvent)); }

    std::vector<std::string> m_events;
    DWORD m_dwProgressBound = 0;
};
