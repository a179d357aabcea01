// Sessions of the two galleries, MORDELIX.EXE (icons) and ZANDOVIR.EXE
// (bitmaps), under Wine, driven like a user would and checked by what the
// user sees: the window, the cells' pixels, the buttons, message boxes and
// the files written.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fileops/gallery_save.h"
#include "framecore/window_geometry.h"
#include "imaging/bmp_layout.h"
#include "imaging/grid_layout.h"
#include "imaging/ico_layout.h"
#include "imaging/thumbnail.h"
#include "scan/modern_icons.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/explorer.h"
#include "tests/e2e/gallery_view.h"
#include "tests/e2e/todays_icons.h"

namespace {

constexpr ColorRef kDarkCyan = 0x808000;
constexpr COLORREF kRed = RGB(255, 0, 0), kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

// The images found, also 32-bit and PNG icons with `allKinds` (the option's search).
std::vector<FoundImage> Found(const std::string& path, SearchKind kind, bool allKinds = false) {
    ScanOptions options;
    options.kind = kind;
    options.allKinds = allKinds;
    FileSource file(path);
    return ScanAllKinds(file, options).entries;
}

// A DLL of `count` icons: the three of sample.exe, one after the other.
std::string IconDll(const char* name, int count) {
    const std::string sample = Work("sample.exe");
    FileSource file(sample);
    std::vector<unsigned char> dll(64, 0);
    const std::vector<FoundImage> icons = Found(sample, SearchKind::GalleryIcons);
    for (int i = 0; i < count; ++i) {
        std::vector<uint8_t> ico;
        BuildIconFile(file, icons[static_cast<size_t>(i) % icons.size()], ico);
        dll.insert(dll.end(), ico.begin() + kIcoDirectorySize, ico.end());
    }
    WriteBytes(Work(name), dll);
    return Work(name);
}

// The controls of both galleries, by their place on the bar.
struct Buttons {
    int open, prev, next, saveAll, saveAs, about, exit;
};
constexpr Buttons kIconButtons{112, 113, 114, 115, 116, 117, 119};
constexpr Buttons kBitmapButtons{110, 111, 112, 113, 114, 115, 117};

// One run of a gallery.
class Gallery : public MainWindow {
public:
    Gallery(const char* exeSetting, const char* className, const char* title, const Buttons& buttons)
        : MainWindow(Setting(exeSetting), className, title, buttons.exit), b(buttons) {
        RECT client{};
        GetClientRect(Window(), &client);
        layout = std::string(className) == "MORDELIX" ? IconGridLayout(client.right, client.bottom)
                                                      : BitmapGridLayout(client.right, client.bottom);
    }
    void Open(const std::string& path, const char* dialogTitle = "Select a file to open.") const {
        ChooseFile(b.open, dialogTitle, path);
    }
    // Clicks the client point (x, y).
    void Click(int x, int y) const {
        PostMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageA(Window(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    // Clicks the middle of cell `slot` of the page shown.
    void ClickCell(int slot) const {
        const POINT middle = CellMiddle(layout, slot);
        Click(middle.x, middle.y);
    }
    long GdiObjects() const { return static_cast<long>(SendMessageA(Window(), kLiveGdiObjectsMessage, 0, 0)); }
    // The selection frame of cell `slot` is drawn in `color` (all four sides).
    bool FrameOf(int slot, COLORREF color) const { return SelectionFrameIs(Window(), layout, slot, color); }
    bool WaitForButtons(bool prev, bool next, bool saveAll, bool saveAs) const {
        return WaitFor([&] {
            return Enabled(b.prev) == prev && Enabled(b.next) == next && Enabled(b.saveAll) == saveAll &&
                   Enabled(b.saveAs) == saveAs;
        });
    }
    // Presses a save button, names the file and answers the overwrite questions.
    void Save(int button, const std::string& path, const char* shot = nullptr) const {
        ChooseFile(button, saveTitle, path, shot);
    }
    // The About box, shot for the user guides, closed with OK.
    void ShootAbout(const char* shot) const {
        Press(b.about);
        HWND about = FindDialog(Process(), "About");
        ASSERT_NE(about, nullptr);
        SaveScreenshot(shot);
        PressDialogButton(about, IDOK);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));
    }
    // The confirmation dialog; its answer is pressed (or Escape typed).
    bool Confirm(int answer, const char* caption = "Confirmation") const {
        HWND dialog = FindDialog(Process(), caption, 5000);
        if (dialog == nullptr) return false;
        if (answer == IDCANCEL) {
            PostMessageA(GetDlgItem(dialog, 7), WM_KEYDOWN, VK_ESCAPE, 0);  // the key, on the focused button
        } else {
            PressDialogButton(dialog, answer);
        }
        return WaitFor([&] { return !IsWindow(dialog); });
    }

    Buttons b;
    GridLayout layout;
    const char* saveTitle = "Assign an icon file to save.";
};

class Mordelix : public Gallery {
public:
    explicit Mordelix(const char* title = "Coravel (for EXE/DLL)")
        : Gallery("MORDELIX_EXE", "MORDELIX", title, kIconButtons) {}

