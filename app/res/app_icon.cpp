#include "app/res/app_icon.h"

#include "app/res/icon_16.xpm"
#include "app/res/icon_32.xpm"

const char* const* const g_ppszIcon32 = icon_32_xpm;
const char* const* const g_ppszIcon16 = icon_16_xpm;
