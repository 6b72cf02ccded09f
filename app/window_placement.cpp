#include "app/window_placement.h"

#include <algorithm>

#include "platform/text_format.h"

namespace {

constexpr int DEFAULT_WIDTH = 740;
constexpr int CENTRED_FROM_WIDTH = 650;
constexpr int MIN_COORDINATE = -999;
constexpr int MAX_COORDINATE = 9999;
// Parsed numbers are capped here, far beyond any screen, so nothing can overflow.
constexpr int PARSE_LIMIT = 99999;
// How much of a window must be on a screen to be grabbed: a stretch of its caption, that
// is of its top CAPTION_HEIGHT rows, VISIBLE_WIDTH wide and VISIBLE_HEIGHT high.
constexpr int CAPTION_HEIGHT = 30;
constexpr int VISIBLE_WIDTH = 100;
constexpr int VISIBLE_HEIGHT = 15;

std::optional<int> ParseNumberAt(std::string_view strText, std::size_t nPosition) {
    std::size_t i = nPosition;
    while (i < strText.size() && (strText[i] == ' ' || strText[i] == '\t')) {
        ++i;
    }
    bool bNegative = false;
    if (i < strText.size() && (strText[i] == '-' || strText[i] == '+')) {
        bNegative = strText[i] == '-';
        ++i;
    }
    const std::size_t nFirstDigit = i;
    int nValue = 0;
    while (i < strText.size() && strText[i] >= '0' && strText[i] <= '9') {
        nValue = std::min(nValue * 10 + (strText[i] - '0'), PARSE_LIMIT);
        ++i;
    }
    if (i == nFirstDigit) {
        return std::nullopt;
    }
    return bNegative ? -nValue : nValue;
}

}  // namespace

WindowRect DefaultWindowRect(int nScreenWidth, int nScreenHeight) {
    if (nScreenWidth >= CENTRED_FROM_WIDTH) {
        const int nHalf = nScreenWidth / 2;
        return {nHalf - DEFAULT_WIDTH / 2, 0, nHalf + DEFAULT_WIDTH / 2, nScreenHeight};
    }
    return {0, 0, nScreenWidth, nScreenHeight};
}

std::string FormatWindowRect(const WindowRect& rect) {
    const auto clamp = [](int nValue) {
        return std::clamp(nValue, MIN_COORDINATE, MAX_COORDINATE);
    };
    return FormatText("%04d %04d %04d %04d", clamp(rect.left), clamp(rect.top), clamp(rect.right),
                      clamp(rect.bottom));
}

std::optional<WindowRect> ParseWindowRect(std::string_view strText) {
    int values[4];
    for (std::size_t nField = 0; nField < 4; ++nField) {
        const std::size_t nPosition = nField * 5;
        if (nPosition >= strText.size()) {
            return std::nullopt;
        }
        const std::optional<int> value = ParseNumberAt(strText, nPosition);
        if (!value) {
            return std::nullopt;
        }
        values[nField] = *value;
    }
    const WindowRect rect{values[0], values[1], values[2], values[3]};
    if (rect.Width() <= 0 || rect.Height() <= 0) {
        return std::nullopt;
    }
    return rect;
}

bool IsOnSomeScreen(const WindowRect& rect, std::span<const WindowRect> screens) {
    return std::any_of(screens.begin(), screens.end(), [&rect](const WindowRect& screen) {
        const int nWidth = std::min(rect.right, screen.right) - std::max(rect.left, screen.left);
        const int nCaptionBottom = std::min(rect.bottom, rect.top + CAPTION_HEIGHT);
        const int nHeight =
            std::min(nCaptionBottom, screen.bottom) - std::max(rect.top, screen.top);
        return nWidth >= std::min(VISIBLE_WIDTH, rect.Width()) &&
               nHeight >= std::min(VISIBLE_HEIGHT, nCaptionBottom - rect.top);
    });
}
