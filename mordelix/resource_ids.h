#pragma once

// Identifiers shared by the icon gallery's code and its resource script.
#define kAboutIcon 121      /* the About box's 32 x 32 icon */
#define kColorCombo 122     /* COLORSELECT_DLG's swatch list */
#define kProgressText 123   /* PLEASEWAIT_DLG_2's text */
