#pragma once
#include <windows.h>

#include "fileops/gallery_save.h"

// The galleries' confirmation CONFIRM_DLG / _J: "File already exists. Do you
// overwrite?" with NO (the default), Yes and Yes to All. Escape and the close
// box answer NO: the key people press to get out never overwrites.
enum ConfirmButton { kConfirmYes = 6, kConfirmNo = 7, kConfirmYesToAll = 8 };

// Centred on `owner`. A dialog that cannot be shown says so (no owner,
// system-modal) and answers NO.
OverwriteAnswer ConfirmOverwrite(HWND owner);
