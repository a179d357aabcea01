#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "scan/image_scanner.h"

using Bytes = std::vector<uint8_t>;

// The fields of a BITMAPINFOHEADER that the scan looks at.
struct InfoHeader {
    int32_t width = 32;
    int32_t height = 64;
    uint16_t bitCount = 4;
    uint32_t compression = 0;
    int32_t sizeImage = 640;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t clrUsed = 0;
};

Bytes HeaderBytes(const InfoHeader& header);
void Put32(Bytes& bytes, size_t offset, uint32_t value);
uint32_t Get32(const Bytes& bytes, size_t offset);
void Place(Bytes& file, size_t offset, const Bytes& part);  // grows the file as needed

// A whole icon image (header, zero palette, zero bits) whose biSizeImage
// counts XOR and AND bitmaps, or the XOR bitmap only.
Bytes IconImage(int32_t width, int32_t height, uint16_t bitCount, bool xorOnly = false);
// A whole uncompressed bitmap image (header, zero palette, zero bits).
Bytes BitmapImage(int32_t width, int32_t height, uint16_t bitCount);
int32_t IconImageSize(int32_t width, int32_t height, uint16_t bitCount);

ScanResult Scan(const Bytes& file, SearchKind kind, int limit = kTableLimit, bool icoPrecheck = false);
std::vector<int32_t> Offsets(const ScanResult& result);

// A new empty folder in the temporary directory for the running test, unique
// to this process, so that parallel test runs never share files.
std::filesystem::path FreshTestFolder(const std::string& prefix);
