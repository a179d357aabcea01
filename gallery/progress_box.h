#pragma once
#include <windows.h>

#include <string>

#include "framecore/progress_figure.h"
#include "scan/image_scanner.h"

// The galleries' progress box (PLEASEWAIT_DLG_2 / _J): a modeless box without
// caption whose one static shows the text it is told. It may stay up from
// the search into the drawing of the first page. While it exists it is
// frame.modelessDialog; the dialog that was there before comes back after it.
class ProgressBox {
public:
    explicit ProgressBox(int textId) : textId_(textId) {}
    ~ProgressBox() { Close(); }
    ProgressBox(const ProgressBox&) = delete;
    ProgressBox& operator=(const ProgressBox&) = delete;

    // Shows the box with this text, or changes the text of the box up.
    void Show(HWND owner, ProgressMode mode, int percent);
    void Close();
    bool IsShown() const { return box_ != nullptr; }

private:
    int textId_;
    HWND box_ = nullptr;
    HWND previous_ = nullptr;
};

// Shows the figures of a running search in the box: searching percentages,
// and "more" once the figure reaches 100 if `more` is set (the bitmap
// gallery), else nothing at 100 (the icon gallery).
class SearchProgress : public ScanProgress {
public:
    SearchProgress(ProgressBox& box, HWND owner, bool more) : box_(box), owner_(owner), more_(more) {}
    void At(int64_t position, int64_t fileSize) override;

private:
    ProgressBox& box_;
    HWND owner_;
    bool more_;
    ProgressFigure figure_;
};
