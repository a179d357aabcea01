#include "frame/detection.h"

#include <windows.h>

#include <string>

#include "frame/frame_state.h"
#include "framecore/os_variant.h"
#include "framecore/ui_language.h"

namespace {

// The text of a registry value of HKEY_LOCAL_MACHINE; false when the key does
// not open. A value that cannot be read counts as empty when `valueRead` is
// not asked for.
bool ReadMachineText(const char* key, const char* name, std::string& text, bool* valueRead) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    char buffer[kPathSize] = {};
    DWORD size = 256;
    DWORD type = 0;
    const bool read = RegQueryValueExA(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ==
                      ERROR_SUCCESS;
    RegCloseKey(handle);
    text = read ? buffer : "";
    if (valueRead != nullptr) *valueRead = read;
    return true;
}

}  // namespace

void DetectOsVariant() {
    std::string text;
    bool read = false;
    if (ReadMachineText("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion", text, &read) && read) {
        frame.osVariant = OsVariantFromNtVersion(text);
        return;
    }
    if (ReadMachineText("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProductName", text, nullptr))
        frame.osVariant = OsVariantFromProductName(text);
}

void DetectUiLanguage() { frame.japanese = IsJapaneseCodePage(GetACP()); }
