// Every result of a change in place becomes its own message.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "texts/change_messages.h"

namespace {

const ChangeResult kFailures[] = {
    ChangeResult::NewImageUnreadable, ChangeResult::NotABitmapFile,    ChangeResult::DifferentStyle,
    ChangeResult::SourceUnreadable,   ChangeResult::BackupCopyFailed,  ChangeResult::BackupUnreadable,
    ChangeResult::TargetCreateFailed, ChangeResult::WriteFailed,       ChangeResult::SwapFailed,
    ChangeResult::RestoreFailed,
};

TEST(ChangeMessages, EveryFailureHasATextInBothLanguages) {
    for (const ChangeKind kind : {ChangeKind::IconReplace, ChangeKind::BitmapReplace, ChangeKind::PaletteSave}) {
        EXPECT_EQ(ChangeMessage(kind, ChangeResult::Done), nullptr);
        for (const ChangeResult result : kFailures) {
            const Message* message = ChangeMessage(kind, result);
            ASSERT_NE(message, nullptr);
            EXPECT_NE(std::string(message->japanese), "");
        }
    }
}

TEST(ChangeMessages, TextsOfTheChanges) {
    EXPECT_STREQ(ChangeMessage(ChangeKind::IconReplace, ChangeResult::DifferentStyle)->english,
                 "Unable to replace the icon in the file because of\ndifferent style (Size, Width, Height, Colors).");
    EXPECT_STREQ(ChangeMessage(ChangeKind::BitmapReplace, ChangeResult::NotABitmapFile)->english,
                 "Assign a correct bitmap file.");
    EXPECT_STREQ(ChangeMessage(ChangeKind::PaletteSave, ChangeResult::TargetCreateFailed)->english,
                 "Cannot open a file to be modified and saved.");
    EXPECT_STREQ(ChangeMessage(ChangeKind::IconReplace, ChangeResult::BackupCopyFailed)->english,
                 "Unable to make a bakup file.");
    EXPECT_EQ(FormatText(SavedAsMessage().english, "APP.005"), "The original file has been saved\nas APP.005.");
    EXPECT_EQ(FormatText(SavedAsMessage().japanese, "APP.005"), "オリジナル・ファイルはAPP.005\nとして保存されました.");
}

TEST(ChangeMessages, FailuresOfTheChangeItselfAreTold) {
    std::set<std::string> texts;
    for (const ChangeResult result : {ChangeResult::BackupCopyFailed, ChangeResult::BackupUnreadable,
                                      ChangeResult::WriteFailed, ChangeResult::SwapFailed, ChangeResult::RestoreFailed}) {
        texts.insert(ChangeMessage(ChangeKind::BitmapReplace, result)->english);
    }
    EXPECT_EQ(texts.size(), 5u);
}

}  // namespace
