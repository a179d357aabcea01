#include "tests/soak/corpus.h"

#include <windows.h>

#include <algorithm>

#include "imaging/bmp_layout.h"
#include "imaging/ico_layout.h"
#include "tests/e2e/desktop.h"

namespace {

constexpr size_t kLargestSampled = 8u << 20;  // larger modules only when named below

// Modules that hold many images of the kind searched: always in the sample.
std::vector<std::string> RichModules(Search search) {
    if (search == Search::Bitmaps) return {"cryptui.dll", "winemine.exe", "winefile.exe", "taskmgr.exe", "user32.dll"};
    return {"user32.dll", "comdlg32.dll", "regedit.exe", "shell32.dll"};
}

std::vector<std::string> ModuleNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const char* pattern : {"\\*.dll", "\\*.exe"}) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && found.nFileSizeHigh == 0 &&
                found.nFileSizeLow <= kLargestSampled)
                names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end());  // the same sample for the same seed
    return names;
}

std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

class Maker {
public:
    Maker(const CorpusPlan& plan, Imgscan& imgscan, Chance& chance) : plan_(plan), imgscan_(imgscan), chance_(chance) {}

    void Copy(const std::string& from, const std::string& name, FileKind kind, const std::string& label) {
        const std::string to = plan_.folder + "\\" + name;
        if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) return;
        SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
        files_.push_back({to, kind, label});
        if (kind == FileKind::Module) {
            const Listing& listing = imgscan_.List(plan_.search, to);
            if (!listing.entries.empty()) sources_.push_back(to);
        }
    }

    void Write(const std::string& name, const std::vector<unsigned char>& bytes, FileKind kind, const std::string& label) {
        const std::string path = plan_.folder + "\\" + name;
        if (WriteBytes(path, bytes)) files_.push_back({path, kind, label});
    }

    void Add(const std::string& path, FileKind kind, const std::string& label) { files_.push_back({path, kind, label}); }

    // A module with images, one of its images and the module's bytes.
    bool PickImage(std::string& source, ListedImage& image, std::vector<unsigned char>& bytes) {
        if (sources_.empty()) return false;
        source = chance_.Pick(sources_);
        image = chance_.Pick(imgscan_.List(plan_.search, source).entries);
        bytes = ReadBytes(source);
        return !bytes.empty();
    }

    // Files cut inside an image and in its header, headers at the very end,
    // header fields whose sizes overflow, bytes overwritten inside an image.
    void Damage(int count) {
        for (int n = 0; n < count; ++n) {
            std::string source;
            ListedImage e;
            std::vector<unsigned char> bytes;
            if (!PickImage(source, e, bytes)) return;
            const size_t at = static_cast<size_t>(e.headerOffset);
            const size_t body = static_cast<size_t>(4 * e.colorCount + e.imageSize);
            const std::string from = NameOf(source) + " at " + std::to_string(at);
            const std::string name = "damaged" + std::to_string(n);
            switch (n % 6) {
                case 0:
                    Write(name + ".dll", Cut(bytes, at + 40 + static_cast<size_t>(chance_.Below(static_cast<int>(body)))),
                          FileKind::Damaged, "cut inside the image of " + from);
                    break;
                case 1:
                    Write(name + ".exe", Cut(bytes, at + static_cast<size_t>(chance_.Between(1, 39))), FileKind::Damaged,
                          "cut inside the header of " + from);
                    break;
                case 2: {
                    std::vector<unsigned char> end = Cut(bytes, static_cast<size_t>(chance_.Between(64, 70000)));
                    const size_t stop = std::min(bytes.size(), static_cast<size_t>(at + 40 + 4 * e.colorCount));
                    end.insert(end.end(), bytes.begin() + static_cast<ptrdiff_t>(at),
                               bytes.begin() + static_cast<ptrdiff_t>(stop));
                    Write(name + ".dll", end, FileKind::Damaged, "the header and palette of " + from + " at the very end");
                    break;
                }
                case 3: {
                    static const size_t kFields[] = {4, 8, 20, 32};  // width, height, biSizeImage, biClrUsed
                    static const uint32_t kValues[] = {0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x40000000, 0x10000, 0x3FFFFFFF};
                    const size_t field = kFields[chance_.Below(4)];
                    const uint32_t value = kValues[chance_.Below(6)];
                    PutLittle32(bytes, at + field, value);
                    Write(name + ".dll", bytes, FileKind::Damaged,
                          "header field +" + std::to_string(field) + " = " + std::to_string(value) + " in " + from);
                    break;
                }
                case 4:
                    PutLittle32(bytes, at + 4, 0x10000);  // width x height overflows 32 bits
                    PutLittle32(bytes, at + 8, 0x10000);
                    Write(name + ".exe", bytes, FileKind::Damaged, "65536 x 65536 header in " + from);
                    break;
                case 5:
                    for (size_t i = at + 40; i < std::min(bytes.size(), at + 40 + body); ++i)
                        bytes[i] = static_cast<unsigned char>(chance_.Below(256));
                    Write(name + ".dll", bytes, FileKind::Damaged, "random palette and bits in " + from);
                    break;
            }
        }
    }

    // .ico or .bmp files of images of the sample, whole and damaged.
    void Pictures(int count) {
        const bool bitmaps = plan_.search == Search::Bitmaps;
        const std::string extension = bitmaps ? ".bmp" : ".ico";
        for (int n = 0; n < count; ++n) {
            std::string source;
            ListedImage e;
            std::vector<unsigned char> bytes;
            if (!PickImage(source, e, bytes)) return;
            std::vector<unsigned char> picture = PictureOf(source, e);
            if (picture.empty()) continue;
            const std::string name = "picture" + std::to_string(n) + extension;
            const std::string from = NameOf(source) + " at " + std::to_string(e.headerOffset);
            switch (n % 4) {
                case 0:
                case 1: Write(name, picture, FileKind::Picture, "image of " + from); break;
                case 2:
                    Write(name, Cut(picture, static_cast<size_t>(chance_.Between(1, static_cast<int>(picture.size()) - 1))),
                          FileKind::Picture, "cut image of " + from);
                    break;
                case 3:
                    if (bitmaps) {
                        PutLittle32(picture, 2, 0x7FFFFFF0);  // bfSize beyond the file
                        Write(name, picture, FileKind::Picture, "oversized bfSize, image of " + from);
                    } else {
                        picture[4] = 2;  // idCount: two images
                        Write(name, picture, FileKind::Picture, "two-image directory, image of " + from);
                    }
                    break;
            }
        }
        for (const std::string& path : plan_.pictures) Copy(path, NameOf(path), FileKind::Picture, "sample picture");
    }

    std::vector<unsigned char> PictureOf(const std::string& source, const ListedImage& e) {
        FileSource file(source);
        std::vector<uint8_t> out;
        const ImageRead read = plan_.search == Search::Bitmaps ? BuildBitmapFile(file, AsFound(e), out)
                                                               : BuildIconFile(file, AsFound(e), out);
        return read == ImageRead::Ok ? std::vector<unsigned char>(out.begin(), out.end()) : std::vector<unsigned char>{};
    }

    // A 4-bit bitmap marked with bit-field compression, whose bits are fewer
    // than its rows need (the inspector refuses to show it), in front of a
    // bitmap it shows.
    void UnshowableFirst() {
        std::vector<unsigned char> dll(64, 0);
        for (int compression : {3, 0}) {
            const uint32_t bits = compression == 3 ? 64 : 128;
            std::vector<unsigned char> header(40, 0);
            PutLittle32(header, 0, 40);
            PutLittle32(header, 4, 16);
            PutLittle32(header, 8, 16);
            header[12] = 1;
            header[14] = 4;
            PutLittle32(header, 16, static_cast<uint32_t>(compression));
            PutLittle32(header, 20, bits);
            dll.insert(dll.end(), header.begin(), header.end());
            for (int i = 0; i < 16; ++i) dll.insert(dll.end(), {static_cast<unsigned char>(16 * i), 80, 160, 0});
            for (uint32_t i = 0; i < bits; ++i) dll.push_back(compression == 3 ? (i % 2 == 0 ? 16 : 0x12) : static_cast<unsigned char>(i * 7));
        }
        dll.insert(dll.end(), 64, 0);
        Write("bitfields.dll", dll, FileKind::Damaged, "a 4-bit bit-field bitmap too short to show, then a plain one");
    }

    void Specials() {
        Write("empty.dll", {}, FileKind::Empty, "no bytes");
        Write("empty.exe", {}, FileKind::Empty, "no bytes");
        if (plan_.inspector)
            Write(plan_.search == Search::Bitmaps ? "empty.bmp" : "empty.ico", {}, FileKind::Empty, "no bytes");
        const std::string folder = plan_.folder + "\\folder.dll";
        if (CreateDirectoryA(folder.c_str(), nullptr)) Add(folder, FileKind::Folder, "a folder");
        Add(plan_.folder + "\\missing.dll", FileKind::Missing, "not there");
        Add(plan_.folder + "\\nowhere\\missing.exe", FileKind::Missing, "in a folder that is not there");
        Write("notes.txt", {'n', 'o', 't', 'e', 's'}, FileKind::WrongExtension, "a text file");
        Add(Setting((plan_.program + "_EXE").c_str()), FileKind::OwnProgram, "the program itself");
        Write("forties.dll", std::vector<unsigned char>(100000, 40), FileKind::Damaged, "every byte a header candidate");
        std::vector<unsigned char> noise(60000);
        for (unsigned char& b : noise) b = static_cast<unsigned char>(chance_.Below(256));
        Write("noise.exe", noise, FileKind::Damaged, "random bytes");
        if (!sources_.empty()) {
            const std::string readOnly = plan_.folder + "\\readonly.dll";
            if (CopyFileA(chance_.Pick(sources_).c_str(), readOnly.c_str(), FALSE)) {
                SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
                Add(readOnly, FileKind::ReadOnly, "a read-only module");
            }
        }
    }

    std::vector<CorpusFile> Files() const { return files_; }

