#include "texts/search_messages.h"

#include "texts/image_messages.h"

namespace {

constexpr Message kIcoCountNotOne{"More than one icon contained in the file.", "Error",
                                  "アイコンが１個以上ファイルに含まれています.", "エラー", MessageIcon::Error};
constexpr Message kIcoNothingFound{"Not an icon file with correct format.", "Information",
                                   "正しい形式のアイコン・ファイル\nではありません.", "お知らせ",
                                   MessageIcon::Information};
constexpr Message kNoIcon{"NO icon in the file.", "Information", "ファイル中にアイコンはありません.", "お知らせ",
                          MessageIcon::Information};
constexpr Message kIconLimit{"Over 500 icons in the file\nso that search is interrupted.", "Information",
                             "５００以上のアイコンがありますので、\n検索を打ち切ります.", "お知らせ",
                             MessageIcon::Warning};
constexpr Message kGalleryIconLimit{"Over 500 icons in the file\nso that search has been stopped.", "Search stop",
                                    "５００以上のアイコンがありますので、\n検索を打ち切りました.", "検索中止",
                                    MessageIcon::Warning};

constexpr Message kBmpNothingFound{"Not a bitmap file with correct format.", "Information",
                                   "正しい形式のビットマップ・ファイル\nではありません.", "お知らせ",
                                   MessageIcon::Information};
constexpr Message kNoBitmap{"NO bitmap in the file.", "Information", "ファイル中にビットマップはありません.",
                            "お知らせ", MessageIcon::Information};
constexpr Message kBitmapLimit{"Over 500 bitmaps in the file\nso that search is interrupted.", "Information",
                               "５００以上のビットマップがありますので、\n検索を打ち切ります.", "お知らせ",
                               MessageIcon::Warning};
constexpr Message kGalleryBitmapLimit{"Over 500 bitmaps in the file\nso that search has been stopped.",
                                      "Search stop", "５００以上のビットマップがありますので、\n検索を打ち切りました.",
                                      "検索中止", MessageIcon::Warning};

}  // namespace

const Message* SearchMessage(SearchKind kind, ScanOutcome outcome, bool fileMode) {
    switch (outcome) {
        case ScanOutcome::Found:
            return nullptr;
        case ScanOutcome::OpenFailed:
            return kind == SearchKind::Bitmaps ? &TargetUnreadableMessage() : &SourceUnreadableMessage();
        case ScanOutcome::IcoCountNotOne:
            return &kIcoCountNotOne;
        case ScanOutcome::NothingFound:
            switch (kind) {
                case SearchKind::Icons: return fileMode ? &kIcoNothingFound : &kNoIcon;
                case SearchKind::GalleryIcons: return &kNoIcon;
                case SearchKind::Bitmaps: return fileMode ? &kBmpNothingFound : &kNoBitmap;
                case SearchKind::GalleryBitmaps: return &kNoBitmap;
            }
            break;
        case ScanOutcome::LimitReached:
            switch (kind) {
                case SearchKind::Icons: return &kIconLimit;
                case SearchKind::GalleryIcons: return &kGalleryIconLimit;
                case SearchKind::Bitmaps: return &kBitmapLimit;
                case SearchKind::GalleryBitmaps: return &kGalleryBitmapLimit;
            }
            break;
    }
    return nullptr;
}
