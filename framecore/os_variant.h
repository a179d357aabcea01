#pragma once
#include <string>

// The classification of the running Windows version (0..7) from the two
// registry texts, and what it chooses: the family of button bitmaps.

// The NT line: "CurrentVersion" of the NT key, e.g. "6.1" gives 6.
int OsVariantFromNtVersion(const std::string& currentVersion);
// The other line: "ProductName", e.g. "Microsoft Windows ME" gives 2.
int OsVariantFromProductName(const std::string& productName);

// "9", "8", "X" or "" for the family of button bitmaps.
const char* BitmapFamily(int osVariant);

enum class ButtonState { Up, Down, Inactive };
// "Open9Up", "ZmOut8Dn", "SaveAsXIn", "ExitIn".
std::string ButtonBitmapName(const std::string& base, int osVariant, ButtonState state);
