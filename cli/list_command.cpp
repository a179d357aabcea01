#include "cli/list_command.h"

#include <cstdio>
#include <ostream>

#include "cli/arguments.h"
#include "scan/image_description.h"
#include "texts/search_messages.h"

namespace {

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (u < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", u);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string Field(const char* name, long long value) { return std::string("\"") + name + "\": " + std::to_string(value); }

}  // namespace

std::string ListJson(const std::string& path, SearchKind kind, const ScanResult& result) {
    const bool icons = IsIconSearch(kind);
    const bool gallery = kind == SearchKind::GalleryIcons || kind == SearchKind::GalleryBitmaps;
    std::string json = "{\"file\": " + JsonString(path) + ", " + Field("fileSize", result.fileSize) +
                       ", \"kind\": " + (icons ? "\"icons\"" : "\"bitmaps\"") +
                       ", \"gallery\": " + (gallery ? "true" : "false") + ", \"limitReached\": " +
                       (result.outcome == ScanOutcome::LimitReached ? "true" : "false") + ", \"entries\": [";
    for (size_t i = 0; i < result.entries.size(); ++i) {
        const FoundImage& e = result.entries[i];
        if (i > 0) json += ", ";
        json += "{" + Field("index", static_cast<long long>(i)) + ", " + Field("headerOffset", e.headerOffset) + ", " +
                Field("width", e.width) + ", " + Field("height", e.height) + ", " + Field("bitCount", e.bitCount) +
                ", " + Field("colorCount", e.colorCount) + ", " + Field("imageSize", e.imageSize) + ", " +
                Field("maskSize", icons ? e.maskSize : 0) + ", " + Field("isCompressed", e.isCompressed) + "}";
    }
    return json + "]}";
}

int RunListCommand(SearchKind kind, const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const bool icons = IsIconSearch(kind);
    Arguments args;
    std::string error;
    const std::set<std::string> flags = icons ? std::set<std::string>{"--gallery", "--no-limit", "--json"}
                                              : std::set<std::string>{"--no-limit", "--json"};
    if (!ParseArguments(words, flags, {}, args, error) || args.positional.size() != 1) {
        err << "imgscan: " << (error.empty() ? "expected one FILE" : error) << "\n";
        return 2;
    }
    const std::string& path = args.positional[0];
    if (args.Has("--gallery")) kind = SearchKind::GalleryIcons;
    const bool fileMode = kind != SearchKind::GalleryIcons && EndsWithNoCase(path, icons ? ".ico" : ".bmp");

    ScanOptions options;
    options.kind = kind;
    options.icoPrecheck = kind == SearchKind::Icons && fileMode;
    options.limit = args.Has("--no-limit") ? 0 : kTableLimit;
    const ScanResult result = ScanFile(path, options);

    const Message* message = SearchMessage(kind, result.outcome, fileMode);
    if (message != nullptr) err << message->english << "\n";
    if (result.outcome == ScanOutcome::OpenFailed || result.outcome == ScanOutcome::IcoCountNotOne) return 2;

    if (args.Has("--json")) {
        out << ListJson(path, kind, result) << "\n";
    } else {
        for (size_t i = 0; i < result.entries.size(); ++i) {
            const FoundImage& e = result.entries[i];
            char index[24];
            std::snprintf(index, sizeof index, "%5zu", i);
            out << index << "  " << HexOffset(e.headerOffset) << "  " << (icons ? DescribeIcon(e) : DescribeBitmap(e))
                << "\n";
        }
    }
    return result.entries.empty() ? 1 : 0;
}
