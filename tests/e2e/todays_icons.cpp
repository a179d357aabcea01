#include "tests/e2e/todays_icons.h"

#include "imaging/bmp_layout.h"
#include "imaging/ico_layout.h"
#include "imaging/png_file.h"
#include "scan/image_scanner.h"
#include "tests/e2e/desktop.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A 32-bit icon image: a colour ramp whose alpha grows from 0 at the left to
// 255 at the right, or (`maskOnly`) whose alpha is all 0 and whose AND mask
// makes its left quarter transparent.
Bytes Dib32(int width, int height, bool maskOnly) {
    const int andRow = (width + 31) / 32 * 4;
    Bytes image(40, 0);
    PutU32(image, 0, 40);
    PutU32(image, 4, static_cast<uint32_t>(width));
    PutU32(image, 8, static_cast<uint32_t>(2 * height));
    PutU16(image, 12, 1);
    PutU16(image, 14, 32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.insert(image.end(), {static_cast<uint8_t>(7 * x + 3 * y), static_cast<uint8_t>(5 * y),
                                       static_cast<uint8_t>(200 - x),
                                       static_cast<uint8_t>(maskOnly ? 0 : x * 255 / (width - 1))});
    for (int y = 0; y < height; ++y) {
        Bytes row(static_cast<size_t>(andRow), 0);
        if (maskOnly)
            for (int x = 0; x < width / 4; ++x) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        image.insert(image.end(), row.begin(), row.end());
    }
    return image;
}

// A PNG icon image: red across, green down, alpha growing along the diagonal.
Bytes Png(int side) {
    RgbaImage picture;
    const uint8_t clear[4] = {0, 0, 0, 0};
    MakeImage(side, side, clear, picture);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            uint8_t* p = picture.At(x, y);
            p[0] = static_cast<uint8_t>(x * 255 / (side - 1));
            p[1] = static_cast<uint8_t>(y * 255 / (side - 1));
            p[2] = 128;
            p[3] = static_cast<uint8_t>((x + y) * 255 / (2 * side - 2));
        }
    Bytes png;
    EncodePng(picture, true, png);
    return png;
}

void Append(std::vector<unsigned char>& file, const Bytes& image) {
    file.insert(file.end(), image.begin(), image.end());
    file.resize(file.size() + 16, 0);
}

std::string Library(const char* name, bool withClassic) {
    std::vector<unsigned char> file(64, 0);
    if (withClassic) {
        const std::string sample = Work("sample.exe");
        FileSource source(sample);
        ScanOptions options;
        for (const FoundImage& icon : ScanFile(sample, options).entries) {
            Bytes ico;
            BuildIconFile(source, icon, ico);
            Append(file, Bytes(ico.begin() + kIcoDirectorySize, ico.end()));
        }
    }
    Append(file, Dib32(32, 32, false));
    Append(file, Dib32(48, 48, false));
    Append(file, Dib32(16, 16, true));
    Append(file, Png(64));
    Append(file, Png(256));
    file.resize(file.size() + 48, 0);
    WriteBytes(Work(name), file);
    return Work(name);
}

// Runs imgscan with `words`; what it prints on standard output.
std::string RunImgscan(const std::string& words) {
    // A file of its own for every run: Wine may still hold the last one for a moment.
    static int runs = 0;
    const std::string exe = Work("sample.exe"), printed = Work("imgscan-output-" + std::to_string(++runs) + ".txt");
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE out = CreateFileA(printed.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE none = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = none;
    std::string command = "\"" + exe + "\" " + words;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, 120000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(none);
    const std::vector<unsigned char> bytes = ReadBytes(printed);
    DeleteFileA(printed.c_str());
    return std::string(bytes.begin(), bytes.end());
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

std::string TodaysIconsDll(const char* name) { return Library(name, true); }
std::string ModernOnlyDll(const char* name) { return Library(name, false); }

std::vector<ListedIcon> ImgscanIcons(const std::string& options, const std::string& path) {
    std::vector<ListedIcon> icons;
    const std::string text = RunImgscan("icons " + options + " " + Quoted(path));
    // "    0  0001A2B0  32 x 32 x 16 (766 Bytes)"
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 17) icons.push_back({line.substr(7, 8), line.substr(17)});
        start = end + 1;
    }
    return icons;
}

std::string InspectorTitle(const ListedIcon& icon) { return "Icon [ " + icon.words + " at " + icon.offset + " ]"; }

bool IsModern(const ListedIcon& icon) {
    return icon.words.find("32-bit") != std::string::npos || icon.words.find("PNG") != std::string::npos;
}

RgbaImage ImgscanPicture(const std::string& words, const std::string& png) {
    const std::vector<unsigned char> bytes = ImgscanFile(words, png);
    RgbaImage picture;
    if (!DecodePng(bytes.data(), bytes.size(), 1 << 14, picture)) return RgbaImage{};
    return picture;
}

std::vector<unsigned char> ImgscanFile(const std::string& words, const std::string& out) {
    // Never the last run's file (Wine may hold it for a moment).
    if (!WaitFor([&] { return DeleteFileA(out.c_str()) || !FileExists(out); }, 5000)) return {};
    RunImgscan(words);
    return ReadBytes(out);
}
