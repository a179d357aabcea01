#include "tests/e2e/explorer.h"

#include <cstring>

#include "tests/e2e/desktop.h"
#include "tests/e2e/hook/hook_request.h"

namespace {

std::string HookDll() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dll = path;
    return dll.substr(0, dll.find_last_of('\\') + 1) + "e2e_hook.dll";
}

// The program waits for input: the command it was given last has ended (a
// drop while a command runs is ignored, as it should be).
void WaitUntilIdle(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id);
    if (process == nullptr) return;
    WaitForInputIdle(process, 5000);
    CloseHandle(process);
}

// Hands `request` to the program of `window` and waits for its answer.
bool Serve(HWND window, HookRequest& request) {
    WaitUntilIdle(window);
    HANDLE section =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(HookRequest), kHookSection);
    if (section == nullptr) return false;
    auto* shared = static_cast<HookRequest*>(MapViewOfFile(section, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(HookRequest)));
    HMODULE dll = LoadLibraryA(HookDll().c_str());
    auto proc = dll != nullptr ? reinterpret_cast<HOOKPROC>(GetProcAddress(dll, "E2eMessageHook")) : nullptr;
    bool done = false;
    if (shared != nullptr && proc != nullptr) {
        std::memcpy(shared, &request, sizeof request);
        shared->done = 0;
        HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, proc, dll, GetWindowThreadProcessId(window, nullptr));
        if (hook != nullptr) {
            PostMessageA(window, RegisterWindowMessageA(kHookMessage), 0, 0);
            done = WaitFor([&] { return shared->done != 0; }, 5000);
            UnhookWindowsHookEx(hook);
        }
        std::memcpy(&request, shared, sizeof request);
    }
    if (shared != nullptr) UnmapViewOfFile(shared);
    if (dll != nullptr) FreeLibrary(dll);
    CloseHandle(section);
    return done;
}

// The request of `kind` for a drop of `paths`; false when they do not fit.
bool DropRequest(HookRequestKind kind, const std::vector<std::string>& paths, HookRequest& request) {
    request = HookRequest{};
    request.kind = kind;
    for (const std::string& path : paths) {
        if (request.count == 4 || path.size() >= sizeof request.files[0]) return false;
        std::strcpy(request.files[request.count++], path.c_str());
    }
    return true;
}

}  // namespace

bool DropFiles(HWND window, const std::vector<std::string>& paths) {
    HookRequest request;
    return DropRequest(kDropFiles, paths, request) && Serve(window, request);
}

WPARAM MakeDropHandle(HWND window, const std::vector<std::string>& paths) {
    HookRequest request;
    if (!DropRequest(kMakeDrop, paths, request) || !Serve(window, request)) return 0;
    return static_cast<WPARAM>(request.drop);
}

std::vector<MenuItemSeen> SystemMenu(HWND window) {
    HookRequest request{};
    request.kind = kReadSystemMenu;
    std::vector<MenuItemSeen> items;
    if (!Serve(window, request)) return items;
    for (int i = 0; i < request.count && i < 32; ++i) {
        const HookMenuItem& item = request.items[i];
        items.push_back({item.id, item.text, (item.state & MF_GRAYED) != 0, (item.state & MF_CHECKED) != 0});
    }
    return items;
}

MenuItemSeen SystemMenuItem(HWND window, const std::string& text) {
    for (const MenuItemSeen& item : SystemMenu(window))
        if (item.text == text) return item;
    return {};
}
