#include "frame/message_box.h"

#include <cstdarg>
#include <cstdio>

#include "frame/frame_state.h"

namespace {

UINT IconFlags(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error: return MB_ICONERROR;
        case MessageIcon::Warning: return MB_ICONWARNING;
        case MessageIcon::Information: return MB_ICONINFORMATION;
        case MessageIcon::Question: return MB_ICONQUESTION;
    }
    return 0;
}

int Show(HWND owner, const Message& message, const char* text, UINT buttons) {
    if (buttons == 0 && message.icon == MessageIcon::Question) buttons = MB_YESNO;
    return MessageBoxA(owner, text, message.Caption(frame.japanese), IconFlags(message.icon) | buttons);
}

}  // namespace

int ShowMessage(HWND owner, const Message& message, UINT buttons) {
    return Show(owner, message, message.Text(frame.japanese), buttons);
}

int ShowMessageFormatted(HWND owner, const Message& message, ...) {
    char text[1024];
    va_list args;
    va_start(args, message);
    std::vsnprintf(text, sizeof text, message.Text(frame.japanese), args);
    va_end(args);
    return Show(owner, message, text, 0);
}
