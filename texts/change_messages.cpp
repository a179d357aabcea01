#include "texts/change_messages.h"

#include "texts/image_messages.h"

namespace {

constexpr Message kIconUnreadable{"Unable to open an icon file.", "Error", "アイコン・ファイルを開けません.", "エラー",
                                  MessageIcon::Error};
constexpr Message kIconStyle{"Unable to replace the icon in the file because of\ndifferent style (Size, Width, Height, Colors).",
                             "Warning", "ファイルのアイコン置換はできません.\nスタイル（サイズ・幅・高さ・色数）が異なります.",
                             "警告", MessageIcon::Error};
constexpr Message kModernIcon{"Unable to replace a 32-bit or PNG icon.\nOnly icons of 2, 16, 256 and 16M colors can be replaced.",
                              "Warning",
                              "32ビットまたは PNG のアイコンは置換できません.\n置換できるのは 2・16・256・16M 色のアイコンです.",
                              "警告", MessageIcon::Warning};
constexpr Message kIconBackupCopy{"Unable to make a bakup file.", "Error", "バックアップ・ファイルを作れません.", "エラー",
                                  MessageIcon::Error};
constexpr Message kIconBackupOpen{"Unable to open a bakup file.", "Error", "バックアップ・ファイルを開けません.", "エラー",
                                  MessageIcon::Error};

constexpr Message kBitmapUnreadable{"Cannot open a bitmap file.", "Error", "ビットマップ・ファイルを開けません.", "エラー",
                                    MessageIcon::Error};
constexpr Message kBitmapNotBmp{"Assign a correct bitmap file.", "Error", "正しいビットマップ・ファイルを選択してください.",
                                "エラー", MessageIcon::Error};
constexpr Message kBitmapStyle{
    "Cannot replace the bitmap in the file because of\ndifferent style (Size, Width, Height, Colors).", "Warning",
    "ファイルのビットマップ置換はできません.\nスタイル（サイズ・幅・高さ・色数）が異なります.", "警告", MessageIcon::Error};
constexpr Message kBitmapBackupCopy{"Cannot make a bakup file.", "Error", "バックアップ・ファイルを作れません.", "エラー",
                                    MessageIcon::Error};
constexpr Message kBitmapBackupOpen{"Cannot open a bakup file.", "Error", "バックアップ・ファイルを開けません.", "エラー",
                                    MessageIcon::Error};
constexpr Message kPaletteTarget{"Cannot open a file to be modified and saved.", "Error",
                                 "修正し保存するファイルを開けません.", "エラー", MessageIcon::Error};

// Failures that the checked writes can now report; the file is unchanged.
constexpr Message kWriteFailed{"Unable to write the file.\nThe file is left unchanged.", "Error",
                               "ファイルに書き込めません.\nファイルは変更されていません.", "エラー", MessageIcon::Error};
constexpr Message kSwapFailed{"Unable to replace the file with its new content.\nThe file is left unchanged.", "Error",
                              "ファイルを新しい内容に置き換えられません.\nファイルは変更されていません.", "エラー",
                              MessageIcon::Error};
constexpr Message kRestoreFailed{"Unable to replace the file with its new content.\nThe original file is kept as %s.",
                                 "Error",
                                 "ファイルを新しい内容に置き換えられません.\nオリジナル・ファイルは%sとして残っています.",
                                 "エラー", MessageIcon::Error};

constexpr Message kBackupWrapped{
    "Extension is full for saving the original file\nso that all previous files (xxx.000 - xxx.999) are deleted.\n"
    "Again the file for saving starts from xxx.000.",
    "Warning",
    "オリジナル・ファイルの保存用の拡張子が満杯なので\n以前のファイル(xxx.000 - xxx.999)を全て削除しました.\n"
    "保存用ファイルは xxx.000 からの再スタートとなります.",
    "警告", MessageIcon::Warning};
constexpr Message kSignatureQuestion{
    "This file carries a digital signature.\nThe change makes its signature invalid\n"
    "(the backup of the original file keeps it).\nDo you change the file?",
    "Confirmation",
    "このファイルにはデジタル署名があります.\n変更すると署名は無効になります\n"
    "(オリジナル・ファイルのバックアップには残ります).\nファイルを変更しますか？",
    "確認", MessageIcon::Question};
constexpr Message kSavedAs{"The original file has been saved\nas %s.", "Information",
                           "オリジナル・ファイルは%s\nとして保存されました.", "お知らせ", MessageIcon::Information};

constexpr Message kNoSelectedFile{"No selected file in the directory.", "Error", "指定されたファイルはありません.",
                                  "エラー", MessageIcon::Error};
constexpr Message kAssignIco{"Assign an icon file (xxxx.ico).", "Error",
                             "アイコン・ファイル(xxxx.ico)を選択してください.", "エラー", MessageIcon::Error};
constexpr Message kAssignBmp{"Assign a bitmap file (xxxx.bmp).", "Error",
                             "ビットマップ・ファイル(xxxx.bmp)を選択してください.", "エラー", MessageIcon::Error};

const Message* IconMessage(ChangeResult result) {
    switch (result) {
        case ChangeResult::NewImageUnreadable: return &kIconUnreadable;
        case ChangeResult::NotABitmapFile:
        case ChangeResult::DifferentStyle: return &kIconStyle;
        case ChangeResult::SourceUnreadable:
        case ChangeResult::TargetCreateFailed: return &SourceUnreadableMessage();
        case ChangeResult::BackupCopyFailed: return &kIconBackupCopy;
        case ChangeResult::BackupUnreadable: return &kIconBackupOpen;
        default: return nullptr;
    }
}

const Message* BitmapMessage(ChangeResult result) {
    switch (result) {
        case ChangeResult::NewImageUnreadable: return &kBitmapUnreadable;
        case ChangeResult::NotABitmapFile: return &kBitmapNotBmp;
        case ChangeResult::DifferentStyle: return &kBitmapStyle;
        case ChangeResult::SourceUnreadable:
        case ChangeResult::TargetCreateFailed: return &TargetUnreadableMessage();
        case ChangeResult::BackupCopyFailed: return &kBitmapBackupCopy;
        case ChangeResult::BackupUnreadable: return &kBitmapBackupOpen;
        default: return nullptr;
    }
}

const Message* PaletteMessage(ChangeResult result) {
    switch (result) {
        case ChangeResult::SourceUnreadable:
        case ChangeResult::TargetCreateFailed: return &kPaletteTarget;
        default: return BitmapMessage(result);
    }
}

}  // namespace

