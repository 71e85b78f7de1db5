// The window-manager hints on X11: written with libxcb, which Qt's X11 platform already loads into the program.
#include "ui/WindowManagerHints.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>

namespace rna::ui {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// Replaces a property of the window's native window when the display is an X11 one; nothing elsewhere.
// `type` null: the property's own atom is its type.
void writeProperty(const QWidget& window, const char* name, const char* type, std::uint8_t format, std::uint32_t count,
                   const void* data)
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_atom_t property = internAtom(connection, name);
    const xcb_atom_t typeAtom = type ? internAtom(connection, type) : property;
    if (property == XCB_ATOM_NONE || typeAtom == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.internalWinId()), property, typeAtom,
                        format, count, data);
    xcb_flush(connection);
}

}  // namespace

void writeMotifHints(QWidget& window, const MotifHints& hints)
{
    // flags, functions, decorations, input mode, status
    const std::array<std::uint32_t, 5> values{hints.fields, hints.functions, hints.decorations, 0, 0};
    writeProperty(window, "_MOTIF_WM_HINTS", nullptr, 32, std::uint32_t(values.size()), values.data());
}

void writeWindowRole(QWidget& window, const QByteArray& role)
{
    writeProperty(window, "WM_WINDOW_ROLE", "STRING", 8, std::uint32_t(role.size()), role.constData());
}

}  // namespace rna::ui
