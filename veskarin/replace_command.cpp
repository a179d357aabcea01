#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "fileops/backup_numbering.h"
#include "fileops/file_system.h"
#include "fileops/icon_replacement.h"
#include "fileops/in_place_change.h"
#include "frame/button_bar.h"
#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/image_view.h"
#include "frame/message_box.h"
#include "frame/win32_file_system.h"
#include "veskarin/commands.h"
#include "frame/cursor.h"
#include "veskarin/veskarin_state.h"
#include "veskarin/resource_ids.h"
#include "veskarin/veskarin_texts.h"
#include "imaging/ico_description.h"
#include "texts/change_messages.h"

namespace {

using namespace veskarin_texts;

char lastSelectedPath[kPathSize];
std::string selectedInfo;

bool DescribeIcoPath(const char* path, std::string& words) {
    FileSource ico(path);
    return ico.IsOpen() && DescribeIcoFile(ico, words);
}

// The hook of the Replace dialog: the panel compares the shown icon with the
// one under the cursor.
UINT_PTR CALLBACK ReplaceHook(HWND panel, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(panel, DWLP_USER, lParam);
            return 1;
        case WM_DESTROY: return 1;
        case WM_NOTIFY: {
            const auto* notify = reinterpret_cast<const OFNOTIFYA*>(lParam);
            HWND dialog = GetParent(panel);
            switch (notify->hdr.code) {
                case CDN_INITDONE:
                    // The OK button is renamed through the dialog itself; the
                    // panel's edits live in the panel (nothing of the dialog is
                    // moved or disabled).
                    SendMessageA(dialog, CDM_SETCONTROLTEXT, IDOK,
                                 reinterpret_cast<LPARAM>(kReplaceButton.Text(frame.japanese)));
                    SetDlgItemTextA(panel, kReplaceableEdit, inspector.replaceableInfo.c_str());
                    break;
                case CDN_SELCHANGE: {
                    std::memset(lastSelectedPath, 0, sizeof lastSelectedPath);
                    const LRESULT length = SendMessageA(dialog, CDM_GETFILEPATH, kPathSize,
                                                        reinterpret_cast<LPARAM>(lastSelectedPath));
                    // Only the file now selected is described; one that cannot
                    // be described gets no words (the style check refuses it).
                    selectedInfo.clear();
                    if (length > 0 && length <= kPathSize)
                        DescribeIcoPath(lastSelectedPath, selectedInfo);
                    else
                        lastSelectedPath[0] = '\0';
                    SetDlgItemTextA(panel, kSelectedEdit, selectedInfo.c_str());
                    break;
                }
                case CDN_FOLDERCHANGE: {
                    char folder[kPathSize] = {};
                    const LRESULT length =
                        SendMessageA(dialog, CDM_GETFOLDERPATH, kPathSize, reinterpret_cast<LPARAM>(folder));
                    if (length <= kPathSize) SetDlgItemTextA(panel, kSelectedEdit, "");
                    break;
                }
            }
            return 0;
        }
    }
    return 0;
}

void RepaintReplaceButton(HWND window) { RepaintBarButton(window, "Replc"); }

