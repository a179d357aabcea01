#include "texts/gallery_messages.h"

namespace gallery_texts {

constexpr MessageIcon E = MessageIcon::Error;
constexpr MessageIcon W = MessageIcon::Warning;

const Message kOpenMyself{"Unable to open myself.", "Error", "自分自身はオープンできません.", "エラー", E};
const Message kOpenWrongExtension{"Select a file with EXE or DLL extension.", "Error",
                                  "拡張子 EXE/DLL のファイルを選択してください.", "エラー", W};
const Message kNoRoomForPicture{"Free diskspace is not enough\nto make a temporary bitmap file.", "Warning",
                                "テンポラリ・ビットマップ・ファイルの\n作成のためのディスクの空容量が不足です.", "警告", W};

const Message kSourceUnreadable{"Unable to open a source file.", "Error", "ソース・ファイルを開けません.", "エラー", E};
const Message kIconPageNotMade{"Unable to make a temporary bitmap file.", "Error",
                               "テンポラリのビットマップ・ファイルを作れません.", "エラー", E};
const Message kThumbnailNotMade{"Cannot make a temporary bitmap file.", "Error",
                                "テンポラリのビットマップ・ファイルを作れません.", "エラー", E};
const Message kPageNotOpened{"Unable to open a temporary bitmap file.\nThe file will be deleted.", "Error",
                             "テンポラリ・ビットマップ・ファイルを開けません.\nファイルは削除されます.", "エラー", E};
const Message kPageNotRead{"Unable to read a temporary bitmap file.\nThe file will be deleted.", "Error",
                           "テンポラリ・ビットマップ・ファイルを読めません.\nファイルは削除されます.", "エラー", E};
const Message kColorDialogFailed{
    "Unable to display dialog.\nDark cyan color is selected for\ntransparent/reverse pixels in the icon.", "Error",
    "ダイアログを表示できませんので、\nアイコン中の透明色・反転色の表示\n色は、暗シアン色とします.", "エラー", W};

const Message kSaveDialogFailed{"GetSaveFileName error 0x%lx", "Open Error", "GetSaveFileName エラー 0x%lx", "エラー",
                                E};
const Message kSaveNotHardDisk{"Unable to save files other than to the hard disk.", "Warning",
                               "ハード・ディスク以外へはセーブできません.", "警告", W};
const Message kSaveNoFreeSpace{"Free diskspace is not enough.", "Warning", "ディスクの空容量が不足です.", "警告", W};
const Message kConfirmFailed{"Unable to display dialog.", "System Error", "ダイアログを表示できません.",
                             "システム・エラー", E};

const SaveTexts kIconSaveTexts{
    {"Assign a file with ICO extension.", "Error", "ファイルは拡張子 ICO を持つ必要があります.", "エラー", W},
    {"NO saving work for icon(s).", "Notice", "アイコンの保存作業は行われません.", "通知", W},
    {"Interrupted saving work for icons.", "Notice", "アイコンの保存作業は中断されました.", "通知", W},
    DisplayCopyKind::Icon,
};
const SaveTexts kBitmapSaveTexts{
    {"Assign a file with BMP extension.", "Error", "ファイルは拡張子 BMP を持つ必要があります.", "エラー", W},
    {"NO saving work for bitmap(s).", "Notice", "ビットマップの保存作業は行われません.", "通知", W},
    {"Interrupted saving work for bitmap.", "Notice", "ビットマップの保存作業は中断されました.", "通知", W},
    DisplayCopyKind::Bitmap,
};

const TextPair kIconSaveTitle{"Assign an icon file to save.", "保存するファイル名の選択"};
const TextPair kBitmapSaveTitle{"Assign a bitmap file to save.", "保存するファイル名の選択"};

}  // namespace gallery_texts
