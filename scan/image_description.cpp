#include "scan/image_description.h"

#include <cstdio>

const char* ColorWord(int32_t colorCount) {
    if (colorCount == 0) return "16M ";
    if (colorCount >= 1 && colorCount <= 2) return "2 ";
    if (colorCount >= 3 && colorCount <= 16) return "16 ";
    if (colorCount >= 17 && colorCount <= 256) return "256 ";
    return "";
}

const char* BitCountWord(int bitCount) {
    switch (bitCount) {
        case 1: return "2 ";
        case 4: return "16 ";
        case 8: return "256 ";
        case 24: return "16M ";
        default: return "";
    }
}

std::string HexOffset(int32_t offset) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(offset));
    return text;
}

std::string DescribeIcon(const FoundImage& e) {
    if (e.format == ImageFormat::Png) {
        return std::to_string(e.width) + " x " + std::to_string(e.height / 2) + " x PNG (" +
               std::to_string(e.imageSize + 22LL) + " Bytes)";
    }
    const long long bytes = 4LL * e.colorCount + e.imageSize + 62;
    if (e.bitCount == 32) {
        return std::to_string(e.width) + " x " + std::to_string(e.height / 2) + " x 32-bit (" + std::to_string(bytes) +
               " Bytes)";
    }
    return std::to_string(e.width) + " x " + std::to_string(e.height / 2) + " x " + ColorWord(e.colorCount) + "(" +
           std::to_string(bytes) + " Bytes)";
}

std::string DescribeBitmap(const FoundImage& e) {
    const long long bytes = 54 + 4LL * e.colorCount + e.imageSize;
    return std::to_string(e.width) + " x " + std::to_string(e.height) + " x " + ColorWord(e.colorCount) +
           (e.isCompressed ? "RLE (" : "RGB (") + std::to_string(bytes) + " Bytes)";
}
