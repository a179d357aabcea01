// Replacing an icon in place: which .ico files fit, and that no failure ever
// leaves the file changed.
#include <gtest/gtest.h>

#include "fileops/icon_replacement.h"
#include "imaging/ico_layout.h"
#include "tests/unit/icon_samples.h"
#include "tests/unit/memory_file_system.h"

namespace {

const std::string kExe = "C:\\APP.EXE";
const std::string kIco = "C:\\NEW.ICO";

// The .ico of a 32 x 32 icon whose image bytes are all `fill` after the header.
Bytes IcoFile(int32_t width, int32_t height, uint16_t bits, uint8_t fill) {
    IconSample sample(width, height, bits);
    for (size_t i = sample.palette; i < sample.andBits + sample.andRow * height; ++i) sample.file[i] = fill;
    MemorySource source(sample.file);
    Bytes ico;
    BuildIconFile(source, sample.entry, ico);
    return ico;
}

struct Fixture {
    MemoryFileSystem fs;
    IconSample exe{32, 32, 4};
    Bytes original;

    explicit Fixture(const Bytes& ico) {
        original = exe.file;
        fs.files[kExe] = original;
        fs.files[kIco] = ico;
    }
    ChangeOutcome Replace() { return ReplaceIcon(fs, kExe, exe.entry, kIco); }
};

TEST(IconReplacement, SameStyleIsWrittenInPlaceAfterABackup) {
    Fixture f(IcoFile(32, 32, 4, 0x5A));
    const ChangeOutcome outcome = f.Replace();
    ASSERT_EQ(outcome.result, ChangeResult::Done);
    EXPECT_EQ(outcome.backupPath, "C:\\APP.000");
    EXPECT_EQ(f.fs.files[outcome.backupPath], f.original);
    const Bytes& changed = f.fs.files[kExe];
    ASSERT_EQ(changed.size(), f.original.size());
    Bytes expected = f.original;
    const Bytes& ico = f.fs.files[kIco];
    std::copy(ico.begin() + 22, ico.end(), expected.begin() + 100);
    EXPECT_EQ(changed, expected);
    EXPECT_EQ(f.fs.files.size(), 3u);  // no temporary file left
}

TEST(IconReplacement, ImageIsTakenWhereTheDirectorySays) {
    Bytes ico = IcoFile(32, 32, 4, 0x5A);
    ico.insert(ico.begin() + 22, 10, 0xEE);
    Put32(ico, 18, 32);
    Fixture f(ico);
    ASSERT_EQ(f.Replace().result, ChangeResult::Done);
    EXPECT_EQ(f.fs.files[kExe][100 + 40], 0x5A);
    EXPECT_EQ(f.fs.files[kExe][100 + 743], 0x5A);
}

TEST(IconReplacement, DifferentStylesAreRefused) {
    const auto refused = [](const Bytes& ico) {
        Fixture f(ico);
        const ChangeResult result = f.Replace().result;
        EXPECT_EQ(f.fs.files[kExe], f.original);
        EXPECT_EQ(f.fs.files.size(), 2u);  // and no backup made
        return result;
    };
    EXPECT_EQ(refused(IcoFile(32, 32, 8, 1)), ChangeResult::DifferentStyle);   // 256 colours
    EXPECT_EQ(refused(IcoFile(32, 16, 4, 1)), ChangeResult::DifferentStyle);   // other height
    EXPECT_EQ(refused(IcoFile(16, 64, 4, 1)), ChangeResult::DifferentStyle);   // same size, other shape

    Bytes ico = IcoFile(32, 32, 4, 1);
    ico[22 + 14] = 24;  // same sizes, other bit count
    EXPECT_EQ(refused(ico), ChangeResult::DifferentStyle);
    ico = IcoFile(32, 32, 4, 1);
    Put32(ico, 22, 12);  // not a 40-byte header
    EXPECT_EQ(refused(ico), ChangeResult::DifferentStyle);
    ico = IcoFile(32, 32, 4, 1);
    ico.resize(ico.size() - 1);  // promises more than it holds
    EXPECT_EQ(refused(ico), ChangeResult::DifferentStyle);
    EXPECT_EQ(refused(Bytes(21, 0)), ChangeResult::DifferentStyle);
}

TEST(IconReplacement, UnreadableFilesAreTheirOwnResults) {
    Fixture f(IcoFile(32, 32, 4, 1));
    f.fs.unreadable = kIco;
    EXPECT_EQ(f.Replace().result, ChangeResult::NewImageUnreadable);
    f.fs.unreadable = kExe;
    EXPECT_EQ(f.Replace().result, ChangeResult::SourceUnreadable);
    f.fs.unreadable.clear();
    f.fs.readErrors = kIco;
    EXPECT_EQ(f.Replace().result, ChangeResult::NewImageUnreadable);
    f.fs.readErrors.clear();
    f.fs.files[kExe].resize(600);  // the file no longer holds the icon
    EXPECT_EQ(f.Replace().result, ChangeResult::SourceUnreadable);
}

// Fault injection: every step of the change fails in turn; the file stays
// byte-identical and the result names the step.
TEST(IconReplacementFaults, BackupCopyFailsHalfWay) {
    Fixture f(IcoFile(32, 32, 4, 1));
    f.fs.failCopy = true;
    const ChangeOutcome outcome = f.Replace();
    EXPECT_EQ(outcome.result, ChangeResult::BackupCopyFailed);
    EXPECT_EQ(f.fs.files[kExe], f.original);
    EXPECT_EQ(f.fs.files.count(outcome.backupPath), 0u);  // no half backup
}

TEST(IconReplacementFaults, BackupCannotBeReadBack) {
    Fixture f(IcoFile(32, 32, 4, 1));
    f.fs.unreadable = "C:\\APP.000";
    EXPECT_EQ(f.Replace().result, ChangeResult::BackupUnreadable);
    EXPECT_EQ(f.fs.files[kExe], f.original);
    EXPECT_EQ(f.fs.files.count("C:\\APP.000"), 0u);
    f.fs.unreadable.clear();
    f.fs.readErrors = "C:\\APP.000";
    EXPECT_EQ(f.Replace().result, ChangeResult::BackupUnreadable);
    EXPECT_EQ(f.fs.files[kExe], f.original);
    EXPECT_EQ(f.fs.files.size(), 2u);
}

TEST(IconReplacementFaults, NewContentCannotBeCreated) {
    Fixture f(IcoFile(32, 32, 4, 1));
    f.fs.failCreate = true;
    const ChangeOutcome outcome = f.Replace();
    EXPECT_EQ(outcome.result, ChangeResult::TargetCreateFailed);
    EXPECT_EQ(f.fs.files[kExe], f.original);
    EXPECT_EQ(f.fs.files[outcome.backupPath], f.original);
}

TEST(IconReplacementFaults, EachWriteFailsInTurnWholeOrHalfWay) {
    // The new content is written as prefix, image and rest: three writes.
    for (const bool half : {false, true}) {
        for (int write = 1; write <= 3; ++write) {
            Fixture f(IcoFile(32, 32, 4, 1));
            f.fs.failWrite = write;
            f.fs.halfWrite = half;
            EXPECT_EQ(f.Replace().result, ChangeResult::WriteFailed) << "write " << write;
            EXPECT_EQ(f.fs.files[kExe], f.original);
            EXPECT_EQ(f.fs.files.size(), 3u);  // file, .ico and the backup: the partial content is gone
        }
    }
    Fixture f(IcoFile(32, 32, 4, 1));
    f.fs.failFinish = true;
    EXPECT_EQ(f.Replace().result, ChangeResult::WriteFailed);
    EXPECT_EQ(f.fs.files[kExe], f.original);
}

TEST(IconReplacementFaults, FinalSwapFails) {
    Fixture f(IcoFile(32, 32, 4, 1));
    f.fs.failReplace = true;
    EXPECT_EQ(f.Replace().result, ChangeResult::SwapFailed);
    EXPECT_EQ(f.fs.files[kExe], f.original);
    EXPECT_EQ(f.fs.files.size(), 3u);

    // A swap that removed the file before failing: the file is restored.
    Fixture g(IcoFile(32, 32, 4, 1));
    g.fs.failReplaceOnce = true;
    g.fs.replaceLosesTarget = true;
    EXPECT_EQ(g.Replace().result, ChangeResult::SwapFailed);
    EXPECT_EQ(g.fs.files[kExe], g.original);
    EXPECT_EQ(g.fs.files.size(), 3u);
}

// When the file is gone and its content cannot be put back whole (the disk
// fills half-way, or the second swap fails too), its name holds nothing
// rather than a part, and the backup holds it all.
TEST(IconReplacementFaults, FailedRestoreLeavesNoPartialFile) {
    for (const bool diskFills : {true, false}) {
        Fixture f(IcoFile(32, 32, 4, 1));
        const int64_t size = static_cast<int64_t>(f.original.size());
        f.fs.replaceLosesTarget = true;
        f.fs.failReplaceOnce = diskFills;
        f.fs.failReplace = !diskFills;
        if (diskFills) f.fs.spaceLeft = 2 * size + size / 2;  // backup, new content, half a restore
        const ChangeOutcome outcome = f.Replace();
        EXPECT_EQ(outcome.result, ChangeResult::RestoreFailed);
        EXPECT_EQ(f.fs.files.count(kExe), 0u);
        EXPECT_EQ(f.fs.files[outcome.backupPath], f.original);
        EXPECT_EQ(f.fs.files.size(), 2u);  // the .ico and the backup: nothing beside
    }
}

// The free-space rule asks for exactly what the change writes: the backup and
// the new content, each as large as the file.
TEST(IconReplacementFaults, TheSpaceRuleCoversBackupAndNewContent) {
    for (const int64_t shortBy : {0, 1}) {
        Fixture f(IcoFile(32, 32, 4, 1));
        f.fs.spaceLeft = static_cast<int64_t>(SpaceForChangeInPlace(static_cast<int64_t>(f.original.size()))) - shortBy;
        const ChangeResult result = f.Replace().result;
        EXPECT_EQ(result, shortBy == 0 ? ChangeResult::Done : ChangeResult::WriteFailed);
        if (shortBy == 1) EXPECT_EQ(f.fs.files[kExe], f.original);
    }
    EXPECT_EQ(SpaceForChangeInPlace(0), 0u);
    EXPECT_EQ(SpaceForChangeInPlace(INT64_MAX), UINT64_MAX - 1);
}

TEST(IconReplacement, WrappedBackupNumbersAreReported) {
    Fixture f(IcoFile(32, 32, 4, 1));
    for (int n = 0; n < 1000; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "C:\\APP.%03d", n);
        f.fs.files[name] = {};
    }
    const ChangeOutcome outcome = f.Replace();
    EXPECT_EQ(outcome.result, ChangeResult::Done);
    EXPECT_TRUE(outcome.backupWrapped);
    EXPECT_EQ(outcome.backupPath, "C:\\APP.000");
    EXPECT_EQ(f.fs.files["C:\\APP.000"], f.original);
}

}  // namespace
