#pragma once
#include <cstdint>
#include <string>

// The bitmap gallery's thumbnails: at most 192 x 144 pixels, the bitmap's own
// size when it fits, else reduced by one factor for both sides.
constexpr int kThumbWidth = 192;
constexpr int kThumbHeight = 144;

struct Thumbnail {
    int32_t width = 0;
    int32_t height = 0;
    double scale = 1.0;  // the reduction factor actually applied
};

// `height` may be negative (a top-down bitmap): its size is what counts.
// A side that would shrink below one pixel is kept at one pixel.
Thumbnail ThumbnailSize(int32_t width, int32_t height);

// A thumbnail reduced so far that a side is 5 pixels or less carries a label.
bool HasScaleLabel(const Thumbnail& thumb);

// "1/" and the factor with one decimal: 20 / 3 gives "1/6.7".
std::string ScaleLabel(const Thumbnail& thumb);
