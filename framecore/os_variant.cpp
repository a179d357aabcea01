#include "framecore/os_variant.h"

namespace {

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

int OsVariantFromNtVersion(const std::string& v) {
    if (Contains(v, "4.0")) return 3;
    if (Contains(v, "5.0")) return 4;
    if (Contains(v, "5.1") || Contains(v, "5.2")) return 5;
    if (Contains(v, "6.0") || Contains(v, "6.1")) return 6;
    return 7;
}

int OsVariantFromProductName(const std::string& name) {
    if (Contains(name, "Windows ME")) return 2;
    if (Contains(name, "Windows 98")) return 1;
    return 0;
}

const char* BitmapFamily(int osVariant) {
    switch (osVariant) {
        case 2: return "9";
        case 4: return "8";
        case 5: return "X";
        default: return "";
    }
}

std::string ButtonBitmapName(const std::string& base, int osVariant, ButtonState state) {
    static const char* const kStates[] = {"Up", "Dn", "In"};
    return base + BitmapFamily(osVariant) + kStates[static_cast<int>(state)];
}
