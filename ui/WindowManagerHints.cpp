#include "ui/WindowManagerHints.h"

#include <QWidget>

namespace rna::ui {

namespace {

bool sizeable(TFormBorderStyle style)
{
    return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin;
}

}  // namespace

MotifHints motifHintsFor(TFormBorderStyle style, TBorderIcons icons)
{
    MotifHints hints;
    hints.functions = MotifHints::kMove;
    hints.decorations = MotifHints::kBorder | MotifHints::kTitle;
    if (sizeable(style)) {
        hints.functions |= MotifHints::kResize;
        hints.decorations |= MotifHints::kResizeHandle;
    }
    if (icons & biSystemMenu) {
        hints.functions |= MotifHints::kClose;
        hints.decorations |= MotifHints::kMenu;
        if (icons & biMinimize) {
            hints.functions |= MotifHints::kMinimize;
            hints.decorations |= MotifHints::kMinimizeButton;
        }
        if (icons & biMaximize) {
            hints.functions |= MotifHints::kMaximize;
            hints.decorations |= MotifHints::kMaximizeButton;
        }
    }
    return hints;
}

void applyMotifHints(QWidget& window, TFormBorderStyle style, TBorderIcons icons)
{
    if (style == TFormBorderStyle::bsNone || !window.isWindow() || window.internalWinId() == 0)
        return;
    writeMotifHints(window, motifHintsFor(style, icons));
}

void applyWindowRole(QWidget& window)
{
    const QByteArray role = window.objectName().toLatin1();
    if (!role.isEmpty() && window.isWindow() && window.internalWinId() != 0)
        writeWindowRole(window, role);
}

}  // namespace rna::ui
