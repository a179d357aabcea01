#include "frame/about.h"

#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/message_box.h"

namespace {

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
            return TRUE;
        case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

// The readme of the user's language, as the messages name it.
const char* ReadmeName() { return frame.japanese ? frame.program->readmeJapanese : frame.program->readmeEnglish; }

}  // namespace

void ShowAbout(HWND mainWindow) {
    const INT_PTR result = DialogBoxParamA(frame.instance, frame.japanese ? "ABOUT_DLG_J" : "ABOUT_DLG", mainWindow,
                                           AboutProc, 0);
    if (result == -1) {
        const Message& m = frame.program->inspector
                               ? frame_texts::kInspectorDialogFailed
                               : frame_texts::kGalleryDialogFailed;
        MessageBoxA(nullptr, m.Text(frame.japanese), m.Caption(frame.japanese), MB_ICONHAND | MB_SYSTEMMODAL);
    }
}

void OpenReadme(HWND mainWindow) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(frame.readmePath, &found);
    if (search == INVALID_HANDLE_VALUE) {
        ShowMessageFormatted(mainWindow, frame_texts::kReadmeMissing, ReadmeName());
        return;
    }
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(mainWindow, "open", frame.readmePath, nullptr, nullptr, SW_SHOWNORMAL));
    if ((result & 0xFFFF) <= 32) ShowMessageFormatted(mainWindow, frame_texts::kReadmeNoViewer, ReadmeName());
    FindClose(search);
}
