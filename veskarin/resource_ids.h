#pragma once

// Identifiers shared by the icon inspector's code and its resource script.
#define kAboutIcon 125      /* the About box's 32 x 32 icon */
#define kColorCombo 124     /* COLORSELECT_DLG's swatch list */
#define kReplaceableEdit 126
#define kSelectedEdit 127
#define kReplacePanel 128   /* the Replace dialog's information panel */
#define kReplacePanelJ 129
