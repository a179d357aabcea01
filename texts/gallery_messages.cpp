#include "texts/gallery_messages.h"

namespace gallery_texts {

constexpr MessageIcon E = MessageIcon::Error;
constexpr MessageIcon W = MessageIcon::Warning;

const Message kOpenWrongExtension{"Select a file with EXE or DLL extension.", "Error",
                                  "拡張子 EXE/DLL のファイルを選択してください.", "エラー", W};
const Message kNoRoomForPicture{"Free diskspace is not enough\nto make a temporary bitmap file.", "Warning",
                                "テンポラリ・ビットマップ・ファイルの\n作成のためのディスクの空容量が不足です.", "警告", W};

const Message kPageNotOpened{"Unable to open a temporary bitmap file.\nThe file will be deleted.", "Error",
                             "テンポラリ・ビットマップ・ファイルを開けません.\nファイルは削除されます.", "エラー", E};
const Message kPageNotRead{"Unable to read a temporary bitmap file.\nThe file will be deleted.", "Error",
                           "テンポラリ・ビットマップ・ファイルを読めません.\nファイルは削除されます.", "エラー", E};
const Message kSaveNotHardDisk{"Unable to save files other than to the hard disk.", "Warning",
                               "ハード・ディスク以外へはセーブできません.", "警告", W};

const SaveTexts kIconSaveTexts{
    {"NO saving work for icon(s).", "Notice", "アイコンの保存作業は行われません.", "通知", W},
    {"Interrupted saving work for icons.", "Notice", "アイコンの保存作業は中断されました.", "通知", W},
    DisplayCopyKind::Icon,
};
const SaveTexts kBitmapSaveTexts{
    {"NO saving work for bitmap(s).", "Notice", "ビットマップの保存作業は行われません.", "通知", W},
    {"Interrupted saving work for bitmap.", "Notice", "ビットマップの保存作業は中断されました.", "通知", W},
    DisplayCopyKind::Bitmap,
};

}  // namespace gallery_texts
