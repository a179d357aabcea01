#include "tests/win/message_catcher.h"

namespace {

std::vector<MessageCatcher::Box> caught;

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[32] = {};
        GetClassNameA(box, className, sizeof className);
        if (std::string(className) == "#32770") {
            caught.push_back({TextOf(GetDlgItem(box, 0xFFFF)), TextOf(box)});
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MessageCatcher::MessageCatcher() : hook_(SetWindowsHookExA(WH_CBT, Watch, nullptr, GetCurrentThreadId())) {
    caught.clear();
}

MessageCatcher::~MessageCatcher() { UnhookWindowsHookEx(hook_); }

const std::vector<MessageCatcher::Box>& MessageCatcher::Boxes() const { return caught; }

std::string MessageCatcher::OnlyText() const {
    if (caught.size() == 1) return caught[0].text;
    return std::to_string(caught.size()) + " message boxes";
}
