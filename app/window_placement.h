#pragma once

// The main window's remembered placement, as plain arithmetic: the default rectangle for
// a screen, and the "Rect" settings text in the format "%04d %04d %04d %04d" (left, top,
// right, bottom; right and bottom lie just outside the window).

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct WindowRect {
    int left;
    int top;
    int right;
    int bottom;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const WindowRect&) const = default;
};

// 740 pixels wide and centred on a screen at least 650 pixels wide (so a screen of 650 to
// 739 pixels has the window overhang both edges), otherwise the whole width; always the
// whole height.
WindowRect DefaultWindowRect(int nScreenWidth, int nScreenHeight);

// Coordinates are kept within -999 to 9999 so that the numbers stay at their fixed
// positions 0, 5, 10 and 15 and the text is always 19 characters.
std::string FormatWindowRect(const WindowRect& rect);

// Reads the four numbers at positions 0, 5, 10 and 15 (leading blanks skipped, optional
// sign, digits up to the first non-digit), never past the end of the text. Empty when the
// text is too short for the fourth number, a number has no digits, or the rectangle has no
// width or height.
std::optional<WindowRect> ParseWindowRect(std::string_view strText);

// True when enough of the window's caption lies on one of the screens for the user to see
// it and drag the window (the whole of it when the window is tiny).
bool IsOnSomeScreen(const WindowRect& rect, std::span<const WindowRect> screens);
