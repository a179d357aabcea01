#pragma once

// Identifiers shared by the bitmap inspector's code and its resource script.
#define kAboutIcon 125        /* the About box's 32 x 32 icon */
#define kReplaceableEdit 126  /* the Replace dialog's information panel */
#define kSelectedEdit 127
#define kReplacePanel 128
#define kReplacePanelJ 129

/* PALETTESET_DLG / PALETTESET_DLG_J: the palette colour editor */
#define kUndoButton 130
#define kRedValue 131         /* the value text of a bar: the bar's id - 3 */
#define kGreenValue 132
#define kBlueValue 133
#define kRedBar 134
#define kGreenBar 135
#define kBlueBar 136
#define kStatusLine 137
#define kSaveButton 138
