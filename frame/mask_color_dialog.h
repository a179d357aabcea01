#pragma once
#include <windows.h>

#include "imaging/icon_render.h"

// The mask colour dialog (COLORSELECT_DLG / _J) of the icon programs: eight
// swatches in an owner-drawn list; OK keeps the one picked, Cancel and the
// close box restore the colour it started with.
struct MaskChoice {
    ColorRef color = kDefaultMaskColor;
    int index = 0;  // the swatch's place in the list
};

enum class MaskDialogResult { Failed, Cancelled, Chosen };

// `comboId`: the swatch list's identifier in the program's dialog resource.
MaskDialogResult ChooseMaskColor(HWND owner, int comboId, MaskChoice& choice);
