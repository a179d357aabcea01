#include "cli/search.h"

#include <ostream>

#include "fileops/file_system.h"
#include "scan/modern_icons.h"
#include "texts/search_messages.h"

bool InFileMode(SearchKind kind, const std::string& path) {
    if (kind == SearchKind::GalleryIcons || kind == SearchKind::GalleryBitmaps) return false;
    return EndsWithNoCase(path, IsIconSearch(kind) ? ".ico" : ".bmp");
}

ScanResult SearchFile(const std::string& path, ScanOptions options) {
    ScanResult result;
    options.icoPrecheck = options.kind == SearchKind::Icons && InFileMode(options.kind, path);
    if (!IsRegularFile(path)) {  // checked before opening: opening a FIFO waits for a writer
        result.outcome = ScanOutcome::OpenFailed;
        return result;
    }
    FileSource file(path);
    if (!file.IsOpen()) {
        result.outcome = ScanOutcome::OpenFailed;
        return result;
    }
    return ScanAllKinds(file, options);
}

bool SearchWithMessage(const std::string& path, const ScanOptions& options, ScanResult& result, std::ostream& err) {
    result = SearchFile(path, options);
    if (!result.entries.empty()) return true;
    const Message* message = SearchMessage(options.kind, result.outcome, InFileMode(options.kind, path));
    if (message != nullptr) err << message->english << "\n";
    return false;
}

namespace {

bool ParseIndex(const std::string& text, size_t& index) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    index = static_cast<size_t>(std::stoul(text));
    return true;
}

}  // namespace

bool FindEntry(const ScanOptions& options, const Arguments& args, FoundImage& entry, std::ostream& err) {
    if (args.positional.size() != 3) {
        err << "imgscan: expected FILE INDEX and a third file name\n";
        return false;
    }
    size_t index = 0;
    if (!ParseIndex(args.positional[1], index)) {
        err << "imgscan: INDEX must be a number, not " << args.positional[1] << "\n";
        return false;
    }
    ScanResult result;
    if (!SearchWithMessage(args.positional[0], options, result, err)) return false;
    if (index >= result.entries.size()) {
        err << "imgscan: no entry " << index << " (" << result.entries.size() << " found)\n";
        return false;
    }
    entry = result.entries[index];
    return true;
}

bool ParseColor(const std::string& text, ColorRef& color) {
    if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
    const unsigned long rgb = std::stoul(text, nullptr, 16);
    color = MakeColorRef(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb));
    return true;
}

bool MaskColorOption(const Arguments& args, ColorRef& color, std::ostream& err) {
    color = kDefaultMaskColor;
    const std::string* text = args.Value("--mask-color");
    if (text == nullptr || ParseColor(*text, color)) return true;
    err << "imgscan: --mask-color takes RRGGBB, not " << *text << "\n";
    return false;
}
