#include "scan/image_scanner.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "scan/byte_search.h"
#include "scan/scan_rules.h"

namespace {

// The chunked scan searches 32000 bytes of each chunk and stops at the first
// chunk of fewer than 49 bytes.
constexpr int64_t kSearchWindow = 32000;
constexpr int64_t kShortestChunk = 49;
constexpr size_t kBlockSize = size_t{1} << 20;
constexpr uint8_t kHeaderByte = 40;

// Small files get a block of their own size.
size_t BlockFor(int64_t fileSize, size_t largest) {
    return static_cast<size_t>(std::clamp<int64_t>(fileSize, 1, static_cast<int64_t>(largest)));
}

ScanRules RulesOf(SearchKind kind) {
    ScanRules rules;
    rules.icons = IsIconSearch(kind);
    rules.upTo64 = kind == SearchKind::GalleryIcons;
    return rules;
}

// A forward-moving view of the source, one block in memory.
class BlockReader {
public:
    BlockReader(ByteSource& source, int64_t size, size_t blockSize)
        : source_(source), size_(size), block_(blockSize) {}

    // First offset at or after `from` holding the byte 40: -1 when there is
    // none, -2 when reading failed.
    int64_t FindHeaderByte(int64_t from) {
        while (from < size_) {
            if (!Covers(from, 1) && !Load(from)) return -2;
            const uint8_t* begin = block_.data() + (from - start_);
            if (*begin == kHeaderByte) return from;  // runs of 40s are common in padding
            const uint8_t* end = block_.data() + length_;
            const uint8_t* hit = FindByte(begin, end, kHeaderByte);
            if (hit != end) return from + (hit - begin);
            from = start_ + length_;
        }
        return -1;
    }

    // The 40 bytes at `offset`, zeros past the end of the source: a pointer
    // into the block, or into `scratch` near the ends. nullptr when reading failed.
    const uint8_t* HeaderAt(int64_t offset, uint8_t* scratch) {
        if (Covers(offset, kHeaderSize)) return block_.data() + (offset - start_);
        const int64_t available = std::clamp<int64_t>(size_ - offset, 0, kHeaderSize);
        if (available > 0) {
            if (!Covers(offset, available) && (!Load(offset) || !Covers(offset, available))) return nullptr;
            std::memcpy(scratch, block_.data() + (offset - start_), static_cast<size_t>(available));
        }
        std::memset(scratch + available, 0, static_cast<size_t>(kHeaderSize - available));
        return scratch;
    }

    // Scans [from, to) for the first byte that fails the RLE check.
    // Returns its offset, `to` when there is none, or -2 when reading failed.
    int64_t FindBadRleByte(int64_t from, int64_t to, int32_t bitCount, int32_t colorCount) {
        while (from < to) {
            if (!Covers(from, 1) && !Load(from)) return -2;
            const int64_t end = std::min(to, start_ + length_);
            for (const uint8_t* p = block_.data() + (from - start_); from < end; ++p, ++from) {
                if (IsBadRleByte(*p, bitCount, colorCount)) return from;
            }
        }
        return to;
    }

    bool Covers(int64_t offset, int64_t count) const {
        return offset >= start_ && offset + count <= start_ + length_;
    }

private:

    bool Load(int64_t offset) {
        const int64_t n = source_.ReadAt(offset, block_.data(), block_.size());
        if (n <= 0) return false;  // only asked for bytes inside the source
        start_ = offset;
        length_ = n;
        return true;
    }

    ByteSource& source_;
    int64_t size_;
    std::vector<uint8_t> block_;
    int64_t start_ = 0;
    int64_t length_ = 0;
};

// The byte check of RLE bits, remembered per palette size: candidates come in
// file order, so for one palette size the ranges asked only move forward and
// each byte is read at most once, however many candidates overlap.
class RleChecker {
public:
    RleChecker(ByteSource& source, int64_t size) : reader_(source, size, BlockFor(size, size_t{1} << 16)) {}

    // 1: no bad byte in [from, to); 0: a bad byte; -1: reading failed.
    int Passes(int64_t from, int64_t to, int32_t bitCount, int32_t colorCount) {
        Memo& memo = memos_[bitCount == 4 ? 256 + colorCount : colorCount];
        if (!memo.used || from < memo.from || from > memo.scannedTo || (memo.bad >= 0 && memo.bad < from)) {
            memo = Memo{true, from, from, -1};
        }
        if (memo.bad < 0 && memo.scannedTo < to) {
            const int64_t start = std::max(from, memo.scannedTo);
            const int64_t found = reader_.FindBadRleByte(start, to, bitCount, colorCount);
            if (found == -2) return -1;
            if (found < to) memo.bad = found;
            memo.scannedTo = to;
        }
        return memo.bad >= 0 && memo.bad < to ? 0 : 1;
    }

private:
    struct Memo {
        bool used = false;
        int64_t from = 0;       // the memo speaks of bytes from here on
        int64_t scannedTo = 0;  // scanned up to here
        int64_t bad = -1;       // first bad byte at or after `from`, -1 if none yet
    };
    BlockReader reader_;
    std::array<Memo, 256 + 16> memos_{};
};

}  // namespace

