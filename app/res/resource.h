#pragma once

// Resource ids of the desktop program: menus, accelerators, toolbar, strings, dialogs and
// their controls. The ids of the two form fields live with the operations, which write them.

#include "operations/operation_host.h"

enum : int {
    // Everything that belongs to the main window shares one id: menu, accelerators,
    // toolbar, icon and the document template string.
    IDR_MAINFRAME = 128,

    IDD_ABOUTBOX = 100,
    IDD_MORVEX_FORM = 101,
    IDD_BUFFERVIEW = 106,

    // Controls without an id of their own (group boxes, static texts, icons).
    IDC_STATIC = -1,
    IDOK = 1,

    IDC_LPT1 = 1000,
    IDC_LPT2 = 1001,
    IDC_27C64 = 1002,
    IDC_27C128 = 1003,
    IDC_27C256 = 1004,
    IDC_27C512 = 1005,
    IDC_COMPARE = 1006,
    IDC_READ = 1007,
    IDC_WRITE = 1009,
    IDC_HEX = 1117,
    IDC_ASCII = 1118,
    IDC_POS = 1121,

    ID_OPTION_COMPARE = 32771,
    ID_OPTION_READ = 32772,
    ID_OPTION_WRITE = 32773,
    ID_OPTION_EMPTY = 32774,
    ID_VIEW_BUFFERVIEW = 32775,

    ID_SEPARATOR = 0,

    AFX_IDS_APP_TITLE = 57344,
    AFX_IDS_IDLEMESSAGE = 57345,

    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_FILE2 = 57617,
    ID_FILE_MRU_FILE3 = 57618,
    ID_FILE_MRU_FILE4 = 57619,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,

    ID_INDICATOR_CAPS = 59137,
    ID_INDICATOR_NUM = 59138,
    ID_INDICATOR_SCRL = 59139,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    // Prompts shown while the window's system menu is browsed.
    AFX_IDS_SCSIZE = 61184,
    AFX_IDS_SCMOVE = 61185,
    AFX_IDS_SCMINIMIZE = 61186,
    AFX_IDS_SCMAXIMIZE = 61187,
    AFX_IDS_SCNEXTWINDOW = 61188,
    AFX_IDS_SCPREVWINDOW = 61189,
    AFX_IDS_SCCLOSE = 61190,
    AFX_IDS_SCRESTORE = 61202,
    AFX_IDS_SCTASKLIST = 61203,
};
