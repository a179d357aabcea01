#include "frame/replace_dialog.h"

#include <cstring>

#include "frame/button_bar.h"
#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/message_box.h"

namespace {

// What the panel has shown: the file last selected in the list and its words.
struct Selection {
    const ReplaceDialog* spec = nullptr;
    char path[kPathSize] = {};
    std::string words;
};

void OnSelectionChange(HWND panel, HWND dialog, Selection& s) {
    std::memset(s.path, 0, sizeof s.path);
    const LRESULT length = SendMessageA(dialog, CDM_GETFILEPATH, kPathSize, reinterpret_cast<LPARAM>(s.path));
    s.words.clear();
    // Only the file under the cursor is described: no words of another one stay.
    if (length <= 0 || length > kPathSize || !s.spec->describe(s.path, s.words)) s.words.clear();
    SetDlgItemTextA(panel, s.spec->selectedEdit, s.words.c_str());
}

UINT_PTR CALLBACK PanelHook(HWND panel, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* dialog = reinterpret_cast<const OPENFILENAMEA*>(lParam);
        SetWindowLongPtrA(panel, DWLP_USER, static_cast<LONG_PTR>(dialog->lCustData));
        return 1;
    }
    if (message != WM_NOTIFY) return 0;
    auto* s = reinterpret_cast<Selection*>(GetWindowLongPtrA(panel, DWLP_USER));
    if (s == nullptr) return 0;
    HWND dialog = GetParent(panel);
    switch (reinterpret_cast<const OFNOTIFYA*>(lParam)->hdr.code) {
        case CDN_INITDONE:
            // The OK button is renamed through the dialog itself; the panel's
            // edits live in the panel (nothing of the dialog is moved or disabled).
            SendMessageA(dialog, CDM_SETCONTROLTEXT, IDOK, reinterpret_cast<LPARAM>(s->spec->okText));
            SetDlgItemTextA(panel, s->spec->replaceableEdit, s->spec->replaceableWords.c_str());
            break;
        case CDN_SELCHANGE: OnSelectionChange(panel, dialog, *s); break;
        case CDN_FOLDERCHANGE: {
            char folder[kPathSize] = {};
            const LRESULT length = SendMessageA(dialog, CDM_GETFOLDERPATH, kPathSize, reinterpret_cast<LPARAM>(folder));
            if (length <= kPathSize) SetDlgItemTextA(panel, s->spec->selectedEdit, "");
            break;
        }
    }
    return 0;
}

// The dialog has closed: the Replace button is drawn in its state at once.
void RepaintButton(HWND window) { RepaintBarButton(window, "Replc"); }

enum class Reply { End, AskAgain, Replace };

Reply Confirm(HWND window, const ReplaceDialog& spec, const char* path, Selection& s) {
    // A name typed rather than picked in the list has not been described by
    // the panel: describe it now, so that the user confirms what will be written.
    if (lstrcmpiA(path, s.path) != 0) {
        s.words.clear();
        if (!spec.describe(path, s.words)) s.words.clear();
    }
    const std::string text = spec.replaceableLine + spec.replaceableWords + spec.selectedLine + s.words;
    switch (MessageBoxA(window, text.c_str(), spec.confirmation->Caption(frame.japanese), MB_ICONQUESTION | MB_YESNOCANCEL)) {
        case IDYES: return Reply::Replace;
        case IDNO: return Reply::AskAgain;
        default: return Reply::End;
    }
}

}  // namespace

bool ChooseReplacement(HWND window, const ReplaceDialog& spec, char* path) {
    for (;;) {
        Selection selection;
        selection.spec = &spec;
        std::memset(path, 0, kPathSize);
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = window;
        dialog.hInstance = frame.instance;
        dialog.lpstrFilter = spec.filter;
        dialog.lpstrFile = path;
        dialog.nMaxFile = kPathSize;
        dialog.lpstrTitle = spec.title;
        dialog.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        dialog.lpfnHook = PanelHook;
        dialog.lCustData = reinterpret_cast<LPARAM>(&selection);
        dialog.lpTemplateName = MAKEINTRESOURCEA(spec.panelTemplate);
        if (!GetOpenFileNameA(&dialog)) {
            const DWORD error = CommDlgExtendedError();
            if (error == 0)
                RepaintButton(window);
            else
                ShowMessageFormatted(window, *spec.dialogFailed, static_cast<unsigned long>(error));
            return false;
        }
        RepaintButton(window);
        if (lstrcmpiA(path, frame.programPath) == 0) {
            ShowMessage(window, *spec.openMyself);
            return false;
        }
        if (!FileExists(path)) {
            ShowMessage(window, NoSelectedFileMessage());
            return false;
        }
        if (!HasReplacementExtension(spec.kind, path)) {
            ShowMessage(window, WrongReplacementNameMessage(spec.kind));
            return false;
        }
        switch (Confirm(window, spec, path, selection)) {
            case Reply::End: return false;
            case Reply::AskAgain: continue;
            case Reply::Replace: return true;
        }
    }
}
