#include "image/buffer_view_dlg.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

#include "app/res/dialog_layouts.h"
#include "app/res/resource.h"
#include "framework/dialog_builder.h"
#include "framework/dialog_units.h"
#include "image/image_buffer.h"

QString Windows1252ToDisplay(std::string_view strBytes) {
    // 0x80 to 0x9F; the five codes Windows-1252 leaves undefined keep their own value,
    // as the window system converts them.
    static constexpr char16_t s_upper[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString strText;
    strText.reserve(static_cast<qsizetype>(strBytes.size()));
    for (const char c : strBytes) {
        const auto byValue = static_cast<unsigned char>(c);
        if (byValue >= 0x80 && byValue <= 0x9F) {
            strText += QChar(s_upper[byValue - 0x80]);
        } else if (byValue == 0xAD) {
            // The soft hyphen has no width in a text layout; a visible hyphen keeps the
            // column in line.
            strText += QChar(0x2010);
        } else {
            strText += QChar(byValue);
        }
    }
    return strText;
}

CBufferViewDlg::CBufferViewDlg(OperationHost& host, QWidget* pParent)
    : QDialog(pParent), CBufferViewPage(host), m_pScrollBar(new QScrollBar(Qt::Vertical, this)) {
    g_dwViewStart = 0;
    FillPage();

    const QSize size = BuildDialogControls(this, g_bufferViewDialog);
    // The window's own scroll bar sits at its right edge, beside the last column.
    const CDialogUnits units(font());
    const int nBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int nWidth = std::max(size.width(), units.X(348) + nBarWidth);
    setFixedSize(nWidth, size.height());
    m_pScrollBar->setGeometry(nWidth - nBarWidth, 0, nBarWidth, size.height());
    m_pScrollBar->setRange(0, VIEW_SCROLL_MAX);
    m_pScrollBar->setSingleStep(1);
    m_pScrollBar->setPageStep(1);
    m_pScrollBar->setValue(0);
    // The page follows the thumb only when it is released.
    m_pScrollBar->setTracking(false);
    m_pScrollBar->setFocusPolicy(Qt::NoFocus);
    connect(m_pScrollBar, &QScrollBar::actionTriggered, this,
            [this](int nAction) { OnScrollBarAction(nAction); });
    connect(m_pScrollBar, &QScrollBar::sliderReleased, this,
            [this] { OnVScroll(SB_THUMBPOSITION, m_pScrollBar->sliderPosition()); });

    ExchangeToControls();
}

void CBufferViewDlg::ExchangeToControls() {
    const std::pair<int, const std::string*> fields[] = {
        {IDC_HEX, &m_strHex}, {IDC_POS, &m_strPos}, {IDC_ASCII, &m_strAscii}};
    for (const auto& [nId, pstrText] : fields) {
        static_cast<QPlainTextEdit*>(ControlById(this, nId))
            ->setPlainText(Windows1252ToDisplay(*pstrText));
    }
}

void CBufferViewDlg::OnScrollBarAction(int nAction) {
    switch (nAction) {
        case QAbstractSlider::SliderSingleStepSub:
            OnVScroll(SB_LINEUP, 0);
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            OnVScroll(SB_LINEDOWN, 0);
            break;
        case QAbstractSlider::SliderPageStepSub:
            OnVScroll(SB_PAGEUP, 0);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            OnVScroll(SB_PAGEDOWN, 0);
            break;
        case QAbstractSlider::SliderMove:
            // A wheel turned over the bar moves one line; a dragged thumb waits for its
            // release.
            if (!m_pScrollBar->isSliderDown()) {
                const int nDirection = m_pScrollBar->sliderPosition() - m_pScrollBar->value();
                if (nDirection != 0) {
                    OnVScroll(nDirection < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
                }
            }
            break;
        default:
            OnVScroll(nAction == QAbstractSlider::SliderToMinimum ? SB_TOP : SB_BOTTOM, 0);
            break;
    }
}

void CBufferViewDlg::OnVScroll(int nCode, int nThumbPosition) {
    const std::optional<ViewScroll> scroll =
        ScrollView(nCode, nThumbPosition, g_dwViewStart, g_dwLastOffset);
    if (!scroll) {
        // The bar stays where the page is: undo whatever move the bar made itself.
        m_pScrollBar->setValue(m_pScrollBar->value());
        return;
    }
    g_dwViewStart = scroll->dwNewStart;
    FillPage();
    ExchangeToControls();
    m_pScrollBar->setValue(scroll->nPosition);
}

void CBufferViewDlg::keyPressEvent(QKeyEvent* pEvent) {
    // Enter closes the view as Esc does; it has no buttons to press.
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CBufferViewDlg::wheelEvent(QWheelEvent* pEvent) {
    const int nDelta = pEvent->angleDelta().y();
    if (nDelta != 0) {
        OnVScroll(nDelta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    }
    pEvent->accept();
}

void RunBufferView(QWidget* pParent, OperationHost& host) {
    if (IsImageEmpty()) {
        host.MessageBox("buffer empty !");
        return;
    }
    CBufferViewDlg dlg(host, pParent);
    dlg.exec();
}
