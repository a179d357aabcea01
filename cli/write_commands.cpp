#include "cli/write_commands.h"

#include "fileops/gallery_save.h"

#include <ostream>

#include "cli/arguments.h"
#include "cli/local_file_system.h"
#include "cli/picture_commands.h"
#include "cli/search.h"
#include "cli/signature_warning.h"
#include "fileops/bitmap_replacement.h"
#include "fileops/display_copy_file.h"
#include "fileops/gallery_save.h"
#include "fileops/icon_replacement.h"
#include "texts/change_messages.h"
#include "texts/image_messages.h"
#include "texts/search_messages.h"

namespace {

constexpr int kWritten = 0;
constexpr int kError = 2;

int Report(DisplayCopyResult result, DisplayCopyKind kind, bool saving, const std::string& target, std::ostream& out,
           std::ostream& err) {
    if (result == DisplayCopyResult::Written) {
        out << target << "\n";
        return kWritten;
    }
    // A file that cannot be written is a target file when saving, the display copy when rendering.
    const Message* message = saving && result == DisplayCopyResult::NotWritten ? &TargetNotMadeMessage()
                                                                              : DisplayCopyMessage(kind, result);
    err << message->english << "\n";
    return kError;
}

int ExtractOne(const std::string& command, const std::vector<std::string>& words, std::ostream& out,
               std::ostream& err) {
    const bool icon = command != "extract-bitmap";
    Arguments args;
    std::string error;
    const std::set<std::string> flags = command == "extract-icon" ? std::set<std::string>{"--gallery", "--all-kinds"}
                                                                  : std::set<std::string>{};
    const std::set<std::string> values = command == "render-icon" ? std::set<std::string>{"--mask-color"}
                                                                  : std::set<std::string>{};
    if (!ParseArguments(words, flags, values, args, error)) {
        err << "imgscan: " << error << "\n";
        return kError;
    }
    ColorRef mask = kDefaultMaskColor;
    if (!MaskColorOption(args, mask, err)) return kError;
    ScanOptions options;
    options.kind = !icon ? SearchKind::Bitmaps : args.Has("--gallery") ? SearchKind::GalleryIcons : SearchKind::Icons;
    options.allKinds = args.Has("--all-kinds");
    FoundImage entry;
    if (!FindEntry(options, args, entry, err)) return kError;

    FileSystem& fs = LocalFileSystem();
    FileSource source(args.positional[0]);
    const std::string& target = args.positional[2];
    const DisplayCopyKind copyKind = icon ? DisplayCopyKind::Icon : DisplayCopyKind::Bitmap;
    if (command == "render-icon") {
        int64_t icoFileSize = 0;
        return Report(WriteIconDisplayCopy(source, entry, mask, fs, target, icoFileSize), copyKind, false, target, out,
                      err);
    }
    const DisplayCopyResult result =
        icon ? WriteIconFile(source, entry, fs, target) : WriteBitmapFile(source, entry, fs, target);
    return Report(result, copyKind, true, target, out, err);
}

// "app" of "dir/app.exe": the name the numbered files are made from.
std::string NameStem(const std::string& path) {
    const std::string name = FileNamePart(path);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string Numbered(const std::string& dir, const std::string& stem, size_t index, const char* extension) {
    const bool separated = dir.empty() || dir.back() == '/' || dir.back() == '\\';
    return NumberedName(dir + (separated ? "" : "/") + stem, index, extension);
}

int ExtractAll(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    Arguments args;
    std::string error;
    if (!ParseArguments(words, {"--gallery", "--all-kinds"}, {}, args, error) || args.positional.size() != 3 ||
        (args.positional[0] != "icons" && args.positional[0] != "bitmaps")) {
        err << "imgscan: " << (error.empty() ? "expected icons|bitmaps FILE OUTDIR" : error) << "\n";
        return kError;
    }
    const bool icons = args.positional[0] == "icons";
    const bool gallery = args.Has("--gallery");
    ScanOptions options;
    options.kind = icons ? (gallery ? SearchKind::GalleryIcons : SearchKind::Icons)
                         : (gallery ? SearchKind::GalleryBitmaps : SearchKind::Bitmaps);
    options.allKinds = icons && args.Has("--all-kinds");
    const std::string& path = args.positional[1];
    ScanResult found;
    if (!SearchWithMessage(path, options, found, err)) return kError;

    FileSystem& fs = LocalFileSystem();
    FileSource source(path);
    const std::string stem = NameStem(path);
    const DisplayCopyKind copyKind = icons ? DisplayCopyKind::Icon : DisplayCopyKind::Bitmap;
    for (size_t i = 0; i < found.entries.size(); ++i) {
        const std::string target = Numbered(args.positional[2], stem, i, icons ? ".ICO" : ".BMP");
        const FoundImage& entry = found.entries[i];
        const DisplayCopyResult result =
            icons ? WriteIconFile(source, entry, fs, target) : WriteBitmapFile(source, entry, fs, target);
        if (Report(result, copyKind, true, target, out, err) != kWritten) return kError;
    }
    err << SavedAllMessage(copyKind).english << "\n";
    return kWritten;
}

int Replace(const std::string& command, const std::vector<std::string>& words, std::ostream& out,
            std::ostream& err) {
    const bool icon = command == "replace-icon";
    const ChangeKind change = icon ? ChangeKind::IconReplace : ChangeKind::BitmapReplace;
    Arguments args;
    std::string error;
    if (!ParseArguments(words, {"--update-checksum"}, {}, args, error)) {
        err << "imgscan: " << error << "\n";
        return kError;
    }
    ScanOptions options;
    options.kind = icon ? SearchKind::Icons : SearchKind::Bitmaps;
    FoundImage entry;
    if (!FindEntry(options, args, entry, err)) return kError;

    FileSystem& fs = LocalFileSystem();
    const std::string& path = args.positional[0];
    const std::string& replacement = args.positional[2];
    if (!IsRegularFile(replacement)) {  // also what does not exist
        err << NoSelectedFileMessage().english << "\n";
        return kError;
    }
    if (!HasReplacementExtension(change, replacement)) {
        err << WrongReplacementNameMessage(change).english << "\n";
        return kError;
    }
    const MorePatches notes = PeChangeNotes(path, args.Has("--update-checksum"), err);
    const ChangeOutcome outcome = icon ? ReplaceIcon(fs, path, entry, replacement, notes)
                                       : ReplaceBitmap(fs, path, entry, replacement, notes);
    if (outcome.backupWrapped) err << BackupWrappedMessage().english << "\n";
    if (outcome.result != ChangeResult::Done) {
        err << FormatText(ChangeMessage(change, outcome.result)->english, FileNamePart(outcome.backupPath)) << "\n";
        return kError;
    }
    out << outcome.backupPath << "\n";
    err << FormatText(SavedAsMessage().english, FileNamePart(outcome.backupPath)) << "\n";
    return kWritten;
}

}  // namespace

bool IsWriteCommand(const std::string& command) {
    return command == "extract-icon" || command == "extract-bitmap" || command == "render-icon" ||
           command == "extract" || command == "replace-icon" || command == "replace-bitmap" || IsPictureCommand(command, {});
}

int RunWriteCommand(const std::string& command, const std::vector<std::string>& words, std::ostream& out,
                    std::ostream& err) {
    if (IsPictureCommand(command, words)) return RunPictureCommand(command, words, out, err);
    if (command == "extract") return ExtractAll(words, out, err);
    if (command == "replace-icon" || command == "replace-bitmap") return Replace(command, words, out, err);
    return ExtractOne(command, words, out, err);
}
