// The galleries' rules that need no window: where the window goes, the
// progress figures of the search, the save run and its names.
#include <gtest/gtest.h>

#include <vector>

#include "fileops/gallery_save.h"
#include "framecore/progress_figure.h"
#include "framecore/window_geometry.h"
#include "imaging/ico_layout.h"
#include "scan/image_scanner.h"
#include "tests/unit/icon_samples.h"
#include "tests/unit/memory_file_system.h"

namespace {

void ExpectPlace(const WindowRect& r, int x, int y, int width, int height) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

TEST(GalleryWindow, EightTenthsOfTheWorkAreaBesideTheTaskbar) {
    // A 30-pixel taskbar at the bottom, a 60-pixel one at the left, none.
    ExpectPlace(GalleryWindowRect(1024, 768, InsetsFromListView(0, 0, 1024, 738, 1024, 768)), 102, 74, 819, 590);
    ExpectPlace(GalleryWindowRect(1024, 768, InsetsFromListView(60, 0, 1024, 768, 1024, 768)), 156, 77, 771, 614);
    ExpectPlace(GalleryWindowRect(1024, 768, InsetsFromListView(0, 0, 1024, 768, 1024, 768)), 102, 77, 819, 614);
    // At the right and at the top.
    ExpectPlace(GalleryWindowRect(1024, 768, InsetsFromListView(0, 0, 964, 768, 1024, 768)), 96, 77, 771, 614);
    ExpectPlace(GalleryWindowRect(1024, 768, InsetsFromListView(0, 40, 1024, 768, 1024, 768)), 102, 113, 819, 582);
    // A list view that starts at neither edge leaves the insets as they were.
    const TaskbarInsets before{0, 0, 0, 30};
    EXPECT_EQ(InsetsFromListView(5, 5, 1000, 700, 1024, 768, before).bottom, 30);
    // Without a list view the work area tells the same.
    const TaskbarInsets area = InsetsFromWorkArea(0, 0, 1024, 738, 1024, 768);
    ExpectPlace(GalleryWindowRect(1024, 768, area), 102, 74, 819, 590);
}

// The figures a search shows, in order.
class Figures : public ScanProgress {
public:
    explicit Figures(bool more) : more_(more) {}
    void At(int64_t position, int64_t fileSize) override {
        const int percent = figure_.Changed(position, fileSize);
        if (percent >= 0 && (percent < 100 || more_)) shown.push_back(percent);
    }
    std::vector<int> shown;

private:
    bool more_;
    ProgressFigure figure_;
};

std::vector<int> FiguresOf(const Bytes& file, SearchKind kind, bool more) {
    Figures figures(more);
    MemorySource source(file);
    ScanOptions options;
    options.kind = kind;
    options.progress = &figures;
    ScanImages(source, options);
    return figures.shown;
}

TEST(SearchProgress, StepsOfTenNeverHundredForIconsAndMoreForBitmaps) {
    EXPECT_EQ(ProgressPercent(0, 1000), 0);
    EXPECT_EQ(ProgressPercent(199, 1000), 10);
    EXPECT_EQ(ProgressPercent(1000, 1000), 100);
    EXPECT_EQ(ProgressPercent(1010, 1000), 100);

    // A file of at most 32000 bytes never leaves 0 %, whatever it holds.
    Bytes small(32000, 40);
    EXPECT_TRUE(FiguresOf(small, SearchKind::GalleryIcons, false).empty());
    EXPECT_TRUE(FiguresOf(Bytes(32000, 0), SearchKind::GalleryIcons, false).empty());

    // A long file without a 40: the windows passed give 10, 20, ... 90; the
    // last step, past the end, is 100 and more: shown only by the bitmap gallery.
    const Bytes empty(400000, 0);
    EXPECT_EQ(FiguresOf(empty, SearchKind::GalleryIcons, false),
              (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
    EXPECT_EQ(FiguresOf(empty, SearchKind::GalleryBitmaps, true),
              (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));

    // Byte 40s spread over the file: every tenth in turn, never 100.
    Bytes spread(400000, 0);
    for (size_t at = 1000; at < spread.size(); at += 20000) spread[at] = 40;
    EXPECT_EQ(FiguresOf(spread, SearchKind::GalleryIcons, false),
              (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
}

TEST(SearchProgress, TextsOfTheBox) {
    EXPECT_EQ(ProgressText(ProgressMode::Searched, 40, false), "Please wait a moment.\r\nSearched :  40%");
    EXPECT_EQ(ProgressText(ProgressMode::Processed, 0, false), "Please wait a moment.\r\nProcessed :   0%");
    EXPECT_EQ(ProgressText(ProgressMode::More, 0, false), "Please wait a moment, more.");
    EXPECT_EQ(ProgressText(ProgressMode::Searched, 90, true), "ちょっとお待ちください.\r\n検索済み :  90%");
}

// A table of `count` icons in one file, and a save run over it.
struct SaveFixture {
    MemoryFileSystem fs;
    Bytes file;
    std::vector<FoundImage> table;
    std::vector<std::string> asked;
    std::vector<OverwriteAnswer> answers;

    explicit SaveFixture(int count) {
        IconSample sample(16, 16, 4);
        for (int i = 0; i < count; ++i) {
            FoundImage entry = sample.entry;
            entry.headerOffset = static_cast<int32_t>(file.size() + sample.entry.headerOffset);
            file.insert(file.end(), sample.file.begin(), sample.file.end());
            table.push_back(entry);
        }
    }
    SaveRunOutcome Run(bool saveAll, const std::string& path, int first = 0, int last = -1) {
        MemorySource source(file);
        SaveRun run;
        run.table = &table;
        run.first = first;
        run.last = last < 0 ? static_cast<int>(table.size()) - 1 : last;
        run.saveAll = saveAll;
        run.savePath = path;
        run.build = BuildIconFile;
        run.askOverwrite = [&](const std::string& target) {
            asked.push_back(target);
            const OverwriteAnswer answer = answers.empty() ? OverwriteAnswer::No : answers.front();
            if (!answers.empty()) answers.erase(answers.begin());
            return answer;
        };
        return RunSave(fs, source, run);
    }
    Bytes Ico(int i) {
        MemorySource source(file);
        Bytes ico;
        BuildIconFile(source, table[static_cast<size_t>(i)], ico);
        return ico;
    }
};

TEST(SaveRun, NumberedNamesWithAtLeastThreeDigits) {
    EXPECT_EQ(SaveAllTargetName("C:\\x\\app.ico", 7, ".ICO"), "C:\\x\\app007.ICO");
    EXPECT_EQ(SaveAllTargetName("C:\\x\\app.ico", 42, ".ICO"), "C:\\x\\app042.ICO");
    EXPECT_EQ(SaveAllTargetName("pic.bmp", 100, ".BMP"), "pic100.BMP");
    EXPECT_EQ(SaveAllTargetName("pic.bmp", 499, ".BMP"), "pic499.BMP");
}

TEST(SaveRun, EveryAnswerOfTheConfirmation) {
    SaveFixture s(6);
    EXPECT_EQ(s.Run(true, "x.ico").result, SaveRunResult::Succeeded);  // nothing there: no question
    EXPECT_TRUE(s.asked.empty());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(s.fs.files[SaveAllTargetName("x.ico", i, ".ICO")], s.Ico(i));
    EXPECT_EQ(s.fs.files.count("x.ico"), 0u);

    for (auto& file : s.fs.files) file.second = {9};
    EXPECT_EQ(s.Run(true, "x.ico").result, SaveRunResult::NothingSaved);  // NO first: nothing written
    EXPECT_EQ(s.fs.files["x000.ICO"], Bytes{9});

    s.asked.clear();
    s.answers = {OverwriteAnswer::Yes, OverwriteAnswer::Yes, OverwriteAnswer::No};
    const SaveRunOutcome interrupted = s.Run(true, "x.ico");
    EXPECT_EQ(interrupted.result, SaveRunResult::Interrupted);
    EXPECT_EQ(interrupted.written, 2);
    EXPECT_EQ(s.asked, (std::vector<std::string>{"x000.ICO", "x001.ICO", "x002.ICO"}));
    EXPECT_EQ(s.fs.files["x001.ICO"], s.Ico(1));
    EXPECT_EQ(s.fs.files["x002.ICO"], Bytes{9});

    s.asked.clear();
    s.answers = {OverwriteAnswer::Yes, OverwriteAnswer::YesToAll};
    EXPECT_EQ(s.Run(true, "x.ico").result, SaveRunResult::Succeeded);
    EXPECT_EQ(s.asked.size(), 2u);  // Yes to All asks no more
    for (int i = 0; i < 6; ++i) EXPECT_EQ(s.fs.files[SaveAllTargetName("x.ico", i, ".ICO")], s.Ico(i));

    // Save As writes the selected entry under the name itself.
    s.answers = {OverwriteAnswer::Yes};
    EXPECT_EQ(s.Run(false, "x001.ICO", 4, 4).result, SaveRunResult::Succeeded);
    EXPECT_EQ(s.fs.files["x001.ICO"], s.Ico(4));
}

TEST(SaveRun, AFailedWriteRemovesItsTargetAndStopsTheRun) {
    SaveFixture s(4);
    s.fs.files["y002.ICO"] = {7};  // the user agrees to overwrite it
    s.answers = {OverwriteAnswer::YesToAll};
    s.fs.failWrite = 3;
    s.fs.halfWrite = true;
    const SaveRunOutcome outcome = s.Run(true, "y.ico");
    EXPECT_EQ(outcome.result, SaveRunResult::TargetNotMade);
    EXPECT_EQ(outcome.written, 2);
    EXPECT_EQ(s.fs.files["y001.ICO"], s.Ico(1));  // files written before stay
    EXPECT_EQ(s.fs.files["y002.ICO"], Bytes{7});   // whole, not half overwritten
    EXPECT_EQ(s.fs.files.count("y003.ICO"), 0u);
    EXPECT_EQ(s.fs.files.size(), 3u);               // nothing left beside them

    SaveFixture unreadable(2);
    unreadable.table[1].headerOffset = static_cast<int32_t>(unreadable.file.size());  // past the end
    EXPECT_EQ(unreadable.Run(true, "z.ico").result, SaveRunResult::SourceUnreadable);
    EXPECT_EQ(unreadable.fs.files.count("z001.ICO"), 0u);
}

TEST(SaveRun, RoomAskedForBitmapsAndIcons) {
    FoundImage small;
    small.imageSize = 100;
    small.colorCount = 16;
    std::vector<FoundImage> table(500, small);
    EXPECT_EQ(BitmapSaveRoom(table, 0, 499), 500u * 65536 + 1000);
    FoundImage big = small;
    big.imageSize = 65536 - 54 - 64 + 1;  // a file of 65537 bytes
    table[3] = big;
    EXPECT_EQ(BitmapSaveRoom(table, 3, 3), 131072u + 1000);
    EXPECT_EQ(RoundUpTo64K(65536), 65536u);
    EXPECT_EQ(IconSaveRoom(3), 3u * 65536);
}

}  // namespace
