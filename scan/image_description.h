#pragma once
#include <string>

#include "scan/found_image.h"

// The words that describe a found image in the programs' title lines:
// "32 x 32 x 16 (766 Bytes)" for an icon (its real height, the size of its
// one-image .ico file), "64 x 48 x 256 RLE (3178 Bytes)" for a bitmap (the
// size of its .bmp file). Icon images the programs do not look for read
// "48 x 48 x 32-bit (9662 Bytes)" and "256 x 256 x PNG (41234 Bytes)".
std::string DescribeIcon(const FoundImage& entry);
std::string DescribeBitmap(const FoundImage& entry);

// "16M ", "2 ", "16 ", "256 " or nothing, by the number of palette entries.
const char* ColorWord(int32_t colorCount);

// The same words by bit count, for a chosen file's header: "2 " for 1 bit,
// "16 " for 4, "256 " for 8, "16M " for 24, nothing for others.
const char* BitCountWord(int bitCount);

// Exactly eight upper-case hexadecimal digits.
std::string HexOffset(int32_t offset);
