#pragma once

// Caps Lock, Num Lock and Scroll Lock as the keyboard shows them, for the status bar's
// CAP, NUM and SCRL panes. Qt has no call for them: on X11 the keyboard extension of the
// X server answers; on other platforms they read as off and the panes stay empty.

struct LockStates {
    bool bCaps = false;
    bool bNum = false;
    bool bScroll = false;
};

LockStates ReadLockStates();
