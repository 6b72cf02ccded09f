#pragma once

// The three dialog templates: the About box, the programmer form and the buffer view.
// Positions and sizes are dialog units of the template's font (x in quarters of the
// average character width, y in eighths of the character height), so a layout keeps its
// proportions with whatever font the system finds. The controls are listed in creation
// order, which is also the tab order.

#include <span>

enum ControlKind { GroupBox, RadioButton, PushButton, Edit, StaticText, Icon };

enum ControlStyle : unsigned {
    // Starts a new group; a radio group runs up to the next control that starts one.
    GroupStart = 1u << 0,
    TabStop = 1u << 1,
    ReadOnly = 1u << 2,
    MultiLine = 1u << 3,
    Border = 1u << 4,
    AutoHScroll = 1u << 5,
    NoVScroll = 1u << 6,
    RightAligned = 1u << 7,
    LeftAligned = 1u << 8,
    DefaultButton = 1u << 9,
    // An ampersand in the text is shown as is rather than marking a mnemonic.
    NoPrefix = 1u << 10,
};

struct DialogControl {
    int nId;
    ControlKind kind;
    // The text, or for an icon nothing: icons show the main window's icon.
    const char* pszText;
    int x, y, cx, cy;
    unsigned uStyle;
};

struct DialogTemplate {
    int nId;
    // nullptr for a child window without a caption.
    const char* pszCaption;
    const char* pszFont;
    int nPointSize;
    int cx, cy;
    std::span<const DialogControl> controls;
};

extern const DialogTemplate g_aboutDialog;
extern const DialogTemplate g_formDialog;
extern const DialogTemplate g_bufferViewDialog;
