#pragma once

// The application object: starts the framework's pieces in their fixed order, binds the
// document, the main frame and the programmer form into the single-document template,
// opens the image file named on the command line, and handles the About box, the buffer
// view, New and Open.

#include <QString>
#include <optional>
#include <string>

#include "framework/application.h"

class CMorvexView;

struct StartupOptions {
    // The image file named on the command line.
    std::optional<std::string> imageFile;
    // Shown in the status bar for the whole run when not empty ("simulated 27C512").
    QString strBoardNote;
};

class CMorvexApp : public CApplication {
  public:
    // False when start-up failed (the user has been told why); the program then ends
    // without a window.
    bool InitInstance(const StartupOptions& options);

    CDocument* OpenDocumentFile(const std::string& strPathName) override;
    // Loads the file into the image buffer, then hands the name to the document template;
    // null when the file was refused.
    CDocument* OpenImageFile(const std::string& strPathName);

    CMorvexView* View() const;

    // SIGINT or SIGTERM has arrived: close the main window the normal way, after the chip
    // operation that may be running has stopped.
    void OnShutdownSignal();

    bool OnCmdMsg(int nId) override;
    void OnAbout();
    void OnBufferView();
};
