#pragma once
#include <cstdint>

#include "scan/byte_source.h"

// What a change must know of a PE file (EXE, DLL): its checksum field and
// its certificate table, the security directory that holds an Authenticode
// signature. Everything is read inside the file; anything else is no PE.
struct PeFacts {
    bool isPe = false;
    int64_t checksumOffset = 0;  // of the optional header's CheckSum
    uint32_t checksum = 0;
    uint32_t securityOffset = 0;  // data directory 4: a file offset and a size
    uint32_t securitySize = 0;

    bool Signed() const { return isPe && securitySize != 0; }
};

// False only when reading failed; `facts.isPe` says whether it is a PE file.
bool ReadPeFacts(ByteSource& file, PeFacts& facts);

// The PE checksum of `file`: its 16-bit little-endian words (an odd last byte
// padded with 0) added with the carries folded back, the four bytes of the
// CheckSum field counted as 0, plus the file's length. False when reading failed.
bool ComputePeChecksum(ByteSource& file, int64_t checksumOffset, uint32_t& checksum);
