#include "imaging/bmp_description.h"

#include <cstdint>

#include "scan/image_description.h"
#include "scan/scan_rules.h"

bool DescribeBmpFile(ByteSource& bmp, std::string& words) {
    uint8_t head[34] = {};  // file header and info header up to biCompression
    if (bmp.ReadAt(0, head, sizeof head) != static_cast<int64_t>(sizeof head) || head[0] != 'B' || head[1] != 'M') {
        return false;
    }
    words = std::to_string(ReadS32(head + 18)) + " x " + std::to_string(ReadS32(head + 22)) + " x " +
            BitCountWord(head[28]) + (head[30] != 0 ? "RLE (" : "RGB (") + std::to_string(ReadU32(head + 2)) +
            " Bytes)";
    return true;
}
