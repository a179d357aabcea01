#include "gallery/search.h"

#include "frame/cursor.h"
#include "frame/icon_kinds_option.h"
#include "frame/message_box.h"
#include "scan/modern_icons.h"
#include "texts/search_messages.h"

ScanResult SearchGallerySource(HWND window, ProgressBox& box, SearchKind kind, bool more, ByteSource& file) {
    box.Show(window, ProgressMode::Searched, 0);
    WaitCursor();
    SearchProgress progress(box, window, more);
    ScanOptions options;
    options.kind = kind;
    options.progress = &progress;
    options.allKinds = AllIconKindsIncluded();  // the icon gallery's option; bitmaps have no other kinds
    ScanResult result = ScanAllKinds(file, options);
    if (result.outcome != ScanOutcome::Found) {
        box.Close();
        ArrowCursor();
    }
    if (const Message* message = SearchMessage(kind, result.outcome, false)) ShowMessage(window, *message);
    return result;
}
