// Rendering and extracting every image of the largest PE file, side by side
// with a baseline that reads each image byte by byte through a stream opened
// per image, as the programs' original conversion does.
//
//   image_bench [PE-FILE]     (without a file: the largest .exe/.dll found)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/pe_files.h"
#include "fileops/display_copy_file.h"
#include "imaging/bmp_layout.h"
#include "imaging/ico_layout.h"
#include "imaging/icon_grid_page.h"
#include "imaging/icon_render.h"
#include "scan/image_scanner.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The baseline's reads: one stream per image, one byte per call.
class ByteByByteSource : public ByteSource {
public:
    explicit ByteByByteSource(const std::string& path) : path_(path) {
        FileSource probe(path);
        size_ = probe.Size();
    }
    int64_t Size() const override { return size_; }
    int64_t ReadAt(int64_t offset, uint8_t* out, size_t count) override {
        std::FILE* file = std::fopen(path_.c_str(), "rb");
        if (file == nullptr || std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return -1;
        size_t n = 0;
        for (int c; n < count && (c = std::fgetc(file)) != EOF; ++n) out[n] = static_cast<uint8_t>(c);
        std::fclose(file);
        return static_cast<int64_t>(n);
    }

private:
    std::string path_;
    int64_t size_ = 0;
};

struct Figure {
    double seconds = 0;
    size_t images = 0;
    uint64_t bytes = 0;
};

// Best of `repeats` runs of `work` over every entry; `work` returns the bytes made.
Figure Measure(const std::vector<FoundImage>& entries, int repeats, const std::function<size_t(const FoundImage&)>& work) {
    Figure figure;
    figure.seconds = 1e30;
    for (int r = 0; r < repeats; ++r) {
        uint64_t bytes = 0;
        size_t images = 0;
        const auto start = Clock::now();
        for (const FoundImage& e : entries) {
            const size_t made = work(e);
            bytes += made;
            images += made > 0 ? 1 : 0;
        }
        figure.seconds = std::min(figure.seconds, std::chrono::duration<double>(Clock::now() - start).count());
        figure.bytes = bytes;
        figure.images = images;
    }
    return figure;
}

void Print(const char* label, const Figure& ours, const Figure& baseline) {
    if (ours.images == 0) return;
    std::printf("%-34s %5zu images %8.2f MiB   ours %8.2f ms (%8.0f images/s)   baseline %9.2f ms   %.0fx\n", label,
                ours.images, static_cast<double>(ours.bytes) / (1 << 20), ours.seconds * 1e3,
                ours.images / ours.seconds, baseline.seconds * 1e3, baseline.seconds / ours.seconds);
}

std::vector<FoundImage> Entries(const std::string& path, SearchKind kind) {
    ScanOptions options;
    options.kind = kind;
    options.limit = 0;
    return ScanFile(path, options).entries;
}

// Every measurement on one file.
void Run(const std::string& pe) {
    FileSource file(pe);
    ByteByByteSource slow(pe);
    const std::vector<FoundImage> icons = Entries(pe, SearchKind::Icons);
    const std::vector<FoundImage> galleryIcons = Entries(pe, SearchKind::GalleryIcons);
    const std::vector<FoundImage> bitmaps = Entries(pe, SearchKind::Bitmaps);
    std::printf("%s: %.1f MiB, %zu icons (%zu up to 64 x 64), %zu bitmaps; best of 5, warm cache\n", pe.c_str(),
                static_cast<double>(file.Size()) / (1 << 20), icons.size(), galleryIcons.size(), bitmaps.size());
    if (icons.empty() && bitmaps.empty()) return;
    const auto render = [](ByteSource& source) {
        return [&source](const FoundImage& e) {
            std::vector<uint8_t> bmp;
            return RenderIconDisplayCopy(source, e, kDefaultMaskColor, bmp) == ImageRead::Ok ? bmp.size() : 0;
        };
    };
    const auto extractIcon = [](ByteSource& source) {
        return [&source](const FoundImage& e) {
            std::vector<uint8_t> ico;
            return BuildIconFile(source, e, ico) == ImageRead::Ok ? ico.size() : 0;
        };
    };
    const auto extractBitmap = [](ByteSource& source) {
        return [&source](const FoundImage& e) {
            std::vector<uint8_t> bmp;
            return BuildBitmapFile(source, e, bmp) == ImageRead::Ok ? bmp.size() : 0;
        };
    };
    Print("render every icon (display copy)", Measure(icons, 5, render(file)), Measure(icons, 1, render(slow)));
    Print("extract every icon (.ico bytes)", Measure(icons, 5, extractIcon(file)), Measure(icons, 1, extractIcon(slow)));
    Print("extract every bitmap (.bmp bytes)", Measure(bitmaps, 5, extractBitmap(file)),
          Measure(bitmaps, 1, extractBitmap(slow)));

    // Gallery pages of 11 x 7 cells, every icon drawn once.
    const auto draw = [](ByteSource& source) {
        return [&source](const FoundImage& e) {
            static std::vector<uint8_t> page = BlankPageFile(11, 7);
            static size_t cell = 0;
            PagePixels pixels = PixelsOfPage(page.data() + 54, page.size() - 54, 11, 7);
            const int32_t slot = static_cast<int32_t>(cell++ % 77);
            // Counted as the cell's 64 x 64 pixels of 3 bytes.
            return DrawIconInCell(source, e, slot / 11, slot % 11, kDefaultMaskColor, pixels) ? size_t{3 * 64 * 64} : 0;
        };
    };
    Print("draw every gallery icon into a page", Measure(galleryIcons, 5, draw(file)), Measure(galleryIcons, 1, draw(slow)));

    // Written to files, as Save All does: every icon and bitmap.
    const fs::path dir = fs::temp_directory_path() / "image_bench_files";
    fs::create_directories(dir);
    StdFileSystem disk;
    size_t index = 0;
    const auto save = [&](const FoundImage& e, bool icon) -> size_t {
        const std::string target = (dir / (std::to_string(index++ % 1000) + (icon ? ".ico" : ".bmp"))).string();
        const DisplayCopyResult result = icon ? WriteIconFile(file, e, disk, target) : WriteBitmapFile(file, e, disk, target);
        return result == DisplayCopyResult::Written ? static_cast<size_t>(fs::file_size(target)) : 0;
    };
    const Figure savedIcons = Measure(icons, 3, [&](const FoundImage& e) { return save(e, true); });
    const Figure savedBitmaps = Measure(bitmaps, 3, [&](const FoundImage& e) { return save(e, false); });
    if (savedIcons.images > 0)
        std::printf("%-34s %5zu images %8.2f MiB   %8.2f ms (%8.0f files/s)\n", "save every icon as a file",
                savedIcons.images, static_cast<double>(savedIcons.bytes) / (1 << 20), savedIcons.seconds * 1e3,
                savedIcons.images / savedIcons.seconds);
    if (savedBitmaps.images > 0)
        std::printf("%-34s %5zu images %8.2f MiB   %8.2f ms (%8.0f files/s)\n", "save every bitmap as a file",
                savedBitmaps.images, static_cast<double>(savedBitmaps.bytes) / (1 << 20), savedBitmaps.seconds * 1e3,
                savedBitmaps.images / savedBitmaps.seconds);
    fs::remove_all(dir);
}

// The first file, largest first, for which `has` holds.
std::string LargestWith(const std::vector<std::string>& files, SearchKind kind) {
    for (const std::string& path : files) {
        if (!Entries(path, kind).empty()) return path;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        Run(argv[1]);
        return 0;
    }
    const std::vector<std::string> files = PeFilesLargestFirst();
    if (files.empty()) {
        std::printf("no PE file found\n");
        return 1;
    }
    std::printf("(a) the largest PE file\n");
    Run(files.front());
    // The largest file often holds no image the searches accept; the largest
    // ones that do give the figures that matter.
    const std::string withIcons = LargestWith(files, SearchKind::Icons);
    const std::string withBitmaps = LargestWith(files, SearchKind::Bitmaps);
    if (!withIcons.empty() && withIcons != files.front()) {
        std::printf("\n(b) the largest PE file holding icons\n");
        Run(withIcons);
    }
    if (!withBitmaps.empty() && withBitmaps != files.front() && withBitmaps != withIcons) {
        std::printf("\n(c) the largest PE file holding bitmaps\n");
        Run(withBitmaps);
    }
    return 0;
}
