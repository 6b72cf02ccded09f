#pragma once

// Static command tables: each class that handles commands keeps one constant table that
// maps command ids (menu entries, toolbar buttons, accelerators, the form's controls) to
// its member handlers. The frame routes a command through the tables in a fixed order and
// the first table with an entry for the id handles it.

#include <span>

class CCommandTarget {
  public:
    virtual ~CCommandTarget() = default;
    // True when this target's table has an entry for nId (and its handler has run).
    virtual bool OnCmdMsg(int nId) = 0;
};

template <class T>
struct CommandEntry {
    int nIdFirst;
    int nIdLast;
    void (T::*pfnHandler)();          // for a single id
    void (T::*pfnRangeHandler)(int);  // for a range of ids; gets the id
};

template <class T>
constexpr CommandEntry<T> OnCommand(int nId, void (T::*pfnHandler)()) {
    return {nId, nId, pfnHandler, nullptr};
}

template <class T>
constexpr CommandEntry<T> OnCommandRange(int nIdFirst, int nIdLast,
                                         void (T::*pfnRangeHandler)(int)) {
    return {nIdFirst, nIdLast, nullptr, pfnRangeHandler};
}

template <class T>
bool DispatchCommand(T& target, std::span<const CommandEntry<T>> table, int nId) {
    for (const CommandEntry<T>& entry : table) {
        if (nId < entry.nIdFirst || nId > entry.nIdLast) {
            continue;
        }
        if (entry.pfnHandler != nullptr) {
            (target.*entry.pfnHandler)();
        } else {
            (target.*entry.pfnRangeHandler)(nId);
        }
        return true;
    }
    return false;
}
