#pragma once

// The application's version block.

inline constexpr const char* VERSION_TEXT = "1.0.0.1";
inline constexpr int VERSION_NUMBERS[4] = {1, 0, 0, 1};
inline constexpr const char* VERSION_COMPANY_NAME = "";
inline constexpr const char* VERSION_FILE_DESCRIPTION = "morvex EPROM programmer";
inline constexpr const char* VERSION_INTERNAL_NAME = "morvex";
inline constexpr const char* VERSION_LEGAL_COPYRIGHT = "Copyright (C) 2026 the morvex developers";
inline constexpr const char* VERSION_LEGAL_TRADEMARKS = "";
inline constexpr const char* VERSION_ORIGINAL_FILENAME = "morvex.EXE";
inline constexpr const char* VERSION_PRODUCT_NAME = "morvex Application";
// U.S. English with the Unicode code page.
inline constexpr const char* VERSION_TRANSLATION = "040904B0";
