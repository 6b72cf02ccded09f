#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QToolBar>

#include "app/res/resource.h"
#include "tests/app/desktop_fixture.h"

namespace {

class PlacementSettingsTest : public DesktopTest {
  protected:
    QVariant Stored(const char* pszEntry) {
        return StoredSettings().value(QStringLiteral("Window size/") + pszEntry);
    }
};

TEST_F(PlacementSettingsTest, ClosingWritesEverySettingAndTheNextStartRestoresIt) {
    ASSERT_TRUE(Start());
    Frame()->setGeometry(100, 50, 800, 600);
    // File Exit closes the window; the settings are written as the frame goes.
    Command(ID_APP_EXIT);
    EXPECT_FALSE(Frame()->isVisible());
    Stop();
    EXPECT_EQ(Stored("Rect").toString(), "0100 0050 0900 0650");
    EXPECT_EQ(Stored("Icon").toInt(), 0);
    EXPECT_EQ(Stored("Max").toInt(), 0);
    EXPECT_EQ(Stored("Tool").toInt(), 1);
    EXPECT_EQ(Stored("Status").toInt(), 1);
    EXPECT_EQ(Stored("Lpt").toInt(), 0);

    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame()->geometry(), QRect(100, 50, 800, 600));
    EXPECT_EQ(Frame()->windowState(), Qt::WindowNoState);
}

TEST_F(PlacementSettingsTest, MaximisedAndMinimisedStatesComeBack) {
    const struct {
        Qt::WindowStates state;
        int nIcon, nMax;
    } cases[] = {
        {Qt::WindowMaximized, 0, 1},
        {Qt::WindowMinimized | Qt::WindowMaximized, 1, 1},  // minimised from maximised
        {Qt::WindowMinimized, 1, 0},
    };
    for (const auto& testCase : cases) {
        StoreSetting("Window size/Rect", "0100 0050 0900 0650");
        ASSERT_TRUE(Start());
        Frame()->setWindowState(testCase.state);
        Stop();
        EXPECT_EQ(Stored("Icon").toInt(), testCase.nIcon);
        EXPECT_EQ(Stored("Max").toInt(), testCase.nMax);
        EXPECT_EQ(Stored("Rect").toString(), "0100 0050 0900 0650");

        ASSERT_TRUE(Start());
        EXPECT_EQ(Frame()->windowState(), testCase.state);
        // Restoring gives the saved normal rectangle, or the maximised window.
        Frame()->setWindowState(Frame()->windowState() & ~Qt::WindowMinimized);
        if (testCase.nMax != 0) {
            EXPECT_TRUE(Frame()->isMaximized());
            EXPECT_EQ(Frame()->normalGeometry(), QRect(100, 50, 800, 600));
        } else {
            EXPECT_EQ(Frame()->geometry(), QRect(100, 50, 800, 600));
        }
        Stop();
    }
}

TEST_F(PlacementSettingsTest, HiddenBarsAndLpt2ComeBack) {
    ASSERT_TRUE(Start());
    Command(ID_VIEW_TOOLBAR);
    Command(ID_VIEW_STATUS_BAR);
    QTest::mouseClick(View()->Control(IDC_LPT2), Qt::LeftButton);
    Stop();
    EXPECT_EQ(Stored("Tool").toInt(), 0);
    EXPECT_EQ(Stored("Status").toInt(), 0);
    EXPECT_EQ(Stored("Lpt").toInt(), 1);

    ASSERT_TRUE(Start());
    EXPECT_TRUE(Frame()->FindDescendant(ID_VIEW_TOOLBAR)->isHidden());
    EXPECT_TRUE(Frame()->FindDescendant(ID_VIEW_STATUS_BAR)->isHidden());
    EXPECT_EQ(g_wPortBase, LPT2_BASE);
    Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(Frame()->FindDescendant(ID_VIEW_TOOLBAR)->isHidden());
}

TEST_F(PlacementSettingsTest, FloatingToolbarKeepsThePreviousToolEntry) {
    StoreSetting("Window size/Tool", 0);
    ASSERT_TRUE(Start());
    auto* pToolBar = static_cast<QToolBar*>(Frame()->FindDescendant(ID_VIEW_TOOLBAR));
    pToolBar->show();
    pToolBar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);  // floating
    ASSERT_TRUE(pToolBar->isFloating());
    Stop();
    EXPECT_EQ(Stored("Tool").toInt(), 0);
}

TEST_F(PlacementSettingsTest, GarbledOrUnusualSettingsAreReadSafely) {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QRect defaultRect = [&screen] {
        const int nHalf = screen.width() / 2;
        return screen.width() >= 650 ? QRect(nHalf - 370, 0, 740, screen.height())
                                     : QRect(0, 0, screen.width(), screen.height());
    }();
    const struct {
        const char* pszRect;
        QVariant tool;
        QVariant status;
        QRect expectedRect;
        bool bToolShown, bStatusShown;
    } cases[] = {
        {"0100 0050", 2, -1, defaultRect, true, true},              // short; other non-zero
        {"garbage text here!!", "x", 0, defaultRect, true, false},  // unreadable tool: default
        {"9000 9000 9500 9500", 0, "", defaultRect, false, true},   // off every screen
        {"-999 -999 -500 -500", 1, 1, defaultRect, true, true},
        {"0010 0020 0610 0520", 1, 1, QRect(10, 20, 600, 500), true, true},
    };
    for (const auto& testCase : cases) {
        StoreSetting("Window size/Rect", testCase.pszRect);
        StoreSetting("Window size/Tool", testCase.tool);
        StoreSetting("Window size/Status", testCase.status);
        ASSERT_TRUE(Start());
        EXPECT_EQ(Frame()->geometry(), testCase.expectedRect) << testCase.pszRect;
        EXPECT_EQ(!Frame()->FindDescendant(ID_VIEW_TOOLBAR)->isHidden(), testCase.bToolShown)
            << testCase.pszRect;
        EXPECT_EQ(!Frame()->FindDescendant(ID_VIEW_STATUS_BAR)->isHidden(), testCase.bStatusShown)
            << testCase.pszRect;
        Stop();
    }
}

TEST_F(PlacementSettingsTest, StartUpThatFailsLeavesTheSettingsAlone) {
    StoreSetting("Window size/Rect", "0100 0050 0900 0650");
    StoreSetting("Window size/Max", 1);
    StartupOptions options;
    options.imageFile = FilePath("missing.bin");
    EXPECT_FALSE(Start(options));
    Stop();
    EXPECT_EQ(Stored("Rect").toString(), "0100 0050 0900 0650");
    EXPECT_EQ(Stored("Max").toInt(), 1);
}

}  // namespace
