#pragma once

// The main frame of the single-document arrangement, on QMainWindow: the menu and the
// accelerators from the resource tables, the caption "<window title> - <document title>",
// the one view in the client area, the toolbar and status bar helpers, the View menu's
// bar toggles, and the routing of every command through the command tables: the view's
// first, then the document's, then the application's, then the frame's own.

#include <QMainWindow>
#include <functional>
#include <span>
#include <vector>

#include "framework/command_table.h"

class CDocument;
class CFormView;
class QAction;
class QMenu;
class QStatusBar;
class QToolBar;

class CFrameWindow : public QMainWindow, public CCommandTarget {
  public:
    using ViewFactory = std::function<CFormView*(QWidget* pParent)>;

    CFrameWindow();
    ~CFrameWindow() override;

    // Takes the window title from the string of resource nResourceId, builds the menu and
    // the accelerators from their tables and sets the icon, then runs the creation handler,
    // which creates the view. False when the handler failed.
    bool LoadFrame(int nResourceId, CDocument* pDocument, ViewFactory viewFactory);
    // The framework's first showing and every later re-activation.
    virtual void ActivateFrame(Qt::WindowStates showState);
    // The destruction handler; runs before the frame and its view are deleted.
    virtual void OnDestroy() {}

    CFormView* GetActiveView() const { return m_pView; }
    void UpdateFrameTitle(const QString& strDocumentTitle);

    // Hands the command to the first command table with an entry for it.
    void RouteCommand(int nId);
    bool OnCmdMsg(int nId) override;
    // A descendant window by its child-window id (the id in its object name).
    QWidget* FindDescendant(int nId) const;

    void OnBarCheck(int nId);
    // CAP, NUM and SCRL show their text while the lock is on.
    void UpdateIndicatorPanes();

  protected:
    // The creation handler: 0 to go on, -1 to fail. The base creates the view.
    virtual int OnCreate();
    // A toolbar with child-window id nId and one button per command id in buttons
    // (ID_SEPARATOR: a gap); tooltips are the second line of each prompt, status-bar
    // prompts the first.
    QToolBar* CreateToolBar(int nId, std::span<const int> buttons);
    // The status bar with child-window id nId: the message pane with the idle text, then
    // one pane per indicator id, shown while that indicator is on.
    QStatusBar* CreateStatusBar(int nId, std::span<const int> indicators);

  private:
    void BuildMenu();
    void BuildAccelerators();
    void UpdateRecentFileMenu();
    QAction* CreateCommandAction(const QString& strText, int nId, QObject* pParent);

    CDocument* m_pDocument = nullptr;
    CFormView* m_pView = nullptr;
    ViewFactory m_viewFactory;
    QString m_strWindowTitle;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentFilePlaceholder = nullptr;
    std::vector<QAction*> m_recentFileActions;
    std::vector<QAction*> m_barActions;
};

// The program's first line of a command's prompt (status bar) or its second (tooltip).
QString PromptLine(int nId, int nLine);
