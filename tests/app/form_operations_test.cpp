#include <QEvent>
#include <QTest>
#include <csignal>

#include "app/res/resource.h"
#include "app/shutdown_signals.h"
#include "sim/simulated_board.h"
#include "tests/app/desktop_fixture.h"

namespace {

// Records the text a field shows each time it is painted.
class CPaintRecorder : public QObject {
  public:
    explicit CPaintRecorder(CMorvexView* pView, int nId) : m_pView(pView), m_nId(nId) {
        pView->Control(nId)->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint) {
            m_painted.push_back(m_pView->ControlText(m_nId).toStdString());
        }
        return false;
    }
    std::vector<std::string> m_painted;

  private:
    CMorvexView* m_pView;
    int m_nId;
};

// The simulated board as the port back end, with a chip of the given type.
class FormOperationsTest : public DesktopTest {
  protected:
    void UseBoard(WORD wChipType) {
        m_pBoard = std::make_unique<CSimulatedBoard>(wChipType);
        SetPortBackEnd(m_pBoard.get());
    }
    std::unique_ptr<CSimulatedBoard> m_pBoard;
};

TEST_F(FormOperationsTest, ReadFromTheButtonRepaintsProgressThenShowsTheResult) {
    UseBoard(TYPE_27C512);
    std::span<BYTE> cells = m_pBoard->ChipCells();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i] = static_cast<BYTE>(i * 7);
    }
    ASSERT_TRUE(Start());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
    CPaintRecorder recorder(View(), IDC_STATUS);
    QTest::mouseClick(View()->Control(IDC_READ), Qt::LeftButton);

    // Every 2,048th address is painted while the read still runs: 0, 800, ..., f800.
    ASSERT_GE(recorder.m_painted.size(), 32u);
    for (std::size_t nStep = 0; nStep < 32; ++nStep) {
        char szAddress[8];
        std::snprintf(szAddress, sizeof szAddress, "%zx", nStep * 0x800);
        EXPECT_EQ(recorder.m_painted[nStep], szAddress);
    }
    EXPECT_EQ(StatusField(), "read: ffff");
    EXPECT_EQ(View()->m_strStatus, "read: ffff");
    EXPECT_EQ(InfoField(), "read eprom to buffer ( 65536 bytes ) - [#8000]");
    EXPECT_EQ(View()->m_strInfo, InfoField());
    EXPECT_EQ(g_dwLastOffset, 0xFFFFu);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(m_pBoard->ControlNibble(), CTRL_IDLE);
}

TEST_F(FormOperationsTest, WriteThatFailsVerificationShowsTheBoxBeforeErrorWriting) {
    UseBoard(TYPE_27C64);
    m_pBoard->SetStuckBit(0x10, 0x01, true);
    const std::string strPath = MakeFile("zeros.bin", 0x100, 0x00);
    ASSERT_TRUE(Start());
    ASSERT_NE(m_pApp->OpenImageFile(strPath), nullptr);
    QTest::mouseClick(View()->Control(IDC_27C64), Qt::LeftButton);
    QString strStatusAtBox;
    m_onMessageBox = [this, &strStatusAtBox] { strStatusAtBox = StatusField(); };
    m_events.clear();
    Command(ID_OPTION_WRITE);
    EXPECT_EQ(m_events,
              (std::vector<std::string>{"beep", "box: write-error at adr:10\nread: 1\tbuffer: 0"}));
    EXPECT_EQ(strStatusAtBox, "0");  // the progress text: the result comes after the box
    EXPECT_EQ(StatusField(), "error writing");
    EXPECT_EQ(View()->m_strStatus, "error writing");
    EXPECT_EQ(m_pBoard->ControlNibble(), CTRL_IDLE);
}

TEST_F(FormOperationsTest, MenuCommandsReachTheSameHandlersAsTheButtons) {
    UseBoard(TYPE_27C256);
    ASSERT_TRUE(Start());
    QTest::mouseClick(View()->Control(IDC_27C256), Qt::LeftButton);
    Command(ID_OPTION_READ);
    EXPECT_EQ(StatusField(), "eprom is blank");
    QTest::mouseClick(View()->Control(IDC_COMPARE), Qt::LeftButton);
    EXPECT_EQ(StatusField(), "compare: 7fff");
    m_pBoard->ChipCells()[0x1234] = 0x00;
    Command(ID_OPTION_EMPTY);
    EXPECT_EQ(StatusField(), "not empty");
    Command(ID_OPTION_COMPARE);
    EXPECT_EQ(StatusField(), "compare-error");
}

