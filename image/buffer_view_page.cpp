#include "image/buffer_view_page.h"

#include <algorithm>
#include <cstdio>

#include "image/image_buffer.h"

DWORD g_dwViewStart = 0;

namespace {

constexpr DWORD BYTES_PER_LINE = 16;

}  // namespace

void CBufferViewPage::FillPage() {
    m_strPos.clear();
    m_strHex.clear();
    m_strAscii.clear();

    const BYTE* pImage = LockImage();
    if (IsImageEmpty()) {
        m_host.MessageBox("buffer empty !");
        UnlockImage();
        return;
    }
    const DWORD dwLeft = g_dwLastOffset - g_dwViewStart;
    const DWORD dwCount = dwLeft >= VIEW_PAGE_SIZE ? VIEW_PAGE_SIZE : dwLeft + 1;
    if (pImage == nullptr) {
        m_host.MessageBox("buffer access failed !");
        UnlockImage();
        return;
    }

    std::string strPos, strHex, strAscii;
    strPos.reserve(112);
    strHex.reserve(800);
    strAscii.reserve(288);
    char szItem[16];
    for (DWORD i = 0; i < dwCount; ++i) {
        const BYTE byValue = pImage[g_dwViewStart + i];
        std::snprintf(szItem, sizeof szItem, "%02X ", byValue);
        strHex += szItem;
        strAscii += byValue >= 0x20 ? static_cast<char>(byValue) : ' ';
        if (i % BYTES_PER_LINE == 0) {
            std::snprintf(szItem, sizeof szItem, "%05X\r\n", g_dwViewStart + i);
            strPos += szItem;
        }
        if ((i + 1) % BYTES_PER_LINE == 0) {
            strHex += "\r\n";
            strAscii += "\r\n";
        }
    }
    m_strPos = std::move(strPos);
    m_strHex = std::move(strHex);
    m_strAscii = std::move(strAscii);
    UnlockImage();
}

namespace {

// The start of the page under a released thumb. The candidate is a multiple of 256
// between 0 and dwLastOffset + 1: only a candidate past the image needs correcting, and it
// goes to the last page start, dwLastOffset & ~0xFF. For an image whose size is a multiple
// of 256 that is exactly one page back from dwLastOffset + 1, so the thumb at 100 shows
// the last full page. A candidate inside the image is already a valid page start and is
// kept, so the page shown is the one nearest the thumb's proportion of the image: moving
// it back a page as well would make the thumb at 50 show a page before the middle.
DWORD PageUnderThumb(int nThumbPosition, DWORD dwLastOffset) {
    const DWORD dwPosition = static_cast<DWORD>(std::clamp(nThumbPosition, 0, VIEW_SCROLL_MAX));
    const DWORD dwCandidate = ((dwLastOffset + 1) * dwPosition / VIEW_SCROLL_MAX) & ~0xFFu;
    return dwCandidate > dwLastOffset ? dwLastOffset & ~0xFFu : dwCandidate;
}

}  // namespace

std::optional<ViewScroll> ScrollView(int nCode, int nThumbPosition, DWORD dwViewStart,
                                     DWORD dwLastOffset) {
    if (dwLastOffset == 0) {
        return std::nullopt;
    }
    const DWORD dwStep =
        nCode == SB_PAGEUP || nCode == SB_PAGEDOWN ? VIEW_PAGE_STEP : VIEW_PAGE_SIZE;
    DWORD dwNewStart = 0;
    switch (nCode) {
        case SB_LINEDOWN:
        case SB_PAGEDOWN:
            // Near the end a page step falls back to one line.
            dwNewStart = dwViewStart + dwStep <= dwLastOffset ? dwViewStart + dwStep
                                                              : dwViewStart + VIEW_PAGE_SIZE;
            if (dwNewStart > dwLastOffset) {
                return std::nullopt;
            }
            break;
        case SB_LINEUP:
        case SB_PAGEUP:
            // Near the start a page step falls back to one line; before 0 there is nothing.
            if (dwViewStart >= dwStep) {
                dwNewStart = dwViewStart - dwStep;
            } else if (dwViewStart >= VIEW_PAGE_SIZE) {
                dwNewStart = dwViewStart - VIEW_PAGE_SIZE;
            } else {
                return std::nullopt;
            }
            break;
        case SB_THUMBPOSITION:
            dwNewStart = PageUnderThumb(nThumbPosition, dwLastOffset);
            break;
        default:
            return std::nullopt;
    }
    return ViewScroll{dwNewStart, static_cast<int>(dwNewStart * VIEW_SCROLL_MAX / dwLastOffset)};
}
