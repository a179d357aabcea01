#include "veskarin/veskarin_texts.h"

namespace veskarin_texts {

const Message kOpenWrongExtension{"Select a file with EXE, DLL, or ICO extension.", "Error",
                                  "拡張子 EXE/DLL/ICO のファイルを選択してください.", "エラー", MessageIcon::Warning};

const Pair kReplaceableLine{"Replaceable Icon : ", "置換されるIcon : "};
const Pair kSelectedLine{"\nSelected Icon : ", "\n選択されたIcon : "};
const Pair kReplaceTitle{"Select an icon file for replacement.", "置換するファイルの選択"};

}  // namespace veskarin_texts
