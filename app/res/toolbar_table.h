#pragma once

// The main window's toolbar: the buttons left to right, ID_SEPARATOR for a gap, and one
// 16 by 15 image per button in the same order (XPM data, which QPixmap reads directly).

#include <array>

extern const std::array<int, 10> g_toolbarButtons;
extern const std::array<const char* const*, 8> g_toolbarImages;
