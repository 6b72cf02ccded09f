#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/res/accelerator_table.h"
#include "app/res/menu_table.h"
#include "app/res/resource.h"
#include "app/res/string_table.h"
#include "app/res/toolbar_table.h"
#include "app/window_placement.h"
#include "framework/dialog_builder.h"
#include "framework/frame_window.h"
#include "tests/app/desktop_fixture.h"

namespace {

bool IsChecked(const CMorvexView* pView, int nId) {
    return static_cast<const QAbstractButton*>(pView->Control(nId))->isChecked();
}

// The port accesses of one ExpWrite on the base wBase, decoded to (index, value).
std::vector<std::pair<int, int>> ExpanderWrites(const std::vector<PortAccess>& accesses) {
    std::vector<std::pair<int, int>> writes;
    for (std::size_t i = 0; i + 5 < accesses.size(); i += 6) {
        const int nInstruction = (accesses[i + 1].byValue ^ 0x0B) & 0x0F;
        const int nIndex = (nInstruction & 3) + (accesses[i].byValue == 3 ? 4 : 0);
        writes.emplace_back(nIndex, (accesses[i + 3].byValue ^ 0x0B) & 0x0F);
    }
    return writes;
}

const std::vector<std::pair<int, int>> POWER_ON = {{0, 0}, {1, 0}, {2, 0}, {3, 0},
                                                   {4, 0}, {5, 0}, {6, 3}, {7, 0}};

using StartUpTest = DesktopTest;

TEST_F(StartUpTest, FirstStartWithoutSettings) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame()->windowTitle(), "morvex - Untitled");
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_TRUE(IsChecked(View(), IDC_LPT1));
    EXPECT_TRUE(IsChecked(View(), IDC_27C512));
    EXPECT_EQ(StatusField(), "0");
    EXPECT_EQ(InfoField(), "buffer empty");
    EXPECT_EQ(g_wType, TYPE_27C512);
    EXPECT_EQ(g_wPortBase, LPT1_BASE);
    // The power-on sequence, on 0x378, is all the board has seen.
    ASSERT_EQ(m_port.Accesses().size(), 48u);
    EXPECT_EQ(m_port.Accesses().front().dwPort, 0x378u);
    EXPECT_EQ(ExpanderWrites(m_port.Accesses()), POWER_ON);
    EXPECT_TRUE(m_events.empty());
    // Default placement for the screen the program finds.
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const WindowRect expected = DefaultWindowRect(screen.width(), screen.height());
    EXPECT_EQ(Frame()->geometry(),
              QRect(expected.left, expected.top, expected.Width(), expected.Height()));
    EXPECT_FALSE(Frame()->FindDescendant(ID_VIEW_TOOLBAR)->isHidden());
    EXPECT_FALSE(Frame()->FindDescendant(ID_VIEW_STATUS_BAR)->isHidden());
    EXPECT_EQ(Frame()->findChild<QLabel*>("messagePane")->text(), "Ready");
    EXPECT_EQ(Frame()->findChild<QLabel*>("boardNote"), nullptr);
}

TEST_F(StartUpTest, SavedPortChoosesTheBoardOfThePowerOnSequence) {
    const struct {
        QVariant lpt;
        bool bLpt2;
    } cases[] = {{0, false}, {1, true}, {2, true}, {-1, true}, {"junk", false}};
    for (const auto& testCase : cases) {
        StoreSetting("Window size/Lpt", testCase.lpt);
        m_port.Clear();
        ASSERT_TRUE(Start());
        EXPECT_EQ(IsChecked(View(), IDC_LPT2), testCase.bLpt2)
            << testCase.lpt.toString().toStdString();
        EXPECT_EQ(View()->m_nPort, testCase.bLpt2 ? 1 : 0);
        EXPECT_EQ(m_port.Accesses().front().dwPort, testCase.bLpt2 ? 0x278u : 0x378u);
        Stop();
    }
}

TEST_F(StartUpTest, SimulatedBoardIsNamedInTheStatusBar) {
    StartupOptions options;
    options.strBoardNote = "simulated 27C512";
    ASSERT_TRUE(Start(options));
    const QLabel* pNote = Frame()->findChild<QLabel*>("boardNote");
    ASSERT_NE(pNote, nullptr);
    EXPECT_EQ(pNote->text(), "simulated 27C512");
    // A fly-by prompt covers the message pane but not the note.
    Frame()->statusBar()->showMessage("read eprom to buffer");
    EXPECT_TRUE(pNote->isVisible());
}

