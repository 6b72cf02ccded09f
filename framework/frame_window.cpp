#include "framework/frame_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include "app/res/accelerator_table.h"
#include "app/res/menu_table.h"
#include "app/res/resource.h"
#include "app/res/string_table.h"
#include "app/res/toolbar_table.h"
#include "framework/application.h"
#include "framework/document.h"
#include "framework/form_view.h"
#include "framework/lock_indicators.h"
#include "framework/program_icon.h"
#include "framework/recent_file_list.h"

namespace {

// Recent-file entries in the menu are shortened to this many characters.
constexpr int RECENT_NAME_LENGTH = 30;

// The text of a menu entry with every ampersand shown as itself.
QString EscapeMnemonics(QString strText) {
    return strText.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

class CLockKeyWatcher : public QObject {
  public:
    CLockKeyWatcher(QObject* pParent, std::function<void()> onChange)
        : QObject(pParent), m_onChange(std::move(onChange)) {}
    bool eventFilter(QObject*, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::KeyRelease || pEvent->type() == QEvent::ApplicationActivate) {
            m_onChange();
        }
        return false;
    }

  private:
    std::function<void()> m_onChange;
};

}  // namespace

QString PromptLine(int nId, int nLine) {
    const char* pszPrompt = LoadResourceString(nId);
    if (pszPrompt == nullptr) {
        return QString();
    }
    const QStringList lines = QString::fromUtf8(pszPrompt).split(QLatin1Char('\n'));
    return nLine < lines.size() ? lines[nLine] : QString();
}

CFrameWindow::CFrameWindow() = default;

CFrameWindow::~CFrameWindow() = default;

bool CFrameWindow::LoadFrame(int nResourceId, CDocument* pDocument, ViewFactory viewFactory) {
    m_pDocument = pDocument;
    m_viewFactory = std::move(viewFactory);
    m_strWindowTitle = PromptLine(nResourceId, 0);
    setWindowIcon(ProgramIcon());
    BuildMenu();
    BuildAccelerators();
    return OnCreate() == 0;
}

int CFrameWindow::OnCreate() {
    m_pView = m_viewFactory(this);
    if (m_pView == nullptr) {
        return -1;
    }
    m_pView->SetFrame(this);
    setCentralWidget(m_pView);
    return 0;
}

void CFrameWindow::ActivateFrame(Qt::WindowStates showState) {
    setWindowState(showState);
    show();
    if (!(showState & Qt::WindowMinimized)) {
        activateWindow();
        raise();
    }
}

void CFrameWindow::UpdateFrameTitle(const QString& strDocumentTitle) {
    setWindowTitle(m_strWindowTitle + QStringLiteral(" - ") + strDocumentTitle);
}

void CFrameWindow::RouteCommand(int nId) {
    if (m_pView != nullptr && m_pView->OnCmdMsg(nId)) {
        return;
    }
    if (m_pDocument != nullptr && m_pDocument->OnCmdMsg(nId)) {
        return;
    }
    if (CApplication* pApp = CApplication::Instance(); pApp != nullptr && pApp->OnCmdMsg(nId)) {
        return;
    }
    OnCmdMsg(nId);
}

bool CFrameWindow::OnCmdMsg(int nId) {
    if (nId == ID_VIEW_TOOLBAR || nId == ID_VIEW_STATUS_BAR) {
        OnBarCheck(nId);
        return true;
    }
    return false;
}

QWidget* CFrameWindow::FindDescendant(int nId) const {
    return findChild<QWidget*>(QString::number(nId));
}

void CFrameWindow::OnBarCheck(int nId) {
    if (QWidget* pBar = FindDescendant(nId)) {
        pBar->setVisible(pBar->isHidden());
    }
}

QAction* CFrameWindow::CreateCommandAction(const QString& strText, int nId, QObject* pParent) {
    auto* pAction = new QAction(strText, pParent);
    pAction->setStatusTip(PromptLine(nId, 0));
    connect(pAction, &QAction::triggered, this, [this, nId] { RouteCommand(nId); });
    return pAction;
}

void CFrameWindow::BuildMenu() {
    for (const MenuPopup& popup : g_mainMenu) {
        QMenu* pMenu = menuBar()->addMenu(QString::fromUtf8(popup.pszTitle));
        for (const MenuEntry& entry : popup.entries) {
            if (entry.bSeparator) {
                pMenu->addSeparator();
                continue;
            }
            QAction* pAction =
                CreateCommandAction(QString::fromUtf8(entry.pszText), entry.nId, pMenu);
            pAction->setEnabled(!entry.bDisabled);
            pMenu->addAction(pAction);
            if (entry.nId == ID_FILE_MRU_FILE1) {
                m_pFileMenu = pMenu;
                m_pRecentFilePlaceholder = pAction;
            }
            if (entry.nId == ID_VIEW_TOOLBAR || entry.nId == ID_VIEW_STATUS_BAR) {
                pAction->setCheckable(true);
                pAction->setData(entry.nId);
                m_barActions.push_back(pAction);
            }
        }
        connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] {
            for (QAction* pAction : m_barActions) {
                const QWidget* pBar = FindDescendant(pAction->data().toInt());
                pAction->setChecked(pBar != nullptr && !pBar->isHidden());
            }
            if (pMenu == m_pFileMenu) {
                UpdateRecentFileMenu();
            }
        });
    }
}

