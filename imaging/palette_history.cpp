#include "imaging/palette_history.h"

#include <algorithm>
#include <cstring>

PaletteHistory::PaletteHistory() : snapshots_(static_cast<size_t>(kSnapshots) * 4 * kEntries, 0) {}

void PaletteHistory::Load(const uint8_t* palette, int colorCount) {
    std::fill(snapshots_.begin(), snapshots_.end(), 0);
    colorCount_ = std::clamp(colorCount, 0, kEntries);
    uint8_t* first = Snapshot(0);
    for (int i = 0; i < colorCount_; ++i) std::memcpy(first + 4 * i, palette + 4 * i, 3);  // fourth byte stays 0
    changeCount_ = 0;
    saved_ = false;
}

bool PaletteHistory::Change(int index, uint8_t red, uint8_t green, uint8_t blue) {
    if (changeCount_ >= kMaxChanges || index < 0 || index >= colorCount_) return false;
    std::memcpy(Snapshot(changeCount_ + 1), Snapshot(changeCount_), 4 * static_cast<size_t>(colorCount_));
    ++changeCount_;
    uint8_t* entry = Snapshot(changeCount_) + 4 * index;
    entry[0] = blue;
    entry[1] = green;
    entry[2] = red;
    saved_ = false;
    return true;
}

bool PaletteHistory::Undo() {
    if (changeCount_ == 0) return false;
    --changeCount_;
    return true;
}

std::vector<uint8_t> PaletteHistory::Current() const {
    const uint8_t* current = Snapshot(changeCount_);
    return std::vector<uint8_t>(current, current + 4 * colorCount_);
}

std::vector<uint8_t> PaletteHistory::Original() const {
    const uint8_t* first = Snapshot(0);
    return std::vector<uint8_t>(first, first + 4 * colorCount_);
}