bool IsIconSearch(SearchKind kind) { return kind == SearchKind::Icons || kind == SearchKind::GalleryIcons; }

bool TableFound(const ScanResult& result) {
    return result.outcome == ScanOutcome::Found || result.outcome == ScanOutcome::LimitReached;
}

ScanResult ScanImages(ByteSource& source, const ScanOptions& options) {
    ScanResult result;
    const int64_t size = source.Size();
    result.fileSize = size;
    if (size < 0 || size > kLargestFile) {
        result.outcome = ScanOutcome::OpenFailed;
        return result;
    }
    const bool icons = IsIconSearch(options.kind);
    if (icons && options.icoPrecheck) {
        uint8_t count[2] = {0, 0};
        if (source.ReadAt(4, count, 2) < 0) {
            result.outcome = ScanOutcome::OpenFailed;
            return result;
        }
        if (size < 6 || count[0] != 1 || count[1] != 0) {
            result.outcome = ScanOutcome::IcoCountNotOne;
            return result;
        }
    }

    const ScanRules rules = RulesOf(options.kind);
    const size_t limit = options.limit > 0 ? static_cast<size_t>(options.limit) : SIZE_MAX;
    std::vector<FoundImage>& table = result.entries;
    table.reserve(std::min<size_t>(limit, kTableLimit));
    BlockReader reader(source, size, BlockFor(size, kBlockSize));
    RleChecker rle(source, size);
    uint8_t scratch[kHeaderSize];

    int64_t pos = 0;  // where the chunk scan reads its next chunk
    auto report = [&](int64_t position) {
        if (options.progress != nullptr) options.progress->At(position, size);
    };
    // Chunks without a 40 move the chunk scan on by whole search windows,
    // each one a new position.
    auto passWindows = [&](int64_t windows) {
        if (options.progress == nullptr) {
            pos += windows * kSearchWindow;
            return;
        }
        for (int64_t i = 0; i < windows; ++i) report(pos += kSearchWindow);
    };
    for (;;) {
        if (size - pos < kShortestChunk) break;
        int64_t candidate = reader.FindHeaderByte(pos);
        if (candidate == -1) {
            // The chunks left hold no 40: the scan moves on window by window
            // until fewer than 49 bytes are left.
            passWindows((size - pos - kShortestChunk) / kSearchWindow + 1);
            break;
        }
        if (candidate == -2) {
            result.outcome = ScanOutcome::OpenFailed;
            return result;
        }
        // Chunks without a 40 move on by whole search windows: the chunk that
        // holds the candidate starts here, and must be long enough.
        if (candidate - pos >= kSearchWindow) {
            passWindows((candidate - pos) / kSearchWindow);
            if (size - pos < kShortestChunk) break;
        }
        report(candidate);
        const uint8_t* header = reader.HeaderAt(candidate, scratch);
        if (header == nullptr) {
            result.outcome = ScanOutcome::OpenFailed;
            return result;
        }
        bool rejected = !PassesHeaderTest(header, rules);
        // In a run of 40s each rejected one makes the next byte both the start
        // of the next chunk and its candidate: stay in the block for them.
        while (rejected && header != scratch && header[1] == kHeaderByte && size - (candidate + 1) >= kShortestChunk &&
               reader.Covers(candidate + 1, kHeaderSize)) {
            pos = ++candidate;
            rejected = !PassesHeaderTest(++header, rules);
        }
        if (rejected) {
            pos = candidate + 1;
            continue;
        }
        FoundImage entry;
        if (!ReadCandidate(header, candidate, rules, entry)) {
            pos = candidate + 1;
            continue;
        }
        // A header inside the previous entry's extent takes that entry's place.
        if (!table.empty() && EntryEnd(table.back()) > candidate) table.pop_back();
        pos = candidate + kHeaderSize;

        bool accepted = icons ? AcceptIconSize(entry) : AcceptBitmapSize(entry);
        // Nothing accepted may lie partly outside the file.
        accepted = accepted && entry.colorCount >= 0 && EntryEnd(entry) <= size;
        if (accepted && !icons && NeedsRleCheck(entry)) {
            const int64_t bits = EntryEnd(entry) - entry.imageSize;
            const int verdict = rle.Passes(bits, EntryEnd(entry), entry.bitCount, entry.colorCount);
            if (verdict < 0) {
                result.outcome = ScanOutcome::OpenFailed;
                return result;
            }
            accepted = verdict == 1;
        }
        if (accepted) table.push_back(entry);
        if (table.size() >= limit) {
            result.outcome = ScanOutcome::LimitReached;
            return result;
        }
    }
    result.outcome = table.empty() ? ScanOutcome::NothingFound : ScanOutcome::Found;
    return result;
}

ScanResult ScanFile(const std::string& path, const ScanOptions& options) {
    FileSource file(path);
    if (!file.IsOpen()) {
        ScanResult result;
        result.outcome = ScanOutcome::OpenFailed;
        return result;
    }
    return ScanImages(file, options);
}
