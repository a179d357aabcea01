#include "imaging/thumbnail.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

Thumbnail ThumbnailSize(int32_t width, int32_t height) {
    const double w = std::fabs(static_cast<double>(width));
    const double h = std::fabs(static_cast<double>(height));
    Thumbnail thumb;
    if (w <= kThumbWidth && h <= kThumbHeight) {
        thumb.width = static_cast<int32_t>(w);
        thumb.height = static_cast<int32_t>(h);
        return thumb;
    }
    const double s = std::max(h / kThumbHeight, w / kThumbWidth);
    // A bitmap more than 192 (or 144) times longer than it is thick would
    // get a side of 0 pixels, which the loader reads as "full size".
    thumb.width = std::max(1, static_cast<int32_t>(std::floor(w / s)));
    thumb.height = std::max(1, static_cast<int32_t>(std::floor(h / s)));
    thumb.scale = std::max(w / thumb.width, h / thumb.height);
    return thumb;
}

bool HasScaleLabel(const Thumbnail& thumb) { return thumb.scale > 1 && (thumb.width <= 5 || thumb.height <= 5); }

std::string ScaleLabel(const Thumbnail& thumb) {
    char text[64];
    std::snprintf(text, sizeof text, "%-8.1f", thumb.scale);
    std::string label = text;
    label = label.substr(0, label.find(' '));
    return "1/" + label;
}