const Message* ChangeMessage(ChangeKind kind, ChangeResult result) {
    switch (result) {
        case ChangeResult::Done: return nullptr;
        case ChangeResult::WriteFailed: return &kWriteFailed;
        case ChangeResult::SwapFailed: return &kSwapFailed;
        case ChangeResult::RestoreFailed: return &kRestoreFailed;
        default: break;
    }
    switch (kind) {
        case ChangeKind::IconReplace: return IconMessage(result);
        case ChangeKind::BitmapReplace: return BitmapMessage(result);
        case ChangeKind::PaletteSave: return PaletteMessage(result);
    }
    return nullptr;
}

const Message& NoSelectedFileMessage() { return kNoSelectedFile; }

const Message& WrongReplacementNameMessage(ChangeKind kind) {
    return kind == ChangeKind::IconReplace ? kAssignIco : kAssignBmp;
}

bool HasReplacementExtension(ChangeKind kind, const std::string& path) {
    const bool icon = kind == ChangeKind::IconReplace;
    return path.find(icon ? ".ICO" : ".BMP") != std::string::npos ||
           path.find(icon ? ".ico" : ".bmp") != std::string::npos;
}

const Message& ModernIconReplaceMessage() { return kModernIcon; }

const Message& SignatureQuestionMessage() { return kSignatureQuestion; }

const Message& BackupWrappedMessage() { return kBackupWrapped; }

const Message& SavedAsMessage() { return kSavedAs; }

std::string FormatText(const char* text, const std::string& argument) {
    std::string result = text;
    const size_t mark = result.find("%s");
    if (mark != std::string::npos) result.replace(mark, 2, argument);
    return result;
}
