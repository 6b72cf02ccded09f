#include "app/res/string_table.h"

#include <algorithm>

#include "app/res/resource.h"

namespace {

constexpr StringEntry s_strings[] = {
    // Fields of the document template, separated by line feeds: window title, document
    // name, new-file name, filter name, filter extension, file type id, file type name.
    {IDR_MAINFRAME, "morvex\n\nMorvex\n\n\nMorvex.Document\nMorvex Document"},

    {ID_OPTION_COMPARE, "compare buffer and eprom\ncompare"},
    {ID_OPTION_READ, "read eprom to buffer\nread"},
    {ID_OPTION_WRITE, "write buffer to eprom\nwrite"},
    {ID_OPTION_EMPTY, "check if eprom is empty\nempty"},
    {ID_VIEW_BUFFERVIEW, "show internal buffer"},

    {AFX_IDS_APP_TITLE, "morvex"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},

    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    {ID_FILE_MRU_FILE1, "Open this document"},
    {ID_FILE_MRU_FILE2, "Open this document"},
    {ID_FILE_MRU_FILE3, "Open this document"},
    {ID_FILE_MRU_FILE4, "Open this document"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},

    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},

    {AFX_IDS_SCSIZE, "Change the window size"},
    {AFX_IDS_SCMOVE, "Change the window position"},
    {AFX_IDS_SCMINIMIZE, "Reduce the window to an icon"},
    {AFX_IDS_SCMAXIMIZE, "Enlarge the window to full size"},
    {AFX_IDS_SCNEXTWINDOW, "Switch to the next document window"},
    {AFX_IDS_SCPREVWINDOW, "Switch to the previous document window"},
    {AFX_IDS_SCCLOSE, "Close the active window and prompts to save the documents"},
    {AFX_IDS_SCRESTORE, "Restore the window to normal size"},
    {AFX_IDS_SCTASKLIST, "Activate Task List"},
};

}  // namespace

const std::span<const StringEntry> g_stringTable = s_strings;

const char* LoadResourceString(int nId) {
    const auto it = std::find_if(std::begin(s_strings), std::end(s_strings),
                                 [nId](const StringEntry& entry) { return entry.nId == nId; });
    return it == std::end(s_strings) ? nullptr : it->pszText;
}
