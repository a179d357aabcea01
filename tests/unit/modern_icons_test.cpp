// --all-kinds: 32-bit and PNG icon images found beside the programs' own, and
// what the writers make of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/list_command.h"
#include "cli/write_commands.h"
#include "tests/unit/command_folder.h"
#include "imaging/bmp_pixels.h"
#include "imaging/icon_grid_page.h"
#include "imaging/png_file.h"
#include "scan/modern_icons.h"
#include "tests/unit/test_images.h"

namespace {

namespace fs = std::filesystem;

// A 32-bit icon image: every pixel (blue 10, green 20, red 30, alpha), the
// AND mask all 0.
Bytes Icon32(int32_t width, int32_t height, uint8_t alpha, int32_t sizeImage = -1) {
    const int32_t xorBytes = 4 * width * height, andBytes = (width + 31) / 32 * 4 * height;
    Bytes image = HeaderBytes({width, 2 * height, 32, 0, sizeImage < 0 ? xorBytes + andBytes : sizeImage, 0, 0, 0});
    for (int32_t i = 0; i < width * height; ++i) image.insert(image.end(), {10, 20, 30, alpha});
    image.resize(image.size() + static_cast<size_t>(andBytes), 0);
    return image;
}

// A PNG icon image of one colour, half transparent.
Bytes PngIcon(int32_t width, int32_t height) {
    RgbaImage image;
    const uint8_t colour[4] = {200, 100, 50, 128};
    MakeImage(width, height, colour, image);
    Bytes png;
    EncodePng(image, true, png);
    return png;
}

class AllKinds : public CommandFolder {
protected:
    AllKinds() : CommandFolder("imgscan_modern") {}
    int List(const std::vector<std::string>& words) {
        out_.str("");
        err_.str("");
        return RunListCommand(SearchKind::Icons, words, out_, err_);
    }
};

TEST_F(AllKinds, FindsModernImagesBesideTheProgramsOnesAndOnlyWhenAsked) {
    Bytes file(32, 0);
    Place(file, 32, IconImage(16, 16, 4));                  // the programs' kind, at 32
    const size_t dib32 = file.size() + 5;
    Place(file, dib32, Icon32(24, 24, 255, 0));             // biSizeImage 0
    const Bytes png = PngIcon(48, 48);
    const size_t pngAt = file.size() + 3;
    Place(file, pngAt, png);
    file.resize(file.size() + 60, 0);
    const std::string exe = Write("app.exe", file);

    EXPECT_EQ(List({exe}), 0);
    EXPECT_EQ(out_.str(), "    0  00000020  16 x 16 x 16 (318 Bytes)\n");
    EXPECT_EQ(List({"--all-kinds", exe}), 0);
    char expected[200];
    std::snprintf(expected, sizeof expected,
                  "    0  00000020  16 x 16 x 16 (318 Bytes)\n    1  %08zX  24 x 24 x 32-bit (2462 Bytes)\n"
                  "    2  %08zX  48 x 48 x PNG (%zu Bytes)\n",
                  dib32, pngAt, png.size() + 22);
    EXPECT_EQ(out_.str(), expected);

    EXPECT_EQ(List({"--all-kinds", "--json", exe}), 0);
    const std::string json = out_.str();
    EXPECT_NE(json.find("\"isCompressed\": 0, \"kind\": \"dib\"}, {\"index\": 1"), std::string::npos) << json;
    EXPECT_NE(json.find("\"width\": 24, \"height\": 48, \"bitCount\": 32, \"colorCount\": 0, \"imageSize\": 2400, "
                        "\"maskSize\": 96"),
              std::string::npos) << json;
    EXPECT_NE(json.find("\"width\": 48, \"height\": 96, \"bitCount\": 32, \"colorCount\": 0, \"imageSize\": " +
                        std::to_string(png.size()) + ", \"maskSize\": 0, \"isCompressed\": 0, \"kind\": \"png\"}]}"),
              std::string::npos) << json;
    EXPECT_EQ(List({"--all-kinds", "--gallery", exe}), 0);  // the galleries' limit: 48 fits 64
    EXPECT_NE(out_.str().find("PNG"), std::string::npos);

    // Exported .ico files that parse: one directory entry, the image where it says.
    ASSERT_EQ(Run("extract-icon", {"--all-kinds", exe, "2", Path("png.ico")}), 0) << err_.str();
    const Bytes ico = Read("png.ico");
    ASSERT_EQ(ico.size(), 22 + png.size());
    EXPECT_EQ(Bytes(ico.begin(), ico.begin() + 6), (Bytes{0, 0, 1, 0, 1, 0}));
    EXPECT_EQ(ico[6], 48);
    EXPECT_EQ(ico[7], 48);
    EXPECT_EQ(ico[12], 32);  // wBitCount
    EXPECT_EQ(Get32(ico, 14), png.size());
    EXPECT_EQ(Get32(ico, 18), 22u);
    EXPECT_EQ(Bytes(ico.begin() + 22, ico.end()), png);
    ASSERT_EQ(Run("extract-icon", {"--all-kinds", exe, "1", Path("dib.ico")}), 0);
    EXPECT_EQ(Read("dib.ico").size(), 22u + 40 + 2400);
    EXPECT_EQ(Get32(Read("dib.ico"), 14), 2440u);
    EXPECT_EQ(Run("extract-icon", {exe, "1", Path("no.ico")}), 2);  // without --all-kinds: one entry
    ASSERT_EQ(Run("extract", {"icons", "--all-kinds", exe, dir_.string()}), 0);
    EXPECT_EQ(Read("app002.ICO"), ico);

    // Pictures: the alpha channel, the PNG decoded.
    ASSERT_EQ(Run("render-icon", {"--all-kinds", "--alpha", exe, "2", Path("p.png")}), 0);
    RgbaImage picture;
    const Bytes written = Read("p.png");
    ASSERT_TRUE(DecodeIconPng(written.data(), written.size(), picture));
    EXPECT_EQ(Bytes(picture.At(47, 47), picture.At(47, 47) + 4), (Bytes{200, 100, 50, 128}));
    ASSERT_EQ(Run("render-icon", {"--all-kinds", exe, "1", Path("d.png"), "--mask-color", "FFFFFF"}), 0);
    const Bytes shown = Read("d.png");
    ASSERT_TRUE(DecodeIconPng(shown.data(), shown.size(), picture));
    EXPECT_EQ(Bytes(picture.At(0, 0), picture.At(0, 0) + 4), (Bytes{30, 20, 10, 255}));
}

// What the programs show of today's icons is what imgscan draws: the icon
// inspector's display copy (render-icon --all-kinds) and the icon gallery's
// cell (sheet icons --gallery --all-kinds), over the same mask colour, for
// graded alpha, alpha all 0 (the mask decides), odd sizes and a PNG.
TEST_F(AllKinds, TheProgramsDrawTodaysIconsAsImgscanDoes) {
    Bytes file(16, 0);
    Bytes ramp = Icon32(17, 9, 0);  // alpha across, colours down: orientation and blending show
    for (int32_t y = 0; y < 9; ++y)
        for (int32_t x = 0; x < 17; ++x) {
            uint8_t* p = ramp.data() + 40 + 4 * (y * 17 + x);
            p[0] = static_cast<uint8_t>(20 * y);
            p[3] = static_cast<uint8_t>(15 * x);
        }
    Place(file, file.size() + 8, ramp);
    Bytes masked = Icon32(6, 6, 0);  // alpha all 0: its AND mask decides
    masked[masked.size() - 4] = 0xF0;  // the top row's first four pixels
    Place(file, file.size() + 8, masked);
    Place(file, file.size() + 8, PngIcon(64, 63));
    file.resize(file.size() + 40, 0);
    const std::string exe = Write("app.exe", file);

    const ColorRef mask = MakeColorRef(0xC0, 0x40, 0x10);
    ScanOptions options;
    options.kind = SearchKind::GalleryIcons;
    options.allKinds = true;
    MemorySource source(file);
    const std::vector<FoundImage> entries = ScanAllKinds(source, options).entries;
    ASSERT_EQ(entries.size(), 3u);

    ASSERT_EQ(Run("sheet", {"icons", "--gallery", "--all-kinds", exe, Path("sheet.png"), "--mask-color", "C04010"}), 0);
    const Bytes sheetPng = Read("sheet.png");
    RgbaImage sheet;
    ASSERT_TRUE(DecodePng(sheetPng.data(), sheetPng.size(), 1000, sheet));
    std::vector<uint8_t> page = BlankPageFile(3, 1);
    PagePixels pixels = PixelsOfPage(page.data() + 54, page.size() - 54, 3, 1);
    for (size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(Run("render-icon", {"--all-kinds", exe, std::to_string(i), Path("i.png"), "--mask-color", "C04010"}), 0);
        const Bytes written = Read("i.png");
        RgbaImage expected, shown;
        ASSERT_TRUE(DecodeIconPng(written.data(), written.size(), expected));
        std::vector<uint8_t> bmp;
        ASSERT_EQ(RenderIconDisplayCopy(source, entries[i], mask, bmp), ImageRead::Ok);
        ASSERT_EQ(DecodeBmpFile(bmp, shown), BmpPixels::Ok);
        EXPECT_EQ(shown.width, expected.width);
        EXPECT_EQ(shown.pixels, expected.pixels);

        ASSERT_TRUE(DrawIconInCell(source, entries[i], 0, static_cast<int32_t>(i), mask, pixels));
    }
    RgbaImage drawn;
    ASSERT_EQ(DecodeBmpFile(page, drawn), BmpPixels::Ok);
    EXPECT_EQ(drawn.pixels, sheet.pixels);  // lines, white around the pictures, the pictures
    EXPECT_NE(drawn.At(1 + 23, 1 + 27)[0], 255);  // the odd-sized ramp sits where the sheet puts it
}

TEST(ModernIconScan, RefusesWhatIsNoIconImage) {
    const auto found = [](const Bytes& file, bool upTo64 = false) {
        MemorySource source(file);
        std::vector<FoundImage> images;
        EXPECT_TRUE(FindModernIcons(source, upTo64, images));
        return images.size();
    };
    Bytes png = PngIcon(16, 16);
    EXPECT_EQ(found(png), 1u);
    Bytes badCrc = png;
    badCrc[32] ^= 1;
    EXPECT_EQ(found(badCrc), 0u);
    EXPECT_EQ(found(Bytes(png.begin(), png.end() - 1)), 0u);  // no IEND
    Bytes farEnd(png.begin(), png.end() - 12);
    farEnd.resize((1 << 20) + 100, 0);
    farEnd.insert(farEnd.end(), png.end() - 12, png.end());
    EXPECT_EQ(found(farEnd), 0u);  // an IEND beyond 1 MiB belongs to something else
    EXPECT_EQ(found(PngIcon(300, 2)), 0u);
    EXPECT_EQ(found(PngIcon(65, 65), true), 0u);

    EXPECT_EQ(found(Icon32(32, 32, 255)), 1u);
    EXPECT_EQ(found(Icon32(32, 32, 255, 4096)), 1u);  // XOR bitmap only
    EXPECT_EQ(found(Icon32(32, 32, 255, 1000)), 0u);
    Bytes cut = Icon32(32, 32, 255);
    cut.pop_back();
    EXPECT_EQ(found(cut), 0u);
    EXPECT_EQ(found(Icon32(300, 2, 255)), 0u);

    // A PNG inside the programs' icon is part of it, not an image of its own.
    Bytes inside = IconImage(64, 64, 24);
    Place(inside, 100, png);
    ScanOptions all;
    all.allKinds = true;
    MemorySource source(inside);
    EXPECT_EQ(ScanAllKinds(source, all).entries.size(), 1u);
}

TEST(ModernIconScan, LimitCountsEveryKindAndRunsOfSignaturesStayLinear) {
    Bytes file;
    for (int i = 0; i < 300; ++i) {
        Place(file, file.size(), IconImage(8, 8, 1));
        Place(file, file.size(), Icon32(8, 8, 255));
    }
    ScanOptions all;
    all.allKinds = true;
    MemorySource source(file);
    const ScanResult result = ScanAllKinds(source, all);
    EXPECT_EQ(result.outcome, ScanOutcome::LimitReached);
    ASSERT_EQ(result.entries.size(), 500u);
    EXPECT_EQ(result.entries[1].bitCount, 32);
    EXPECT_EQ(result.entries[2].bitCount, 1);

    // Many signatures with a valid IHDR and one IEND at the end: each asks for
    // the next IEND, which is searched for once.
    const Bytes png = PngIcon(4, 4);
    Bytes heads;
    for (int i = 0; i < 20000; ++i) heads.insert(heads.end(), png.begin(), png.begin() + 33);
    heads.insert(heads.end(), png.end() - 12, png.end());
    MemorySource many(heads);
    std::vector<FoundImage> images;
    ASSERT_TRUE(FindModernIcons(many, false, images));
    EXPECT_EQ(images.size(), 1u);  // the first one, reaching to the IEND
}

}  // namespace