TEST_F(StartUpTest, MenusAndToolbarFollowTheTables) {
    ASSERT_TRUE(Start());
    const QList<QAction*> menus = Frame()->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(g_mainMenu.size()));
    for (std::size_t nMenu = 0; nMenu < g_mainMenu.size(); ++nMenu) {
        const MenuPopup& popup = g_mainMenu[nMenu];
        EXPECT_EQ(menus[nMenu]->text(), popup.pszTitle);
        const QList<QAction*> entries = menus[nMenu]->menu()->actions();
        ASSERT_EQ(entries.size(), static_cast<qsizetype>(popup.entries.size()));
        for (std::size_t nEntry = 0; nEntry < popup.entries.size(); ++nEntry) {
            const MenuEntry& entry = popup.entries[nEntry];
            const QAction* pAction = entries[nEntry];
            EXPECT_EQ(pAction->isSeparator(), entry.bSeparator);
            if (!entry.bSeparator) {
                EXPECT_EQ(pAction->text(), entry.pszText);
                EXPECT_EQ(pAction->isEnabled(), !entry.bDisabled) << entry.pszText;
                EXPECT_EQ(pAction->statusTip(), PromptLine(entry.nId, 0)) << entry.pszText;
            }
        }
    }
    EXPECT_EQ(PromptLine(ID_VIEW_BUFFERVIEW, 0), "show internal buffer");

    const auto* pToolBar = static_cast<QToolBar*>(Frame()->FindDescendant(ID_VIEW_TOOLBAR));
    const QList<QAction*> buttons = pToolBar->actions();
    ASSERT_EQ(buttons.size(), static_cast<qsizetype>(g_toolbarButtons.size()));
    for (std::size_t nButton = 0; nButton < g_toolbarButtons.size(); ++nButton) {
        const int nId = g_toolbarButtons[nButton];
        EXPECT_EQ(buttons[nButton]->isSeparator(), nId == ID_SEPARATOR);
        if (nId != ID_SEPARATOR) {
            EXPECT_EQ(buttons[nButton]->toolTip(), PromptLine(nId, 1));
            EXPECT_EQ(buttons[nButton]->statusTip(), PromptLine(nId, 0));
            EXPECT_FALSE(buttons[nButton]->icon().isNull());
        }
    }
    EXPECT_EQ(buttons[4]->toolTip(), "compare");
    EXPECT_EQ(buttons[4]->statusTip(), "compare buffer and eprom");

    // The status bar: the message pane, then CAP, NUM and SCRL.
    for (const int nIndicator : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}) {
        EXPECT_NE(Frame()->FindDescendant(nIndicator), nullptr) << nIndicator;
    }
}

TEST_F(StartUpTest, PromptsAppearInTheStatusBarWhileAPointerRestsOrAnEntryIsHighlighted) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
    auto* pToolBar = static_cast<QToolBar*>(Frame()->FindDescendant(ID_VIEW_TOOLBAR));
    QWidget* pCompare = pToolBar->widgetForAction(pToolBar->actions()[4]);
    QTest::mouseMove(pCompare);
    EXPECT_EQ(Frame()->statusBar()->currentMessage(), "compare buffer and eprom");
    EXPECT_EQ(pCompare->toolTip(), "compare");

    // The View menu opened from the menu bar, its last entry highlighted.
    QAction* pViewEntry = Frame()->menuBar()->actions()[2];
    Frame()->menuBar()->setActiveAction(pViewEntry);
    pViewEntry->menu()->setActiveAction(pViewEntry->menu()->actions().back());
    EXPECT_EQ(Frame()->statusBar()->currentMessage(), "show internal buffer");
    pViewEntry->menu()->close();
}

