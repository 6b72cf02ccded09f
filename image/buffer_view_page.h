#pragma once

// One page of the buffer view: up to 256 bytes of the image from g_dwViewStart, as three
// texts shown side by side (addresses, hexadecimal, characters), and the arithmetic of the
// view's vertical scroll bar. Paging only reads the image.

#include <optional>
#include <string>

#include "operations/operation_host.h"
#include "platform/win_types.h"

// A page is 16 lines of 16 bytes; one line is also the smallest scroll step.
inline constexpr DWORD VIEW_PAGE_SIZE = 256;
inline constexpr DWORD VIEW_PAGE_STEP = 2048;
// The scroll bar's range is 0 to VIEW_SCROLL_MAX, a percentage of the image.
inline constexpr int VIEW_SCROLL_MAX = 100;

// The codes a vertical scroll bar reports.
enum : int {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    // The thumb was released at a position.
    SB_THUMBPOSITION = 4,
    // The thumb is being dragged: the page does not follow it.
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};

// Offset of the first byte of the page shown: a multiple of 256, never above
// g_dwLastOffset. Each new view starts at 0.
extern DWORD g_dwViewStart;

class CBufferViewPage {
  public:
    explicit CBufferViewPage(OperationHost& host) : m_host(host) {}

    // Rebuilds the three texts for the page at g_dwViewStart. An empty image or a failed
    // lock is reported through the host and leaves the texts empty.
    //   m_strPos:   "%05X\r\n" for each line, the last one included.
    //   m_strHex:   "%02X " for each byte, CR LF after every 16th.
    //   m_strAscii: each byte from 0x20 up as itself, below as a blank, CR LF after
    //               every 16th.
    // The last lines of a page whose size is not a multiple of 16 are shorter and carry
    // no CR LF in the hexadecimal and character texts.
    void FillPage();

    std::string m_strHex;
    std::string m_strPos;
    std::string m_strAscii;

  private:
    OperationHost& m_host;
};

struct ViewScroll {
    DWORD dwNewStart;
    int nPosition;
};

// The page a scroll message moves to, and the scroll bar's new position; nullopt when the
// page stays where it is (an empty image, a step that would leave the image, and the codes
// that only the scroll bar itself handles).
std::optional<ViewScroll> ScrollView(int nCode, int nThumbPosition, DWORD dwViewStart,
                                     DWORD dwLastOffset);
