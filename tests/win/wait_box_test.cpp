#include "frame/wait_box.h"

#include <gtest/gtest.h>

#include "frame/frame_state.h"

namespace {

// A modeless dialog of the program's own (the bitmap inspector's palette
// editor) is served again by the message loop after every search, also when
// the please-wait box cannot be made: this test program has no dialog
// resources, so the box is never made here.
TEST(WaitBox, GivesBackTheModelessDialogItReplaced) {
    HWND editor = CreateWindowExA(0, "STATIC", "editor", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(editor, nullptr);
    frame.modelessDialog = editor;
    {
        WaitBox wait(nullptr);
        wait.Close();
        EXPECT_EQ(frame.modelessDialog, editor);
    }
    EXPECT_EQ(frame.modelessDialog, editor);
    {
        WaitBox unclosed(nullptr);
    }
    EXPECT_EQ(frame.modelessDialog, editor);
    frame.modelessDialog = nullptr;
    DestroyWindow(editor);
}

}  // namespace
