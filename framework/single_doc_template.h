#pragma once

// The single-document template: one document, one main frame, one view, created together
// the first time a document is started and re-used by every New and every open after it.

#include <functional>
#include <memory>
#include <string>

#include "framework/frame_window.h"

class CDocument;

class CSingleDocTemplate {
  public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CFrameWindow>()>;

    CSingleDocTemplate(int nResourceId, DocumentFactory documentFactory, FrameFactory frameFactory,
                       CFrameWindow::ViewFactory viewFactory);
    ~CSingleDocTemplate();

    // Creates the document, the frame and the view when they do not exist yet, without
    // showing anything; the document is new and "Untitled". False when the frame could not
    // be created.
    bool CreateDocumentAndFrame();
    // A new document (pPathName null) or the document of a file: the title, the view's
    // re-initialisation (exchange towards the controls) and the frame's activation.
    CDocument* OpenDocumentFile(const std::string* pPathName);
    // Runs the frame's destruction handler, then deletes the frame (and with it the view)
    // and the document.
    void CloseDocumentAndFrame();

    CDocument* Document() const { return m_pDocument.get(); }
    CFrameWindow* Frame() const { return m_pFrame.get(); }

  private:
    void SetDefaultTitle();

    int m_nResourceId;
    DocumentFactory m_documentFactory;
    FrameFactory m_frameFactory;
    CFrameWindow::ViewFactory m_viewFactory;
    std::unique_ptr<CDocument> m_pDocument;
    std::unique_ptr<CFrameWindow> m_pFrame;
};