TEST_F(FormOperationsTest, FailedBufferAllocationIsReportedAndTheFormStillWorks) {
    UseBoard(TYPE_27C512);
    SetGlobalAllocFails(true);
    ASSERT_TRUE(Start());
    SetGlobalAllocFails(false);
    ASSERT_EQ(m_events.size(), 1u);
    EXPECT_TRUE(m_events[0].starts_with("box: System konnte 64K-Buffer nicht bereitstellen"));
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(StatusField(), "0");
    m_events.clear();
    Command(ID_OPTION_READ);
    EXPECT_EQ(m_events, std::vector<std::string>{"box: read-error:   no buffer-access!"});
}

// A port back end that raises SIGTERM at one access, as a kill from outside would arrive
// in the middle of a chip operation.
class CSignallingBackEnd : public CPortBackEnd {
  public:
    CSignallingBackEnd(CPortBackEnd& inner, std::size_t nSignalAt)
        : m_inner(inner), m_nSignalAt(nSignalAt) {}
    void WritePort(DWORD dwPort, BYTE byValue) override {
        Count();
        m_inner.WritePort(dwPort, byValue);
    }
    BYTE ReadPort(DWORD dwPort) override {
        Count();
        return m_inner.ReadPort(dwPort);
    }

  private:
    void Count() {
        if (++m_nAccesses == m_nSignalAt) {
            std::raise(SIGTERM);
        }
    }
    CPortBackEnd& m_inner;
    std::size_t m_nSignalAt;
    std::size_t m_nAccesses = 0;
};

TEST_F(FormOperationsTest, SigtermDuringAReadStopsItAtIdleThenClosesTheNormalWay) {
    UseBoard(TYPE_27C512);
    ASSERT_TRUE(Start());
    CShutdownSignals shutdownSignals;
    ASSERT_TRUE(shutdownSignals.Install([this] { m_pApp->OnShutdownSignal(); }));
    QTest::mouseClick(View()->Control(IDC_LPT2), Qt::LeftButton);
    CSignallingBackEnd signalling(*m_pBoard, 100000);
    SetPortBackEnd(&signalling);

    Command(ID_OPTION_READ);
    EXPECT_EQ(m_pBoard->ControlNibble(), CTRL_IDLE);
    EXPECT_GT(g_dwAddress, 0u);
    EXPECT_LT(g_dwAddress, 0xFFFFu);  // stopped early
    EXPECT_NE(StatusField(), "eprom is blank");
    EXPECT_TRUE(Frame()->isVisible());

    // The event loop picks the signal up.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Frame()->isVisible(); }));
    Stop();
    EXPECT_EQ(StoredSettings().value("Window size/Lpt").toInt(), 1);
    EXPECT_EQ(m_pBoard->ControlNibble(), CTRL_IDLE);
}

TEST_F(FormOperationsTest, SigtermWhileABoxIsOpenClosesTheBoxAndTheWindow) {
    UseBoard(TYPE_27C512);
    ASSERT_TRUE(Start());
    CShutdownSignals shutdownSignals;
    ASSERT_TRUE(shutdownSignals.Install([this] { m_pApp->OnShutdownSignal(); }));
    // While the box of a failed compare is up, the view waits in it; the signal arrives.
    m_pBoard->ChipCells()[0x20] = 0x00;
    m_onMessageBox = [this] {
        std::raise(SIGTERM);
        QTest::qWait(20);
    };
    Command(ID_OPTION_READ);
    m_pBoard->ChipCells()[0x20] = 0xFF;
    Command(ID_OPTION_COMPARE);
    EXPECT_EQ(StatusField(), "compare-error");
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Frame()->isVisible(); }));
    EXPECT_EQ(m_pBoard->ControlNibble(), CTRL_IDLE);
}

}  // namespace