void CFrameWindow::UpdateRecentFileMenu() {
    for (QAction* pAction : m_recentFileActions) {
        m_pFileMenu->removeAction(pAction);
        pAction->deleteLater();
    }
    m_recentFileActions.clear();
    const CApplication* pApp = CApplication::Instance();
    const CRecentFileList* pList = pApp != nullptr ? pApp->RecentFileList() : nullptr;
    const int nEntries = pList != nullptr ? pList->Size() : 0;
    m_pRecentFilePlaceholder->setVisible(nEntries == 0);
    for (int nIndex = 0; nIndex < nEntries; ++nIndex) {
        const QString strText =
            QStringLiteral("&%1 ").arg(nIndex + 1) +
            EscapeMnemonics(CRecentFileList::DisplayName(pList->Entry(nIndex), RECENT_NAME_LENGTH));
        QAction* pAction = CreateCommandAction(strText, ID_FILE_MRU_FILE1 + nIndex, m_pFileMenu);
        m_pFileMenu->insertAction(m_pRecentFilePlaceholder, pAction);
        m_recentFileActions.push_back(pAction);
    }
}

void CFrameWindow::BuildAccelerators() {
    for (const AcceleratorEntry& accelerator : g_accelerators) {
        const Qt::Modifier modifier =
            accelerator.modifier == AcceleratorEntry::Alt ? Qt::ALT : Qt::CTRL;
        const QKeySequence keys(modifier | static_cast<Qt::Key>(accelerator.cKey));
        const int nId = accelerator.nId;
        auto* pShortcut = new QShortcut(keys, this);
        connect(pShortcut, &QShortcut::activated, this, [this, nId] { RouteCommand(nId); });
    }
}

QToolBar* CFrameWindow::CreateToolBar(int nId, std::span<const int> buttons) {
    auto* pToolBar = new QToolBar(this);
    pToolBar->setObjectName(QString::number(nId));
    pToolBar->setWindowTitle(QStringLiteral("Toolbar"));
    pToolBar->setIconSize(QSize(16, 15));
    pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    pToolBar->setFloatable(true);
    pToolBar->setMovable(true);
    int nImage = 0;
    for (const int nButton : buttons) {
        if (nButton == ID_SEPARATOR) {
            pToolBar->addSeparator();
            continue;
        }
        const QString strToolTip = PromptLine(nButton, 1);
        QAction* pAction = CreateCommandAction(strToolTip, nButton, pToolBar);
        pAction->setIcon(QPixmap(g_toolbarImages.at(nImage++)));
        pAction->setToolTip(strToolTip);
        pAction->setObjectName(QString::number(nButton));
        pToolBar->addAction(pAction);
    }
    addToolBar(Qt::TopToolBarArea, pToolBar);
    return pToolBar;
}

QStatusBar* CFrameWindow::CreateStatusBar(int nId, std::span<const int> indicators) {
    QStatusBar* pStatusBar = statusBar();
    pStatusBar->setObjectName(QString::number(nId));
    // The message pane: the idle text under any fly-by prompt, which Qt shows as a
    // temporary message over the normal panes.
    auto* pMessagePane = new QLabel(PromptLine(AFX_IDS_IDLEMESSAGE, 0), pStatusBar);
    pMessagePane->setObjectName(QStringLiteral("messagePane"));
    pStatusBar->addWidget(pMessagePane, 1);
    for (const int nIndicator : indicators) {
        if (nIndicator == ID_SEPARATOR) {
            continue;
        }
        auto* pPane = new QLabel(pStatusBar);
        pPane->setObjectName(QString::number(nIndicator));
        pPane->setMinimumWidth(pPane->fontMetrics().horizontalAdvance(PromptLine(nIndicator, 0)) +
                               8);
        pStatusBar->addPermanentWidget(pPane);
    }
    // The lock keys change state with a key press anywhere, also while another program has
    // the keyboard: look again after every key and whenever the window becomes active.
    auto* pLockWatcher = new CLockKeyWatcher(pStatusBar, [this] { UpdateIndicatorPanes(); });
    QCoreApplication::instance()->installEventFilter(pLockWatcher);
    UpdateIndicatorPanes();
    return pStatusBar;
}

void CFrameWindow::UpdateIndicatorPanes() {
    const LockStates states = ReadLockStates();
    const struct {
        int nId;
        bool bOn;
    } panes[] = {{ID_INDICATOR_CAPS, states.bCaps},
                 {ID_INDICATOR_NUM, states.bNum},
                 {ID_INDICATOR_SCRL, states.bScroll}};
    for (const auto& pane : panes) {
        if (auto* pLabel = qobject_cast<QLabel*>(FindDescendant(pane.nId))) {
            pLabel->setText(pane.bOn ? PromptLine(pane.nId, 0) : QString());
        }
    }
}
