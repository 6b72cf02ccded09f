#include "framework/single_doc_template.h"

#include "framework/document.h"
#include "framework/form_view.h"

CSingleDocTemplate::CSingleDocTemplate(int nResourceId, DocumentFactory documentFactory,
                                       FrameFactory frameFactory,
                                       CFrameWindow::ViewFactory viewFactory)
    : m_nResourceId(nResourceId),
      m_documentFactory(std::move(documentFactory)),
      m_frameFactory(std::move(frameFactory)),
      m_viewFactory(std::move(viewFactory)) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    CloseDocumentAndFrame();
}

bool CSingleDocTemplate::CreateDocumentAndFrame() {
    if (m_pFrame != nullptr) {
        return true;
    }
    m_pDocument = m_documentFactory();
    m_pFrame = m_frameFactory();
    m_pDocument->SetFrame(m_pFrame.get());
    if (!m_pFrame->LoadFrame(m_nResourceId, m_pDocument.get(), m_viewFactory)) {
        m_pFrame.reset();
        m_pDocument.reset();
        return false;
    }
    SetDefaultTitle();
    m_pDocument->OnNewDocument();
    return true;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const std::string* pPathName) {
    if (!CreateDocumentAndFrame()) {
        return nullptr;
    }
    if (pPathName == nullptr) {
        SetDefaultTitle();
        if (!m_pDocument->OnNewDocument()) {
            return nullptr;
        }
    } else {
        if (!m_pDocument->OnOpenDocument(*pPathName)) {
            return nullptr;
        }
        m_pDocument->SetPathName(*pPathName);
    }
    if (CFormView* pView = m_pFrame->GetActiveView()) {
        pView->OnInitialUpdate();
    }
    m_pFrame->ActivateFrame(m_pFrame->windowState());
    return m_pDocument.get();
}

void CSingleDocTemplate::CloseDocumentAndFrame() {
    if (m_pFrame != nullptr) {
        m_pFrame->OnDestroy();
        m_pFrame.reset();
    }
    m_pDocument.reset();
}

void CSingleDocTemplate::SetDefaultTitle() {
    m_pDocument->SetTitle(QStringLiteral("Untitled"));
}
