#include "imaging/ico_description.h"

#include <cstdint>

#include "scan/image_description.h"
#include "scan/scan_rules.h"

bool DescribeIcoFile(ByteSource& ico, std::string& words) {
    uint8_t directory[22] = {};
    if (ico.ReadAt(0, directory, sizeof directory) != static_cast<int64_t>(sizeof directory)) return false;
    const uint32_t bytesInRes = ReadU32(directory + 14);
    const uint32_t imageOffset = ReadU32(directory + 18);
    uint8_t header[16] = {};
    if (ico.ReadAt(imageOffset, header, sizeof header) != static_cast<int64_t>(sizeof header)) return false;
    const int32_t width = ReadS32(header + 4);
    const int32_t height = ReadS32(header + 8) / 2;
    words = std::to_string(width) + " x " + std::to_string(height) + " x " + BitCountWord(header[14]) + "(" +
            std::to_string(static_cast<uint64_t>(bytesInRes) + 22) + " Bytes)";
    return true;
}
