#include "frame/frame_texts.h"

namespace frame_texts {

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

const TextPair kIconSaveTitle{"Assign an icon file to save.", "保存するファイル名の選択"};
const TextPair kBitmapSaveTitle{"Assign a bitmap file to save.", "保存するファイル名の選択"};
const Message kIconSaveWrongExtension{"Assign a file with ICO extension.", "Error",
                                      "ファイルは拡張子 ICO を持つ必要があります.", "エラー", MessageIcon::Warning};
const Message kBitmapSaveWrongExtension{"Assign a file with BMP extension.", "Error",
                                        "ファイルは拡張子 BMP を持つ必要があります.", "エラー", MessageIcon::Warning};

const Message kReadmeMissing{"Install the readme file (%s)\nin the same directory.", "Error",
                             "説明書ファイル（%s）を同じ\nフォルダーに入れてください.", "エラー", MessageIcon::Error};
const Message kReadmeNoViewer{"Unable to open the readme file (%s)\nbecause of being NO software to read PDF documents.",
                              "Error", "PDF 文書の閲覧ソフトが無いので、\n説明書（%s）を開けません.", "エラー",
                              MessageIcon::Error};

const Message kOpenMyself{"Unable to open myself.", "Error", "自分自身はオープンできません.", "エラー", MessageIcon::Error};
const Message kMaskColorDialogFailed{
    "Unable to display dialog.\nDark cyan color is selected for\ntransparent/reverse pixels in the icon.", "Error",
    "ダイアログを表示できませんので、\nアイコン中の透明色・反転色の表示\n色は、暗シアン色とします.", "エラー",
    MessageIcon::Warning};
const TextPair kAllIconKindsItem{"Include 32-bit and PNG icons", "32ビットと PNG のアイコンも表示"};

const Message kOpenDialogFailed{"GetOpenFileName error 0x%lx", "Error", "GetOpenFileName エラー 0x%lx", "エラー",
                                MessageIcon::Error};
const Message kOpenRemovable{"Unable to open a file in the removable (or remote) disk.", "Warning",
                             "リムーバブル(またはリモート)・ディスクのファイルはオープンできません.", "警告",
                             MessageIcon::Warning};
const TextPair kOpenTitle{"Select a file to open.", "オープンするファイルの選択"};

const TextPair kCopyItem{"Copy", "コピー"};
const Message kCopyFailed{"Unable to copy the picture to the clipboard.", "Error",
                          "画像をクリップボードにコピーできません.", "エラー", MessageIcon::Error};

}  // namespace frame_texts