private:
    const CorpusPlan& plan_;
    Imgscan& imgscan_;
    Chance& chance_;
    std::vector<CorpusFile> files_;
    std::vector<std::string> sources_;  // modules with images of the kind searched
};

}  // namespace

bool RefusedByOpen(FileKind kind) {
    return kind == FileKind::OwnProgram || kind == FileKind::WrongExtension || kind == FileKind::Missing ||
           kind == FileKind::Folder;
}

std::vector<unsigned char> Cut(std::vector<unsigned char> bytes, size_t size) {
    if (size < bytes.size()) bytes.resize(size);
    return bytes;
}

void PutLittle32(std::vector<unsigned char>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4 && at + i < bytes.size(); ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

std::vector<CorpusFile> MakeCorpus(const CorpusPlan& plan, Imgscan& imgscan, Chance& chance) {
    CreateDirectoryA(plan.folder.c_str(), nullptr);
    Maker maker(plan, imgscan, chance);
    // The sample: the modules richest in images, then random ones, two
    // thirds of them with images of the kind searched.
    std::vector<std::string> names = ModuleNames(plan.wineModules);
    std::vector<std::string> chosen = RichModules(plan.search);
    int without = 0, with = 0, probes = 0;
    while ((with < plan.moduleCount * 2 / 3 || without < plan.moduleCount / 3) && !names.empty() &&
           ++probes <= 4 * plan.moduleCount) {
        const size_t at = static_cast<size_t>(chance.Below(static_cast<int>(names.size())));
        const std::string name = names[at];
        names.erase(names.begin() + static_cast<ptrdiff_t>(at));
        if (std::find(chosen.begin(), chosen.end(), name) != chosen.end()) continue;
        const bool images = !imgscan.List(plan.search, plan.wineModules + "\\" + name).entries.empty();
        if (images ? with >= plan.moduleCount * 2 / 3 : without >= plan.moduleCount / 3) continue;
        (images ? with : without) += 1;
        chosen.push_back(name);
    }
    for (const std::string& name : chosen) maker.Copy(plan.wineModules + "\\" + name, name, FileKind::Module, "Wine's " + name);
    for (const std::string& module : plan.modules) maker.Copy(module, "own_" + NameOf(module), FileKind::Module, "a program of this build");
    maker.Damage(12);
    if (plan.inspector) maker.Pictures(8);
    if (plan.search == Search::Bitmaps) maker.UnshowableFirst();
    maker.Specials();
    return maker.Files();
}
