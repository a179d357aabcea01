// The pictures of imgscan on real files: `sheet` of the largest DLL with
// icons (whole command in the process: search, drawing, PNG, file), its time
// and peak memory, and the --all-kinds search's throughput beside the
// programs' own search.
//
//   sheet_bench [DLL]     (without a file: the largest .dll whose icon search finds icons,
//                          and for the bitmap sheet the largest with bitmaps)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "bench/pe_files.h"
#include "bench/peak_memory.h"
#include "cli/picture_commands.h"
#include "scan/modern_icons.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string LargestDllWith(SearchKind kind) {
    for (const std::string& path : PeFilesLargestFirst()) {
        if (fs::path(path).extension() != ".dll") continue;
        ScanOptions options;
        options.kind = kind;
        FileSource file(path);
        if (file.IsOpen() && !ScanImages(file, options).entries.empty()) return path;
    }
    return {};
}

// Best of `repeats` runs of the sheet command; peak memory of the first.
void MeasureSheet(const std::string& dll, const std::vector<std::string>& flags) {
    const std::string target = (fs::temp_directory_path() / "sheet_bench.png").string();
    std::vector<std::string> words = flags;
    words.push_back(dll);
    words.push_back(target);
    double best = 1e30;
    long peak = -1;
    for (int r = 0; r < 3; ++r) {
        std::ostringstream out, err;
        ResetPeak();
        const auto start = Clock::now();
        if (RunPictureCommand("sheet", words, out, err) != 0) {
            std::printf("sheet failed: %s", err.str().c_str());
            return;
        }
        best = std::min(best, Seconds(start));
        if (r == 0) peak = PeakKiB();
    }
    std::string label = "sheet";
    for (const std::string& flag : flags) label += " " + flag;
    std::printf("%-30s %8.1f ms   peak %7.1f MiB   PNG %7.1f KiB\n", label.c_str(), best * 1e3, peak / 1024.0,
                static_cast<double>(fs::file_size(target)) / 1024);
    fs::remove(target);
}

// Search throughput of one file, best of 5, the file in memory.
void MeasureScan(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return;
    std::vector<uint8_t> bytes(static_cast<size_t>(fs::file_size(path)));
    const size_t read = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    bytes.resize(read);
    MemorySource source(bytes);
    const double mib = static_cast<double>(bytes.size()) / (1 << 20);
    for (const bool all : {false, true}) {
        ScanOptions options;
        options.kind = SearchKind::Icons;
        options.limit = 0;
        options.allKinds = all;
        double best = 1e30;
        size_t found = 0;
        for (int r = 0; r < 5; ++r) {
            const auto start = Clock::now();
            found = ScanAllKinds(source, options).entries.size();
            best = std::min(best, Seconds(start));
        }
        std::printf("  icons%-12s %5zu images  %8.2f ms  %8.0f MiB/s\n", all ? " --all-kinds" : "", found, best * 1e3,
                    mib / best);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dll = argc > 1 ? argv[1] : LargestDllWith(SearchKind::Icons);
    if (dll.empty()) {
        std::printf("no DLL with icons found\n");
        return 1;
    }
    std::printf("%s: %.1f MiB; best of 3, warm cache, peak resident size of the first run\n", dll.c_str(),
                static_cast<double>(fs::file_size(dll)) / (1 << 20));
    MeasureSheet(dll, {"icons"});
    MeasureSheet(dll, {"icons", "--all-kinds"});
    const std::string withBitmaps = argc > 1 ? dll : LargestDllWith(SearchKind::Bitmaps);
    if (!withBitmaps.empty() && withBitmaps != dll) std::printf("%s: the largest DLL with bitmaps\n", withBitmaps.c_str());
    if (!withBitmaps.empty()) MeasureSheet(withBitmaps, {"bitmaps"});
    std::printf("\nsearch throughput, file in memory, no limit, best of 5\n%s\n", dll.c_str());
    MeasureScan(dll);
    const std::string largest = LargestPeFile();
    if (!largest.empty() && largest != dll) {
        std::printf("%s (the largest PE file, %.1f MiB)\n", largest.c_str(),
                    static_cast<double>(fs::file_size(largest)) / (1 << 20));
        MeasureScan(largest);
    }
    return 0;
}
