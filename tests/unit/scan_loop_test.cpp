// How the scan walks through a file: where it looks, where it stops, and
// what it does with files it cannot read.
#include <gtest/gtest.h>

#include <algorithm>

#include "scan/byte_search.h"
#include "tests/unit/test_images.h"

namespace {

Bytes ManyIcons(int count) {
    Bytes file;
    const Bytes icon = IconImage(16, 16, 4);
    for (int i = 0; i < count; ++i) Place(file, file.size(), icon);
    return file;
}

TEST(ScanLimit, StopsAtFiveHundredEntries) {
    EXPECT_EQ(Scan(ManyIcons(499), SearchKind::Icons).outcome, ScanOutcome::Found);
    EXPECT_EQ(Scan(ManyIcons(499), SearchKind::Icons).entries.size(), 499u);
    for (const int count : {500, 501}) {
        const ScanResult result = Scan(ManyIcons(count), SearchKind::Icons);
        EXPECT_EQ(result.outcome, ScanOutcome::LimitReached) << count;
        EXPECT_EQ(result.entries.size(), 500u) << count;
    }
    const ScanResult all = Scan(ManyIcons(501), SearchKind::Icons, 0);
    EXPECT_EQ(all.outcome, ScanOutcome::Found);
    EXPECT_EQ(all.entries.size(), 501u);
}

TEST(ScanLimit, ReplacementsDoNotCount) {
    // The 500th header replaces the 499th: 499 entries, no limit.
    Bytes file = ManyIcons(498);
    const size_t outer = file.size();
    Place(file, outer, IconImage(32, 32, 4));
    Place(file, outer + 200, IconImage(16, 16, 4));
    const ScanResult result = Scan(file, SearchKind::Icons);
    EXPECT_EQ(result.outcome, ScanOutcome::Found);
    ASSERT_EQ(result.entries.size(), 499u);
    EXPECT_EQ(result.entries.back().headerOffset, static_cast<int32_t>(outer + 200));
}

TEST(ScanEnd, FilesOfFortyEightBytesOrFewerYieldNothing) {
    for (const size_t size : {0u, 1u, 40u, 48u}) {
        Bytes file(size, 0);
        if (size >= 40) Place(file, 0, HeaderBytes({}));
        EXPECT_EQ(Scan(file, SearchKind::Icons).outcome, ScanOutcome::NothingFound) << size;
        EXPECT_EQ(Scan(file, SearchKind::Bitmaps).outcome, ScanOutcome::NothingFound) << size;
    }
}

// An icon reaching to the end of the file holds, 45 bytes before that end, a
// header that passes the header test. Examined, it replaces the icon and is
// then dropped, leaving nothing; it is examined only if the chunk that finds
// it holds at least 49 bytes.
Bytes IconWithLateHeader(size_t rejectedFortyBeforeEnd) {
    Bytes file = IconImage(32, 32, 4);
    const size_t late = file.size() - 45;
    Bytes header = HeaderBytes({32, 64, 4, 0, 640});
    header.resize(45);
    Place(file, late, header);
    if (rejectedFortyBeforeEnd != 0) file[file.size() - rejectedFortyBeforeEnd] = 40;
    return file;
}

TEST(ScanEnd, ShortLastChunkEndsTheScanBeforeItsCandidate) {
    EXPECT_TRUE(Scan(IconWithLateHeader(0), SearchKind::Icons).entries.empty());
    // A rejected 40 48 bytes before the end: the next chunk holds 47 bytes.
    EXPECT_EQ(Offsets(Scan(IconWithLateHeader(48), SearchKind::Icons)), std::vector<int32_t>{0});
    // 50 bytes before the end: the next chunk holds 49 bytes and is searched.
    EXPECT_TRUE(Scan(IconWithLateHeader(50), SearchKind::Icons).entries.empty());
}

TEST(ScanWindows, HeadersAroundTheChunkBoundaryAreFound) {
    for (const size_t offset : {31960u, 31999u, 32000u, 32001u, 63999u, 64000u}) {
        Bytes file(offset, 0);
        Place(file, offset, IconImage(32, 32, 4));
        EXPECT_EQ(Offsets(Scan(file, SearchKind::Icons)), std::vector<int32_t>{static_cast<int32_t>(offset)});
    }
}

TEST(IcoPrecheck, TheFileMustDeclareExactlyOneImage) {
    Bytes ico(6, 0);
    ico[2] = 1;
    Place(ico, 22, IconImage(32, 32, 4));
    for (const uint8_t count : {0, 2}) {
        ico[4] = count;
        EXPECT_EQ(Scan(ico, SearchKind::Icons, kTableLimit, true).outcome, ScanOutcome::IcoCountNotOne);
    }
    ico[4] = 1;
    ico[5] = 1;  // 257 images
    EXPECT_EQ(Scan(ico, SearchKind::Icons, kTableLimit, true).outcome, ScanOutcome::IcoCountNotOne);
    ico[5] = 0;
    EXPECT_EQ(Offsets(Scan(ico, SearchKind::Icons, kTableLimit, true)), std::vector<int32_t>{22});
    EXPECT_EQ(Scan(Bytes{0, 0, 1, 0, 1}, SearchKind::Icons, kTableLimit, true).outcome, ScanOutcome::IcoCountNotOne);
    EXPECT_EQ(Scan(Bytes{0, 0, 1, 0, 1, 0}, SearchKind::Icons, kTableLimit, true).outcome, ScanOutcome::NothingFound);
}

// A source that fails on reads past a point, or claims to be huge.
class TroubledSource : public ByteSource {
public:
    TroubledSource(Bytes bytes, int64_t failFrom, int64_t claimedSize = -1)
        : memory_(std::move(bytes)), failFrom_(failFrom), claimedSize_(claimedSize) {}
    int64_t Size() const override { return claimedSize_ >= 0 ? claimedSize_ : memory_.Size(); }
    int64_t ReadAt(int64_t offset, uint8_t* out, size_t count) override {
        if (offset + static_cast<int64_t>(count) > failFrom_) return -1;
        return memory_.ReadAt(offset, out, count);
    }

private:
    MemorySource memory_;
    int64_t failFrom_;
    int64_t claimedSize_;
};

TEST(UnreadableFiles, ReadFailureEndsTheSearchAsOpenFailure) {
    Bytes file = ManyIcons(3);
    file.resize(3 << 20, 0);
    TroubledSource source(file, 2 << 20);
    ScanOptions options;
    EXPECT_EQ(ScanImages(source, options).outcome, ScanOutcome::OpenFailed);
}

TEST(UnreadableFiles, FilesOfTwoGibibytesAreRefused) {
    TroubledSource huge(Bytes(100, 0), INT64_MAX, int64_t{1} << 31);
    ScanOptions options;
    options.kind = SearchKind::Bitmaps;
    EXPECT_EQ(ScanImages(huge, options).outcome, ScanOutcome::OpenFailed);
    EXPECT_EQ(ScanFile("/nonexistent/file.exe", options).outcome, ScanOutcome::OpenFailed);
}

// The scan's own byte search finds the first hit wherever it lies: in the
// unaligned head, the 64-byte steps, the 16-byte steps or the tail, at every
// alignment of the range, for values on either side of 0x80.
TEST(ByteSearch, FindsTheFirstHitAsAPlainLoopDoes) {
    Bytes buffer(300, 7);
    for (const uint8_t value : {uint8_t{40}, uint8_t{0x89}}) {
        for (size_t start = 0; start < 16; ++start) {
            for (size_t length : {0, 1, 15, 16, 17, 63, 64, 65, 130, 283}) {
                const uint8_t* begin = buffer.data() + start;
                const uint8_t* end = begin + length;
                EXPECT_EQ(FindByte(begin, end, value), end);
                for (size_t hit = 0; hit < length; ++hit) {
                    buffer[start + hit] = value;
                    if (hit + 5 < length) buffer[start + hit + 5] = value;  // a later hit changes nothing
                    ASSERT_EQ(FindByte(begin, end, value), begin + hit) << start << " " << length << " " << hit;
                    std::fill(buffer.begin(), buffer.end(), 7);
                }
            }
        }
    }
    buffer[100] = 40;  // a hit just past the end is not found
    EXPECT_EQ(FindByte(buffer.data(), buffer.data() + 100, 40), buffer.data() + 100);
}

}  // namespace
