// The Motif window-manager hints of a window: which title-bar buttons its frame shows and which window
// operations the window manager offers, both from the window's border style and border icons.
#pragma once

#include "ui/FormTypes.h"

#include <cstdint>

class QByteArray;
class QWidget;

namespace rna::ui {

struct MotifHints {
    // Fields of the hints (both are always given).
    static constexpr std::uint32_t kFunctionsField = 1, kDecorationsField = 2;
    // Window operations.
    static constexpr std::uint32_t kResize = 2, kMove = 4, kMinimize = 8, kMaximize = 16, kClose = 32;
    // Frame decorations.
    static constexpr std::uint32_t kBorder = 2, kResizeHandle = 4, kTitle = 8, kMenu = 16, kMinimizeButton = 32,
                                   kMaximizeButton = 64;

    std::uint32_t fields = kFunctionsField | kDecorationsField;
    std::uint32_t functions = 0;
    std::uint32_t decorations = 0;

    bool operator==(const MotifHints&) const = default;
};

// A titled window: title and border, the system menu with its close box, the minimise and maximise buttons
// only together with the system menu, resizing only for the sizeable styles.
MotifHints motifHintsFor(TFormBorderStyle style, TBorderIcons icons);

// Writes the hints onto the top-level window's native window on an X11 display, in place of the ones Qt
// writes (Qt's have no decorations field for a title bar without buttons). Elsewhere, and for a window
// without a native window or without a frame (bsNone), it does nothing.
void applyMotifHints(QWidget& window, TFormBorderStyle style, TBorderIcons icons);

// Writes the window's object name (the name in its description, such as "Form1") as its X window role
// (WM_WINDOW_ROLE), so that a program driving the desktop finds each window whatever the language of its
// caption. Elsewhere, and for a window without a native window or without a name, it does nothing.
void applyWindowRole(QWidget& window);

// The platform's part (ui/platform/): writes the hints onto the native window of a framed top-level window when
// the display is an X11 one; a platform whose windows take their frame from Qt's window flags alone does nothing.
void writeMotifHints(QWidget& window, const MotifHints& hints);
// The platform's part too: writes the role onto the native window when the display is an X11 one.
void writeWindowRole(QWidget& window, const QByteArray& role);

}  // namespace rna::ui
