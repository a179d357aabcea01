// Loaded into a program under test by a WH_GETMESSAGE hook: does, inside the
// program's own process, what only the system can (a drop handle as Explorer
// makes one, the system menu as the user opens it).
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "tests/e2e/hook/hook_request.h"

namespace {

HGLOBAL MakeDrop(const HookRequest& request) {
    // DROPFILES, then the names, each ended by a zero, and one more zero.
    SIZE_T size = sizeof(DROPFILES) + 1;
    for (int i = 0; i < request.count; ++i) size += std::strlen(request.files[i]) + 1;
    HGLOBAL drop = GlobalAlloc(GHND | GMEM_SHARE, size);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    if (files == nullptr) return nullptr;
    files->pFiles = sizeof(DROPFILES);
    files->fWide = FALSE;
    char* name = reinterpret_cast<char*>(files + 1);
    for (int i = 0; i < request.count; ++i) {
        std::strcpy(name, request.files[i]);
        name += std::strlen(name) + 1;
    }
    GlobalUnlock(drop);
    return drop;
}

void ReadSystemMenu(HWND window, HookRequest& request) {
    HMENU menu = GetSystemMenu(window, FALSE);
    SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
    const int count = GetMenuItemCount(menu);
    request.count = 0;
    for (int i = 0; i < count && request.count < 32; ++i) {
        HookMenuItem& item = request.items[request.count++];
        item.id = GetMenuItemID(menu, i);
        item.state = GetMenuState(menu, i, MF_BYPOSITION);
        item.text[0] = '\0';
        GetMenuStringA(menu, i, item.text, sizeof item.text, MF_BYPOSITION);
    }
}

void Serve(HWND window) {
    HANDLE section = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kHookSection);
    if (section == nullptr) return;
    auto* request = static_cast<HookRequest*>(MapViewOfFile(section, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(HookRequest)));
    if (request != nullptr) {
        if (request->kind == kDropFiles) PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(*request)), 0);
        if (request->kind == kMakeDrop) request->drop = reinterpret_cast<uintptr_t>(MakeDrop(*request));
        if (request->kind == kReadSystemMenu) ReadSystemMenu(window, *request);
        request->done = 1;
        UnmapViewOfFile(request);
    }
    CloseHandle(section);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK E2eMessageHook(int code, WPARAM removed, LPARAM lParam) {
    static const UINT request = RegisterWindowMessageA(kHookMessage);
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && message->message == request) {
        message->message = WM_NULL;
        Serve(message->hwnd);
    }
    return CallNextHookEx(nullptr, code, removed, lParam);
}
