#pragma once
#include <cstdint>

// What the end-to-end driver asks of a program through the hook DLL, and its
// answer, in a named shared section. Fixed-size fields only: a 64-bit driver
// and a 32-bit program (or the other way round) read the same bytes.
constexpr const char* kHookSection = "ImgE2eHookSection";
constexpr const char* kHookMessage = "ImgE2eHookRequest";

enum HookRequestKind : int32_t {
    kDropFiles = 1,       // a drop handle of `files`, posted as WM_DROPFILES
    kReadSystemMenu = 2,  // the system menu's items as the user would find them opened
    kMakeDrop = 3,        // a drop handle of `files`, handed back in `drop`
};

struct HookMenuItem {
    uint32_t id;
    uint32_t state;  // GetMenuState: MF_GRAYED, MF_CHECKED, ...
    char text[64];
};

struct HookRequest {
    int32_t kind;
    int32_t count;  // files given, or items read
    volatile int32_t done;
    int32_t unused;
    uint64_t drop;
    char files[4][260];
    HookMenuItem items[32];
};
