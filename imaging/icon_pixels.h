#pragma once
#include "imaging/icon_render.h"
#include "imaging/image_block.h"
#include "imaging/rgba_image.h"

// The picture of a found icon with its transparency: the colours of its XOR
// bitmap, transparent where the AND mask is 1; a 32-bit image by its alpha
// channel (by its mask when every alpha value is 0, as Windows draws it); a
// PNG image decoded.
ImageRead IconPixels(ByteSource& file, const FoundImage& entry, RgbaImage& image);

// Blends every pixel over `background` and makes it opaque: what a display
// copy shows in the mask colour.
void FlattenOver(RgbaImage& image, ColorRef background);
