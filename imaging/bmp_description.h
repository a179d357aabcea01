#pragma once
#include <string>

#include "scan/byte_source.h"

// The words that describe a .bmp file in the bitmap inspector's Replace
// panel and confirmation, in the form of its title line:
// "64 x 48 x 256 RLE (3178 Bytes)": biWidth, biHeight, colour word by bit
// count, "RLE" when the low byte of biCompression is not 0 (else "RGB"),
// bfSize. False unless the file begins with "BM" and holds those fields.
bool DescribeBmpFile(ByteSource& bmp, std::string& words);
