#include "app/res/dialog_layouts.h"

#include "app/res/resource.h"

namespace {

constexpr DialogControl s_aboutControls[] = {
    {IDC_STATIC, Icon, nullptr, 11, 17, 20, 20, 0},
    {IDC_STATIC, StaticText, "morvex Version 1.0", 40, 10, 119, 8,
     LeftAligned | NoPrefix | GroupStart},
    {IDC_STATIC, StaticText, "Copyright (C) 2026 the morvex developers", 40, 30, 170, 8,
     LeftAligned | GroupStart},
    {IDOK, PushButton, "OK", 178, 7, 32, 14, DefaultButton | GroupStart | TabStop},
};

// "27C512" sits 20 units below "27C256", leaving a gap in the type column.
constexpr DialogControl s_formControls[] = {
    {IDC_STATIC, GroupBox, "Port", 5, 25, 150, 25, 0},
    {IDC_LPT1, RadioButton, "LPT1 (0x378)", 10, 36, 70, 10, GroupStart | TabStop},
    {IDC_LPT2, RadioButton, "LPT2 (0x278)", 80, 36, 70, 10, 0},
    {IDC_STATIC, GroupBox, "Type", 5, 55, 70, 75, 0},
    {IDC_27C64, RadioButton, "27C64", 20, 70, 37, 10, GroupStart | TabStop},
    {IDC_27C128, RadioButton, "27C128", 20, 80, 41, 10, 0},
    {IDC_27C256, RadioButton, "27C256", 20, 90, 41, 10, 0},
    {IDC_27C512, RadioButton, "27C512", 20, 110, 41, 10, 0},
    {IDC_COMPARE, PushButton, "Compare", 105, 60, 50, 14, TabStop},
    {IDC_READ, PushButton, "Read", 105, 76, 50, 14, TabStop},
    {IDC_STATUS, Edit, "", 105, 95, 50, 14, ReadOnly | Border | AutoHScroll | TabStop},
    {IDC_WRITE, PushButton, "Write", 105, 116, 50, 14, TabStop},
    {IDC_INFO, Edit, "", 5, 135, 150, 30,
     MultiLine | ReadOnly | Border | AutoHScroll | NoVScroll | TabStop},
    {IDC_STATIC, StaticText, "(c) 2026 morvex", 85, 170, 69, 10, RightAligned | GroupStart},
    {IDC_STATIC, StaticText, "Morvex 27c64  .. 27c512", 45, 10, 110, 8, LeftAligned | GroupStart},
    {IDC_STATIC, Icon, nullptr, 5, 5, 20, 20, 0},
};

constexpr DialogControl s_bufferViewControls[] = {
    {IDC_POS, Edit, "", 4, 12, 24, 144, MultiLine | ReadOnly | RightAligned},
    {IDC_HEX, Edit, "", 36, 12, 216, 144, MultiLine | ReadOnly},
    {IDC_ASCII, Edit, "", 260, 12, 84, 144, MultiLine | ReadOnly},
    {IDC_STATIC, GroupBox, "POS", 1, 0, 31, 160, 0},
    {IDC_STATIC, GroupBox, "HEXADECIMAL", 32, 0, 224, 160, 0},
    {IDC_STATIC, GroupBox, "ASCII", 256, 0, 92, 160, 0},
};

}  // namespace

const DialogTemplate g_aboutDialog = {IDD_ABOUTBOX, "About morvex", "MS Sans Serif", 8, 217,
                                      46,           s_aboutControls};

const DialogTemplate g_formDialog = {IDD_MORVEX_FORM, nullptr, "MS Sans Serif", 8, 155, 180,
                                     s_formControls};

// Fixed pitch, so that the three columns line up.
const DialogTemplate g_bufferViewDialog = {
    IDD_BUFFERVIEW, "BufferView", "Courier New", 8, 357, 161, s_bufferViewControls};
