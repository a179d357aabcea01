#include "cli/list_command.h"

#include <cstdio>
#include <ostream>

#include "cli/arguments.h"
#include "cli/search.h"
#include "scan/image_description.h"
#include "texts/search_messages.h"

namespace {

// Length of the valid UTF-8 sequence at text[i], 0 when there is none.
size_t Utf8Length(const std::string& text, size_t i) {
    const auto at = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = at(i);
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size() || at(i + 1) < low || at(i + 1) > high) return 0;
    for (size_t k = 2; k < length; ++k) {
        if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
    }
    return length;
}

// A JSON string: quotes and backslashes escaped, control characters and
// bytes that are not UTF-8 (a path in another encoding) as \u00XX, so that
// the document always parses.
std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        const unsigned char u = static_cast<unsigned char>(c);
        const size_t length = u >= 0x80 ? Utf8Length(text, i) : 0;
        if (length > 0) {
            json.append(text, i, length);
            i += length;
            continue;
        }
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (u < 0x20 || u >= 0x80) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", u);
            json += escape;
        } else {
            json += c;
        }
        ++i;
    }
    return json + "\"";
}

std::string Field(const char* name, long long value) { return std::string("\"") + name + "\": " + std::to_string(value); }

}  // namespace

std::string ListJson(const std::string& path, SearchKind kind, const ScanResult& result, bool withKinds) {
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
                Field("maskSize", icons ? e.maskSize : 0) + ", " + Field("isCompressed", e.isCompressed) +
                (withKinds ? e.format == ImageFormat::Png ? ", \"kind\": \"png\"" : ", \"kind\": \"dib\"" : "") + "}";
    }
    return json + "]}";
}

int RunListCommand(SearchKind kind, const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const bool icons = IsIconSearch(kind);
    Arguments args;
    std::string error;
    const std::set<std::string> flags = icons ? std::set<std::string>{"--gallery", "--no-limit", "--json", "--all-kinds"}
                                              : std::set<std::string>{"--no-limit", "--json"};
    if (!ParseArguments(words, flags, {}, args, error) || args.positional.size() != 1) {
        err << "imgscan: " << (error.empty() ? "expected one FILE" : error) << "\n";
        return 2;
    }
    const std::string& path = args.positional[0];
    if (args.Has("--gallery")) kind = SearchKind::GalleryIcons;
    ScanOptions options;
    options.kind = kind;
    options.limit = args.Has("--no-limit") ? 0 : kTableLimit;
    options.allKinds = args.Has("--all-kinds");
    const ScanResult result = SearchFile(path, options);

    const Message* message = SearchMessage(kind, result.outcome, InFileMode(kind, path));
    if (message != nullptr) err << message->english << "\n";
    if (result.outcome == ScanOutcome::OpenFailed || result.outcome == ScanOutcome::IcoCountNotOne) return 2;

    if (args.Has("--json")) {
        out << ListJson(path, kind, result, options.allKinds) << "\n";
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
