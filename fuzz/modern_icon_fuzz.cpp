// The search for 32-bit and PNG icon images on random bytes, and what the
// writers make of what it finds: no crash, every image inside the file, the
// entries in file order without overlaps, PNG images decoded safely. Inputs
// whose first byte is odd get a PNG signature and IHDR with a correct CRC at
// a chosen place, so that the search reaches the chunks behind it.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "imaging/ico_layout.h"
#include "imaging/icon_grid_page.h"
#include "imaging/icon_pixels.h"
#include "scan/modern_icons.h"
#include "scan/scan_rules.h"

namespace {

uint32_t Crc32(const uint8_t* bytes, size_t count) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return crc ^ 0xFFFFFFFFu;
}

void PutBig(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    std::vector<uint8_t> file(data + 4, data + size);
    const size_t at = data[1] % 64;
    if ((data[0] & 1) && file.size() >= at + 33) {
        uint8_t* p = file.data() + at;
        const uint8_t head[16] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
        std::memcpy(p, head, sizeof head);
        PutBig(p + 16, 1 + data[2] % 64);
        PutBig(p + 20, 1 + data[3] % 64);
        p[24] = 8;
        p[25] = 6;
        p[26] = p[27] = p[28] = 0;
        PutBig(p + 29, Crc32(p + 12, 17));
    }
    MemorySource source(file);
    ScanOptions options;
    options.allKinds = true;
    options.kind = (data[0] & 2) ? SearchKind::GalleryIcons : SearchKind::Icons;
    const ScanResult result = ScanAllKinds(source, options);
    int64_t end = 0, modernEnd = 0;  // of every entry so far, of the modern ones
    for (const FoundImage& e : result.entries) {
        if (EntryEnd(e) > static_cast<int64_t>(file.size()) || e.headerOffset < modernEnd) std::abort();
        if (e.format == ImageFormat::Png || e.bitCount == 32) {
            if (e.headerOffset < end) std::abort();  // modern images overlap nothing
            modernEnd = EntryEnd(e);
            RgbaImage image;
            if (IconPixels(source, e, image) == ImageRead::Ok &&
                image.pixels.size() != 4 * static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) {
                std::abort();
            }
            std::vector<uint8_t> ico;
            if (BuildIconFile(source, e, ico) != ImageRead::Ok || static_cast<int64_t>(ico.size()) != IcoFileSize(e)) {
                std::abort();
            }
            // The programs' pictures of it: a whole display copy, and a gallery
            // cell whose black lines it leaves alone, whatever its size.
            if (RenderIconDisplayCopy(source, e, 0x808000, ico) == ImageRead::Ok && ReadU32(ico.data() + 2) != ico.size()) {
                std::abort();
            }
            std::vector<uint8_t> page = BlankPageFile(1, 1);
            PagePixels cell = PixelsOfPage(page.data() + 54, page.size() - 54, 1, 1);
            DrawIconInCell(source, e, 0, 0, 0x808000, cell);
            const auto black = [&](int32_t x, int32_t y) {  // rows of 200 bytes, 3 per pixel
                const size_t at = static_cast<size_t>(54 + 200 * y + 3 * x);
                return page[at] == 0 && page[at + 1] == 0 && page[at + 2] == 0;
            };
            for (int32_t k = 0; k < 66; ++k) {
                if (!black(k, 0) || !black(k, 65) || !black(0, k) || !black(65, k)) std::abort();
            }
        }
        end = std::max(end, EntryEnd(e));
    }
    return 0;
}
