#include "framecore/progress_figure.h"

#include <cstdio>

int ProgressPercent(int64_t done, int64_t total) {
    if (total <= 0) return 0;
    return 10 * static_cast<int>(10.0 * static_cast<double>(done) / static_cast<double>(total));
}

int ProgressFigure::Changed(int64_t done, int64_t total) {
    const int percent = ProgressPercent(done, total);
    if (percent == last_) return -1;
    last_ = percent;
    return percent;
}

std::string ProgressText(ProgressMode mode, int percent, bool japanese) {
    const char* format = nullptr;
    switch (mode) {
        case ProgressMode::Searched:
            format = japanese ? "ちょっとお待ちください.\r\n検索済み : %3d%%" : "Please wait a moment.\r\nSearched : %3d%%";
            break;
        case ProgressMode::Processed:
            format = japanese ? "ちょっとお待ちください.\r\n処理済み : %3d%%" : "Please wait a moment.\r\nProcessed : %3d%%";
            break;
        case ProgressMode::More:
            return japanese ? "なお、ちょっとお待ちください." : "Please wait a moment, more.";
    }
    char text[64];
    std::snprintf(text, sizeof text, format, percent);
    return text;
}
