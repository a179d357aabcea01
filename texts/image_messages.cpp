#include "texts/image_messages.h"

#include <cstdio>

namespace {

constexpr Message kHeaderShort{"Unable to read bitmap file header.", "Read Error",
                               "ビットマップ・ファイル・ヘッダーを読めません.", "エラー", MessageIcon::Error};
constexpr Message kBadMagic{"Bad magic number (0x%04x) in bitmap.", "Read Error",
                            "ビットマップのMAGIC NUMBER (0x%04x) が違っています.", "エラー", MessageIcon::Error};
constexpr Message kNoMemory{"Unable to allocate space for bitmap.", "Read Error",
                            "ビットマップ用のメモリーを確保できません.", "エラー", MessageIcon::Error};
constexpr Message kBodyShort{"Unable to read bitmap info header.", "Read Error",
                             "ビットマップ・インフォ・ヘッダーを読めません.", "エラー", MessageIcon::Error};
constexpr Message kBadInfoSize{"Illegal structure size is found in info header.", "File Error",
                               "ビットマップのファイル構造ではありません.", "エラー", MessageIcon::Error};

constexpr Message kSourceUnreadable{"Unable to open a source file.", "Error", "ソース・ファイルを開けません.", "エラー",
                              MessageIcon::Error};
constexpr Message kIconTemporaryNotMade{"Unable to make a temporary bitmap file.", "Error",
                                 "テンポラリのビットマップ・ファイルを作れません.", "エラー", MessageIcon::Error};
constexpr Message kTargetUnreadable{"Cannot open a target file.", "Error", "ターゲット・ファイルを開けません.", "エラー",
                                MessageIcon::Error};
constexpr Message kBitmapTemporaryNotMade{"Cannot make a temporary bitmap file.", "Error",
                                   "テンポラリのビットマップ・ファイルを作れません.", "エラー", MessageIcon::Error};

constexpr Message kTargetNotMade{"Unable to make a target file.", "Error", "書込み用のファイルを作れません.", "エラー",
                                 MessageIcon::Error};
constexpr Message kSavedIcons{"Succeeded to save icon(s) as icon file(s).", "Information",
                              "アイコンはファイルに保存されました.", "お知らせ", MessageIcon::Information};
constexpr Message kSavedBitmaps{"Succeeded to save bitmap(s) as bitmap file(s).", "Information",
                                "ビットマップはファイルに保存されました.", "お知らせ", MessageIcon::Information};

}  // namespace

const Message* DibMessage(DibStatus status) {
    switch (status) {
        case DibStatus::Ok: return nullptr;
        case DibStatus::FileHeaderShort: return &kHeaderShort;
        case DibStatus::BadMagic: return &kBadMagic;
        case DibStatus::NoMemory: return &kNoMemory;
        case DibStatus::BodyShort: return &kBodyShort;
        case DibStatus::BadInfoSize: return &kBadInfoSize;
    }
    return nullptr;
}

std::string BadMagicText(uint16_t magic, bool inJapanese) {
    char text[160];
    std::snprintf(text, sizeof text, kBadMagic.Text(inJapanese), static_cast<unsigned>(magic));
    return text;
}

const Message* DisplayCopyMessage(DisplayCopyKind kind, DisplayCopyResult result) {
    const bool icon = kind == DisplayCopyKind::Icon;
    switch (result) {
        case DisplayCopyResult::Written: return nullptr;
        case DisplayCopyResult::SourceUnreadable: return icon ? &kSourceUnreadable : &kTargetUnreadable;
        case DisplayCopyResult::NotWritten: return &TemporaryNotMadeMessage(kind);
    }
    return nullptr;
}

const Message& SourceUnreadableMessage() { return kSourceUnreadable; }
const Message& TargetUnreadableMessage() { return kTargetUnreadable; }
const Message& TemporaryNotMadeMessage(DisplayCopyKind kind) {
    return kind == DisplayCopyKind::Icon ? kIconTemporaryNotMade : kBitmapTemporaryNotMade;
}
const Message& TargetNotMadeMessage() { return kTargetNotMade; }

const Message& SavedAllMessage(DisplayCopyKind kind) { return kind == DisplayCopyKind::Icon ? kSavedIcons : kSavedBitmaps; }