    // Every pixel of the page picture is on screen where the grid lies
    // (32-bit and PNG icons as imgscan's sheet draws them).
    bool ShowsPage(const std::string& path, int page, ColorRef mask = kDarkCyan, bool allKinds = false) const {
        return ShowsIconPage(Window(), path, Found(path, SearchKind::GalleryIcons, allKinds), layout, page, mask);
    }
};

class Zandovir : public Gallery {
public:
    explicit Zandovir(const char* title = "Estrivo (for EXE/DLL)")
        : Gallery("ZANDOVIR_EXE", "ZANDOVIR", title, kBitmapButtons) {
        saveTitle = "Assign a bitmap file to save.";
    }
    // The thumbnail of cell `slot` shows bitmap `index` of `path` pixel for
    // pixel (only for bitmaps shown at their own size).
    bool ShowsBitmapAtItsSize(const std::string& path, int index, int slot) const {
        const FoundImage entry = Found(path, SearchKind::GalleryBitmaps).at(static_cast<size_t>(index));
        FileSource file(path);
        std::vector<uint8_t> bmp;
        if (BuildBitmapFile(file, entry, bmp) != ImageRead::Ok) return false;
        const Capture shot = CaptureClient(Window());
        const int left = layout.Left() + 193 * (slot % layout.columns) + 97 - entry.width / 2;
        const int top = layout.Top() + 145 * (slot / layout.columns) + 73 - entry.height / 2;
        for (int y = 0; y < entry.height; ++y)
            for (int x = 0; x < entry.width; ++x)
                if (shot.At(left + x, top + y) != BmpPixel(bmp, x, y)) return false;
        return true;
    }
    // Pixels that are neither white nor black in the cell's interior.
    int ColouredPixels(int slot, int left = 1, int top = 1, int right = 192, int bottom = 144) const {
        const Capture shot = CaptureClient(Window());
        const int x0 = layout.Left() + 193 * (slot % layout.columns), y0 = layout.Top() + 145 * (slot / layout.columns);
        int count = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) {
                const COLORREF c = shot.At(x0 + x, y0 + y);
                count += c != kWhite;
            }
        return count;
    }
};

// A 24-bit bitmap's header and bits: a gradient, so that scaling shows.
void AppendBitmap(std::vector<unsigned char>& dll, int width, int height) {
    const uint32_t row = static_cast<uint32_t>(3 * width + width % 4);
    std::vector<uint8_t> header(40, 0);
    PutU32(header, 0, 40);
    PutU32(header, 4, static_cast<uint32_t>(width));
    PutU32(header, 8, static_cast<uint32_t>(height));
    PutU16(header, 12, 1);
    PutU16(header, 14, 24);
    PutU32(header, 20, row * static_cast<uint32_t>(height));
    dll.insert(dll.end(), header.begin(), header.end());
    for (int y = 0; y < height; ++y) {
        std::vector<unsigned char> bits(row, 0);
        for (int x = 0; x < width; ++x) {
            bits[3 * x] = static_cast<unsigned char>(200 - 150 * y / height);
            bits[3 * x + 1] = static_cast<unsigned char>(40 + 150 * x / width);
            bits[3 * x + 2] = 90;
        }
        dll.insert(dll.end(), bits.begin(), bits.end());
    }
    dll.insert(dll.end(), 16, 0);
}

std::vector<unsigned char> FileOf(const std::string& path) { return ReadBytes(path); }

std::vector<uint8_t> IcoOf(const std::string& path, int index, bool allKinds = false) {
    FileSource file(path);
    std::vector<uint8_t> ico;
    BuildIconFile(file, Found(path, SearchKind::GalleryIcons, allKinds).at(static_cast<size_t>(index)), ico);
    return ico;
}

std::vector<uint8_t> BmpOf(const std::string& path, int index) {
    FileSource file(path);
    std::vector<uint8_t> bmp;
    BuildBitmapFile(file, Found(path, SearchKind::GalleryBitmaps).at(static_cast<size_t>(index)), bmp);
    return bmp;
}

// An empty folder of the work folder.
std::string EmptyFolder(const char* name) {
    const std::string folder = Work(name);
    CreateDirectoryA(folder.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return folder;
}

TEST(Mordelix, StartsInEightTenthsOfTheWorkAreaAndRefusesASecondCopy) {
    Mordelix m;
    ASSERT_NE(m.Window(), nullptr);
    RECT work, window;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(m.Window(), &window);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const WindowRect expected =
        GalleryWindowRect(w, h, InsetsFromWorkArea(work.left, work.top, work.right, work.bottom, w, h));
    EXPECT_EQ(window.left, expected.x);
    EXPECT_EQ(window.top, expected.y);
    EXPECT_EQ(window.right - window.left, expected.width);
    EXPECT_EQ(window.bottom - window.top, expected.height);
    if (w == 1024 && h == 768) EXPECT_EQ(expected.width, 819);
    EXPECT_FALSE(GetWindowLongA(m.Window(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_GT(m.layout.columns, 5);
    EXPECT_GT(m.layout.rows, 3);
    EXPECT_TRUE(m.WaitForButtons(false, false, false, false));
    // The start-up picture lies in the middle of the client area.
    const Capture shot = CaptureClient(m.Window());
    int coloured = 0;
    for (int x = shot.width / 2 - 200; x < shot.width / 2 + 200; ++x) coloured += shot.At(x, shot.height / 2 + 10) != kWhite;
    EXPECT_GT(coloured, 100);
    SaveScreenshot("mordelix-startup");
    m.ShootAbout("mordelix-about");

    Program second(Setting("MORDELIX_EXE"));
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_TRUE(m.NoDialogs());
}

TEST(Mordelix, PagesOfIconsWithTheirMaskColourButtonsAndNoLeakedObjects) {
    const std::string dll = IconDll("icons200.dll", 200);
    Mordelix m;
    const int perPage = m.layout.CellsPerPage();
    ASSERT_LT(perPage * 2, 200);
    m.Open(dll);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0); }, 15000));
    EXPECT_TRUE(m.WaitForButtons(false, true, true, false));
    const long objects = m.GdiObjects();
    SaveScreenshot("mordelix-page", m.Window());

    m.Press(m.b.next);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 1); }, 15000));
    EXPECT_TRUE(m.WaitForButtons(true, true, true, false));
    const int lastPage = 199 / perPage;
    for (int page = 2; page <= lastPage; ++page) m.Press(m.b.next);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, lastPage); }, 15000));  // empty cells stay white
    EXPECT_TRUE(m.WaitForButtons(true, false, true, false));
    m.Press(m.b.next);  // on the last page: nothing changes
    Sleep(300);
    EXPECT_TRUE(m.ShowsPage(dll, lastPage));

    // A new mask colour changes the mask pixels only.
    m.Press(111);
    HWND colours = FindDialog(m.Process(), "Color Selection");
    ASSERT_NE(colours, nullptr);
    SaveScreenshot("mordelix-maskdialog");
    HWND combo = GetDlgItem(colours, 122);
    SendMessageA(combo, CB_SETCURSEL, 6, 0);  // white
    SendMessageA(colours, WM_COMMAND, MAKEWPARAM(122, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    PressDialogButton(colours, IDOK);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, lastPage, 0xFFFFFF); }, 15000));

    for (int flip = 0; flip < 12; ++flip) m.Press(flip % 2 == 0 ? m.b.prev : m.b.next);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, lastPage, 0xFFFFFF); }, 15000));
    for (int page = lastPage; page > 0; --page) m.Press(m.b.prev);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0, 0xFFFFFF); }, 15000));
    EXPECT_TRUE(m.WaitForButtons(false, true, true, false));
    EXPECT_EQ(m.GdiObjects(), objects);  // no page leaves a GDI object behind
}

