#include "tests/soak/gdi_objects.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

namespace {

// One entry of the GDI handle table; a used entry has a type.
struct HandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
};
static_assert(sizeof(HandleEntry) == 24, "the table's 64-bit layout");

constexpr size_t kEntries = 0x10000;
constexpr size_t kTableInPeb = 0xF8;  // GdiSharedHandleTable in the 64-bit PEB

using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

}  // namespace

long GdiObjectsOf(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr) return -1;
    long count = -1;
    auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    void* table = nullptr;
    SIZE_T read = 0;
    if (query != nullptr && query(process, ProcessBasicInformation, &basic, sizeof basic, &length) == 0 &&
        ReadProcessMemory(process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kTableInPeb, &table,
                          sizeof table, &read) &&
        table != nullptr) {
        std::vector<HandleEntry> entries(kEntries);
        if (ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(HandleEntry), &read)) {
            count = 0;
            for (const HandleEntry& entry : entries) count += entry.type != 0;
        }
    }
    CloseHandle(process);
    return count;
}
