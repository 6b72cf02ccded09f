#pragma once

// The main window's keyboard accelerators. There is deliberately none for New: its menu
// entry names Ctrl+N, but the key does nothing.

#include <array>

struct AcceleratorEntry {
    enum Modifier { Alt, Ctrl } modifier;
    // An upper-case letter.
    char cKey;
    int nId;
};

extern const std::array<AcceleratorEntry, 6> g_accelerators;
