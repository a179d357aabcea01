#include "frame/frame_texts.h"

namespace frame_texts {

const Message kDibHeaderShort{"Unable to read bitmap file header.", "Read Error",
                              "ビットマップ・ファイル・ヘッダーを読めません.", "エラー", MessageIcon::Error};
const Message kDibBadMagic{"Bad magic number (0x%04x) in bitmap.", "Read Error",
                           "ビットマップのMAGIC NUMBER (0x%04x) が違っています.", "エラー", MessageIcon::Error};
const Message kDibNoMemory{"Unable to allocate space for bitmap.", "Read Error",
                           "ビットマップ用のメモリーを確保できません.", "エラー", MessageIcon::Error};
const Message kDibShort{"Unable to read bitmap info header.", "Read Error",
                        "ビットマップ・インフォ・ヘッダーを読めません.", "エラー", MessageIcon::Error};
const Message kDibBadInfoSize{"Illegal structure size is found in info header.", "File Error",
                              "ビットマップのファイル構造ではありません.", "エラー", MessageIcon::Error};
const Message kInspectorDialogFailed{"Unable to display dialog", "System Error", "ダイアログを表示できません",
                                     "システム・エラー", MessageIcon::Error};
const Message kGalleryDialogFailed{"Unable to display dialog.", "System Error", "ダイアログを表示できません.",
                                   "システム・エラー", MessageIcon::Error};

const Message kNoFreeSpace{"Free diskspace is not enough.", "Warning", "ディスクの空容量が不足です.", "警告",
                           MessageIcon::Warning};

const Message kSaveDialogFailed{"GetSaveFileName error 0x%lx", "Open Error", "GetSaveFileName エラー 0x%lx", "エラー",
                                MessageIcon::Error};
const Message kSaveRemovable{"Unable to save to the removable (or remote) disk.", "Warning",
                             "リムーバブル(またはリモート)・ディスクへはセーブできません.", "警告", MessageIcon::Warning};
const Message kOverwrite{"File already exists.\nDo you overwrite?", "Confirmation",
                         "同名ファイルが存在します.\n重ね書きしますか？", "確認", MessageIcon::Question};

const Message kInspectorReadmeMissing{"Install the readme file (TORMALE_E.PDF)\nin the same directory.", "Error",
                                      "説明書ファイル（TORMALE_J.PDF）を同じ\nフォルダーに入れてください.", "エラー",
                                      MessageIcon::Error};
const Message kInspectorReadmeNoViewer{
    "Unable to open the readme file (TORMALE_E.PDF)\nbecause of being NO software to read PDF documents.", "Error",
    "PDF 文書の閲覧ソフトが無いので、\n説明書（TORMALE_J.PDF）を開けません.", "エラー", MessageIcon::Error};

const Message kOpenDialogFailed{"GetOpenFileName error 0x%lx", "Error", "GetOpenFileName エラー 0x%lx", "エラー",
                                MessageIcon::Error};
const Message kOpenRemovable{"Unable to open a file in the removable (or remote) disk.", "Warning",
                             "リムーバブル(またはリモート)・ディスクのファイルはオープンできません.", "警告",
                             MessageIcon::Warning};
const TextPair kOpenTitle{"Select a file to open.", "オープンするファイルの選択"};

}  // namespace frame_texts
