#include "platform/text_format.h"

#include <cstdarg>
#include <cstdio>

std::string FormatText(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    va_list argsCopy;
    va_copy(argsCopy, args);
    const int nLength = std::vsnprintf(nullptr, 0, pszFormat, args);
    va_end(args);
    std::string strText;
    if (nLength > 0) {
        strText.resize(static_cast<std::size_t>(nLength));
        std::vsnprintf(strText.data(), strText.size() + 1, pszFormat, argsCopy);
    }
    va_end(argsCopy);
    return strText;
}
