#include "app/morvex_app.h"

#include <QApplication>
#include <array>

#include "app/about_dlg.h"
#include "app/main_frame.h"
#include "app/morvex_view.h"
#include "app/res/resource.h"
#include "app/res/string_table.h"
#include "framework/single_doc_template.h"
#include "image/buffer_view_dlg.h"
#include "image/image_file.h"
#include "image/morvex_doc.h"

namespace {

constexpr int RECENT_FILE_COUNT = 4;

const std::array<CommandEntry<CMorvexApp>, 4> s_commandTable = {{
    OnCommand<CMorvexApp>(ID_APP_ABOUT, &CMorvexApp::OnAbout),
    OnCommand<CMorvexApp>(ID_VIEW_BUFFERVIEW, &CMorvexApp::OnBufferView),
    OnCommand<CMorvexApp>(ID_FILE_NEW, &CApplication::OnFileNew),
    OnCommand<CMorvexApp>(ID_FILE_OPEN, &CApplication::OnFileOpen),
}};

}  // namespace

bool CMorvexApp::InitInstance(const StartupOptions& options) {
    // The classic three-dimensional look of dialog controls; it also paints the status
    // field's 32 progress steps of a read about twice as fast as the default style.
    QApplication::setStyle(QStringLiteral("Windows"));
    SetRegistryKey("Local AppWizard-Generated Applications", LoadResourceString(AFX_IDS_APP_TITLE));
    LoadStdProfileSettings(RECENT_FILE_COUNT);
    const QString strBoardNote = options.strBoardNote;
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CMorvexDoc>(); },
        [strBoardNote] { return std::make_unique<CMainFrame>(strBoardNote); },
        [](QWidget* pParent) { return new CMorvexView(pParent); }));
    // A file named on the command line is loaded once the form and its image buffer exist;
    // if it is refused the program ends without ever showing its window.
    const bool bImageFile = options.imageFile && !options.imageFile->empty();
    const CDocument* pDocument =
        bImageFile ? OpenImageFile(*options.imageFile) : DocTemplate()->OpenDocumentFile(nullptr);
    if (pDocument == nullptr) {
        DocTemplate()->CloseDocumentAndFrame();
        return false;
    }
    MainFrame()->show();
    MainFrame()->repaint();
    return true;
}

CDocument* CMorvexApp::OpenDocumentFile(const std::string& strPathName) {
    return OpenImageFile(strPathName);
}

CDocument* CMorvexApp::OpenImageFile(const std::string& strPathName) {
    if (!DocTemplate()->CreateDocumentAndFrame()) {
        return nullptr;
    }
    CMorvexView* pView = View();
    if (LoadImageFile(strPathName, *pView, pView) == ImageOpenResult::Failed) {
        return nullptr;
    }
    return CApplication::OpenDocumentFile(strPathName);
}

CMorvexView* CMorvexApp::View() const {
    return MainFrame() != nullptr ? static_cast<CMorvexView*>(MainFrame()->GetActiveView())
                                  : nullptr;
}

void CMorvexApp::OnShutdownSignal() {
    // A modal box or dialog is closed first, so that whatever waits on it goes on: a chip
    // operation that showed a box then sees the stop request and ends at CTRL_IDLE.
    if (QWidget* pModal = QApplication::activeModalWidget()) {
        pModal->close();
    }
    CMorvexView* pView = View();
    if (pView != nullptr && pView->IsOperationRunning()) {
        pView->SetOperationEndedHandler([this] { MainFrame()->close(); });
        return;
    }
    if (MainFrame() != nullptr) {
        MainFrame()->close();
    }
}

bool CMorvexApp::OnCmdMsg(int nId) {
    return DispatchCommand<CMorvexApp>(*this, s_commandTable, nId) || CApplication::OnCmdMsg(nId);
}

void CMorvexApp::OnAbout() {
    CAboutDlg aboutDlg(MainFrame());
    aboutDlg.exec();
}

void CMorvexApp::OnBufferView() {
    RunBufferView(MainFrame(), *View());
}
