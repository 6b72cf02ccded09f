#include "app/res/toolbar_table.h"

#include "app/res/resource.h"
#include "app/res/toolbar_about.xpm"
#include "app/res/toolbar_compare.xpm"
#include "app/res/toolbar_empty.xpm"
#include "app/res/toolbar_new.xpm"
#include "app/res/toolbar_open.xpm"
#include "app/res/toolbar_read.xpm"
#include "app/res/toolbar_save.xpm"
#include "app/res/toolbar_write.xpm"

// The buffer view has no button; it is reached from the View menu only.
const std::array<int, 10> g_toolbarButtons = {
    ID_FILE_NEW,     ID_FILE_OPEN,   ID_FILE_SAVE,    ID_SEPARATOR, ID_OPTION_COMPARE,
    ID_OPTION_EMPTY, ID_OPTION_READ, ID_OPTION_WRITE, ID_SEPARATOR, ID_APP_ABOUT,
};

const std::array<const char* const*, 8> g_toolbarImages = {
    toolbar_new_xpm,   toolbar_open_xpm, toolbar_save_xpm,  toolbar_compare_xpm,
    toolbar_empty_xpm, toolbar_read_xpm, toolbar_write_xpm, toolbar_about_xpm,
};
