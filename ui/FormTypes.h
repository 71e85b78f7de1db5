// Enumerations of window and control properties shared by several classes.
#pragma once

namespace rna::ui {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

enum class TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

}  // namespace rna::ui
