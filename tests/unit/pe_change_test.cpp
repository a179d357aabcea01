// Changing a PE file: the warning before a signature breaks, and the checksum
// the PE rules give after the change.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/write_commands.h"
#include "tests/unit/command_folder.h"
#include "fileops/pe_image.h"
#include "imaging/ico_layout.h"
#include "tests/unit/icon_samples.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kPe = 0x80;
constexpr size_t kOptional = kPe + 24;
constexpr size_t kChecksum = kOptional + 64;

// A PE32+ file: headers, an icon image at 0x200 and a certificate table of
// `certificate` bytes at its end, which the security directory points at.
Bytes PeFile(uint32_t checksum, uint32_t certificate, uint16_t magic = 0x20B) {
    Bytes file(0x200, 0);
    file[0] = 'M';
    file[1] = 'Z';
    Put32(file, 0x3C, kPe);
    Place(file, kPe, Bytes{'P', 'E', 0, 0, 0x64, 0x86});
    const size_t directories = kOptional + (magic == 0x20B ? 112 : 96);
    file[kPe + 20] = static_cast<uint8_t>(directories + 16 * 8 - kOptional);  // SizeOfOptionalHeader
    file[kOptional] = static_cast<uint8_t>(magic);
    file[kOptional + 1] = static_cast<uint8_t>(magic >> 8);
    Put32(file, kChecksum, checksum);
    Put32(file, directories - 4, 16);  // NumberOfRvaAndSizes
    Place(file, 0x200, IconImage(32, 32, 4));
    file.resize(file.size() + 7, 0x5A);  // an odd length
    Put32(file, directories + 4 * 8, static_cast<uint32_t>(file.size()));
    Put32(file, directories + 4 * 8 + 4, certificate);
    file.resize(file.size() + certificate, 0xC3);
    return file;
}

// The checksum as commonly written down: 32-bit words with the carry added
// back, folded to 16 bits, plus the length.
uint32_t ReferenceChecksum(Bytes file, size_t checksumAt) {
    const size_t length = file.size();
    file.resize((length + 3) / 4 * 4, 0);
    uint64_t sum = 0;
    for (size_t i = 0; i < file.size(); i += 4) {
        if (i == checksumAt) continue;
        sum = (sum & 0xFFFFFFFF) + Get32(file, i) + (sum >> 32);
        if (sum > 0xFFFFFFFFull) sum = (sum & 0xFFFFFFFF) + (sum >> 32);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    sum = sum + (sum >> 16);
    return static_cast<uint32_t>((sum & 0xFFFF) + length);
}

TEST(PeFacts, ChecksumFieldAndSecurityDirectoryOfBothKinds) {
    for (const uint16_t magic : {uint16_t{0x20B}, uint16_t{0x10B}}) {
        const Bytes file = PeFile(0x1234, 24, magic);
        MemorySource source(file);
        PeFacts pe;
        ASSERT_TRUE(ReadPeFacts(source, pe));
        EXPECT_TRUE(pe.isPe);
        EXPECT_EQ(pe.checksumOffset, int64_t(kChecksum));
        EXPECT_EQ(pe.checksum, 0x1234u);
        EXPECT_EQ(pe.securitySize, 24u);
        EXPECT_TRUE(pe.Signed());
        uint32_t sum = 0;
        ASSERT_TRUE(ComputePeChecksum(source, pe.checksumOffset, sum));
        EXPECT_EQ(sum, ReferenceChecksum(file, kChecksum)) << std::hex << magic;
    }
    PeFacts pe;
    MemorySource unsigned_(PeFile(1, 0));
    ASSERT_TRUE(ReadPeFacts(unsigned_, pe));
    EXPECT_TRUE(pe.isPe);
    EXPECT_FALSE(pe.Signed());
    // Not PE files: an icon file, headers cut short, a PE offset far outside.
    const Bytes whole = PeFile(1, 8);
    for (Bytes other : {IconImage(16, 16, 4), Bytes(whole.begin(), whole.begin() + 0x100), whole}) {
        if (other.size() > 0x200) Put32(other, 0x3C, 0xFFFFFFF0u);
        MemorySource source(other);
        ASSERT_TRUE(ReadPeFacts(source, pe));
        EXPECT_FALSE(pe.isPe);
    }
}

class PeChange : public CommandFolder {
protected:
    PeChange() : CommandFolder("imgscan_pe") {}
    // An .ico of a 32 x 32, 16-colour icon whose first pixels differ.
    std::string NewIcon() {
        IconSample other(32, 32, 4);
        other.SetXorByte(0, 0, 0x99);
        MemorySource source(other.file);
        Bytes ico;
        BuildIconFile(source, other.entry, ico);
        return Write("new.ico", ico);
    }
};

TEST_F(PeChange, SignedFileIsWarnedOfAndItsChecksumUpdatedOnRequest) {
    const Bytes original = PeFile(0xABCD, 16);
    const std::string exe = Write("app.exe", original);
    const std::string ico = NewIcon();
    ASSERT_EQ(Run("replace-icon", {"--update-checksum", exe, "0", ico}), 0) << err_.str();
    EXPECT_EQ(err_.str(), "imgscan: " + exe +
                              " carries an Authenticode signature: this change invalidates it (the backup keeps the "
                              "signed original)\nThe original file has been saved\nas app.000.\n");
    const Bytes changed = Read("app.exe");
    EXPECT_EQ(Read("app.000"), original);
    EXPECT_EQ(changed[0x200 + 40 + 64], 0x99);
    EXPECT_EQ(Get32(changed, kChecksum), ReferenceChecksum(changed, kChecksum));
    EXPECT_NE(Get32(changed, kChecksum), 0xABCDu);
    Bytes rest = changed;
    Put32(rest, kChecksum, 0xABCD);
    rest[0x200 + 40 + 64] = original[0x200 + 40 + 64];
    EXPECT_EQ(rest, original);  // nothing else changed

    // Without the option the checksum stays; a checksum of 0 stays 0; no warning unsigned.
    const std::string plain = Write("plain.exe", PeFile(0xABCD, 0));
    ASSERT_EQ(Run("replace-icon", {plain, "0", ico}), 0);
    EXPECT_EQ(err_.str(), "The original file has been saved\nas plain.000.\n");
    EXPECT_EQ(Get32(Read("plain.exe"), kChecksum), 0xABCDu);
    const std::string zero = Write("zero.exe", PeFile(0, 0));
    ASSERT_EQ(Run("replace-icon", {zero, "0", ico, "--update-checksum"}), 0);
    EXPECT_EQ(err_.str().rfind("imgscan: the PE checksum of " + zero + " is 0 (not used): left as it is\n", 0), 0u);
    EXPECT_EQ(Get32(Read("zero.exe"), kChecksum), 0u);

    // A refused replacement warns of nothing.
    IconSample wide(48, 48, 4);
    MemorySource source(wide.file);
    Bytes wideIco;
    BuildIconFile(source, wide.entry, wideIco);
    EXPECT_EQ(Run("replace-icon", {exe, "0", Write("wide.ico", wideIco)}), 2);
    EXPECT_EQ(err_.str().find("Authenticode"), std::string::npos);
}

}  // namespace
