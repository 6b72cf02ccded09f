#pragma once

// The main window's icon, a UV-erasable EPROM, in its two sizes (XPM data, which QPixmap
// reads directly). It is also the icon shown in the About box and on the form.

extern const char* const* const g_ppszIcon32;
extern const char* const* const g_ppszIcon16;
