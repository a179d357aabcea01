#pragma once

// A message box's words in both languages. Texts are UTF-8 in the source;
// the Windows programs are compiled to the ANSI code page 932.
enum class MessageIcon { Error, Warning, Information, Question };

struct Message {
    const char* english;
    const char* englishCaption;
    const char* japanese;
    const char* japaneseCaption;
    MessageIcon icon;

    const char* Text(bool inJapanese) const { return inJapanese ? japanese : english; }
    const char* Caption(bool inJapanese) const { return inJapanese ? japaneseCaption : englishCaption; }
};

// Words that are not a message box's (titles, captions of buttons), in both languages.
struct TextPair {
    const char* english;
    const char* japanese;
    const char* Text(bool inJapanese) const { return inJapanese ? japanese : english; }
};
