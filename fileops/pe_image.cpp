#include "fileops/pe_image.h"

#include <vector>

#include "scan/scan_rules.h"

namespace {

constexpr uint16_t kPe32 = 0x10B;
constexpr uint16_t kPe32Plus = 0x20B;
constexpr uint32_t kSecurityDirectory = 4;

// Exactly `count` bytes at `offset`: 1, 0 when the file is too short, -1 when reading failed.
int ReadExactly(ByteSource& file, int64_t offset, uint8_t* out, size_t count) {
    if (offset < 0 || offset > file.Size() - static_cast<int64_t>(count)) return 0;
    const int64_t n = file.ReadAt(offset, out, count);
    if (n < 0) return -1;
    return n == static_cast<int64_t>(count) ? 1 : 0;
}

uint16_t ReadU16(const uint8_t* b) { return static_cast<uint16_t>(b[0] | b[1] << 8); }

}  // namespace

bool ReadPeFacts(ByteSource& file, PeFacts& facts) {
    facts = PeFacts{};
    uint8_t dos[64];
    int read = ReadExactly(file, 0, dos, sizeof dos);
    if (read <= 0) return read == 0;
    if (dos[0] != 'M' || dos[1] != 'Z') return true;
    const int64_t pe = ReadU32(dos + 0x3C);
    // Signature, file header, and the optional header up to its directories.
    uint8_t head[24 + 112];
    read = ReadExactly(file, pe, head, 24 + 2);
    if (read <= 0) return read == 0;
    if (head[0] != 'P' || head[1] != 'E' || head[2] != 0 || head[3] != 0) return true;
    const uint16_t optionalSize = ReadU16(head + 20);
    const uint16_t magic = ReadU16(head + 24);
    const int64_t directories = magic == kPe32 ? 96 : magic == kPe32Plus ? 112 : -1;
    if (directories < 0 || optionalSize < directories + 8 * (kSecurityDirectory + 1)) return true;
    read = ReadExactly(file, pe, head, sizeof head);
    if (read <= 0) return read == 0;
    const uint32_t count = ReadU32(head + 24 + directories - 4);  // NumberOfRvaAndSizes
    if (count <= kSecurityDirectory) return true;
    uint8_t security[8];
    read = ReadExactly(file, pe + 24 + directories + 8 * kSecurityDirectory, security, sizeof security);
    if (read <= 0) return read == 0;
    facts.isPe = true;
    facts.checksumOffset = pe + 24 + 64;
    facts.checksum = ReadU32(head + 24 + 64);
    facts.securityOffset = ReadU32(security);
    facts.securitySize = ReadU32(security + 4);
    return true;
}

bool ComputePeChecksum(ByteSource& file, int64_t checksumOffset, uint32_t& checksum) {
    const int64_t size = file.Size();
    std::vector<uint8_t> block(size_t{1} << 16);  // even, so words never straddle blocks
    uint64_t sum = 0;
    for (int64_t at = 0; at < size;) {
        const int64_t n = file.ReadAt(at, block.data(), block.size());
        if (n <= 0) return false;
        for (int64_t i = 0; i < n; i += 2) {
            uint32_t word = 0;
            for (int64_t k = 0; k < 2 && i + k < n; ++k) {
                const int64_t offset = at + i + k;
                if (offset < checksumOffset || offset >= checksumOffset + 4) word |= uint32_t{block[size_t(i + k)]} << (8 * k);
            }
            sum += word;
            sum = (sum & 0xFFFF) + (sum >> 16);
        }
        at += n;
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    checksum = static_cast<uint32_t>(sum + static_cast<uint64_t>(size));
    return true;
}
