#include "inspector/search_notice.h"

#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "frame/topmost.h"
#include "frame/wait_box.h"
#include "texts/search_messages.h"

ScanResult SearchWithNotices(HWND window, SearchKind kind, bool fileMode, const std::function<ScanResult()>& scan) {
    SetWindowTextA(window, frame.program->englishName);
    TopmostScope topmost(window);  // until the outcome's message has been answered
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
    return result;
}
