// The one-pass scan against the chunk-by-chunk reference, on many made-up
// files: both must find the same entries and end the same way.
#include <gtest/gtest.h>

#include <random>

#include "tests/reference/reference_scanner.h"
#include "tests/unit/test_images.h"

namespace {

bool Same(const FoundImage& a, const FoundImage& b) {
    return a.headerOffset == b.headerOffset && a.imageSize == b.imageSize && a.colorCount == b.colorCount &&
           a.maskSize == b.maskSize && a.isCompressed == b.isCompressed && a.bitCount == b.bitCount &&
           a.width == b.width && a.height == b.height;
}

void ExpectAgreement(const Bytes& file, const std::string& label) {
    for (const SearchKind kind :
         {SearchKind::Icons, SearchKind::GalleryIcons, SearchKind::Bitmaps, SearchKind::GalleryBitmaps}) {
        for (const int limit : {kTableLimit, 3}) {
            for (const bool precheck : kind == SearchKind::Icons ? std::vector<bool>{false, true} : std::vector<bool>{false}) {
                ScanOptions options;
                options.kind = kind;
                options.limit = limit;
                options.icoPrecheck = precheck;
                MemorySource a(file), b(file);
                const ScanResult fast = ScanImages(a, options);
                const ScanResult slow = ReferenceScan(b, options);
                const std::string where = label + " kind " + std::to_string(static_cast<int>(kind)) + " limit " +
                                          std::to_string(limit) + (precheck ? " ico" : "");
                ASSERT_EQ(fast.outcome, slow.outcome) << where;
                ASSERT_EQ(fast.entries.size(), slow.entries.size()) << where;
                for (size_t i = 0; i < fast.entries.size(); ++i) {
                    ASSERT_TRUE(Same(fast.entries[i], slow.entries[i])) << where << " entry " << i;
                }
            }
        }
    }
}

// Plausible and implausible headers at chosen or random places.
class FileMaker {
public:
    explicit FileMaker(uint32_t seed) : random_(seed) {}

    Bytes Make() {
        const size_t sizes[] = {Pick(200), 32000 + Pick(200) - 100, 64000 + Pick(200) - 100, Pick(70000)};
        Bytes file(sizes[Pick(4)], 0);
        const int background = static_cast<int>(Pick(4));
        for (uint8_t& b : file) {
            if (background == 1) b = static_cast<uint8_t>(random_());
            if (background == 2 && Pick(64) == 0) b = 40;
            if (background == 3 && Pick(4) == 0) b = static_cast<uint8_t>(Pick(12) == 0 ? 40 : Pick(3));
        }
        const size_t planted = Pick(40);
        for (size_t i = 0; i < planted && !file.empty(); ++i) Plant(file);
        return file;
    }

private:
    size_t Pick(size_t n) { return n == 0 ? 0 : random_() % n; }

    size_t Where(const Bytes& file) {
        switch (Pick(4)) {
            case 0: return file.size() - std::min(file.size(), Pick(120));       // near the end
            case 1: return std::min(file.size(), 32000 * (1 + Pick(3)) - Pick(60));  // around a boundary
            default: return Pick(file.size());
        }
    }

