#pragma once
#include <string>

#include "fileops/in_place_change.h"
#include "texts/message.h"

// The messages of the changes in place, in both languages.
enum class ChangeKind { IconReplace, BitmapReplace, PaletteSave };

// The message for a failed change; nullptr for Done.
const Message* ChangeMessage(ChangeKind kind, ChangeResult result);

// Replace of a 32-bit or PNG icon image (the all-kinds search finds them):
// refused before anything is chosen; the change takes the programs' own kinds.
const Message& ModernIconReplaceMessage();

// Before a PE file with an Authenticode signature is changed in place: Yes
// or No (nothing changes). The change leaves the signature invalid; the
// backup keeps the signed original.
const Message& SignatureQuestionMessage();

// "Extension is full for saving the original file ..." (all 1000 backup
// names were in use), shown before the change goes on.
const Message& BackupWrappedMessage();

// "The original file has been saved\nas NAME." with NAME the backup's file
// name (FileNamePart of its path).
const Message& SavedAsMessage();

// The replace commands' refusals of the chosen file: it does not exist, or
// its path holds neither ".ICO" nor ".ico" (".BMP", ".bmp" for bitmaps).
const Message& NoSelectedFileMessage();
const Message& WrongReplacementNameMessage(ChangeKind kind);

// The replacement's path holds ".ICO" or ".ico" (".BMP" / ".bmp") anywhere.
bool HasReplacementExtension(ChangeKind kind, const std::string& path);

// A text that holds one "%s" (the RestoreFailed and SavedAs messages: the
// backup's file name), filled in.
std::string FormatText(const char* text, const std::string& argument);
