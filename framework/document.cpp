#include "framework/document.h"

#include <QFile>
#include <array>

#include "app/res/resource.h"
#include "framework/application.h"
#include "framework/file_dialog.h"
#include "framework/frame_window.h"

namespace {

const std::array<CommandEntry<CDocument>, 2> s_commandTable = {{
    OnCommand<CDocument>(ID_FILE_SAVE, &CDocument::OnFileSave),
    OnCommand<CDocument>(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs),
}};

}  // namespace

void CDocument::SetTitle(const QString& strTitle) {
    m_strTitle = strTitle;
    if (m_pFrame != nullptr) {
        m_pFrame->UpdateFrameTitle(m_strTitle);
    }
}

void CDocument::SetPathName(const std::string& strPathName) {
    m_strPathName = strPathName;
    const std::string::size_type nSlash = strPathName.find_last_of('/');
    const std::string strName =
        nSlash == std::string::npos ? strPathName : strPathName.substr(nSlash + 1);
    SetTitle(QFile::decodeName(QByteArray::fromStdString(strName)));
    if (CApplication* pApp = CApplication::Instance()) {
        pApp->AddToRecentFileList(strPathName);
    }
}

bool CDocument::OnNewDocument() {
    m_strPathName.clear();
    return true;
}

bool CDocument::OnOpenDocument(const std::string&) {
    return true;
}

CFormView* CDocument::GetFirstView() const {
    return m_pFrame != nullptr ? m_pFrame->GetActiveView() : nullptr;
}

bool CDocument::OnCmdMsg(int nId) {
    return DispatchCommand<CDocument>(*this, s_commandTable, nId);
}

void CDocument::OnFileSave() {
    DoSave(m_strPathName);
}

void CDocument::OnFileSaveAs() {
    DoSave(std::string());
}

bool CDocument::DoSave(std::string strPathName) {
    const bool bAskForName = strPathName.empty();
    if (bAskForName) {
        const std::string strSuggested =
            m_strPathName.empty() ? QFile::encodeName(m_strTitle).toStdString() : m_strPathName;
        std::optional<std::string> chosen =
            PromptForFileName(m_pFrame, FileDialogKind::SaveAs, strSuggested);
        if (!chosen || chosen->empty()) {
            return false;
        }
        strPathName = *chosen;
    }
    if (!OnSaveDocument(strPathName)) {
        return false;
    }
    if (bAskForName) {
        SetPathName(strPathName);
    }
    return true;
}
