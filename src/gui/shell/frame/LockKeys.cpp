#include "shell/frame/LockKeys.h"

#ifdef RUNGPAD_HAVE_XKB
#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
// X11 last: its macros (Bool, None, Status) would clash with Qt's names.
#include <X11/XKBlib.h>
#endif

namespace rungpad {

#ifdef RUNGPAD_HAVE_XKB
namespace {

bool IndicatorOn(Display* display, const char* name) {
    Bool on = False;
    const Atom atom = XInternAtom(display, name, True);
    if (atom == 0) {
        return false;
    }
    XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr);
    return on != False;
}

}  // namespace
#endif

std::optional<LockKeys::State> LockKeys::Read() {
#ifdef RUNGPAD_HAVE_XKB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) {
        return std::nullopt;
    }
    return State{IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
                 IndicatorOn(display, "Scroll Lock")};
#else
    return std::nullopt;
#endif
}

}  // namespace rungpad
