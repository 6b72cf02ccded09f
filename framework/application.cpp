#include "framework/application.h"

#include <array>
#include <cstdio>

#include "app/res/resource.h"
#include "framework/document.h"
#include "framework/file_dialog.h"
#include "framework/recent_file_list.h"
#include "framework/single_doc_template.h"

namespace {

CApplication* s_pInstance = nullptr;

const std::array<CommandEntry<CApplication>, 2> s_commandTable = {{
    OnCommandRange<CApplication>(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4,
                                 &CApplication::OnOpenRecentFile),
    OnCommand<CApplication>(ID_APP_EXIT, &CApplication::OnAppExit),
}};

}  // namespace

CApplication::CApplication() {
    s_pInstance = this;
}

CApplication::~CApplication() {
    m_pTemplate.reset();
    if (s_pInstance == this) {
        s_pInstance = nullptr;
    }
}

CApplication* CApplication::Instance() {
    return s_pInstance;
}

void CApplication::ExitInstance() {
    if (m_pTemplate != nullptr) {
        m_pTemplate->CloseDocumentAndFrame();
    }
    if (m_pRecentFileList != nullptr) {
        m_pRecentFileList->WriteList(m_settings);
    }
    std::string strError;
    if (!m_settings.Flush(strError)) {
        std::fprintf(
            stderr,
            "morvex: the window placement, bars, port and recent files were not saved: %s\n",
            strError.c_str());
    }
}

void CApplication::SetRegistryKey(const char* pszOrganization, const char* pszApplication) {
    m_settings.SetRegistryKey(QString::fromUtf8(pszOrganization),
                              QString::fromUtf8(pszApplication));
}

void CApplication::LoadStdProfileSettings(int nMaxRecentFiles) {
    m_pRecentFileList = std::make_unique<CRecentFileList>(nMaxRecentFiles);
    m_pRecentFileList->ReadList(m_settings);
}

void CApplication::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate) {
    m_pTemplate = std::move(pTemplate);
}

void CApplication::AddToRecentFileList(const std::string& strPathName) {
    if (m_pRecentFileList != nullptr) {
        m_pRecentFileList->Add(strPathName);
    }
}

CFrameWindow* CApplication::MainFrame() const {
    return m_pTemplate != nullptr ? m_pTemplate->Frame() : nullptr;
}

CDocument* CApplication::Document() const {
    return m_pTemplate != nullptr ? m_pTemplate->Document() : nullptr;
}

CDocument* CApplication::OpenDocumentFile(const std::string& strPathName) {
    return m_pTemplate != nullptr ? m_pTemplate->OpenDocumentFile(&strPathName) : nullptr;
}

bool CApplication::OnCmdMsg(int nId) {
    return DispatchCommand<CApplication>(*this, s_commandTable, nId);
}

void CApplication::OnFileNew() {
    if (m_pTemplate != nullptr) {
        m_pTemplate->OpenDocumentFile(nullptr);
    }
}

void CApplication::OnFileOpen() {
    const std::optional<std::string> chosen =
        PromptForFileName(MainFrame(), FileDialogKind::Open, std::string());
    if (chosen && !chosen->empty()) {
        OpenDocumentFile(*chosen);
    }
}

void CApplication::OnOpenRecentFile(int nId) {
    const int nIndex = nId - ID_FILE_MRU_FILE1;
    if (m_pRecentFileList == nullptr || nIndex >= m_pRecentFileList->Size()) {
        return;
    }
    // A copy: a successful open re-orders the list.
    const std::string strPathName = m_pRecentFileList->Entry(nIndex);
    if (OpenDocumentFile(strPathName) == nullptr) {
        m_pRecentFileList->Remove(nIndex);
    }
}

void CApplication::OnAppExit() {
    if (CFrameWindow* pFrame = MainFrame()) {
        pFrame->close();
    }
}
