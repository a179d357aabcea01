#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The palette editor's history: snapshot 0 is the palette as loaded, snapshot
// k the palette after the k-th change. At most 299 changes are kept; Undo
// steps back one snapshot. Entries are blue, green, red, 0.
class PaletteHistory {
public:
    static constexpr int kSnapshots = 300;
    static constexpr int kMaxChanges = kSnapshots - 1;
    static constexpr int kEntries = 256;

    PaletteHistory();

    // A new bitmap is shown: its `colorCount` entries (4 bytes each, at most
    // 256) become snapshot 0; no change, nothing saved.
    void Load(const uint8_t* palette, int colorCount);

    // Gives entry `index` a colour as a new snapshot. False (nothing changes)
    // at the limit of 299 changes or for an entry the palette does not have.
    bool Change(int index, uint8_t red, uint8_t green, uint8_t blue);

    // Steps back one change; false when there is none. Leaves `Saved` as it is.
    bool Undo();

    int ChangeCount() const { return changeCount_; }
    int ColorCount() const { return colorCount_; }
    bool AtLimit() const { return changeCount_ == kMaxChanges; }  // "No more change allowed."

    // The current snapshot: ColorCount() entries of 4 bytes.
    std::vector<uint8_t> Current() const;
    // The palette as loaded.
    std::vector<uint8_t> Original() const;

    // The current change was written to the file. Only the caller knows when
    // that write succeeded, so only it marks it.
    void MarkSaved() { saved_ = true; }
    bool Saved() const { return saved_; }
    bool HasUnsavedChange() const { return changeCount_ >= 1 && !saved_; }

private:
    uint8_t* Snapshot(int k) { return snapshots_.data() + static_cast<size_t>(k) * 4 * kEntries; }
    const uint8_t* Snapshot(int k) const { return snapshots_.data() + static_cast<size_t>(k) * 4 * kEntries; }

    std::vector<uint8_t> snapshots_;  // 300 x 1024 bytes, allocated once
    int colorCount_ = 0;
    int changeCount_ = 0;
    bool saved_ = false;
};
