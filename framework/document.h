#pragma once

// The document of the single-document arrangement. It holds no data of its own: it has a
// title for the caption, the path it was opened from or saved to, and the save commands.
// Nothing ever marks it modified, so closing the program or starting a new document never
// asks whether to save.

#include <QString>
#include <string>

#include "framework/command_table.h"

class CFormView;
class CFrameWindow;

class CDocument : public CCommandTarget {
  public:
    ~CDocument() override = default;

    // Also sets the caption of the frame that shows the document.
    void SetTitle(const QString& strTitle);
    const std::string& GetPathName() const { return m_strPathName; }
    // The title becomes the file's name; the file goes to the top of the recent-file list.
    void SetPathName(const std::string& strPathName);

    // The new-document step: the path is forgotten.
    virtual bool OnNewDocument();
    // The framework's own load step; a document without data has nothing to read.
    virtual bool OnOpenDocument(const std::string& strPathName);
    // Writes the document to strPathName; true on success.
    virtual bool OnSaveDocument(const std::string& strPathName) = 0;

    void SetFrame(CFrameWindow* pFrame) { m_pFrame = pFrame; }
    // The one view; null before the frame has created it.
    CFormView* GetFirstView() const;

    bool OnCmdMsg(int nId) override;
    void OnFileSave();
    void OnFileSaveAs();

  protected:
    // Saves under strPathName, or asks for a name first when it is empty ("Save As").
    bool DoSave(std::string strPathName);

  private:
    QString m_strTitle;
    std::string m_strPathName;
    CFrameWindow* m_pFrame = nullptr;
};