TEST(Mordelix, ASelectedCellHasARedFrameUntilThePageChanges) {
    const std::string dll = IconDll("icons100.dll", 100);
    Mordelix m;
    m.Open(dll);
    ASSERT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0); }, 15000));
    m.ClickCell(3);
    EXPECT_TRUE(WaitFor([&] { return m.FrameOf(3, kRed); }));
    EXPECT_TRUE(m.WaitForButtons(false, true, true, true));
    m.ClickCell(m.layout.columns + 1);  // the frame moves; the old lines are black again
    EXPECT_TRUE(WaitFor([&] { return m.FrameOf(m.layout.columns + 1, kRed) && m.FrameOf(3, kBlack); }));
    SaveScreenshot("mordelix-selection", m.Window());

    m.Press(m.b.next);  // the last page has empty cells: clicks on them select nothing
    const int used = 100 - m.layout.CellsPerPage();
    ASSERT_GT(used, 0);
    ASSERT_LT(used, m.layout.CellsPerPage());
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 1); }, 15000));
    EXPECT_TRUE(m.WaitForButtons(true, false, true, false));
    EXPECT_FALSE(m.FrameOf(m.layout.columns + 1, kRed));  // no stale frame
    m.ClickCell(used);
    m.Click(2, m.layout.Top() + 30);  // the margin
    Sleep(300);
    EXPECT_FALSE(m.FrameOf(used, kRed));
    EXPECT_FALSE(m.Enabled(m.b.saveAs));
    m.ClickCell(used - 1);
    EXPECT_TRUE(WaitFor([&] { return m.FrameOf(used - 1, kRed); }));
    m.Press(m.b.open);  // Open, cancelled: the frame is gone all the same
    HWND dialog = FindDialog(m.Process(), "Select a file to open.");
    ASSERT_NE(dialog, nullptr);
    PressDialogButton(dialog, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return m.NoDialogs() && !m.FrameOf(used - 1, kRed); }));
    EXPECT_TRUE(m.WaitForButtons(true, false, true, false));
}

