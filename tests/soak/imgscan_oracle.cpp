#include "tests/soak/imgscan_oracle.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "tests/e2e/desktop.h"
#include "tests/soak/soak.h"

namespace {

// "16M ", "2 ", "16 ", "256 " or nothing, by the number of palette entries.
std::string ColourWord(int64_t colorCount) {
    if (colorCount == 0) return "16M ";
    if (colorCount >= 1 && colorCount <= 2) return "2 ";
    if (colorCount >= 3 && colorCount <= 16) return "16 ";
    if (colorCount >= 17 && colorCount <= 256) return "256 ";
    return "";
}

std::string Hex8(int64_t offset) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(offset));
    return text;
}

// The number after "key": in one JSON object (the listing's flat entries).
int64_t Number(const std::string& object, const char* key) {
    const std::string quoted = std::string("\"") + key + "\": ";
    const size_t at = object.find(quoted);
    return at == std::string::npos ? 0 : std::strtoll(object.c_str() + at + quoted.size(), nullptr, 10);
}

Listing ParseListing(const std::string& json) {
    Listing listing;
    listing.limitReached = json.find("\"limitReached\": true") != std::string::npos;
    size_t at = json.find("\"entries\": [");
    while (at != std::string::npos) {
        const size_t open = json.find('{', at), close = json.find('}', open);
        if (open == std::string::npos || close == std::string::npos) break;
        const std::string object = json.substr(open, close - open + 1);
        ListedImage e;
        e.headerOffset = Number(object, "headerOffset");
        e.width = Number(object, "width");
        e.height = Number(object, "height");
        e.bitCount = Number(object, "bitCount");
        e.colorCount = Number(object, "colorCount");
        e.imageSize = Number(object, "imageSize");
        e.maskSize = Number(object, "maskSize");
        e.compressed = Number(object, "isCompressed") != 0;
        listing.entries.push_back(e);
        at = close;
    }
    return listing;
}

std::string SearchWords(Search search) {
    switch (search) {
        case Search::Icons: return "icons";
        case Search::GalleryIcons: return "icons --gallery";
        case Search::Bitmaps: return "bitmaps";
    }
    return "";
}

std::string TextOf(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

FoundImage AsFound(const ListedImage& e) {
    FoundImage found;
    found.headerOffset = static_cast<int32_t>(e.headerOffset);
    found.width = static_cast<int32_t>(e.width);
    found.height = static_cast<int32_t>(e.height);
    found.bitCount = static_cast<int32_t>(e.bitCount);
    found.colorCount = static_cast<int32_t>(e.colorCount);
    found.imageSize = static_cast<int32_t>(e.imageSize);
    found.maskSize = static_cast<int32_t>(e.maskSize);
    found.isCompressed = e.compressed ? 1 : 0;
    return found;
}

std::string IconWords(const ListedImage& e) {
    return std::to_string(e.width) + " x " + std::to_string(e.height / 2) + " x " + ColourWord(e.colorCount) + "(" +
           std::to_string(4 * e.colorCount + e.imageSize + 62) + " Bytes)";
}

std::string BitmapWords(const ListedImage& e) {
    return std::to_string(e.width) + " x " + std::to_string(e.height) + " x " + ColourWord(e.colorCount) +
           (e.compressed ? "RLE (" : "RGB (") + std::to_string(54 + 4 * e.colorCount + e.imageSize) + " Bytes)";
}

std::string InspectorTitle(Search search, const ListedImage& e, bool fileMode) {
    const bool icons = search != Search::Bitmaps;
    return std::string(icons ? "Icon [ " : "Bitmap [ ") + (icons ? IconWords(e) : BitmapWords(e)) +
           (fileMode ? "" : " at " + Hex8(e.headerOffset)) + " ]";
}

std::string ContentKey(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadBytes(path);
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char b : bytes) hash = (hash ^ b) * 1099511628211ull;
    char key[48];
    std::snprintf(key, sizeof key, "%zu:%016llx", bytes.size(), static_cast<unsigned long long>(hash));
    return key;
}

Imgscan::Imgscan(std::string exe, std::string scratch) : exe_(std::move(exe)), scratch_(std::move(scratch)) {
    CreateDirectoryA(scratch_.c_str(), nullptr);
}

int Imgscan::Run(const std::string& arguments, std::string& out, std::string& err) {
    ++runs_;
    const std::string outPath = scratch_ + "\\out.txt", errPath = scratch_ + "\\err.txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outFile = CreateFileA(outPath.c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS, 0, nullptr);
    HANDLE errFile = CreateFileA(errPath.c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS, 0, nullptr);
    Require(outFile != INVALID_HANDLE_VALUE && errFile != INVALID_HANDLE_VALUE, "imgscan's output cannot be kept in " + scratch_ + " (error " + std::to_string(GetLastError()) + ")");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outFile;
    startup.hStdError = errFile;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + exe_ + "\" " + arguments;
    int status = -1;
    if (CreateProcessA(exe_.c_str(), command.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr,
                       &startup, &process)) {
        DWORD code = 0;
        if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0 && GetExitCodeProcess(process.hProcess, &code))
            status = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(outFile);
    CloseHandle(errFile);
    out = TextOf(outPath);
    err = TextOf(errPath);
    return status;
}

const Listing& Imgscan::List(Search search, const std::string& path) {
    const std::string key = SearchWords(search) + "|" + path + "|" + ContentKey(path);
    auto known = listings_.find(key);
    if (known != listings_.end()) return known->second;
    std::string out, err;
    const int status = Run(SearchWords(search) + " --json \"" + path + "\"", out, err);
    Require(status >= 0 && status <= 2, "imgscan failed on " + path + " (status " + std::to_string(status) + ")");
    Listing listing = status == 2 ? Listing{} : ParseListing(out);
    listing.refused = status == 2 || status < 0;
    while (!err.empty() && (err.back() == '\n' || err.back() == '\r')) err.pop_back();
    listing.message = err;
    return listings_[key] = listing;
}
