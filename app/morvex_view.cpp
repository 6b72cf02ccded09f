#include "app/morvex_view.h"

#include <QCoreApplication>
#include <QEvent>
#include <array>

#include "app/res/dialog_layouts.h"
#include "app/res/resource.h"
#include "framework/application.h"
#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "hardware/expander_link.h"
#include "hardware/socket.h"
#include "image/image_buffer.h"
#include "operations/compare_eprom.h"
#include "operations/program_eprom.h"
#include "operations/read_eprom.h"

namespace {

const std::array<CommandEntry<CMorvexView>, 13> s_commandTable = {{
    OnCommand<CMorvexView>(IDC_27C64, &CMorvexView::OnType27C64),
    OnCommand<CMorvexView>(IDC_27C128, &CMorvexView::OnType27C128),
    OnCommand<CMorvexView>(IDC_27C256, &CMorvexView::OnType27C256),
    OnCommand<CMorvexView>(IDC_27C512, &CMorvexView::OnType27C512),
    OnCommand<CMorvexView>(IDC_COMPARE, &CMorvexView::OnCompare),
    OnCommand<CMorvexView>(IDC_READ, &CMorvexView::OnRead),
    OnCommand<CMorvexView>(IDC_WRITE, &CMorvexView::OnWrite),
    OnCommand<CMorvexView>(IDC_LPT1, &CMorvexView::OnLpt1),
    OnCommand<CMorvexView>(IDC_LPT2, &CMorvexView::OnLpt2),
    OnCommand<CMorvexView>(ID_OPTION_COMPARE, &CMorvexView::OnCompare),
    OnCommand<CMorvexView>(ID_OPTION_EMPTY, &CMorvexView::OnEmpty),
    OnCommand<CMorvexView>(ID_OPTION_READ, &CMorvexView::OnRead),
    OnCommand<CMorvexView>(ID_OPTION_WRITE, &CMorvexView::OnWrite),
}};

}  // namespace

CMorvexView::CMorvexView(QWidget* pParent) : CFormView(g_formDialog, pParent) {
    m_nType = TYPE_27C512;
    SelectType(TYPE_27C512);
    m_strInfo = QStringLiteral("buffer empty");
    m_strStatus = QStringLiteral("0");
    CApplication* pApp = CApplication::Instance();
    const int nLpt = pApp != nullptr ? pApp->Settings().GetProfileInt("Window size", "Lpt", 0) : 0;
    if (nLpt != 0) {
        OnLpt2();
    } else {
        OnLpt1();
    }
    PowerOnSequence();
    if (const char* pszFailure = AllocateImageBuffer()) {
        MessageBox(pszFailure);
    }
}

CMorvexView::~CMorvexView() {
    ReleaseImageBuffer();
    IdleControlLines();
}

void CMorvexView::DoDataExchange(CDataExchange& dx) {
    DDX_Radio(dx, IDC_27C64, m_nType);
    DDX_Text(dx, IDC_INFO, m_strInfo);
    DDX_Radio(dx, IDC_LPT1, m_nPort);
    DDX_Text(dx, IDC_STATUS, m_strStatus);
}

void CMorvexView::SetStatusText(std::string strText) {
    m_strStatus = QString::fromStdString(strText);
    SetControlText(IDC_STATUS, m_strStatus);
}

void CMorvexView::SetInfoText(std::string strText) {
    m_strInfo = QString::fromStdString(strText);
    SetControlText(IDC_INFO, m_strInfo);
}

void CMorvexView::SetFieldText(int nId, const std::string& strText) {
    SetControlText(nId, QString::fromStdString(strText));
}

void CMorvexView::ShowProgress(const std::string& strText, DWORD, DWORD) {
    SetControlText(IDC_STATUS, QString::fromStdString(strText));
    // The operation keeps the user-interface thread, so the field is painted now rather
    // than when the event loop would get to it.
    Control(IDC_STATUS)->repaint();
}

void CMorvexView::InvalidateField(int nId) {
    Control(nId)->update();
}

void CMorvexView::RepaintFormNow() {
    // Paints now what is waiting to be painted (the fields the operation has just
    // invalidated), as the window system's immediate update of a window does; the rest of
    // the form is unchanged and is not painted again.
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

void CMorvexView::ExchangeFromControls() {
    UpdateData(true);
}

void CMorvexView::BeginWaitCursor() {
    ::BeginWaitCursor();
}

void CMorvexView::EndWaitCursor() {
    ::EndWaitCursor();
}

void CMorvexView::MessageBox(const std::string& strText) {
    ShowMessageBox(window(), QString::fromStdString(strText));
}

void CMorvexView::Beep() {
    MessageBeep();
}

bool CMorvexView::OnCmdMsg(int nId) {
    return DispatchCommand<CMorvexView>(*this, s_commandTable, nId);
}

void CMorvexView::SelectTypeButton(WORD wType) {
    SelectType(wType);
    m_nType = wType;
}

void CMorvexView::OnType27C64() {
    SelectTypeButton(TYPE_27C64);
}

void CMorvexView::OnType27C128() {
    SelectTypeButton(TYPE_27C128);
}

void CMorvexView::OnType27C256() {
    SelectTypeButton(TYPE_27C256);
}

void CMorvexView::OnType27C512() {
    SelectTypeButton(TYPE_27C512);
}

void CMorvexView::OnLpt1() {
    SelectLpt1();
    m_nPort = 0;
}

void CMorvexView::OnLpt2() {
    SelectLpt2();
    m_nPort = 1;
}

template <typename TOperation>
void CMorvexView::RunChipOperation(TOperation operation) {
    m_bOperationRunning = true;
    operation();
    m_bOperationRunning = false;
    if (m_onOperationEnded) {
        m_onOperationEnded();
    }
}

void CMorvexView::OnRead() {
    RunChipOperation([this] { ReadEprom(*this); });
}

void CMorvexView::OnWrite() {
    RunChipOperation([this] { ProgramEprom(*this); });
}

void CMorvexView::OnCompare() {
    CompareEprom(TRUE);
}

void CMorvexView::OnEmpty() {
    CompareEprom(FALSE);
}

void CMorvexView::CompareEprom(BOOL bCompare) {
    RunChipOperation([this, bCompare] { ::CompareEprom(*this, bCompare); });
}
