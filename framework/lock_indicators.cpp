#include "framework/lock_indicators.h"

// Qt first: the X11 headers define macros (Bool, Status) that Qt's headers refuse.
#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace {

bool IndicatorOn(Display* pDisplay, const char* pszName) {
    const Atom name = XInternAtom(pDisplay, pszName, True);
    Bool bOn = False;
    return name != None && XkbGetNamedIndicator(pDisplay, name, nullptr, &bOn, nullptr, nullptr) &&
           bOn;
}

}  // namespace

LockStates ReadLockStates() {
    const auto* pX11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* pDisplay = pX11 != nullptr ? pX11->display() : nullptr;
    if (pDisplay == nullptr) {
        return {};
    }
    return {IndicatorOn(pDisplay, "Caps Lock"), IndicatorOn(pDisplay, "Num Lock"),
            IndicatorOn(pDisplay, "Scroll Lock")};
}
