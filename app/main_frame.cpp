#include "app/main_frame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <array>
#include <vector>

#include "app/res/resource.h"
#include "app/res/toolbar_table.h"
#include "app/window_placement.h"
#include "framework/application.h"
#include "hardware/expander_link.h"

namespace {

constexpr const char* SECTION = "Window size";
constexpr const char* ENTRY_RECT = "Rect";
constexpr const char* ENTRY_ICON = "Icon";
constexpr const char* ENTRY_MAX = "Max";
constexpr const char* ENTRY_TOOL = "Tool";
constexpr const char* ENTRY_STATUS = "Status";
constexpr const char* ENTRY_LPT = "Lpt";

constexpr std::array<int, 4> s_indicators = {
    ID_SEPARATOR,
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

WindowRect ToWindowRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

CSettingsStore& Settings() {
    return CApplication::Instance()->Settings();
}

}  // namespace

CMainFrame::CMainFrame(QString strBoardNote) : m_strBoardNote(std::move(strBoardNote)) {}

int CMainFrame::OnCreate() {
    if (CFrameWindow::OnCreate() == -1) {
        return -1;
    }
    CreateToolBar(ID_VIEW_TOOLBAR, g_toolbarButtons);
    QStatusBar* pStatusBar = CreateStatusBar(ID_VIEW_STATUS_BAR, s_indicators);
    if (!m_strBoardNote.isEmpty()) {
        auto* pNote = new QLabel(m_strBoardNote, pStatusBar);
        pNote->setObjectName(QStringLiteral("boardNote"));
        pStatusBar->addPermanentWidget(pNote);
    }
    return 0;
}

void CMainFrame::ActivateFrame(Qt::WindowStates showState) {
    if (m_bFirstActivation) {
        m_bFirstActivation = false;
        showState = RestorePlacement();
    }
    CFrameWindow::ActivateFrame(showState);
}

Qt::WindowStates CMainFrame::RestorePlacement() {
    std::vector<WindowRect> screens;
    for (const QScreen* pScreen : QGuiApplication::screens()) {
        screens.push_back(ToWindowRect(pScreen->geometry()));
    }
    const QSize screenSize = QGuiApplication::primaryScreen()->size();
    // A text that cannot be read, or that would put the window where no screen shows it,
    // gives the default rectangle, as if nothing had been saved.
    std::optional<WindowRect> rect =
        ParseWindowRect(Settings().GetProfileString(SECTION, ENTRY_RECT).toStdString());
    if (!rect || !IsOnSomeScreen(*rect, screens)) {
        rect = DefaultWindowRect(screenSize.width(), screenSize.height());
    }
    const bool bIcon = Settings().GetProfileInt(SECTION, ENTRY_ICON, 0) != 0;
    const bool bMax = Settings().GetProfileInt(SECTION, ENTRY_MAX, 0) != 0;
    Qt::WindowStates showState = Qt::WindowNoState;
    if (bIcon) {
        showState = Qt::WindowMinimized |
                    (bMax ? Qt::WindowMaximized : (windowState() & Qt::WindowMaximized));
    } else if (bMax) {
        showState = Qt::WindowMaximized;
    }
    const struct {
        int nId;
        const char* pszEntry;
    } bars[] = {{ID_VIEW_TOOLBAR, ENTRY_TOOL}, {ID_VIEW_STATUS_BAR, ENTRY_STATUS}};
    for (const auto& bar : bars) {
        if (QWidget* pBar = FindDescendant(bar.nId)) {
            pBar->setVisible(Settings().GetProfileInt(SECTION, bar.pszEntry, 1) != 0);
        }
    }
    setGeometry(rect->left, rect->top, rect->Width(), rect->Height());
    return showState;
}

void CMainFrame::OnDestroy() {
    // A frame that was never shown has no placement worth keeping: the start-up failed
    // before the window appeared, and the saved settings stay as they were.
    if (m_bFirstActivation) {
        return;
    }
    const Qt::WindowStates state = windowState();
    const bool bMinimized = (state & Qt::WindowMinimized) != 0;
    const bool bMaximized = (state & Qt::WindowMaximized) != 0;
    const QRect normal =
        (bMaximized || (state & Qt::WindowFullScreen)) ? normalGeometry() : geometry();
    Settings().WriteProfileString(SECTION, ENTRY_RECT,
                                  QString::fromStdString(FormatWindowRect(ToWindowRect(normal))));
    Settings().WriteProfileInt(SECTION, ENTRY_ICON, bMinimized ? 1 : 0);
    Settings().WriteProfileInt(SECTION, ENTRY_MAX, bMaximized ? 1 : 0);
    Settings().WriteProfileInt(SECTION, ENTRY_LPT, g_wPortBase == LPT1_BASE ? 0 : 1);
    // A toolbar left floating in its own small window is not part of the frame: its entry
    // keeps the previous value, and the next start docks it at the top again.
    const auto* pToolBar = qobject_cast<const QToolBar*>(FindDescendant(ID_VIEW_TOOLBAR));
    if (pToolBar != nullptr && !pToolBar->isFloating()) {
        Settings().WriteProfileInt(SECTION, ENTRY_TOOL, pToolBar->isHidden() ? 0 : 1);
    }
    if (const QWidget* pStatusBar = FindDescendant(ID_VIEW_STATUS_BAR)) {
        Settings().WriteProfileInt(SECTION, ENTRY_STATUS, pStatusBar->isHidden() ? 0 : 1);
    }
}
