#pragma once
#include "tests/unit/test_images.h"

// A file holding one icon image (made by IconImage) at offset 100, and where
// the parts of that image lie in the file.
struct IconSample {
    Bytes file;
    FoundImage entry;
    size_t palette = 0, xorBits = 0, andBits = 0, xorRow = 0, andRow = 0;

    IconSample(int32_t width, int32_t height, uint16_t bitCount);
    void SetAnd(int x, int y);                       // AND bit of pixel (x, y), y bottom-up
    void SetColor(int index, uint8_t r, uint8_t g, uint8_t b);
    void SetXorByte(int y, int byte, uint8_t value);
};
