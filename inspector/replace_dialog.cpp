#include "inspector/replace_dialog.h"

#include <cstring>

#include "frame/button_bar.h"
#include "frame/file_dialog.h"
#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "inspector/texts.h"

namespace {

// What the panel has shown: the file last selected in the list and its words.
struct Selection {
    const ReplaceDialog* rules = nullptr;
    char path[kPathSize] = {};
    std::string words;
};

void OnSelectionChange(HWND panel, HWND dialog, Selection& s) {
    std::memset(s.path, 0, sizeof s.path);
    const LRESULT length = SendMessageA(dialog, CDM_GETFILEPATH, kPathSize, reinterpret_cast<LPARAM>(s.path));
    s.words.clear();
    // Only the file under the cursor is described: no words of another one stay.
    if (length <= 0 || length > kPathSize || !s.rules->describe(s.path, s.words)) s.words.clear();
    SetDlgItemTextA(panel, s.rules->selectedEdit, s.words.c_str());
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
            SendMessageA(dialog, CDM_SETCONTROLTEXT, IDOK, reinterpret_cast<LPARAM>(inspector_texts::kReplaceButton.Text(frame.japanese)));
            SetDlgItemTextA(panel, s->rules->replaceableEdit, s->rules->replaceableWords.c_str());
            break;
        case CDN_SELCHANGE: OnSelectionChange(panel, dialog, *s); break;
        case CDN_FOLDERCHANGE: {
            char folder[kPathSize] = {};
            const LRESULT length = SendMessageA(dialog, CDM_GETFOLDERPATH, kPathSize, reinterpret_cast<LPARAM>(folder));
            if (length <= kPathSize) SetDlgItemTextA(panel, s->rules->selectedEdit, "");
            break;
        }
    }
    return 0;
}

// The dialog has closed: the Replace button is drawn in its state at once.
void RepaintButton(HWND window) { RepaintBarButton(window, "Replc"); }

enum class Reply { End, AskAgain, Replace };

Reply Confirm(HWND window, const ReplaceDialog& rules, const char* path, Selection& s) {
    // A name typed rather than picked in the list has not been described by
    // the panel: describe it now, so that the user confirms what will be written.
    if (lstrcmpiA(path, s.path) != 0) {
        s.words.clear();
        if (!rules.describe(path, s.words)) s.words.clear();
    }
    const std::string text = rules.replaceableLine + rules.replaceableWords + rules.selectedLine + s.words;
    switch (MessageBoxA(window, text.c_str(), inspector_texts::kReplaceConfirmation.Caption(frame.japanese), MB_ICONQUESTION | MB_YESNOCANCEL)) {
        case IDYES: return Reply::Replace;
        case IDNO: return Reply::AskAgain;
        default: return Reply::End;
    }
}

}  // namespace

bool ChooseReplacement(HWND window, const ReplaceDialog& rules, char* path) {
    for (;;) {
        Selection selection;
        selection.rules = &rules;
        OPENFILENAMEA dialog = FileDialog(window, rules.filter, rules.title, path);
        dialog.hInstance = frame.instance;
        dialog.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        dialog.lpfnHook = PanelHook;
        dialog.lCustData = reinterpret_cast<LPARAM>(&selection);
        dialog.lpTemplateName = MAKEINTRESOURCEA(rules.panelTemplate);
        if (!GetOpenFileNameA(&dialog)) {
            const DWORD error = CommDlgExtendedError();
            if (error == 0)
                RepaintButton(window);
            else
                ShowMessageFormatted(window, inspector_texts::kReplaceDialogFailed, static_cast<unsigned long>(error));
            return false;
        }
        RepaintButton(window);
        if (lstrcmpiA(path, frame.programPath) == 0) {
            ShowMessage(window, *rules.openMyself);
            return false;
        }
        if (!FileExists(path)) {
            ShowMessage(window, NoSelectedFileMessage());
            return false;
        }
        if (!HasReplacementExtension(rules.kind, path)) {
            ShowMessage(window, WrongReplacementNameMessage(rules.kind));
            return false;
        }
        switch (Confirm(window, rules, path, selection)) {
            case Reply::End: return false;
            case Reply::AskAgain: continue;
            case Reply::Replace: return true;
        }
    }
}
