#pragma once
#include <windows.h>

#include "texts/message.h"

// What a program tells the frame about itself: names, its bar and its
// commands. One constant record per program.

struct BarButtonPlace {
    int id;            // control identifier
    const char* base;  // bitmap base name: "Open" gives OpenUp, Open9Dn, ...
    int x;
    int width;         // 0: the rest of the screen width
    int command;       // number sent to the main window; 0 for the fillers
    bool inactive;     // disabled at creation
};

struct LabelText {
    const char* english;
    const char* japanese;
};

// A program's part in the main window's messages beyond its commands. Every
// member may be nullptr.
struct ProgramHooks {
    // Exit or the close box: false keeps the program running (the user
    // keeps an unsaved change).
    bool (*mayClose)(HWND window);
    // Before the frame's shutdown: the program closes its own windows.
    void (*beforeShutDown)(HWND window);
    // WM_SYSCOMMAND, before the default processing.
    void (*onSystemCommand)(HWND window, WPARAM command);
    // WM_USER + offset (0 and 1).
    void (*onUserMessage)(HWND window, UINT offset);
    // After painting has set the command buttons: the program's own buttons.
    void (*updateOwnButtons)();
};

// An item a program adds to its main window's system menu (the menu under
// the title bar's icon; the programs have no other menu). Chosen, it runs
// `choose`, the command a button or key runs too.
struct SystemMenuItem {
    UINT id;              // a multiple of 16 below 0xF000: the system's own ids lie above
    TextPair label;
    void (*choose)(HWND window);
    bool (*enabled)();    // nullptr: always enabled; otherwise greyed while false
    bool (*checked)();    // nullptr: not a check item
};

struct ProgramDescription {
    const char* className;       // "VESKARIN"
    const char* initialTitle;    // "Arv_elle": never matches the single-instance test
    const char* englishName;     // "Arvelle"
    const char* japaneseName;
    const char* imageTitleStart; // "Icon [ ": titles of shown images, matched with " at "
    const char* programFile;     // "VESKARIN.EXE"
    const char* readmeEnglish;   // "TORMALE_E.PDF"
    const char* readmeJapanese;
    bool inspector;              // VESKARIN and PELTRANE (not the galleries)
    bool bitmapInspector;        // chooses the display copy's name (".bm!" or ".ic!")

    const BarButtonPlace* buttons;
    int buttonCount;             // with the Gap and Space fillers
    const LabelText* labels;     // label k (from 1) is labels[k - 1]
    int commandButtonCount;      // N: labels and command buttons
    int barExtraHeight;          // inspectors 19, galleries 20
    int barTopOffset;            // inspectors -1, galleries 0 (added to SM_CYBORDER)
    int firstNavigationHover;    // hover number of Previous (then Next, Zoom out, Zoom in)

    // The program's commands (after HideHoverLabel); the number is the
    // low word of WM_COMMAND's wParam.
    void (*onCommand)(HWND window, int command);
    // What a program with a modeless tool window of its own adds to the
    // inspectors' main window; nullptr: nothing.
    const ProgramHooks* hooks = nullptr;
    // The program's own items of the system menu, after the frame's.
    const SystemMenuItem* menuItems = nullptr;
    int menuItemCount = 0;
};

// What a family of programs (the inspectors, the galleries) gives the frame:
// its main window procedure, what its view releases at shutdown and the
// picture that Copy puts on the clipboard.
struct ProgramFamily {
    WNDPROC windowProc;
    void (*releaseView)();  // before the frame's own release; may be nullptr
    bool (*canCopy)();      // a picture is shown that Copy can take
    void (*copyPicture)(HWND window);
};
