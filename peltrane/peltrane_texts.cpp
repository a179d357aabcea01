#include "peltrane/peltrane_texts.h"

namespace peltrane_texts {

constexpr MessageIcon E = MessageIcon::Error;
constexpr MessageIcon W = MessageIcon::Warning;
constexpr MessageIcon Q = MessageIcon::Question;

const Message kDisplaySourceUnreadable{"Unable to open file '%s'.", "Open Error", "ファイル '%s' を開けません.", "エラー",
                                       E};

const Message kLeaveForNext{"Do you go to the next bitmap without saving\nthe color change to this bitmap?", "Question",
                            "このビットマップのパレット・カラー変更を\n保存しないで次に進みますか？", "質問", Q};
const Message kLeaveForOpen{"Do you open a file without saving\nthe color change to the bitmap?", "Question",
                            "ビットマップのパレット・カラー変更を\n保存しないでファイルを開きますか？", "質問", Q};
const Message kLeaveForClose{"Do you close the dialog without saving\nthe color change to this bitmap?", "Question",
                             "このビットマップのパレット・カラー変更を\n保存しないでクローズしますか？", "質問", Q};
const Message kLeaveForExit{"Do you exit the application without saving\nthe color change to this bitmap?", "Question",
                            "このビットマップのパレット・カラー変更を\n保存しないでアプリケーションを終了しますか？", "質問",
                            Q};

const Message kOpenMyself{"Cannot open myself.", "Error", "自分自身はオープンできません.", "エラー", E};
const Message kOpenWrongExtension{"Select a file with EXE, DLL, or BMP extension.", "Error",
                                  "拡張子 EXE/DLL/BMP のファイルを選択してください.", "エラー", W};

const Message kSaveColorChanged{"Do you save a color changed bitmap?", "Question",
                                "カラー変更したビットマップを保存しますか？", "質問", Q};
const Message kSaveWrongExtension{"Assign a file with BMP extension.", "Error",
                                  "ファイルは拡張子 BMP を持つ必要があります.", "エラー", W};

const Message kReplaceDialogFailed{"GetOpenFileName error 0x%lx", "Open Error", "GetOpenFileName エラー 0x%lx",
                                   "エラー", E};
const Message kReplaceConfirmation{"", "Confirmation for Replacement", "", "置換の確認", Q};

const Pair kReplaceableLine{"Replaceable Bitmap : ", "置換されるBitmap : "};
const Pair kSelectedLine{"\nSelected Bitmap : ", "\n選択されたBitmap : "};
const Pair kSaveTitle{"Assign a bitmap file to save.", "保存するファイル名の選択"};
const Pair kReplaceTitle{"Select a bitmap file for replacement.", "置換するファイルの選択"};
const Pair kReplaceButton{"Replace(&O)", "置換(&O)"};
const Pair kNoMoreChange{"No more change allowed.", "これ以上変更はできません."};

}  // namespace peltrane_texts
