#pragma once

// The main window's menu bar: four drop-down menus, each a list of entries in display
// order. A tab in an entry's text puts the shortcut after it at the right edge.

#include <array>
#include <span>

struct MenuEntry {
    const char* pszText;
    int nId;
    bool bSeparator;
    bool bDisabled;
};

struct MenuPopup {
    const char* pszTitle;
    std::span<const MenuEntry> entries;
};

extern const std::array<MenuPopup, 4> g_mainMenu;
