#include "veskarin/veskarin_texts.h"

namespace veskarin_texts {

constexpr MessageIcon E = MessageIcon::Error;
constexpr MessageIcon W = MessageIcon::Warning;

const Message kSourceUnreadable{"Unable to open a source file.", "Error", "ソース・ファイルを開けません.", "エラー", E};
const Message kTemporaryNotWritten{"Unable to make a temporary bitmap file.", "Error",
                                   "テンポラリのビットマップ・ファイルを作れません.", "エラー", E};
const Message kTargetUnreadable{"Cannot open a target file.", "Error", "ターゲット・ファイルを開けません.", "エラー", E};
const Message kDisplayCopyUnreadable{"Unable to open file '%s'.", "Open Error", "ファイル '%s' を開けません.", "エラー",
                                     E};

const Message kColorDialogFailed{
    "Unable to display dialog.\nDark cyan color is selected for\ntransparent/reverse pixels in the icon.", "Error",
    "ダイアログを表示できませんので、\nアイコン中の透明色・反転色の表示\n色は、暗シアン色とします.", "エラー", W};

const Message kOpenMyself{"Unable to open myself.", "Error", "自分自身はオープンできません.", "エラー", E};
const Message kOpenWrongExtension{"Select a file with EXE, DLL, or ICO extension.", "Error",
                                  "拡張子 EXE/DLL/ICO のファイルを選択してください.", "エラー", W};

const Message kSaveWrongExtension{"Assign a file with ICO extension.", "Error",
                                  "ファイルは拡張子 ICO を持つ必要があります.", "エラー", W};
const Message kTargetNotMade{"Unable to make a target file.", "Error", "書込み用のファイルを作れません.", "エラー", E};

const Message kReplaceDialogFailed{"GetOpenFileName error 0x%lx", "Open Error", "GetOpenFileName エラー 0x%lx",
                                   "エラー", E};
const Message kReplaceConfirmation{"", "Confirmation for Replacement", "", "置換の確認", MessageIcon::Question};

const Pair kReplaceableLine{"Replaceable Icon : ", "置換されるIcon : "};
const Pair kSelectedLine{"\nSelected Icon : ", "\n選択されたIcon : "};
const Pair kSaveTitle{"Assign an icon file to save.", "保存するファイル名の選択"};
const Pair kReplaceTitle{"Select an icon file for replacement.", "置換するファイルの選択"};
const Pair kReplaceButton{"Replace(&O)", "置換(&O)"};

}  // namespace veskarin_texts