TEST(Mordelix, SaveAsAndSaveAllWithEveryAnswerOfTheConfirmation) {
    const std::string dll = IconDll("icons5.dll", 5);
    const std::string folder = EmptyFolder("saved-icons");
    Mordelix m;
    m.Open(dll);
    ASSERT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0); }, 15000));

    // Save As the selected icon, then onto the same name: NO keeps it.
    m.ClickCell(2);
    ASSERT_TRUE(m.WaitForButtons(false, false, true, true));
    m.Save(m.b.saveAs, folder + "\\one.ico", "mordelix-saveas");
    EXPECT_EQ(m.Answer("Information"), "Succeeded to save icon(s) as icon file(s).");
    EXPECT_EQ(FileOf(folder + "\\one.ico"), IcoOf(dll, 2));
    WriteBytes(folder + "\\one.ico", {1, 2, 3});
    m.Save(m.b.saveAs, folder + "\\one.ico");
    ASSERT_NE(FindDialog(m.Process(), "Confirmation"), nullptr);
    SaveScreenshot("mordelix-confirm");
    EXPECT_TRUE(m.Confirm(7));
    EXPECT_EQ(m.Answer("Notice"), "NO saving work for icon(s).");
    EXPECT_EQ(FileOf(folder + "\\one.ico"), (std::vector<unsigned char>{1, 2, 3}));

    // Save All into the folder: every icon under a numbered name.
    m.Save(m.b.saveAll, folder + "\\app.ico");
    EXPECT_EQ(m.Answer("Information"), "Succeeded to save icon(s) as icon file(s).");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(FileOf(folder + "\\app00" + std::to_string(i) + ".ICO"), IcoOf(dll, i)) << i;
    EXPECT_FALSE(FileExists(folder + "\\app.ico"));

    // Again: Escape answers NO (nothing written), Yes then NO interrupts,
    // Yes to All writes the rest without asking.
    for (int i = 0; i < 5; ++i) WriteBytes(folder + "\\app00" + std::to_string(i) + ".ICO", {9});
    m.Save(m.b.saveAll, folder + "\\app.ico");
    EXPECT_TRUE(m.Confirm(IDCANCEL));
    EXPECT_EQ(m.Answer("Notice"), "NO saving work for icon(s).");
    EXPECT_EQ(FileOf(folder + "\\app000.ICO"), (std::vector<unsigned char>{9}));

    m.Save(m.b.saveAll, folder + "\\app.ico");
    EXPECT_TRUE(m.Confirm(6));
    EXPECT_TRUE(m.Confirm(7));
    EXPECT_EQ(m.Answer("Notice"), "Interrupted saving work for icons.");
    EXPECT_EQ(FileOf(folder + "\\app000.ICO"), IcoOf(dll, 0));
    EXPECT_EQ(FileOf(folder + "\\app001.ICO"), (std::vector<unsigned char>{9}));

    m.Save(m.b.saveAll, folder + "\\app.ico");
    EXPECT_TRUE(m.Confirm(6));   // app000
    EXPECT_TRUE(m.Confirm(8));   // app001 and every later one
    EXPECT_EQ(m.Answer("Information"), "Succeeded to save icon(s) as icon file(s).");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(FileOf(folder + "\\app00" + std::to_string(i) + ".ICO"), IcoOf(dll, i)) << i;

    // A name without .ico brings the dialog back; a CD-ROM is refused.
    m.Save(m.b.saveAll, folder + "\\app.txt");
    EXPECT_EQ(m.Answer("Error"), "Assign a file with ICO extension.");
    HWND again = FindDialog(m.Process(), "Assign an icon file to save.");
    ASSERT_NE(again, nullptr);
    AnswerFileDialog(again, "R:\\app.ico");
    EXPECT_EQ(m.Answer("Warning"), "Unable to save files other than to the hard disk.");
    EXPECT_TRUE(WaitFor([&] { return m.NoDialogs(); }));
}

TEST(Mordelix, RefusalsAndFailedSearchesKeepTheFileAndPageShown) {
    const std::string dll = IconDll("icons3.dll", 3);
    Mordelix m;
    m.Open(dll);
    ASSERT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0); }, 15000));
    m.ClickCell(0);
    ASSERT_TRUE(WaitFor([&] { return m.FrameOf(0, kRed); }));

    m.Open(Setting("MORDELIX_EXE"));
    EXPECT_EQ(m.Answer("Error"), "Unable to open myself.");
    m.Open(Work("sample.ico"));
    EXPECT_EQ(m.Answer("Error"), "Select a file with EXE or DLL extension.");
    HWND again = FindDialog(m.Process(), "Select a file to open.");
    ASSERT_NE(again, nullptr);  // the dialog comes back
    AnswerFileDialog(again, Work("missing.dll"));
    EXPECT_EQ(m.Answer("Error"), "No selected file in the directory.");
    again = FindDialog(m.Process(), "Select a file to open.");
    ASSERT_NE(again, nullptr);
    PressDialogButton(again, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return m.NoDialogs(); }));
    m.Open("R:\\sample.exe");
    EXPECT_EQ(m.Answer("Warning"), "Unable to open a file in the removable (or remote) disk.");

    const std::string empty = Work("empty.dll");
    WriteBytes(empty, std::vector<unsigned char>(70000, 0));
    m.Open(empty);
    EXPECT_EQ(m.Answer("Information"), "NO icon in the file.");
    EXPECT_TRUE(m.ShowsPage(dll, 0));  // the page and its file stay
    EXPECT_TRUE(m.WaitForButtons(false, false, true, false));
    const std::string folder = EmptyFolder("kept");
    m.Save(m.b.saveAll, folder + "\\k.ico");
    EXPECT_EQ(m.Answer("Information"), "Succeeded to save icon(s) as icon file(s).");
    EXPECT_EQ(FileOf(folder + "\\k002.ICO"), IcoOf(dll, 2));

    const std::string many = IconDll("icons501.dll", 501);
    m.Open(many);
    EXPECT_EQ(m.Answer("Search stop", IDOK, 30000), "Over 500 icons in the file\nso that search has been stopped.");
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(many, 0); }, 15000));
    const int lastPage = 499 / m.layout.CellsPerPage();
    for (int page = 0; page < lastPage + 2; ++page) m.Press(m.b.next);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(many, lastPage); }, 30000));
    EXPECT_TRUE(m.WaitForButtons(true, false, true, false));
}

