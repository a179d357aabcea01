#pragma once

// Identifiers shared by the bitmap gallery's code and its resource script.
#define kAboutIcon 119      /* the About box's 32 x 32 icon */
#define kProgressText 121   /* PLEASEWAIT_DLG_2's text */
