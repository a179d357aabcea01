#include "cli/picture_commands.h"

#include <ostream>

#include "cli/arguments.h"
#include "cli/local_file_system.h"
#include "cli/search.h"
#include "fileops/swap_write.h"
#include "imaging/bmp_layout.h"
#include "imaging/bmp_pixels.h"
#include "imaging/contact_sheet.h"
#include "imaging/icon_pixels.h"
#include "imaging/png_file.h"
#include "texts/image_messages.h"
#include "texts/search_messages.h"

namespace {

constexpr int kWritten = 0;
constexpr int kError = 2;

enum class Picture { Ok, SourceUnreadable, CannotDraw };

Picture FromRead(ImageRead read) { return read == ImageRead::Unreadable ? Picture::SourceUnreadable : Picture::CannotDraw; }

Picture FromBmp(BmpPixels decoded) {
    return decoded == BmpPixels::Ok ? Picture::Ok : decoded == BmpPixels::Unreadable ? Picture::SourceUnreadable
                                                                                       : Picture::CannotDraw;
}

// What the icon inspector shows of an icon (its display copy), or the icon
// with its transparency.
Picture IconPicture(ByteSource& file, const FoundImage& entry, ColorRef mask, bool alpha, RgbaImage& picture) {
    if (!alpha && entry.format == ImageFormat::Dib && entry.bitCount != 32) {
        std::vector<uint8_t> bmp;
        const ImageRead read = RenderIconDisplayCopy(file, entry, mask, bmp);
        return read == ImageRead::Ok ? FromBmp(DecodeBmpFile(bmp, picture)) : FromRead(read);
    }
    const ImageRead read = IconPixels(file, entry, picture);
    if (read != ImageRead::Ok) return FromRead(read);
    if (!alpha) FlattenOver(picture, mask);
    return Picture::Ok;
}

Picture BitmapPicture(ByteSource& file, const FoundImage& entry, RgbaImage& picture) {
    std::vector<uint8_t> bmp;
    const ImageRead read = BuildBitmapFile(file, entry, bmp);
    return read == ImageRead::Ok ? FromBmp(DecodeBmpFile(bmp, picture)) : FromRead(read);
}

int WritePng(const RgbaImage& picture, bool alpha, const std::string& target, std::ostream& out, std::ostream& err) {
    std::vector<uint8_t> png;
    if (!EncodePng(picture, alpha, png) || !WriteNewFile(LocalFileSystem(), target, png.data(), png.size())) {
        err << TargetNotMadeMessage().english << "\n";
        return kError;
    }
    out << target << "\n";
    return kWritten;
}

int Refuse(Picture picture, bool icon, size_t index, std::ostream& err) {
    if (picture == Picture::SourceUnreadable) {
        err << DisplayCopyMessage(icon ? DisplayCopyKind::Icon : DisplayCopyKind::Bitmap,
                                  DisplayCopyResult::SourceUnreadable)->english << "\n";
    } else {
        err << "imgscan: entry " << index << " cannot be drawn (a compression other than RLE4 or RLE8, or too large)\n";
    }
    return kError;
}

int RenderOne(const std::string& command, const Arguments& args, std::ostream& out, std::ostream& err) {
    const bool icon = command == "render-icon";
    ColorRef mask = kDefaultMaskColor;
    if (!MaskColorOption(args, mask, err)) return kError;
    ScanOptions options;
    options.kind = icon ? SearchKind::Icons : SearchKind::Bitmaps;
    options.allKinds = args.Has("--all-kinds");
    FoundImage entry;
    if (!FindEntry(options, args, entry, err)) return kError;
    FileSource file(args.positional[0]);
    RgbaImage picture;
    const bool alpha = args.Has("--alpha");
    const Picture made = icon ? IconPicture(file, entry, mask, alpha, picture) : BitmapPicture(file, entry, picture);
    if (made != Picture::Ok) return Refuse(made, icon, std::stoul(args.positional[1]), err);
    return WritePng(picture, icon ? alpha : HasTransparency(picture), args.positional[2], out, err);
}

int Sheet(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 3 || (args.positional[0] != "icons" && args.positional[0] != "bitmaps")) {
        err << "imgscan: expected icons|bitmaps FILE OUT.png\n";
        return kError;
    }
    const bool icons = args.positional[0] == "icons";
    ColorRef mask = kDefaultMaskColor;
    if (!MaskColorOption(args, mask, err)) return kError;
    ScanOptions options;
    const bool gallery = args.Has("--gallery");
    options.kind = icons ? (gallery ? SearchKind::GalleryIcons : SearchKind::Icons)
                         : (gallery ? SearchKind::GalleryBitmaps : SearchKind::Bitmaps);
    options.allKinds = icons && args.Has("--all-kinds");
    const std::string& path = args.positional[1];
    ScanResult found;
    if (!SearchWithMessage(path, options, found, err)) return kError;
    if (const Message* limit = SearchMessage(options.kind, found.outcome, InFileMode(options.kind, path))) {
        err << limit->english << "\n";  // the first 500 are shown
    }

    const SheetLayout layout = icons ? IconSheetLayout(found.entries.size()) : BitmapSheetLayout(found.entries.size());
    RgbaImage sheet;
    if (!BlankSheet(layout, sheet)) {
        err << TargetNotMadeMessage().english << "\n";
        return kError;
    }
    FileSource file(path);
    const ColorRef white = MakeColorRef(255, 255, 255);
    for (size_t i = 0; i < found.entries.size(); ++i) {
        RgbaImage picture;
        const FoundImage& entry = found.entries[i];
        const Picture made = icons ? IconPicture(file, entry, mask, false, picture) : BitmapPicture(file, entry, picture);
        if (made != Picture::Ok) {
            err << "imgscan: entry " << i << " cannot be drawn; its cell stays empty\n";
            continue;
        }
        FlattenOver(picture, white);  // pixels an RLE bitmap never reaches
        DrawInCell(layout, i, picture, sheet);
    }
    return WritePng(sheet, false, args.positional[2], out, err);
}

}  // namespace

bool IsPictureCommand(const std::string& command, const std::vector<std::string>& words) {
    if (command == "render-bitmap" || command == "sheet") return true;
    if (command != "render-icon") return false;
    // render-icon writes a PNG file for a name ending in .png, else the display copy as .bmp.
    Arguments args;
    std::string error;
    return ParseArguments(words, {"--all-kinds", "--alpha"}, {"--mask-color"}, args, error) &&
           args.positional.size() == 3 && EndsWithNoCase(args.positional[2], ".png");
}

int RunPictureCommand(const std::string& command, const std::vector<std::string>& words, std::ostream& out,
                      std::ostream& err) {
    Arguments args;
    std::string error;
    const bool ok = command == "sheet"
                        ? ParseArguments(words, {"--gallery", "--all-kinds"}, {"--mask-color"}, args, error)
                    : command == "render-icon"
                        ? ParseArguments(words, {"--all-kinds", "--alpha"}, {"--mask-color"}, args, error)
                        : ParseArguments(words, {}, {}, args, error);
    if (!ok) {
        err << "imgscan: " << error << "\n";
        return kError;
    }
    if (command == "sheet") return Sheet(args, out, err);
    if (command == "render-bitmap" && (args.positional.size() != 3 || !EndsWithNoCase(args.positional[2], ".png"))) {
        err << "imgscan: expected FILE INDEX OUT.png\n";
        return kError;
    }
    return RenderOne(command, args, out, err);
}
