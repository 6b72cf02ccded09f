#pragma once

// printf-style formatting into a std::string. Every message of the program is built here,
// so no text can run past a fixed buffer, whatever the length of a path in it.

#include <string>

[[gnu::format(printf, 1, 2)]] std::string FormatText(const char* pszFormat, ...);