// The in-place write, after the user confirmed it. The file is either fully
// changed or left as it was; the backup is made first.
void ReplaceIcon(HWND window, const char* icoPath) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    std::vector<uint8_t> image;
    {
        FileSource ico(icoPath);
        if (!ico.IsOpen()) {
            ShowMessage(window, *ChangeMessage(ChangeKind::IconReplace, ChangeResult::NewImageUnreadable));
            return;
        }
        FileSource file(inspector.openPath);
        const ChangeResult check = file.IsOpen() ? CheckIconReplacement(file, inspector.Current(), ico, image)
                                                 : ChangeResult::SourceUnreadable;
        if (check != ChangeResult::Done) {
            ShowMessage(window, *ChangeMessage(ChangeKind::IconReplace, check));
            return;
        }
    }
    WaitCursor();
    SetWindowTextA(window, frame.program->englishName);
    // Room for the backup and for the new content beside the file.
    if (!HasFreeSpace(inspector.openPath, SpaceForChangeInPlace(inspector.fileSize))) {
        ArrowCursor();
        ShowMessage(window, kNoFreeSpace);
        return;
    }
    Win32FileSystem fs;
    const BackupName backup = NextBackupName(fs, inspector.openPath);
    if (backup.wrapped) {
        ArrowCursor();
        ShowMessage(window, BackupWrappedMessage());
        WaitCursor();
    }
    const ChangeResult result =
        ChangeInPlace(fs, inspector.openPath, backup.path, inspector.Current().headerOffset, image);
    ArrowCursor();
    const std::string backupName = FileNamePart(backup.path);
    if (result != ChangeResult::Done) {
        ShowMessageFormatted(window, *ChangeMessage(ChangeKind::IconReplace, result), backupName.c_str());
        return;
    }
    ShowNewIcon(window);
    ShowMessageFormatted(window, SavedAsMessage(), backupName.c_str());
}

enum class Reply { End, AskAgain, Replace };

Reply Confirm(HWND window, const char* path) {
    // A name typed rather than picked in the list has not been described by
    // the panel yet: describe it now, so that the user confirms what will be written.
    if (lstrcmpiA(path, lastSelectedPath) != 0) {
        selectedInfo.clear();
        DescribeIcoPath(path, selectedInfo);
    }
    const bool j = frame.japanese;
    const std::string text = std::string(kReplaceableLine.Text(j)) + inspector.replaceableInfo +
                             kSelectedLine.Text(j) + selectedInfo;
    switch (MessageBoxA(window, text.c_str(), kReplaceConfirmation.Caption(j), MB_ICONQUESTION | MB_YESNOCANCEL)) {
        case IDYES: return Reply::Replace;
        case IDNO: return Reply::AskAgain;
        default: return Reply::End;
    }
}

}  // namespace

void ReplaceIconCommand(HWND window) {
    if (!inspector.HasImage() || inspector.icoFileMode) return;
    static const char kFilter[] = "Icon (*.ico)\0*.ico\0";
    char path[kPathSize];
    for (;;) {
        std::memset(path, 0, sizeof path);
        std::memset(lastSelectedPath, 0, sizeof lastSelectedPath);
        selectedInfo.clear();
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = window;
        dialog.hInstance = frame.instance;
        dialog.lpstrFilter = kFilter;
        dialog.lpstrFile = path;
        dialog.nMaxFile = kPathSize;
        dialog.lpstrTitle = kReplaceTitle.Text(frame.japanese);
        dialog.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        dialog.lpfnHook = ReplaceHook;
        dialog.lpTemplateName = MAKEINTRESOURCEA(frame.japanese ? kReplacePanelJ : kReplacePanel);
        if (!GetOpenFileNameA(&dialog)) {
            const DWORD error = CommDlgExtendedError();
            if (error == 0)
                RepaintReplaceButton(window);
            else
                ShowMessageFormatted(window, kReplaceDialogFailed, static_cast<unsigned long>(error));
            return;
        }
        RepaintReplaceButton(window);
        if (lstrcmpiA(path, frame.programPath) == 0) {
            ShowMessage(window, kOpenMyself);
            return;
        }
        if (!FileExists(path)) {
            ShowMessage(window, NoSelectedFileMessage());
            return;
        }
        if (!HasReplacementExtension(ChangeKind::IconReplace, path)) {
            ShowMessage(window, WrongReplacementNameMessage(ChangeKind::IconReplace));
            return;
        }
        switch (Confirm(window, path)) {
            case Reply::End: return;
            case Reply::AskAgain: continue;
            case Reply::Replace: ReplaceIcon(window, path); return;
        }
    }
}
