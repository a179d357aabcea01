// Throughput of the one-pass scan and of the chunk-by-chunk reference, side
// by side, and the peak memory of scanning files of different sizes.
//
//   scan_bench [PE-FILE]     (without a file: the largest .exe/.dll found)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/peak_memory.h"
#include "bench/pe_files.h"
#include "tests/reference/reference_scanner.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A file written block by block, so that making it costs no memory.
std::string MakeFile(const std::string& name, int64_t size, bool random) {
    const std::string path = (fs::temp_directory_path() / name).string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::vector<uint8_t> block(1 << 20, 40);
    std::mt19937_64 rng(42);
    for (int64_t done = 0; done < size; done += static_cast<int64_t>(block.size())) {
        if (random) {
            for (size_t i = 0; i < block.size(); i += 8) {
                const uint64_t v = rng();
                for (int k = 0; k < 8; ++k) block[i + k] = static_cast<uint8_t>(v >> (8 * k));
            }
        }
        std::fwrite(block.data(), 1, static_cast<size_t>(std::min<int64_t>(size - done, static_cast<int64_t>(block.size()))), f);
    }
    std::fclose(f);
    return path;
}

// Reads no more than the first `limit` bytes of a file.
class PrefixSource : public ByteSource {
public:
    PrefixSource(ByteSource& inner, int64_t limit) : inner_(inner), limit_(std::min(limit, inner.Size())) {}
    int64_t Size() const override { return limit_; }
    int64_t ReadAt(int64_t offset, uint8_t* out, size_t count) override {
        if (offset >= limit_) return 0;
        return inner_.ReadAt(offset, out, static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(count), limit_ - offset)));
    }

private:
    ByteSource& inner_;
    int64_t limit_;
};

long PeakOfScan(const std::string& path) {
    ResetPeak();
    ScanOptions options;
    options.kind = SearchKind::Bitmaps;
    options.limit = 0;
    ScanFile(path, options);
    return PeakKiB();
}

struct Timing {
    double megabytesPerSecond;
    size_t entries;
};

template <typename Scan>
Timing Measure(ByteSource& source, Scan scan, int repeats) {
    ScanOptions options;
    options.kind = SearchKind::Bitmaps;
    options.limit = 0;
    size_t entries = 0;
    double best = 1e30;
    for (int i = 0; i < repeats; ++i) {
        const auto start = Clock::now();
        entries = scan(source, options).entries.size();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return {static_cast<double>(source.Size()) / 1e6 / best, entries};
}

void Compare(const char* label, const std::string& path, int64_t referencePrefix) {
    FileSource file(path);
    if (!file.IsOpen()) {
        std::printf("%-28s cannot open %s\n", label, path.c_str());
        return;
    }
    const Timing fast = Measure(file, ScanImages, 3);
    PrefixSource prefix(file, referencePrefix);
    const Timing slow = Measure(prefix, ReferenceScan, 1);
    std::printf("%-28s %8.1f MiB  one-pass %9.1f MB/s   reference %9.2f MB/s (on the first %.1f MiB)  %.0fx\n", label,
                static_cast<double>(file.Size()) / (1 << 20), fast.megabytesPerSecond, slow.megabytesPerSecond,
                static_cast<double>(prefix.Size()) / (1 << 20), fast.megabytesPerSecond / slow.megabytesPerSecond);
}

}  // namespace

int main(int argc, char** argv) {
    const int64_t size = int64_t{64} << 20;
    const std::string forty = MakeFile("scan_bench_forty.bin", size, false);
    const std::string random = MakeFile("scan_bench_random.bin", size, true);
    const std::string pe = argc > 1 ? argv[1] : LargestPeFile();

    std::printf("scan throughput, warm cache, best of 3 (reference: one run on a prefix; it re-reads 32100 bytes\n"
                "after every rejected byte 40)\n");
    Compare("(a) 64 MiB of byte 40", forty, int64_t{256} << 10);
    Compare("(b) 64 MiB of random bytes", random, int64_t{8} << 20);
    if (pe.empty()) {
        std::printf("(c) no PE file found\n");
    } else {
        std::printf("(c) %s\n", pe.c_str());
        Compare("    largest PE file", pe, int64_t{1} << 40);
    }

    // Peak memory: scanning a 16 MiB and a 64 MiB file must cost the same.
    const std::string small = MakeFile("scan_bench_small.bin", int64_t{16} << 20, true);
    ResetPeak();
    const long idle = PeakKiB();
    const long peakSmall = PeakOfScan(small);
    const long peakLarge = PeakOfScan(random);
    const long peakForty = PeakOfScan(forty);
    std::printf("peak resident memory of the process: %ld KiB idle; while scanning 16 MiB random %ld KiB, 64 MiB random "
                "%ld KiB, 64 MiB of 40s %ld KiB\n",
                idle, peakSmall, peakLarge, peakForty);
    for (const std::string& path : {forty, random, small}) fs::remove(path);
    return 0;
}
