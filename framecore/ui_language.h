#pragma once

// Japanese texts and the _J dialogs exactly on the Japanese ANSI code page.
constexpr int kJapaneseCodePage = 932;
inline bool IsJapaneseCodePage(unsigned codePage) { return codePage == kJapaneseCodePage; }
