#include "cli/write_commands.h"

#include "fileops/gallery_save.h"

#include <ostream>

#include "cli/arguments.h"
#include "cli/local_file_system.h"
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

// The entries of FILE as the program that owns the command finds them.
struct Search {
    SearchKind kind = SearchKind::Icons;
    std::string path;
    ScanResult result;
};

int RunSearch(SearchKind kind, const std::string& path, Search& search, std::ostream& err) {
    const bool icons = IsIconSearch(kind);
    const bool fileMode = kind != SearchKind::GalleryIcons && kind != SearchKind::GalleryBitmaps &&
                          EndsWithNoCase(path, icons ? ".ico" : ".bmp");
    ScanOptions options;
    options.kind = kind;
    options.icoPrecheck = kind == SearchKind::Icons && fileMode;
    search.kind = kind;
    search.path = path;
    search.result = ScanFile(path, options);
    if (search.result.entries.empty()) {
        const Message* message = SearchMessage(kind, search.result.outcome, fileMode);
        if (message != nullptr) err << message->english << "\n";
        return kError;
    }
    return kWritten;
}

bool ParseIndex(const std::string& text, size_t& index) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    index = static_cast<size_t>(std::stoul(text));
    return true;
}

bool ParseColor(const std::string& text, ColorRef& color) {
    if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
    const unsigned long rgb = std::stoul(text, nullptr, 16);
    color = MakeColorRef(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb));
    return true;
}

// FILE INDEX TARGET, after the search of `kind`: the entry chosen.
int FindEntry(SearchKind kind, const Arguments& args, FoundImage& entry, std::ostream& err) {
    if (args.positional.size() != 3) {
        err << "imgscan: expected FILE INDEX and a third file name\n";
        return kError;
    }
    size_t index = 0;
    if (!ParseIndex(args.positional[1], index)) {
        err << "imgscan: INDEX must be a number, not " << args.positional[1] << "\n";
        return kError;
    }
    Search search;
    if (RunSearch(kind, args.positional[0], search, err) != kWritten) return kError;
    if (index >= search.result.entries.size()) {
        err << "imgscan: no entry " << index << " (" << search.result.entries.size() << " found)\n";
        return kError;
    }
    entry = search.result.entries[index];
    return kWritten;
}

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
    const std::set<std::string> flags = command == "extract-icon" ? std::set<std::string>{"--gallery"}
                                                                  : std::set<std::string>{};
    const std::set<std::string> values = command == "render-icon" ? std::set<std::string>{"--mask-color"}
                                                                  : std::set<std::string>{};
    if (!ParseArguments(words, flags, values, args, error)) {
        err << "imgscan: " << error << "\n";
        return kError;
    }
    ColorRef mask = kDefaultMaskColor;
    if (const std::string* text = args.Value("--mask-color"); text != nullptr && !ParseColor(*text, mask)) {
        err << "imgscan: --mask-color takes RRGGBB, not " << *text << "\n";
        return kError;
    }
    const SearchKind kind = !icon ? SearchKind::Bitmaps : args.Has("--gallery") ? SearchKind::GalleryIcons
                                                                                 : SearchKind::Icons;
    FoundImage entry;
    if (FindEntry(kind, args, entry, err) != kWritten) return kError;

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
    if (!ParseArguments(words, {"--gallery"}, {}, args, error) || args.positional.size() != 3 ||
        (args.positional[0] != "icons" && args.positional[0] != "bitmaps")) {
        err << "imgscan: " << (error.empty() ? "expected icons|bitmaps FILE OUTDIR" : error) << "\n";
        return kError;
    }
    const bool icons = args.positional[0] == "icons";
    const bool gallery = args.Has("--gallery");
    const SearchKind kind = icons ? (gallery ? SearchKind::GalleryIcons : SearchKind::Icons)
                                  : (gallery ? SearchKind::GalleryBitmaps : SearchKind::Bitmaps);
    Search search;
    if (RunSearch(kind, args.positional[1], search, err) != kWritten) return kError;

    FileSystem& fs = LocalFileSystem();
    FileSource source(search.path);
    const std::string stem = NameStem(search.path);
    const DisplayCopyKind copyKind = icons ? DisplayCopyKind::Icon : DisplayCopyKind::Bitmap;
    for (size_t i = 0; i < search.result.entries.size(); ++i) {
        const std::string target = Numbered(args.positional[2], stem, i, icons ? ".ICO" : ".BMP");
        const FoundImage& entry = search.result.entries[i];
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
    if (!ParseArguments(words, {}, {}, args, error)) {
        err << "imgscan: " << error << "\n";
        return kError;
    }
    FoundImage entry;
    if (FindEntry(icon ? SearchKind::Icons : SearchKind::Bitmaps, args, entry, err) != kWritten) return kError;

    FileSystem& fs = LocalFileSystem();
    const std::string& path = args.positional[0];
    const std::string& replacement = args.positional[2];
    if (!fs.Exists(replacement)) {
        err << NoSelectedFileMessage().english << "\n";
        return kError;
    }
    if (!HasReplacementExtension(change, replacement)) {
        err << WrongReplacementNameMessage(change).english << "\n";
        return kError;
    }
    const ChangeOutcome outcome =
        icon ? ReplaceIcon(fs, path, entry, replacement) : ReplaceBitmap(fs, path, entry, replacement);
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
           command == "extract" || command == "replace-icon" || command == "replace-bitmap";
}

int RunWriteCommand(const std::string& command, const std::vector<std::string>& words, std::ostream& out,
                    std::ostream& err) {
    if (command == "extract") return ExtractAll(words, out, err);
    if (command == "replace-icon" || command == "replace-bitmap") return Replace(command, words, out, err);
    return ExtractOne(command, words, out, err);
}