TEST(Mordelix, TodaysIconsOnlyWhileAskedForDrawnAndSavedAsImgscanDoes) {
    const std::string dll = TodaysIconsDll("todays-gallery.dll");
    const std::string folder = EmptyFolder("todays-saved");
    ASSERT_EQ(Found(dll, SearchKind::GalleryIcons, true).size(), 6u);  // not the 256 x 256 one
    Mordelix m;
    m.Open(dll);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0); }, 15000));  // off: today's page
    const long objects = m.GdiObjects();
    ChooseAllIconKinds(m.Window());  // on: searched again
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0, kDarkCyan, true); }, 15000));
    SaveScreenshot("mordelix-todays", m.Window());
    m.ClickCell(5);  // the 64 x 64 PNG, saved as PNG
    ASSERT_TRUE(m.WaitForButtons(false, false, true, true));
    m.Save(m.b.saveAs, folder + "\\png.ico");
    EXPECT_EQ(m.Answer("Information"), "Succeeded to save icon(s) as icon file(s).");
    EXPECT_EQ(FileOf(folder + "\\png.ico"), IcoOf(dll, 5, true));
    ChooseAllIconKinds(m.Window());  // off again
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0) && m.GdiObjects() == objects; }, 15000));
}

// Turned on before the first page, the option applies to Open. Turned off on
// a file of today's icons only, it leaves an empty grid; on again, the icons.
TEST(Mordelix, TheOptionOnAFileOfTodaysIconsOnly) {
    const std::string dll = TodaysIconsDll("modern-gallery.dll", false);
    Mordelix m;
    ChooseAllIconKinds(m.Window());
    m.Open(dll);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0, kDarkCyan, true); }, 15000));
    ChooseAllIconKinds(m.Window());
    EXPECT_EQ(m.Answer("Information"), "NO icon in the file.");
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0); }));  // the search without it: white cells
    EXPECT_TRUE(m.WaitForButtons(false, false, false, false));
    ChooseAllIconKinds(m.Window());
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0, kDarkCyan, true); }, 15000));
}