    Bytes Image() {
        static const uint16_t kBits[] = {1, 4, 8, 24, 16, 32};
        const uint16_t bits = kBits[Pick(Pick(5) == 0 ? 6 : 4)];
        const int32_t w = static_cast<int32_t>(1 + Pick(Pick(8) == 0 ? 300 : 70));
        const int32_t h = static_cast<int32_t>(1 + Pick(70));
        Bytes image;
        switch (Pick(4)) {
            case 0: image = IconImage(w, h, bits, Pick(3) == 0); break;
            case 1: image = BitmapImage(w, Pick(5) == 0 ? -h : h, bits); break;
            case 2: {  // compressed, bits of small values
                const uint32_t used = static_cast<uint32_t>(Pick(3) == 0 ? 0 : Pick(20));
                const int32_t size = static_cast<int32_t>(1 + Pick(300));
                image = HeaderBytes({w, h, bits, 1 + static_cast<uint32_t>(Pick(2)), size, 0, 0, used});
                image.resize(40 + 4 * (used ? used : (bits == 24 ? 0 : 1u << std::min<int>(bits, 8))), 0);
                for (int32_t i = 0; i < size; ++i) image.push_back(static_cast<uint8_t>(Pick(Pick(2) ? 20 : 256)));
                break;
            }
            default: {  // random fields
                Bytes header = HeaderBytes({static_cast<int32_t>(random_()), static_cast<int32_t>(random_()), bits,
                                            static_cast<uint32_t>(Pick(3)), static_cast<int32_t>(random_() % 5000),
                                            0, 0, static_cast<uint32_t>(Pick(3) == 0 ? random_() : Pick(300))});
                image = header;
            }
        }
        // An occasional damaged byte.
        if (Pick(4) == 0) image[Pick(std::min<size_t>(image.size(), 40))] = static_cast<uint8_t>(random_());
        if (Pick(6) == 0) Put32(image, 24, static_cast<uint32_t>(Pick(3)));
        return image;
    }

    void Plant(Bytes& file) {
        const size_t size = file.size();
        Bytes image = Image();
        const size_t at = Where(file);
        for (size_t i = 0; i < image.size() && at + i < size; ++i) file[at + i] = image[i];
    }

    std::mt19937 random_;
};

TEST(Differential, RandomFilesAgreeWithTheChunkScan) {
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        FileMaker maker(seed);
        ExpectAgreement(maker.Make(), "seed " + std::to_string(seed));
    }
}

TEST(Differential, AdversarialFilesAgreeWithTheChunkScan) {
    ExpectAgreement(Bytes(33000, 40), "all 40");
    for (const size_t tail : {47u, 48u, 49u, 50u}) {
        // A lone 40 `tail` bytes before the end of a chunk-sized file, with
        // an icon before it that reaches to the end.
        Bytes file(32000 - 1000, 0);
        Place(file, file.size(), IconImage(32, 32, 4));
        Bytes header = HeaderBytes({32, 64, 4, 0, 640});
        header.resize(std::min<size_t>(40, tail));
        Place(file, file.size() - tail, header);
        ExpectAgreement(file, "tail " + std::to_string(tail));
    }
    for (const size_t late : {45u, 48u, 49u}) {
        for (const size_t run : {1u, 2u, 5u}) {
            // The same late header behind a run of 40s, each rejected in turn.
            Bytes file(32000 - 1000, 0);
            Place(file, file.size(), IconImage(32, 32, 4));
            Bytes header = HeaderBytes({32, 64, 4, 0, 640});
            header.resize(std::min<size_t>(40, late));
            Place(file, file.size() - late, header);
            for (size_t at = file.size() - late - run; at < file.size() - late; ++at) file[at] = 40;
            ExpectAgreement(file, "run of " + std::to_string(run) + " before " + std::to_string(late));
        }
    }
    for (size_t gap = 0; gap < 80; gap += 7) {
        // Headers straddling the first chunk's searched window.
        Bytes file(31980 + gap, 1);
        Place(file, file.size(), IconImage(16, 16, 8));
        file.resize(70000, 1);
        Place(file, 64000 - gap, BitmapImage(9, 9, 24));
        ExpectAgreement(file, "gap " + std::to_string(gap));
    }
    for (const size_t runEnd : {size_t{1} << 20, (size_t{1} << 20) + 39, (size_t{1} << 20) + 45}) {
        // Runs of 40s ending in a header, across the scan's 1 MiB block.
        Bytes file(runEnd - 150, 0);
        file.resize(runEnd, 40);
        Place(file, runEnd, IconImage(16, 16, 4));
        Place(file, file.size() + 3, Bytes(60, 40));
        Place(file, file.size(), BitmapImage(9, 9, 8));
        file.resize(file.size() + 30, 40);
        ExpectAgreement(file, "run to " + std::to_string(runEnd));
    }
    Bytes many;
    for (int i = 0; i < 520; ++i) Place(many, many.size(), i % 2 ? IconImage(8, 8, 1) : BitmapImage(8, 8, 4));
    ExpectAgreement(many, "many");
}

}  // namespace
