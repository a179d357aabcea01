// Rendering, .ico and .bmp layouts on random entries and bytes: no crash, no
// read outside the file, and every file written holds what its header says.
#include <cstdlib>

#include "fuzz/fuzz_entry.h"
#include "imaging/bmp_layout.h"
#include "imaging/ico_layout.h"
#include "imaging/icon_render.h"
#include "scan/scan_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzImage image;
    if (!MakeFuzzImage(data, size, SearchKind::Icons, image)) return 0;
    MemorySource source(image.file);
    const ColorRef mask = MakeColorRef(data[1], data[2], data[3]);
    for (const FoundImage& entry : image.entries) {
        std::vector<uint8_t> bytes;
        if (RenderIconDisplayCopy(source, entry, mask, bytes) == ImageRead::Ok) {
            if (bytes.size() < 54 || ReadU32(bytes.data() + 2) != bytes.size()) std::abort();
            if (ReadU32(bytes.data() + 10) > bytes.size()) std::abort();
        }
        if (BuildIconFile(source, entry, bytes) == ImageRead::Ok &&
            int64_t(bytes.size()) != IcoFileSize(entry)) {
            std::abort();
        }
        if (BuildBitmapFile(source, entry, bytes) == ImageRead::Ok && ReadU32(bytes.data() + 2) != bytes.size()) {
            std::abort();
        }
    }
    return 0;
}
