#include "inspector/change_in_place.h"

#include "fileops/backup_numbering.h"
#include "fileops/file_system.h"
#include "fileops/in_place_change.h"
#include "fileops/pe_image.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/win32_file_system.h"

namespace {

// A change in place leaves an Authenticode signature invalid: for a signed PE
// file the user says Yes first (No, the default: nothing changes). A file
// that cannot be read is left to the change, which reports it.
bool SignatureMayBreak(HWND window, const std::string& path) {
    PeFacts pe;
    {
        FileSource file(path);
        if (!file.IsOpen() || !ReadPeFacts(file, pe)) return true;
    }
    return !pe.Signed() || ShowMessage(window, SignatureQuestionMessage(), MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

}  // namespace

bool ReadReplacement(HWND window, ChangeKind kind, const std::string& path, const FoundImage& entry,
                     const char* chosenPath, ReplacementCheck check, std::vector<uint8_t>& image) {
    // The window shows the file again before the files are read.
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    FileSource chosen(chosenPath);
    if (!chosen.IsOpen()) {
        ShowMessage(window, *ChangeMessage(kind, ChangeResult::NewImageUnreadable));
        return false;
    }
    FileSource file(path);
    const ChangeResult result = file.IsOpen() ? check(file, entry, chosen, image) : ChangeResult::SourceUnreadable;
    if (result == ChangeResult::Done) return true;
    ShowMessage(window, *ChangeMessage(kind, result));
    return false;
}

InPlaceChange ChangeFileInPlace(HWND window, ChangeKind kind, const std::string& path, int64_t fileSize,
                                int64_t offset, const std::vector<uint8_t>& bytes) {
    InPlaceChange change;
    if (!SignatureMayBreak(window, path)) return change;
    WaitCursor();
    SetWindowTextA(window, frame.program->englishName);
    // Room for the backup and for the new content beside the file.
    if (!HasFreeSpace(path, SpaceForChangeInPlace(fileSize))) {
        ArrowCursor();
        ShowMessage(window, frame_texts::kNoFreeSpace);
        return change;
    }
    Win32FileSystem fs;
    const BackupName backup = NextBackupName(fs, path);
    if (backup.wrapped) {
        ArrowCursor();
        ShowMessage(window, BackupWrappedMessage());
        WaitCursor();
    }
    const ChangeResult result = ChangeInPlace(fs, path, backup.path, offset, bytes);
    change.done = result == ChangeResult::Done;
    change.backupName = FileNamePart(backup.path);
    ArrowCursor();
    if (!change.done) ShowMessageFormatted(window, *ChangeMessage(kind, result), change.backupName.c_str());
    return change;
}
