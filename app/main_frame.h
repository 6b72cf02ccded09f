#pragma once

// The main window: menu, dockable toolbar, status bar and the programmer form. It stores
// its placement, the bars' visibility and the port choice in the settings section "Window
// size" when it is destroyed, and restores them the first time it is activated.

#include <QString>

#include "framework/frame_window.h"

class CMainFrame : public CFrameWindow {
  public:
    // strBoardNote, when not empty, stays in the status bar for the whole run: it tells the
    // user that the program drives a simulated board rather than a real chip.
    explicit CMainFrame(QString strBoardNote);

    void ActivateFrame(Qt::WindowStates showState) override;
    void OnDestroy() override;

  protected:
    int OnCreate() override;

  private:
    // Returns the show state the settings ask for.
    Qt::WindowStates RestorePlacement();

    QString m_strBoardNote;
    bool m_bFirstActivation = true;
};
