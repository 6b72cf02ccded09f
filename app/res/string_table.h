#pragma once

// Texts of the commands and panes. A command's prompt is one part, or two parts separated
// by a line feed: the first is shown in the status bar, the second is the toolbar tooltip.

#include <span>

struct StringEntry {
    int nId;
    const char* pszText;
};

extern const std::span<const StringEntry> g_stringTable;

// The text of nId, or nullptr when the table has none.
const char* LoadResourceString(int nId);
