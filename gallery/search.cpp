#include "gallery/search.h"

#include "frame/cursor.h"
#include "frame/message_box.h"
#include "texts/search_messages.h"

ScanResult SearchGallerySource(HWND window, ProgressBox& box, SearchKind kind, bool more, ByteSource& file) {
    box.Show(window, ProgressMode::Searched, 0);
    WaitCursor();
    SearchProgress progress(box, window, more);
    ScanOptions options;
    options.kind = kind;
    options.progress = &progress;
    ScanResult result = ScanImages(file, options);
    if (result.outcome != ScanOutcome::Found) {
        box.Close();
        ArrowCursor();
    }
    if (const Message* message = SearchMessage(kind, result.outcome, false)) ShowMessage(window, *message);
    return result;
}
