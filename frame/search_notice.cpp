#include "frame/search_notice.h"

#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "frame/wait_box.h"
#include "texts/search_messages.h"

namespace {

void SetTopmost(HWND window, bool topmost) {
    HDWP defer = BeginDeferWindowPos(1);
    defer = DeferWindowPos(defer, window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE);
    EndDeferWindowPos(defer);
}

}  // namespace

ScanResult SearchWithNotices(HWND window, SearchKind kind, bool fileMode, const std::function<ScanResult()>& scan) {
    SetWindowTextA(window, frame.program->englishName);
    SetTopmost(window, true);
    ScanResult result;
    {
        // The box gives back the modeless dialog it replaces (the palette editor).
        WaitBox wait(window);
        WaitCursor();
        result = scan();
        wait.Close();
    }
    ArrowCursor();
    if (const Message* message = SearchMessage(kind, result.outcome, fileMode)) ShowMessage(window, *message);
    SetTopmost(window, false);
    return result;
}