TEST(Mordelix, AProgressBoxAndATopmostWindowDuringALongSearch) {
    const std::string big = Work("big.dll");
    std::vector<unsigned char> bytes(60u << 20, 40);  // every byte a candidate
    WriteBytes(big, bytes);
    Mordelix m;
    m.Open(big);
    std::string text;
    EXPECT_TRUE(WaitFor([&] {
        for (HWND w : m.Process().Windows())
            if (w != m.Window() && WindowText(w).empty()) text = WindowText(GetDlgItem(w, 123));
        return text.find("Searched :  ") != std::string::npos && text.find("  0%") == std::string::npos;
    }, 30000)) << text;
    SaveScreenshot("mordelix-progress", nullptr, false);
    EXPECT_TRUE(GetWindowLongA(m.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(m.Answer("Information", IDOK, 120000), "NO icon in the file.");
    EXPECT_TRUE(WaitFor([&] { return m.NoDialogs(); }));
    EXPECT_FALSE(GetWindowLongA(m.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    DeleteFileA(big.c_str());
}

// A bitmap that the search accepts though no compressed bitmap may be
// top-down (RLE8, height -50). Windows refuses to load it; Wine loads it
// anyway. Either way the page goes on with the next cells.
void AppendUnreadableBitmap(std::vector<unsigned char>& dll) {
    std::vector<uint8_t> header(40, 0);
    PutU32(header, 0, 40);
    PutU32(header, 4, 50);
    PutU32(header, 8, static_cast<uint32_t>(-50));
    PutU16(header, 12, 1);
    PutU16(header, 14, 8);
    PutU32(header, 16, 1);  // BI_RLE8
    PutU32(header, 20, 100);
    dll.insert(dll.end(), header.begin(), header.end());
    for (int i = 0; i < 256; ++i) dll.insert(dll.end(), {static_cast<unsigned char>(i), 0, 200, 0});
    for (int i = 0; i < 50; ++i) dll.insert(dll.end(), {0, 1});  // end of bitmap
    dll.insert(dll.end(), 16, 0);
}

// A DLL of bitmaps: 384 x 288 (halved), 1000 x 20 (labelled), 100 x 50 (its
// own size), a malformed compressed one, then the bitmaps of the icon
// gallery's program (its buttons).
std::string BitmapDll() {
    std::vector<unsigned char> dll(64, 0);
    AppendBitmap(dll, 384, 288);
    AppendBitmap(dll, 1000, 20);
    AppendBitmap(dll, 100, 50);
    AppendUnreadableBitmap(dll);
    const std::vector<unsigned char> program = ReadBytes(Setting("MORDELIX_EXE"));
    dll.insert(dll.end(), program.begin(), program.end());
    WriteBytes(Work("bitmaps.dll"), dll);
    return Work("bitmaps.dll");
}

TEST(Zandovir, ThumbnailsWithLabelsPagesSelectionAndNoLeakedObjects) {
    const std::string dll = BitmapDll();
    const std::vector<FoundImage> bitmaps = Found(dll, SearchKind::GalleryBitmaps);
    Zandovir z;
    ASSERT_NE(z.Window(), nullptr);
    EXPECT_TRUE(z.WaitForButtons(false, false, false, false));
    SaveScreenshot("zandovir-startup");
    z.ShootAbout("zandovir-about");
    const int perPage = z.layout.CellsPerPage();
    ASSERT_GT(static_cast<int>(bitmaps.size()), 2 * perPage);
    z.Open(dll);
    EXPECT_TRUE(WaitFor([&] { return z.ShowsBitmapAtItsSize(dll, 2, 2); }, 20000));
    EXPECT_TRUE(z.WaitForButtons(false, true, true, false));
    EXPECT_EQ(ThumbnailSize(384, 288).width, 192);
    EXPECT_GT(z.ColouredPixels(0, 1, 1, 192, 144), 192 * 144 - 200);  // the halved one fills its cell
    EXPECT_GT(z.ColouredPixels(1, 1, 1, 40, 18), 10);                 // the label "1/6.7"
    EXPECT_GT(z.ColouredPixels(4), 100);  // the cells after the malformed one load
    EXPECT_EQ(z.ColouredPixels(1, 1, 72, 192, 74), 192 * 3);          // the 192 x 3 thumbnail
    const long objects = z.GdiObjects();
    SaveScreenshot("zandovir-page", z.Window());

    z.ClickCell(1);
    EXPECT_TRUE(WaitFor([&] { return z.FrameOf(1, kRed); }));
    EXPECT_TRUE(z.WaitForButtons(false, true, true, true));
    SaveScreenshot("zandovir-selection", z.Window());
    z.Press(z.b.next);
    EXPECT_TRUE(WaitFor([&] { return z.ShowsBitmapAtItsSize(dll, perPage, 0); }, 20000));
    EXPECT_TRUE(z.WaitForButtons(true, true, true, false));
    EXPECT_FALSE(z.FrameOf(1, kRed));
    for (int flip = 0; flip < 10; ++flip) z.Press(flip % 2 == 0 ? z.b.prev : z.b.next);
    EXPECT_TRUE(WaitFor([&] { return z.ShowsBitmapAtItsSize(dll, perPage, 0); }, 20000));
    z.Press(z.b.prev);
    EXPECT_TRUE(WaitFor([&] { return z.ShowsBitmapAtItsSize(dll, 2, 2); }, 20000));
    EXPECT_EQ(z.GdiObjects(), objects);

    const int lastPage = (static_cast<int>(bitmaps.size()) - 1) / perPage;
    for (int page = 0; page < lastPage; ++page) z.Press(z.b.next);
    EXPECT_TRUE(z.WaitForButtons(true, false, true, false));
    const int used = static_cast<int>(bitmaps.size()) - lastPage * perPage;
    if (used < perPage) {
        z.ClickCell(used);  // an empty cell
        Sleep(300);
        EXPECT_FALSE(z.FrameOf(used, kRed));
        EXPECT_FALSE(z.Enabled(z.b.saveAs));
    }
}

TEST(Zandovir, SaveAsAndSaveAllWriteTheBitmapsAsFound) {
    const std::string dll = BitmapDll();
    const int count = static_cast<int>(Found(dll, SearchKind::GalleryBitmaps).size());
    const std::string folder = EmptyFolder("saved-bitmaps");
    Zandovir z;
    z.Open(dll);
    ASSERT_TRUE(WaitFor([&] { return z.ShowsBitmapAtItsSize(dll, 2, 2); }, 20000));
    z.ClickCell(1);
    ASSERT_TRUE(z.WaitForButtons(false, true, true, true));
    z.Save(z.b.saveAs, folder + "\\wide.bmp", "zandovir-saveas");
    EXPECT_EQ(z.Answer("Information"), "Succeeded to save bitmap(s) as bitmap file(s).");
    EXPECT_EQ(FileOf(folder + "\\wide.bmp"), BmpOf(dll, 1));

    WriteBytes(folder + "\\pic001.BMP", {5});
    z.Save(z.b.saveAll, folder + "\\pic.bmp");
    ASSERT_NE(FindDialog(z.Process(), "Confirmation"), nullptr);
    SaveScreenshot("zandovir-confirm");
    EXPECT_TRUE(z.Confirm(IDCANCEL));  // Escape at pic001: NO, after pic000 was written
    EXPECT_EQ(z.Answer("Notice"), "Interrupted saving work for bitmap.");
    EXPECT_EQ(FileOf(folder + "\\pic000.BMP"), BmpOf(dll, 0));
    EXPECT_EQ(FileOf(folder + "\\pic001.BMP"), (std::vector<unsigned char>{5}));
    z.Save(z.b.saveAll, folder + "\\pic.bmp");
    EXPECT_TRUE(z.Confirm(8));
    EXPECT_EQ(z.Answer("Information", IDOK, 30000), "Succeeded to save bitmap(s) as bitmap file(s).");
    for (int i : {0, 1, 2, count - 1}) {
        char name[32];
        wsprintfA(name, "\\pic%03d.BMP", i);
        EXPECT_EQ(FileOf(folder + name), BmpOf(dll, i)) << name;
    }
    z.Save(z.b.saveAll, folder + "\\pic.ico");
    EXPECT_EQ(z.Answer("Error"), "Assign a file with BMP extension.");
    HWND again = FindDialog(z.Process(), "Assign a bitmap file to save.");
    ASSERT_NE(again, nullptr);
    PressDialogButton(again, IDCANCEL);

    const std::string empty = Work("empty.dll");
    WriteBytes(empty, std::vector<unsigned char>(70000, 0));
    z.Open(empty);
    EXPECT_EQ(z.Answer("Information"), "NO bitmap in the file.");
    EXPECT_TRUE(z.ShowsBitmapAtItsSize(dll, 2, 2));  // the page and its file stay
}

// The clipboard holds, pixel for pixel, the BMP file `bmp` (uncompressed).
bool ClipboardHolds(const std::vector<uint8_t>& bmp) {
    const Capture copied = ClipboardPicture();
    const int width = static_cast<int>(bmp[18] | bmp[19] << 8), height = static_cast<int>(bmp[22] | bmp[23] << 8);
    if (copied.width != width || copied.height != height) return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (copied.At(x, y) != BmpPixel(bmp, x, y)) return false;
    return true;
}

// A dropped file opens as through Open; the keys turn the pages; Copy takes
// the selected icon as the inspector shows it, and nothing without a selection.
TEST(Mordelix, DropKeysAndCopyOfTheSelectedIcon) {
    const std::string dll = IconDll("icons-dropped.dll", 100);
    const std::string text = Work("dropped.txt");
    WriteBytes(text, {'h', 'i'});
    Mordelix m;
    ASSERT_LT(m.layout.CellsPerPage(), 100);
    EmptyTheClipboard();
    EXPECT_TRUE(SystemMenuItem(m.Window(), "Copy").grayed);
    ASSERT_TRUE(DropFiles(m.Window(), {dll}));
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0); }, 15000));
    ASSERT_TRUE(DropFiles(m.Window(), {text}));
    EXPECT_EQ(m.Answer("Error"), "Select a file with EXE or DLL extension.");
    EXPECT_TRUE(WaitFor([&] { return m.NoDialogs(); }));

    PressKey(m.Window(), VK_RIGHT);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 1); }, 15000));
    PressKey(m.Window(), VK_PRIOR);
    EXPECT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0); }, 15000));
    PressKey(m.Window(), VK_LEFT);  // no page before the first
    TypeCharacter(m.Window(), 3);   // nothing selected: nothing copied
    Sleep(300);
    EXPECT_TRUE(m.ShowsPage(dll, 0));
    EXPECT_EQ(ClipboardPicture().width, 0);

    m.ClickCell(2);
    ASSERT_TRUE(WaitFor([&] { return m.FrameOf(2, kRed); }));
    EXPECT_FALSE(SystemMenuItem(m.Window(), "Copy").grayed);
    TypeCharacter(m.Window(), 3);
    FileSource file(dll);
    std::vector<uint8_t> icon;
    ASSERT_EQ(RenderIconDisplayCopy(file, Found(dll, SearchKind::GalleryIcons)[2], kDarkCyan, icon), ImageRead::Ok);
    EXPECT_TRUE(WaitFor([&] { return ClipboardHolds(icon); }, 5000));
    PressKey(m.Window(), VK_F1);
    EXPECT_EQ(m.Answer("Error"), "Install the readme file (MORDELIE.PDF)\nin the same directory.");
}