TEST_F(StartUpTest, TabWalksTheSevenStopsOfTheForm) {
    ASSERT_TRUE(Start());
    QApplication::setActiveWindow(Frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    View()->Control(IDC_LPT1)->setFocus();
    std::vector<QWidget*> stops;
    for (int nStop = 0; nStop < 7; ++nStop) {
        stops.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const std::vector<QWidget*> expected = {
        View()->Control(IDC_LPT1), View()->Control(IDC_27C512), View()->Control(IDC_COMPARE),
        View()->Control(IDC_READ), View()->Control(IDC_STATUS), View()->Control(IDC_WRITE),
        View()->Control(IDC_INFO)};
    EXPECT_EQ(stops, expected);
    EXPECT_EQ(QApplication::focusWidget(), View()->Control(IDC_LPT1));
}

TEST_F(StartUpTest, AcceleratorsRunTheirCommandsAndCtrlNDoesNothing) {
    ASSERT_TRUE(Start());
    QApplication::setActiveWindow(Frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    const auto press = [this](Qt::Key key, Qt::KeyboardModifier modifier) {
        m_events.clear();
        QTest::keyClick(Frame(), key, modifier);
    };
    press(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(StatusField(), "eprom is blank");
    EXPECT_EQ(InfoField(), "read eprom to buffer ( 65536 bytes ) - [#0]");
    press(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(StatusField(), "is empty");
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(StatusField(), "compare: ffff");
    // The recorder's chip reads 0xFF everywhere and never takes a program pulse.
    press(Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(StatusField(), "write: ffff");
    press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_events, std::vector<std::string>{"dialog: Open"});
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_events, std::vector<std::string>{"dialog: Save As"});
    Document()->SetTitle("kept");
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(m_events.empty());
    EXPECT_EQ(Frame()->windowTitle(), "morvex - kept");
}

TEST_F(StartUpTest, NewAfterReadKeepsFieldsChoicesAndImage) {
    const std::string strPath = MakeFile("chip.bin", 100);
    ASSERT_TRUE(Start());
    ASSERT_NE(m_pApp->OpenImageFile(strPath), nullptr);
    EXPECT_EQ(Frame()->windowTitle(), "morvex - chip.bin");
    QTest::mouseClick(View()->Control(IDC_LPT2), Qt::LeftButton);
    QTest::mouseClick(View()->Control(IDC_27C64), Qt::LeftButton);
    QTest::mouseClick(View()->Control(IDC_READ), Qt::LeftButton);
    ASSERT_EQ(StatusField(), "eprom is blank");
    const QString strInfo = InfoField();

    Command(ID_FILE_NEW);
    EXPECT_EQ(Frame()->windowTitle(), "morvex - Untitled");
    EXPECT_EQ(StatusField(), "eprom is blank");
    EXPECT_EQ(InfoField(), strInfo);
    EXPECT_TRUE(IsChecked(View(), IDC_LPT2));
    EXPECT_TRUE(IsChecked(View(), IDC_27C64));
    EXPECT_EQ(g_wPortBase, LPT2_BASE);
    EXPECT_EQ(g_wType, TYPE_27C64);
    EXPECT_EQ(g_dwLastOffset, 0x1FFFu);
    EXPECT_EQ(g_strImagePath, strPath);
    EXPECT_TRUE(Document()->GetPathName().empty());
}

TEST_F(StartUpTest, TypeAndPortButtonsSendNothingToTheBoard) {
    ASSERT_TRUE(Start());
    m_port.Clear();
    const struct {
        int nId;
        WORD wType;
    } types[] = {
        {IDC_27C64, 0}, {IDC_27C128, 1}, {IDC_27C256, 2}, {IDC_27C512, 3}, {IDC_27C512, 3}};
    for (const auto& type : types) {
        QTest::mouseClick(View()->Control(type.nId), Qt::LeftButton);
        EXPECT_EQ(g_wType, type.wType);
        EXPECT_EQ(View()->m_nType, type.wType);
    }
    QTest::mouseClick(View()->Control(IDC_LPT2), Qt::LeftButton);
    EXPECT_EQ(g_wPortBase, LPT2_BASE);
    QTest::mouseClick(View()->Control(IDC_LPT1), Qt::LeftButton);
    EXPECT_EQ(g_wPortBase, LPT1_BASE);
    EXPECT_EQ(View()->m_nPort, 0);
    EXPECT_TRUE(m_port.Accesses().empty());
}

TEST_F(StartUpTest, AboutBoxShowsTheVersionAndClosesWithOk) {
    ASSERT_TRUE(Start());
    QString strCaption;
    QTimer::singleShot(0, [&strCaption] {
        QWidget* pBox = QApplication::activeModalWidget();
        ASSERT_NE(pBox, nullptr);
        strCaption = pBox->windowTitle();
        QTest::mouseClick(ControlById(pBox, IDOK), Qt::LeftButton);
    });
    Command(ID_APP_ABOUT);
    EXPECT_EQ(strCaption, "About morvex");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
