#include "image/buffer_view_dlg.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "app/res/resource.h"
#include "framework/dialog_builder.h"
#include "image/image_buffer.h"
#include "tests/support/image_contents.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_host.h"

namespace {

class BufferViewDlgTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureQtApplication(); }

    void SetUp() override {
        ASSERT_EQ(AllocateImageBuffer(), nullptr);
        for (DWORD i = 0; i < IMAGE_BUFFER_SIZE; ++i) {
            m_image[i] = static_cast<BYTE>(i * 13 + (i >> 8));
        }
        FillImage(m_image);
    }
    void TearDown() override {
        EXPECT_EQ(GlobalLockCount(g_hImage), 0) << "every lock is unlocked exactly once";
        EXPECT_EQ(ImageBytes(IMAGE_BUFFER_SIZE), m_image) << "the view never changes the image";
        ReleaseImageBuffer();
        g_dwLastOffset = 0;
        g_dwViewStart = 0;
    }

    static QString Column(const CBufferViewDlg& dlg, int nId) {
        return static_cast<QPlainTextEdit*>(ControlById(&dlg, nId))->toPlainText();
    }
    static QString FirstAddress(const CBufferViewDlg& dlg) {
        return Column(dlg, IDC_POS).section('\n', 0, 0);
    }

    CRecordingHost m_host;
    std::vector<BYTE> m_image = std::vector<BYTE>(IMAGE_BUFFER_SIZE);
};

TEST_F(BufferViewDlgTest, OpensAtOffsetZeroWithThreeColumns) {
    g_dwViewStart = 0x4700;  // where an earlier view was left
    g_dwLastOffset = 0x1FFF;
    CBufferViewDlg dlg(m_host);
    EXPECT_EQ(g_dwViewStart, 0u);
    EXPECT_EQ(dlg.windowTitle(), "BufferView");

    const QStringList pos = Column(dlg, IDC_POS).split('\n');
    ASSERT_EQ(pos.size(), 17);
    EXPECT_EQ(pos.front(), "00000");
    EXPECT_EQ(pos[15], "000F0");
    const QStringList hex = Column(dlg, IDC_HEX).split('\n');
    ASSERT_EQ(hex.size(), 17);
    EXPECT_EQ(hex.front(), "00 0D 1A 27 34 41 4E 5B 68 75 82 8F 9C A9 B6 C3 ");
    // 0x00, 0x0D and 0x1A are blanks; 0x82 and 0x9C are a low quotation mark and an oe
    // ligature in Windows-1252, 0x8F is undefined there.
    EXPECT_EQ(Column(dlg, IDC_ASCII).section('\n', 0, 0),
              QString::fromUtf8("   '4AN[hu‚\u008Fœ©¶Ã"));

    EXPECT_EQ(dlg.VerticalScrollBar()->minimum(), 0);
    EXPECT_EQ(dlg.VerticalScrollBar()->maximum(), 100);
    EXPECT_EQ(dlg.VerticalScrollBar()->value(), 0);
    EXPECT_TRUE(m_host.Events().empty());
}

TEST_F(BufferViewDlgTest, ScrollBarPagesThroughTheImage) {
    CBufferViewDlg dlg(m_host);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QScrollBar* pBar = dlg.VerticalScrollBar();
    EXPECT_GE(pBar->geometry().left(), ControlById(&dlg, IDC_ASCII)->geometry().right())
        << "the bar sits at the right edge, beside the columns";

    pBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(g_dwViewStart, 0x0800u);
    EXPECT_EQ(pBar->value(), 3);
    EXPECT_EQ(FirstAddress(dlg), "00800");

    // A click on the bar's lower arrow is a line down.
    QTest::mouseClick(pBar, Qt::LeftButton, {}, QPoint(pBar->width() / 2, pBar->height() - 3));
    EXPECT_EQ(g_dwViewStart, 0x0900u);
    EXPECT_EQ(FirstAddress(dlg), "00900");

    // Dragging the thumb leaves the page alone until the thumb is released.
    pBar->setSliderDown(true);
    pBar->setSliderPosition(100);
    EXPECT_EQ(g_dwViewStart, 0x0900u);
    pBar->setSliderDown(false);
    EXPECT_EQ(g_dwViewStart, 0xFF00u);
    EXPECT_EQ(pBar->value(), 99);
    EXPECT_EQ(Column(dlg, IDC_POS).split('\n').size(), 17);

    // At the end a line down changes nothing, the bar included.
    pBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g_dwViewStart, 0xFF00u);
    EXPECT_EQ(pBar->value(), 99);

    pBar->setSliderDown(true);
    pBar->setSliderPosition(0);
    pBar->setSliderDown(false);
    EXPECT_EQ(g_dwViewStart, 0u);
    pBar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(g_dwViewStart, 0u);
    EXPECT_EQ(pBar->value(), 0);
    EXPECT_EQ(FirstAddress(dlg), "00000");
}

TEST_F(BufferViewDlgTest, EscEnterAndTheCloseBoxCloseIt) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        CBufferViewDlg dlg(m_host);
        dlg.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dlg, key);
        EXPECT_FALSE(dlg.isVisible()) << "key " << key;
    }
    CBufferViewDlg dlg(m_host);
    dlg.open();
    EXPECT_TRUE(dlg.close());
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(BufferViewDlgTest, CommandRefusesAnEmptyImageAndOtherwiseRunsModally) {
    g_dwLastOffset = 0;
    RunBufferView(nullptr, m_host);
    EXPECT_EQ(m_host.Events(), (std::vector<std::string>{"box: buffer empty !"}));

    m_host.Clear();
    g_dwLastOffset = 0x7FFF;
    g_dwViewStart = 0x2000;
    bool bSeen = false;
    QTimer::singleShot(0, [&bSeen] {
        auto* pDlg = qobject_cast<CBufferViewDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(pDlg, nullptr);
        bSeen = true;
        EXPECT_EQ(g_dwViewStart, 0u);
        EXPECT_EQ(FirstAddress(*pDlg), "00000");
        pDlg->reject();
    });
    RunBufferView(nullptr, m_host);
    EXPECT_TRUE(bSeen);
    EXPECT_TRUE(m_host.Events().empty());
}

TEST(Windows1252ToDisplayTest, UpperHalfShowsItsCharacters) {
    const struct {
        const char* pszBytes;
        const char* pszDisplay;
    } cases[] = {
        {"Az ~", "Az ~"},
        {"\x80\x8A\x99\x9F", "€Š™Ÿ"},
        {"\xC4\xD6\xDC\xDF\xE4\xFF", "ÄÖÜßäÿ"},
        {"\x81\x8D\x7F", "\u0081\u008D\u007F"},
        {"\xAD", "‐"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Windows1252ToDisplay(c.pszBytes), QString::fromUtf8(c.pszDisplay))
            << c.pszDisplay;
    }
}

}  // namespace