TEST(Zandovir, ADroppedLibraryAndTheSelectedBitmapCopiedFromTheSystemMenu) {
    const std::string dll = BitmapDll();
    Zandovir z;
    ASSERT_TRUE(DropFiles(z.Window(), {dll}));
    ASSERT_TRUE(WaitFor([&] { return z.ShowsBitmapAtItsSize(dll, 2, 2); }, 20000));
    z.ClickCell(1);
    ASSERT_TRUE(z.WaitForButtons(false, true, true, true));
    EmptyTheClipboard();
    PostMessageA(z.Window(), WM_SYSCOMMAND, SystemMenuItem(z.Window(), "Copy").id, 0);
    EXPECT_TRUE(WaitFor([&] { return ClipboardHolds(BmpOf(dll, 1)); }, 5000));
    PressKey(z.Window(), VK_NEXT);
    EXPECT_TRUE(WaitFor([&] { return z.ShowsBitmapAtItsSize(dll, z.layout.CellsPerPage(), 0); }, 20000));
    EXPECT_TRUE(SystemMenuItem(z.Window(), "Copy").grayed);  // the page changed: no selection
}

TEST(Japanese, BothGalleriesSpeakJapanese) {
    const std::string dll = IconDll("icons5.dll", 5);
    {
        Mordelix m("コラヴェル (for EXE/DLL)");
        ASSERT_NE(m.Window(), nullptr);
        m.Open(dll, "オープンするファイルの選択");
        ASSERT_TRUE(WaitFor([&] { return m.ShowsPage(dll, 0); }, 15000));
        m.ClickCell(0);
        const std::string folder = EmptyFolder("japanese");
        WriteBytes(folder + "\\j.ico", {1});
        m.ChooseFile(m.b.saveAs, "保存するファイル名の選択", folder + "\\j.ico");
        ASSERT_NE(FindDialog(m.Process(), "確認"), nullptr);
        SaveScreenshot("japanese-confirm");
        EXPECT_TRUE(m.Confirm(6, "確認"));
        EXPECT_EQ(m.Answer("お知らせ"), "アイコンはファイルに保存されました.");
        EXPECT_EQ(FileOf(folder + "\\j.ico"), IcoOf(dll, 0));
        SaveScreenshot("japanese-mordelix", m.Window());
    }
    Zandovir z("エストリヴォ (for EXE/DLL)");
    ASSERT_NE(z.Window(), nullptr);
    z.Open(Setting("ZANDOVIR_EXE"), "オープンするファイルの選択");
    EXPECT_EQ(z.Answer("エラー"), "自分自身はオープンできません.");
    const std::string bitmaps = BitmapDll();
    z.Open(bitmaps, "オープンするファイルの選択");
    EXPECT_TRUE(WaitFor([&] { return z.ShowsBitmapAtItsSize(bitmaps, 2, 2); }, 20000));
    SaveScreenshot("japanese-zandovir", z.Window());
}

