#include "inspector/texts.h"

namespace inspector_texts {

const Message kShownFileUnreadable{"Unable to open file '%s'.", "Open Error", "ファイル '%s' を開けません.", "エラー",
                                   MessageIcon::Error};

const Message kOverwrite{"File already exists.\nDo you overwrite?", "Confirmation",
                         "同名ファイルが存在します.\n重ね書きしますか？", "確認", MessageIcon::Question};

const Message kReplaceDialogFailed{"GetOpenFileName error 0x%lx", "Open Error", "GetOpenFileName エラー 0x%lx", "エラー",
                                   MessageIcon::Error};
const Message kReplaceConfirmation{"", "Confirmation for Replacement", "", "置換の確認", MessageIcon::Question};
const TextPair kReplaceButton{"Replace(&O)", "置換(&O)"};

}  // namespace inspector_texts
