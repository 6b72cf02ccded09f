#pragma once

// The application object of the single-document arrangement: the settings store, the
// recent-file list, the one document template, and the commands that belong to the
// application as a whole (New, Open, the recent files, Exit). One instance exists at a
// time; the framework's pieces find it through Instance().

#include <memory>
#include <string>

#include "framework/command_table.h"
#include "framework/settings_store.h"

class CDocument;
class CFrameWindow;
class CRecentFileList;
class CSingleDocTemplate;

class CApplication : public CCommandTarget {
  public:
    CApplication();
    ~CApplication() override;
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    static CApplication* Instance();

    // Destroys the main frame (its destruction handler first, then the view), then writes
    // the recent-file list.
    virtual void ExitInstance();

    CSettingsStore& Settings() { return m_settings; }
    CRecentFileList* RecentFileList() const { return m_pRecentFileList.get(); }
    void AddToRecentFileList(const std::string& strPathName);
    CFrameWindow* MainFrame() const;
    CDocument* Document() const;

    // Opens a document by path (File Open, a recent file, the command line); null when
    // the open failed. The base hands the path to the document template.
    virtual CDocument* OpenDocumentFile(const std::string& strPathName);

    bool OnCmdMsg(int nId) override;
    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(int nId);
    void OnAppExit();

  protected:
    void SetRegistryKey(const char* pszOrganization, const char* pszApplication);
    void LoadStdProfileSettings(int nMaxRecentFiles);
    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate);
    CSingleDocTemplate* DocTemplate() const { return m_pTemplate.get(); }

  private:
    CSettingsStore m_settings;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::unique_ptr<CSingleDocTemplate> m_pTemplate;
};
