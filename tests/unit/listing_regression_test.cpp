// imgscan's default listing must not change: every search, as a table and as
// JSON, over the committed image files and the kinds of files the other tests
// build, compared with the listing recorded in tests/golden/listing.txt.
// IMG_UPDATE_GOLDEN=1 records it anew (only when a change is meant).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/list_command.h"
#include "tests/unit/test_images.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSource = IMG_SOURCE_DIR;

// Files of the kinds the scan tests build: every bit count, XOR-only sizes,
// RLE bits, overlapping headers, a .bmp file, the limit.
std::vector<std::pair<std::string, Bytes>> MadeFiles() {
    std::vector<std::pair<std::string, Bytes>> files;
    Bytes mixed(64, 0);
    for (const uint16_t bits : {1, 4, 8, 24}) {
        Place(mixed, mixed.size() + 7, IconImage(16, 16, bits));
        Place(mixed, mixed.size() + 3, IconImage(32, 32, bits, true));
        Place(mixed, mixed.size() + 5, IconImage(48, 48, bits));
        Place(mixed, mixed.size() + 1, BitmapImage(33, 7, bits));
        Place(mixed, mixed.size(), BitmapImage(64, 48, bits));
    }
    Bytes rle = HeaderBytes({16, 16, 8, 1, 64, 0, 0, 16});
    rle.resize(40 + 64, 0);
    rle.resize(rle.size() + 64, 3);
    Place(mixed, mixed.size() + 9, rle);
    Bytes overlap = IconImage(32, 32, 4);
    Place(overlap, 100, IconImage(16, 16, 8));
    Place(mixed, mixed.size(), overlap);
    mixed.resize(mixed.size() + 200, 40);
    files.emplace_back("mixed.dll", mixed);

    Bytes bmp(14, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    Place(bmp, 14, BitmapImage(40, 30, 8));
    files.emplace_back("picture.bmp", bmp);

    Bytes ico{0, 0, 1, 0, 1, 0};
    ico.resize(22, 0);
    Place(ico, 22, IconImage(32, 32, 24));
    files.emplace_back("one.ico", ico);

    Bytes many;
    for (int i = 0; i < 501; ++i) Place(many, many.size(), IconImage(8, 8, 1));
    files.emplace_back("many.exe", many);
    return files;
}

std::vector<fs::path> CommittedFiles() {
    std::vector<fs::path> files;
    for (const auto& item : fs::recursive_directory_iterator(kSource / "resources")) {
        const std::string ext = item.path().extension().string();
        if (ext == ".bmp" || ext == ".ico") files.push_back(item.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Every listing of `path`, shown under `name` (only the first, the table of
// icons, for the file of 501 icons).
std::string Listings(const std::string& path, const std::string& name, bool all = true) {
    static const std::vector<std::pair<SearchKind, std::vector<std::string>>> modes = {
        {SearchKind::Icons, {}},         {SearchKind::Icons, {"--json"}},
        {SearchKind::Icons, {"--gallery"}}, {SearchKind::Icons, {"--gallery", "--json"}},
        {SearchKind::Icons, {"--no-limit"}}, {SearchKind::Bitmaps, {}},
        {SearchKind::Bitmaps, {"--json"}},
    };
    std::string text;
    for (const auto& [kind, flags] : modes) {
        std::vector<std::string> words = flags;
        words.push_back(path);
        std::ostringstream out, err;
        const int status = RunListCommand(kind, words, out, err);
        std::string listing = out.str();
        // The path as JSON writes it (Windows: backslashes doubled), then as it is.
        std::string json;
        for (const char c : path) json += c == '\\' ? std::string("\\\\") : std::string(1, c);
        for (const std::string& shown : {json, path}) {
            for (size_t at; (at = listing.find(shown)) != std::string::npos;) listing.replace(at, shown.size(), name);
        }
        text += "== " + name + (kind == SearchKind::Icons ? " icons" : " bitmaps");
        for (const std::string& flag : flags) text += " " + flag;
        text += "\n" + listing + "-- exit " + std::to_string(status) + "\n" + err.str();
        if (!all) break;
    }
    return text;
}

TEST(DefaultListing, IsByteIdenticalOnTheTestFiles) {
    if (!fs::exists(kSource / "tests/golden")) GTEST_SKIP() << "no source tree at " << kSource;
    std::string all;
    for (const fs::path& file : CommittedFiles()) {
        all += Listings(file.string(), fs::relative(file, kSource).generic_string());
    }
    const fs::path dir = FreshTestFolder("listing");
    for (const auto& [name, bytes] : MadeFiles()) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        all += Listings(path.string(), name, name != "many.exe");
    }
    fs::remove_all(dir);

    const fs::path golden = kSource / "tests/golden/listing.txt";
    if (std::getenv("IMG_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(golden, std::ios::binary) << all;
        GTEST_SKIP() << "recorded " << golden;
    }
    std::ifstream in(golden, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << golden;
    const std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, expected);
}

}  // namespace
