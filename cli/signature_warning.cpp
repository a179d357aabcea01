#include "cli/signature_warning.h"

#include <ostream>

#include "fileops/pe_image.h"

MorePatches PeChangeNotes(const std::string& path, bool updateChecksum, std::ostream& err) {
    return [path, updateChecksum, &err](ByteSource& file, std::vector<BytePatch>& patches) {
        PeFacts pe;
        if (!ReadPeFacts(file, pe)) return false;
        if (pe.Signed()) {
            err << "imgscan: " << path << " carries an Authenticode signature: this change invalidates it"
                << " (the backup keeps the signed original)\n";
        }
        if (!updateChecksum || !pe.isPe) return true;
        if (pe.checksum == 0) {
            err << "imgscan: the PE checksum of " << path << " is 0 (not used): left as it is\n";
            return true;
        }
        PatchedSource changed(file, patches);
        uint32_t sum = 0;
        if (!ComputePeChecksum(changed, pe.checksumOffset, sum)) return false;
        std::vector<uint8_t> bytes(4);
        for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(sum >> (8 * i));
        patches.push_back(BytePatch{pe.checksumOffset, bytes});
        return true;
    };
}
