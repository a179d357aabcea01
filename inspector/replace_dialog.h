#pragma once
#include <windows.h>

#include <string>

#include "texts/change_messages.h"
#include "texts/message.h"

// The inspectors' Replace dialog: an open dialog whose OK button reads
// "Replace(&O)" and whose panel (a child template with two read-only edits)
// compares the shown image with the file under the cursor, then the checks
// of the chosen name and the Yes / No / Cancel confirmation. No shows the
// dialog again. A name typed into the dialog rather than picked from its
// list is described and confirmed like a picked one.
struct ReplaceDialog {
    const char* filter;           // "Bitmap (*.bmp)\0*.bmp\0"
    const char* title;            // in the user's language
    int panelTemplate;            // the panel's dialog resource
    int replaceableEdit;          // the panel's edit of the shown image
    int selectedEdit;             // and of the file under the cursor
    ChangeKind kind;              // which name test and refusals
    const Message* openMyself;
    const char* replaceableLine;  // the confirmation: "Replaceable Bitmap : " + words
    const char* selectedLine;     // "\nSelected Bitmap : " + words
    // The words of a chosen file, as its title line would show them; false
    // when the file is not of the kind.
    bool (*describe)(const char* path, std::string& words);
    std::string replaceableWords;
};

// The path confirmed with Yes, or false when the user cancelled or was refused.
bool ChooseReplacement(HWND window, const ReplaceDialog& dialog, char* path);