// What scripts/run.sh shows on a machine without a display (not part of the
// test run): a real program's first page in each gallery.
TEST(Demo, MordelixShowsARealFile) {
    const std::string file = Setting("DEMO_FILE");
    Mordelix m;
    m.Open(file);
    ASSERT_TRUE(WaitFor([&] { return m.ShowsPage(file, 0); }, 30000));
    SaveScreenshot("mordelix", m.Window());
}

TEST(Demo, ZandovirShowsARealFile) {
    const std::string file = Setting("DEMO_FILE");
    Zandovir z;
    z.Open(file);
    ASSERT_TRUE(WaitFor([&] { return z.NoDialogs() && z.Enabled(z.b.saveAll); }, 30000));
    Sleep(500);
    SaveScreenshot("zandovir", z.Window());
}

}  // namespace

namespace {

// Milliseconds since `start`.
double Since(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Open (from the file dialog's OK to the first page drawn, a limit message
// answered at once) and the median of 20 page flips, each one command sent
// and returned with the new page painted.
void MeasureGallery(Gallery& g, const std::string& file, int nextCommand, int previousCommand, const char* name) {
    g.Press(g.b.open);
    HWND dialog = FindDialog(g.Process(), "Select a file to open.");
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, 0x47C), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    PressDialogButton(dialog, IDOK);
    for (;;) {
        if (HWND stop = FindWindowExA(nullptr, nullptr, "#32770", "Search stop")) PressDialogButton(stop, IDOK);
        if (g.Enabled(g.b.saveAll) && g.NoDialogs()) break;
        ASSERT_LT(Since(start), 120000.0);
        Sleep(1);
    }
    const double open = Since(start);
    std::vector<double> flips;
    for (int i = 0; i < 20; ++i) {
        QueryPerformanceCounter(&start);
        SendMessageA(g.Window(), WM_COMMAND, i % 2 == 0 ? nextCommand : previousCommand, 0);
        flips.push_back(Since(start));
    }
    std::printf("%s %s: open to first page %.0f ms, page flip median %.1f ms (%zu entries)\n", name, file.c_str(), open,
                Median(flips), Found(file, std::string(name) == "MORDELIX" ? SearchKind::GalleryIcons
                                                                             : SearchKind::GalleryBitmaps)
                                   .size());
}

// Figures (not part of the test run; bench/gallery_bench.sh): the prefix's
// shell32.dll, the largest DLL with icons, and the icon inspector's program,
// the file with the most bitmaps at hand.
TEST(Bench, OpenAndPageFlips) {
    {
        Mordelix m;
        MeasureGallery(m, "C:\\windows\\system32\\shell32.dll", 104, 103, "MORDELIX");
    }
    Zandovir z;
    MeasureGallery(z, Work("VESKARIN.EXE"), 103, 102, "ZANDOVIR");
}

}  // namespace
