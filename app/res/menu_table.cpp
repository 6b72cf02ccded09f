#include "app/res/menu_table.h"

#include "app/res/resource.h"

namespace {

constexpr MenuEntry SEPARATOR{nullptr, ID_SEPARATOR, true, false};

// "Recent File" is a disabled placeholder: the recent-file list takes its place.
constexpr MenuEntry s_fileMenu[] = {
    {"&New\tCtrl+N", ID_FILE_NEW, false, false},
    {"&Open...\tCtrl+O", ID_FILE_OPEN, false, false},
    {"&Save\tCtrl+S", ID_FILE_SAVE, false, false},
    {"Save &As...", ID_FILE_SAVE_AS, false, false},
    SEPARATOR,
    {"Recent File", ID_FILE_MRU_FILE1, false, true},
    SEPARATOR,
    {"E&xit", ID_APP_EXIT, false, false},
};

// Compare, Empty, Read, Write: the order a user works in, not the order of the ids.
constexpr MenuEntry s_optionMenu[] = {
    {"&Compare\tAlt+C", ID_OPTION_COMPARE, false, false},
    {"Empty\tAlt+E", ID_OPTION_EMPTY, false, false},
    {"&Read\tAlt+R", ID_OPTION_READ, false, false},
    {"&Write\tAlt+W", ID_OPTION_WRITE, false, false},
};

constexpr MenuEntry s_viewMenu[] = {
    {"&Toolbar", ID_VIEW_TOOLBAR, false, false},
    {"&Status Bar", ID_VIEW_STATUS_BAR, false, false},
    {"BufferView", ID_VIEW_BUFFERVIEW, false, false},
};

constexpr MenuEntry s_helpMenu[] = {
    {"&About morvex...", ID_APP_ABOUT, false, false},
};

}  // namespace

const std::array<MenuPopup, 4> g_mainMenu = {{
    {"&File", s_fileMenu},
    {"&Option", s_optionMenu},
    {"&View", s_viewMenu},
    {"&Help", s_helpMenu},
}};
