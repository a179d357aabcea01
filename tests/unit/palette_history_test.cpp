// The palette editor's history of snapshots.
#include <gtest/gtest.h>

#include "imaging/palette_history.h"
#include "tests/unit/test_images.h"

namespace {

Bytes TwoColours() { return {1, 2, 3, 9, 4, 5, 6, 9}; }

TEST(PaletteHistory, ChangeAndUndoStepThroughSnapshots) {
    PaletteHistory history;
    const Bytes loaded = TwoColours();
    history.Load(loaded.data(), 2);
    EXPECT_EQ(history.Current(), Bytes({1, 2, 3, 0, 4, 5, 6, 0}));  // fourth bytes are 0
    ASSERT_TRUE(history.Change(1, 255, 128, 0));
    EXPECT_EQ(history.Current(), Bytes({1, 2, 3, 0, 0, 128, 255, 0}));
    ASSERT_TRUE(history.Change(0, 7, 7, 7));
    EXPECT_EQ(history.ChangeCount(), 2);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(history.Current(), Bytes({1, 2, 3, 0, 0, 128, 255, 0}));
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(history.Current(), history.Original());
    EXPECT_FALSE(history.Undo());
}

TEST(PaletteHistory, OnlyEntriesOfThePaletteCanChange) {
    PaletteHistory history;
    const Bytes loaded = TwoColours();
    history.Load(loaded.data(), 2);
    EXPECT_FALSE(history.Change(2, 1, 1, 1));
    EXPECT_FALSE(history.Change(-1, 1, 1, 1));
    EXPECT_EQ(history.ChangeCount(), 0);
}

TEST(PaletteHistory, TwoHundredNinetyNineChangesAtMost) {
    PaletteHistory history;
    const Bytes loaded(1024, 0);
    history.Load(loaded.data(), 256);
    for (int i = 0; i < 299; ++i) ASSERT_TRUE(history.Change(i % 256, static_cast<uint8_t>(i), 0, 0));
    EXPECT_TRUE(history.AtLimit());
    const Bytes atLimit = history.Current();
    EXPECT_FALSE(history.Change(0, 1, 2, 3));  // the 300th changes nothing
    EXPECT_EQ(history.Current(), atLimit);
    EXPECT_TRUE(history.Undo());
    EXPECT_FALSE(history.AtLimit());
    EXPECT_EQ(history.ChangeCount(), 298);
}

TEST(PaletteHistory, SavedStateFollowsWritesChangesAndLoads) {
    PaletteHistory history;
    const Bytes loaded = TwoColours();
    history.Load(loaded.data(), 2);
    EXPECT_FALSE(history.HasUnsavedChange());
    history.Change(0, 1, 1, 1);
    EXPECT_TRUE(history.HasUnsavedChange());
    history.MarkSaved();  // the write succeeded
    EXPECT_FALSE(history.HasUnsavedChange());
    history.Undo();       // undoing after a save does not make it unsaved
    EXPECT_TRUE(history.Saved());
    history.Change(1, 2, 2, 2);
    EXPECT_TRUE(history.HasUnsavedChange());
    history.Load(loaded.data(), 2);  // another bitmap
    EXPECT_FALSE(history.Saved());
    EXPECT_EQ(history.ChangeCount(), 0);
}

}  // namespace
