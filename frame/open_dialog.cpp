#include "frame/open_dialog.h"

#include <cstring>

#include "frame/button_bar.h"
#include "frame/dropped_file.h"
#include "frame/file_dialog.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "texts/change_messages.h"

namespace {

enum class Check { Accepted, Refused, AskAgain };

Check CheckChoice(HWND window, const OpenRules& rules, const char* path) {
    if (lstrcmpiA(path, frame.programPath) == 0) {
        ShowMessage(window, *rules.ownFile);
        return Check::Refused;
    }
    if (IsRefusedDrive(DriveRoot(path))) {
        ShowMessage(window, frame_texts::kOpenRemovable);
        return Check::Refused;
    }
    const bool image = rules.imageExtension != nullptr && HasExtension(path, rules.imageExtension);
    if (!HasExtension(path, ".EXE") && !HasExtension(path, ".DLL") && !image) {
        ShowMessage(window, *rules.wrongExtension);
        return Check::AskAgain;
    }
    if (!FileExists(path) || IsFolder(path)) {
        ShowMessage(window, NoSelectedFileMessage());
        return Check::AskAgain;
    }
    return Check::Accepted;
}

}  // namespace

std::string ChooseFileToOpen(HWND window, const OpenRules& rules) {
    // A dropped file meets the same checks; one it fails is refused.
    const std::string& dropped = DroppedFile();
    if (!dropped.empty()) return CheckChoice(window, rules, dropped.c_str()) == Check::Accepted ? dropped : "";
    char path[kPathSize];
    for (;;) {
        OPENFILENAMEA dialog = FileDialog(window, rules.filter, frame_texts::kOpenTitle.Text(frame.japanese), path);
        dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        const bool chosen = GetOpenFileNameA(&dialog) != FALSE;
        const DWORD error = chosen ? 0 : CommDlgExtendedError();
        if (error != 0) {
            ShowMessageFormatted(window, frame_texts::kOpenDialogFailed, static_cast<unsigned long>(error));
            return "";
        }
        RepaintBarButton(window, "Open");
        if (!chosen) return "";
        switch (CheckChoice(window, rules, path)) {
            case Check::Accepted: return path;
            case Check::Refused: return "";
            case Check::AskAgain: break;
        }
    }
}

bool HasExtension(const std::string& path, const char* extension) {
    const size_t length = path.size(), extensionLength = std::strlen(extension);
    return length >= extensionLength && lstrcmpiA(path.c_str() + length - extensionLength, extension) == 0;
}
