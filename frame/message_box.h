#pragma once
#include <windows.h>

#include "texts/message.h"

// Shows `message` in the user's language, owned by `owner`. Questions get
// Yes and No unless `buttons` says otherwise. Returns the button pressed.
int ShowMessage(HWND owner, const Message& message, UINT buttons = 0);
// The same with the text used as a printf format for the arguments.
int ShowMessageFormatted(HWND owner, const Message& message, ...);
