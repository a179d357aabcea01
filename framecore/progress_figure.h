#pragma once
#include <cstdint>
#include <string>

// The galleries' progress box counts in steps of 10: the figure is
// 10 x trunc(10 x done / total), and the box is touched only when it changes.
int ProgressPercent(int64_t done, int64_t total);

class ProgressFigure {
public:
    // The figure for `done` of `total` when it differs from the one last
    // shown (which starts at 0), else -1. The caller decides what a figure of
    // 100 or more means (the icon gallery never shows it).
    int Changed(int64_t done, int64_t total);

private:
    int last_ = 0;
};

enum class ProgressMode { Searched, Processed, More };

// The box's text: "Please wait a moment.\r\nSearched :  40%" and so on.
std::string ProgressText(ProgressMode mode, int percent, bool japanese);
