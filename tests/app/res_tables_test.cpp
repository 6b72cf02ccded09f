#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "app/res/accelerator_table.h"
#include "app/res/app_icon.h"
#include "app/res/dialog_layouts.h"
#include "app/res/menu_table.h"
#include "app/res/resource.h"
#include "app/res/string_table.h"
#include "app/res/toolbar_table.h"
#include "app/res/version.h"

namespace {

TEST(ResTablesTest, MainMenuEntryByEntry) {
    struct Expected {
        const char* pszPopup;
        const char* pszText;  // nullptr for a separator
        int nId;
        bool bDisabled;
    };
    const Expected expected[] = {
        {"&File", "&New\tCtrl+N", 57600, false},
        {"&File", "&Open...\tCtrl+O", 57601, false},
        {"&File", "&Save\tCtrl+S", 57603, false},
        {"&File", "Save &As...", 57604, false},
        {"&File", nullptr, 0, false},
        {"&File", "Recent File", 57616, true},
        {"&File", nullptr, 0, false},
        {"&File", "E&xit", 57665, false},
        {"&Option", "&Compare\tAlt+C", 32771, false},
        {"&Option", "Empty\tAlt+E", 32774, false},
        {"&Option", "&Read\tAlt+R", 32772, false},
        {"&Option", "&Write\tAlt+W", 32773, false},
        {"&View", "&Toolbar", 59392, false},
        {"&View", "&Status Bar", 59393, false},
        {"&View", "BufferView", 32775, false},
        {"&Help", "&About morvex...", 57664, false},
    };
    std::size_t i = 0;
    for (const MenuPopup& popup : g_mainMenu) {
        for (const MenuEntry& entry : popup.entries) {
            ASSERT_LT(i, std::size(expected)) << "extra entry in " << popup.pszTitle;
            const Expected& want = expected[i++];
            SCOPED_TRACE(testing::Message() << "entry " << i);
            EXPECT_STREQ(popup.pszTitle, want.pszPopup);
            EXPECT_EQ(entry.bSeparator, want.pszText == nullptr);
            if (want.pszText != nullptr) {
                EXPECT_STREQ(entry.pszText, want.pszText);
                EXPECT_EQ(entry.nId, want.nId);
            }
            EXPECT_EQ(entry.bDisabled, want.bDisabled);
        }
    }
    EXPECT_EQ(i, std::size(expected));
}

TEST(ResTablesTest, SixAcceleratorsAndNoneForNew) {
    const AcceleratorEntry expected[] = {
        {AcceleratorEntry::Alt, 'C', 32771},  {AcceleratorEntry::Alt, 'E', 32774},
        {AcceleratorEntry::Ctrl, 'O', 57601}, {AcceleratorEntry::Alt, 'R', 32772},
        {AcceleratorEntry::Ctrl, 'S', 57603}, {AcceleratorEntry::Alt, 'W', 32773},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(testing::Message() << "accelerator " << i);
        EXPECT_EQ(g_accelerators[i].modifier, expected[i].modifier);
        EXPECT_EQ(g_accelerators[i].cKey, expected[i].cKey);
        EXPECT_EQ(g_accelerators[i].nId, expected[i].nId);
        EXPECT_NE(g_accelerators[i].nId, ID_FILE_NEW);
    }
}

// Checks that an XPM image has the size it claims, every row that long, and no pixel of an
// undefined colour, so that QPixmap can load it.
void ExpectWellFormedXpm(const char* const* ppszXpm, int nWidth, int nHeight) {
    int nW = 0, nH = 0, nColours = 0, nCharsPerPixel = 0;
    ASSERT_EQ(std::sscanf(ppszXpm[0], "%d %d %d %d", &nW, &nH, &nColours, &nCharsPerPixel), 4);
    EXPECT_EQ(nW, nWidth);
    EXPECT_EQ(nH, nHeight);
    ASSERT_EQ(nCharsPerPixel, 1);
    std::set<char> colours;
    for (int i = 1; i <= nColours; ++i) {
        colours.insert(ppszXpm[i][0]);
    }
    EXPECT_EQ(colours.size(), static_cast<std::size_t>(nColours)) << "a colour key repeats";
    for (int nRow = 0; nRow < nH; ++nRow) {
        const std::string strRow = ppszXpm[1 + nColours + nRow];
        EXPECT_EQ(strRow.size(), static_cast<std::size_t>(nW)) << "row " << nRow;
        for (char c : strRow) {
            EXPECT_TRUE(colours.contains(c)) << "row " << nRow << " uses '" << c << "'";
        }
    }
}

TEST(ResTablesTest, ToolbarOrderAndImages) {
    const std::array<int, 10> expected = {57600, 57601, 57603, 0, 32771,
                                          32774, 32772, 32773, 0, 57664};
    EXPECT_EQ(g_toolbarButtons, expected);
    for (const char* const* ppszImage : g_toolbarImages) {
        ExpectWellFormedXpm(ppszImage, 16, 15);
    }
    ExpectWellFormedXpm(g_ppszIcon32, 32, 32);
    ExpectWellFormedXpm(g_ppszIcon16, 16, 16);
}

TEST(ResTablesTest, StringTable) {
    const StringEntry expected[] = {
        {128, "morvex\n\nMorvex\n\n\nMorvex.Document\nMorvex Document"},
        {32771, "compare buffer and eprom\ncompare"},
        {32772, "read eprom to buffer\nread"},
        {32773, "write buffer to eprom\nwrite"},
        {32774, "check if eprom is empty\nempty"},
        {32775, "show internal buffer"},
        {57344, "morvex"},
        {57345, "Ready"},
        {57600, "Create a new document\nNew"},
        {57601, "Open an existing document\nOpen"},
        {57603, "Save the active document\nSave"},
        {57604, "Save the active document with a new name\nSave As"},
        {57616, "Open this document"},
        {57619, "Open this document"},
        {57664, "Display program information, version number and copyright\nAbout"},
        {57665, "Quit the application; prompts to save documents\nExit"},
        {59137, "CAP"},
        {59138, "NUM"},
        {59139, "SCRL"},
        {59392, "Show or hide the toolbar\nToggle ToolBar"},
        {59393, "Show or hide the status bar\nToggle StatusBar"},
        {61184, "Change the window size"},
        {61190, "Close the active window and prompts to save the documents"},
        {61202, "Restore the window to normal size"},
        {61203, "Activate Task List"},
    };
    for (const StringEntry& want : expected) {
        EXPECT_STREQ(LoadResourceString(want.nId), want.pszText) << "string " << want.nId;
    }
    EXPECT_EQ(LoadResourceString(57605), nullptr);

    std::set<int> ids;
    for (const StringEntry& entry : g_stringTable) {
        EXPECT_TRUE(ids.insert(entry.nId).second) << "string " << entry.nId << " twice";
    }
}

// Each radio group runs from a control that starts a group to the next one; only the radio
// buttons in it count.
std::vector<std::vector<int>> RadioGroups(const DialogTemplate& dlg) {
    std::vector<std::vector<int>> groups;
    bool bNewGroup = true;
    for (const DialogControl& control : dlg.controls) {
        if ((control.uStyle & GroupStart) != 0) {
            bNewGroup = true;
        }
        if (control.kind == RadioButton) {
            if (bNewGroup) {
                groups.emplace_back();
                bNewGroup = false;
            }
            groups.back().push_back(control.nId);
        }
    }
    return groups;
}

std::vector<int> TabStops(const DialogTemplate& dlg) {
    std::vector<int> stops;
    for (const DialogControl& control : dlg.controls) {
        if ((control.uStyle & TabStop) != 0) {
            stops.push_back(control.nId);
        }
    }
    return stops;
}

TEST(ResTablesTest, FormLayout) {
    EXPECT_EQ(g_formDialog.nId, IDD_MORVEX_FORM);
    EXPECT_EQ(g_formDialog.pszCaption, nullptr);
    EXPECT_STREQ(g_formDialog.pszFont, "MS Sans Serif");
    EXPECT_EQ(g_formDialog.nPointSize, 8);
    EXPECT_EQ(g_formDialog.cx, 155);
    EXPECT_EQ(g_formDialog.cy, 180);

    struct Expected {
        int nId;
        ControlKind kind;
        const char* pszText;
        int x, y;
    };
    const Expected expected[] = {
        {-1, GroupBox, "Port", 5, 25},
        {1000, RadioButton, "LPT1 (0x378)", 10, 36},
        {1001, RadioButton, "LPT2 (0x278)", 80, 36},
        {-1, GroupBox, "Type", 5, 55},
        {1002, RadioButton, "27C64", 20, 70},
        {1003, RadioButton, "27C128", 20, 80},
        {1004, RadioButton, "27C256", 20, 90},
        {1005, RadioButton, "27C512", 20, 110},
        {1006, PushButton, "Compare", 105, 60},
        {1007, PushButton, "Read", 105, 76},
        {1008, Edit, "", 105, 95},
        {1009, PushButton, "Write", 105, 116},
        {1010, Edit, "", 5, 135},
        {-1, StaticText, nullptr, 85, 170},
        {-1, StaticText, "Morvex 27c64  .. 27c512", 45, 10},
        {-1, Icon, nullptr, 5, 5},
    };
    ASSERT_EQ(g_formDialog.controls.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const DialogControl& control = g_formDialog.controls[i];
        SCOPED_TRACE(testing::Message() << "control " << i);
        EXPECT_EQ(control.nId, expected[i].nId);
        EXPECT_EQ(control.kind, expected[i].kind);
        if (expected[i].pszText != nullptr) {
            EXPECT_STREQ(control.pszText, expected[i].pszText);
        }
        EXPECT_EQ(control.x, expected[i].x);
        EXPECT_EQ(control.y, expected[i].y);
        EXPECT_EQ(control.uStyle & DefaultButton, 0u) << "the form has no default button";
    }

    EXPECT_EQ(TabStops(g_formDialog), (std::vector<int>{1000, 1002, 1006, 1007, 1008, 1009, 1010}));
    EXPECT_EQ(RadioGroups(g_formDialog),
              (std::vector<std::vector<int>>{{1000, 1001}, {1002, 1003, 1004, 1005}}));

    const DialogControl& info = g_formDialog.controls[12];
    EXPECT_EQ(info.uStyle, MultiLine | ReadOnly | Border | AutoHScroll | NoVScroll | TabStop);
    const DialogControl& status = g_formDialog.controls[10];
    EXPECT_EQ(status.uStyle, ReadOnly | Border | AutoHScroll | TabStop);
}

TEST(ResTablesTest, AboutBoxAndBufferViewLayouts) {
    EXPECT_EQ(g_aboutDialog.nId, IDD_ABOUTBOX);
    EXPECT_STREQ(g_aboutDialog.pszCaption, "About morvex");
    EXPECT_EQ(g_aboutDialog.cx, 217);
    EXPECT_EQ(g_aboutDialog.cy, 46);
    ASSERT_EQ(g_aboutDialog.controls.size(), 4u);
    EXPECT_EQ(g_aboutDialog.controls[0].kind, Icon);
    EXPECT_STREQ(g_aboutDialog.controls[1].pszText, "morvex Version 1.0");
    EXPECT_NE(g_aboutDialog.controls[1].uStyle & NoPrefix, 0u);
    EXPECT_EQ(g_aboutDialog.controls[3].nId, IDOK);
    EXPECT_EQ(TabStops(g_aboutDialog), (std::vector<int>{IDOK}));
    EXPECT_NE(g_aboutDialog.controls[3].uStyle & DefaultButton, 0u);

    EXPECT_EQ(g_bufferViewDialog.nId, IDD_BUFFERVIEW);
    EXPECT_STREQ(g_bufferViewDialog.pszCaption, "BufferView");
    EXPECT_STREQ(g_bufferViewDialog.pszFont, "Courier New");
    EXPECT_EQ(g_bufferViewDialog.cx, 357);
    EXPECT_EQ(g_bufferViewDialog.cy, 161);
    const int expectedIds[] = {IDC_POS, IDC_HEX, IDC_ASCII, -1, -1, -1};
    const char* expectedGroups[] = {"POS", "HEXADECIMAL", "ASCII"};
    ASSERT_EQ(g_bufferViewDialog.controls.size(), std::size(expectedIds));
    for (std::size_t i = 0; i < std::size(expectedIds); ++i) {
        const DialogControl& control = g_bufferViewDialog.controls[i];
        EXPECT_EQ(control.nId, expectedIds[i]);
        if (i < 3) {
            EXPECT_EQ(control.kind, Edit);
            EXPECT_EQ(control.uStyle & (MultiLine | ReadOnly), MultiLine | ReadOnly);
            EXPECT_EQ(control.uStyle & (Border | TabStop), 0u);
            EXPECT_EQ((control.uStyle & RightAligned) != 0, i == 0) << "only POS is right-aligned";
        } else {
            EXPECT_EQ(control.kind, GroupBox);
            EXPECT_STREQ(control.pszText, expectedGroups[i - 3]);
        }
    }
}

TEST(ResTablesTest, VersionMatchesTheBuild) {
    EXPECT_STREQ(VERSION_TEXT, MORVEX_VERSION);
    EXPECT_STREQ(VERSION_ORIGINAL_FILENAME, "morvex.EXE");
    EXPECT_STREQ(VERSION_PRODUCT_NAME, "morvex Application");
}

}  // namespace
