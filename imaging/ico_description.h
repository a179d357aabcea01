#pragma once
#include <string>

#include "scan/byte_source.h"

// The words that describe the first image of an .ico file in the icon
// inspector's Replace panel and confirmation, in the form of its title line:
// "32 x 32 x 16 (766 Bytes)": width, real height, colour word by bit count,
// dwBytesInRes + 22. The image is read where the directory entry says
// (dwImageOffset). False when the file is too short to hold the fields.
bool DescribeIcoFile(ByteSource& ico, std::string& words);
