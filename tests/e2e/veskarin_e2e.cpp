// Sessions of VESKARIN.EXE under Wine, driven like a user would, checked by
// what the user sees: titles, message boxes, pixels and files.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fileops/file_system.h"
#include "imaging/ico_layout.h"
#include "imaging/icon_render.h"
#include "scan/image_description.h"
#include "scan/modern_icons.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/explorer.h"
#include "tests/e2e/todays_icons.h"

namespace {

// Bar buttons (control identifiers) and the commands' dialogs.
enum Button { kMask = 112, kOpen, kPrev, kNext, kZoomOut, kZoomIn, kSaveAs, kReplace, kAbout, kHelp, kExit };
constexpr int kColorCombo = 124;
constexpr int kBarRows = 20;

std::string Sample() { return Work("sample.exe"); }  // a copy of imgscan.exe: 32x32x16, 16x16x256, 48x48x24

// The icons found, also 32-bit and PNG ones with `allKinds` (the option's search).
std::vector<FoundImage> Icons(const std::string& path, bool allKinds = false) {
    ScanOptions options;
    options.allKinds = allKinds;
    FileSource file(path);
    return ScanAllKinds(file, options).entries;
}

std::string Title(const std::string& path, int index, bool allKinds = false) {
    const FoundImage e = Icons(path, allKinds).at(static_cast<size_t>(index));
    return "Icon [ " + DescribeIcon(e) + " at " + HexOffset(e.headerOffset) + " ]";
}

struct Expected {
    int width = 0, height = 0;
    std::vector<uint8_t> bmp;
};

// The display copy, drawn by imgscan's functions (for 32-bit and PNG icons
// those of render-icon --all-kinds).
Expected Rendered(const std::string& path, int index, ColorRef mask, bool allKinds = false) {
    Expected expected;
    FileSource file(path);
    const FoundImage e = Icons(path, allKinds).at(static_cast<size_t>(index));
    RenderIconDisplayCopy(file, e, mask, expected.bmp);
    expected.width = e.width;
    expected.height = e.height / 2;
    return expected;
}

// Pixels of the icon whose colour is the mask colour's (they change with it).
int MaskPixels(const std::string& path, int index) {
    const Expected a = Rendered(path, index, 0x000000), b = Rendered(path, index, 0xFFFFFF);
    int count = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) count += BmpPixel(a.bmp, x, y) != BmpPixel(b.bmp, x, y);
    return count;
}

// Every pixel of the icon, magnified `zoom` times below the bar, is what the
// display copy with this mask colour holds.
// With the view scrolled down by `scrolledRows` image rows, only the rows
// that are visible above the bottom of the client area are compared.
bool ShowsIcon(HWND window, const std::string& path, int index, int zoom, ColorRef mask, int scrolledRows = 0,
               bool allKinds = false) {
    const Expected expected = Rendered(path, index, mask, allKinds);
    const Capture shot = CaptureClient(window);
    if (shot.width < expected.width * zoom) return false;
    int compared = 0;
    for (int y = scrolledRows; y < expected.height; ++y) {
        const int top = kBarRows + (y - scrolledRows) * zoom;
        if (top + zoom > shot.height) break;
        for (int x = 0; x < expected.width; ++x)
            for (int dy : {0, zoom - 1})
                for (int dx : {0, zoom - 1})
                    if (shot.At(x * zoom + dx, top + dy) != BmpPixel(expected.bmp, x, y)) return false;
        ++compared;
    }
    return compared > 0;
}

// A visible child window of this class and style bit (the view's scroll bars).
HWND VisibleChild(HWND parent, const char* className, LONG style) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, className) == 0 && IsWindowVisible(child) && (GetWindowLongA(child, GWL_STYLE) & style) == style)
            return child;
    }
    return nullptr;
}

// One run of VESKARIN.EXE.
class Veskarin : public MainWindow {
public:
    explicit Veskarin(const char* displayName = "Arvelle")
        : MainWindow(Setting("VESKARIN_EXE"), "VESKARIN", displayName, kExit) {}
    void Open(const std::string& path, const char* shot = nullptr) const {
        ChooseFile(kOpen, "Select a file to open.", path, shot);
    }
};

// Opens the sample and steps to its third icon (48 x 48), at zoom 1; false
// when it did not come.
bool OpenLargeSampleIcon(const Veskarin& v) {
    v.Open(Sample());
    if (!v.WaitForTitle(Title(Sample(), 0))) return false;
    v.Press(kNext);
    v.Press(kNext);
    return v.WaitForTitle(Title(Sample(), 2));
}

constexpr ColorRef kDarkCyan = 0x808000;

TEST(Veskarin, StartsWithItsPictureAndASecondStartEndsSilently) {
    Veskarin first;
    ASSERT_NE(first.Window(), nullptr);
    EXPECT_FALSE(first.Enabled(kNext));
    EXPECT_TRUE(first.Enabled(kOpen));
    SaveScreenshot("startup");

    Program second(Setting("VESKARIN_EXE"));
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_TRUE(first.NoDialogs());
    EXPECT_EQ(first.Title(), "Arvelle");
}

TEST(Veskarin, OpenShowsTheFirstIconWithItsTitle) {
    Veskarin v;
    v.Open(Sample(), "open");
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 0))) << v.Title();
    EXPECT_EQ(Title(Sample(), 0).substr(0, 34), "Icon [ 32 x 32 x 16 (766 Bytes) at");
    EXPECT_GT(MaskPixels(Sample(), 0), 0);
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 0, 1, kDarkCyan); }, 5000));
    EXPECT_FALSE(v.Enabled(kPrev));
    EXPECT_TRUE(v.Enabled(kNext));
    EXPECT_TRUE(v.Enabled(kSaveAs));
}

TEST(Veskarin, NextPreviousAndZoomChangeTitleAndPicture) {
    Veskarin v;
    v.Open(Sample());
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 0)));
    v.Press(kNext);
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 1))) << v.Title();
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 1, 1, kDarkCyan); }, 5000));

    v.Press(kZoomIn);
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 1, 2, kDarkCyan); }, 5000));
    v.Press(kZoomIn);
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 1, 3, kDarkCyan); }, 5000));
    SaveScreenshot("zoom3");
    v.Press(kZoomOut);
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 1, 2, kDarkCyan); }, 5000));

    v.Press(kNext);  // a new icon is shown at zoom 1
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 2))) << v.Title();
    EXPECT_NE(v.Title().find(" x 48 x 16M ("), std::string::npos);
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 2, 1, kDarkCyan); }, 5000));
    EXPECT_TRUE(WaitFor([&] { return !v.Enabled(kNext) && v.Enabled(kPrev); }));

    v.Press(kPrev);
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 1))) << v.Title();
}

// Picks swatch `index` in the open colour dialog, as a click in the list would.
void PickSwatch(HWND dialog, int index) {
    HWND combo = GetDlgItem(dialog, kColorCombo);
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kColorCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

TEST(Veskarin, MaskColourDialogRepaintsMaskPixelsAndCancelRestores) {
    Veskarin v;
    v.Open(Sample());
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 0)));
    ASSERT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 0, 1, kDarkCyan); }, 5000));

    v.Press(kMask);
    HWND dialog = FindDialog(v.Process(), "Color Selection");
    ASSERT_NE(dialog, nullptr);
    PickSwatch(dialog, 6);  // white
    SendMessageA(GetDlgItem(dialog, kColorCombo), CB_SHOWDROPDOWN, TRUE, 0);
    Sleep(300);
    SaveScreenshot("maskdialog");
    SendMessageA(GetDlgItem(dialog, kColorCombo), CB_SHOWDROPDOWN, FALSE, 0);
    PressDialogButton(dialog, IDOK);
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 0, 1, 0xFFFFFF); }, 5000));

    v.Press(kMask);
    dialog = FindDialog(v.Process(), "Color Selection");
    ASSERT_NE(dialog, nullptr);
    PickSwatch(dialog, 7);  // black, then Cancel
    PressDialogButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    v.Press(kNext);  // the next icon is drawn with the colour kept: white
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 1)));
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 1, 1, 0xFFFFFF); }, 5000));
}

TEST(Veskarin, AColourChosenBeforeOpeningIsUsedByTheFirstIcon) {
    Veskarin v;
    v.Press(kMask);
    HWND dialog = FindDialog(v.Process(), "Color Selection");
    ASSERT_NE(dialog, nullptr);
    PickSwatch(dialog, 4);  // purple
    PressDialogButton(dialog, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    v.Open(Sample());
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 0)));
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 0, 1, 0x800080); }, 5000));
}

TEST(Veskarin, TheSearchStopsAtFiveHundredIcons) {
    std::vector<uint8_t> ico;
    FileSource file(Sample());
    ASSERT_EQ(BuildIconFile(file, Icons(Sample())[0], ico), ImageRead::Ok);
    std::vector<unsigned char> many(64, 0);
    for (int i = 0; i < 501; ++i) many.insert(many.end(), ico.begin() + 22, ico.end());
    const std::string path = Work("many.dll");
    WriteBytes(path, many);
    Veskarin v;
    v.Open(path);
    EXPECT_EQ(v.Answer("Information"), "Over 500 icons in the file\nso that search is interrupted.");
    EXPECT_TRUE(v.WaitForTitle("Icon [ 32 x 32 x 16 (766 Bytes) at 00000040 ]")) << v.Title();
    EXPECT_EQ(Icons(path).size(), 500u);
}

TEST(Veskarin, SaveAsWritesTheOneImageIcoFile) {
    const std::string saved = Work("saved.ico");
    DeleteFileA(saved.c_str());
    Veskarin v;
    v.Open(Sample());
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 0)));
    v.ChooseFile(kSaveAs, "Assign an icon file to save.", saved, "saveas");
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(saved).size() == 766; })) << ReadBytes(saved).size();

    std::vector<uint8_t> expected;
    FileSource file(Sample());
    ASSERT_EQ(BuildIconFile(file, Icons(Sample())[0], expected), ImageRead::Ok);
    EXPECT_EQ(ReadBytes(saved), std::vector<unsigned char>(expected.begin(), expected.end()));

    // Saving again asks before overwriting; No leaves the file alone.
    WriteBytes(saved, {1, 2, 3});
    v.ChooseFile(kSaveAs, "Assign an icon file to save.", saved);
    EXPECT_EQ(v.Answer("Confirmation", IDNO), "File already exists.\nDo you overwrite?");
    EXPECT_EQ(ReadBytes(saved).size(), 3u);
    v.ChooseFile(kSaveAs, "Assign an icon file to save.", saved);
    EXPECT_EQ(v.Answer("Confirmation", IDYES, 10000, "overwrite"), "File already exists.\nDo you overwrite?");
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(saved).size() == 766; }));
}

// An .ico of icon `index` of the sample with its colour bits changed: the
// same style, another picture.
std::string RepaintedIco(int index, const std::string& name) {
    std::vector<uint8_t> ico;
    FileSource file(Sample());
    BuildIconFile(file, Icons(Sample()).at(static_cast<size_t>(index)), ico);
    const FoundImage e = Icons(Sample())[static_cast<size_t>(index)];
    const size_t bits = 22 + 40 + 4 * static_cast<size_t>(e.colorCount);
    for (size_t i = bits; i < bits + static_cast<size_t>(e.imageSize - e.maskSize); ++i) ico[i] ^= 0x5A;
    WriteBytes(Work(name), std::vector<unsigned char>(ico.begin(), ico.end()));
    return Work(name);
}

TEST(Veskarin, ReplaceRewritesTheIconInPlaceAfterABackup) {
    const std::string target = Work("target.exe");
    for (const char* old : {"target.000", "target.001"}) DeleteFileA(Work(old).c_str());
    ASSERT_TRUE(CopyFileA(Sample().c_str(), target.c_str(), FALSE));
    const std::vector<unsigned char> original = ReadBytes(target);
    CreateDirectoryA(Work("pick").c_str(), nullptr);  // a folder with one icon to pick
    const std::string ico = RepaintedIco(0, "pick\\repainted.ico");

    Veskarin v;
    v.Open(target);
    ASSERT_TRUE(v.WaitForTitle(Title(target, 0)));
    v.Press(kReplace);
    HWND dialog = FindDialog(v.Process(), "Select an icon file for replacement.");
    ASSERT_NE(dialog, nullptr);
    // The panel names the icon to be replaced; OK has become Replace.
    EXPECT_TRUE(WaitFor([&] { return ControlText(PanelControl(dialog, 126)) == "32 x 32 x 16 (766 Bytes)"; }))
        << ControlText(PanelControl(dialog, 126));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDOK)), "Replace(&O)");
    // Picking the file in the list of its folder shows it in the panel and
    // puts its name into the name box.
    AnswerFileDialog(dialog, Work("pick"));
    HWND list = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        list = FindWindowExA(FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr), nullptr, "SysListView32", nullptr);
        return list != nullptr && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == 1;
    }));
    PostMessageA(list, WM_KEYDOWN, VK_HOME, 1);
    PostMessageA(list, WM_KEYUP, VK_HOME, 0xC0000001);
    EXPECT_TRUE(WaitFor([&] { return ControlText(PanelControl(dialog, 127)) == "32 x 32 x 16 (766 Bytes)"; }, 5000))
        << ControlText(PanelControl(dialog, 127));
    SaveScreenshot("replacedialog");
    PressDialogButton(dialog, IDOK);
    EXPECT_EQ(v.Answer("Confirmation for Replacement", IDYES, 10000, "replaceconfirm"),
              "Replaceable Icon : 32 x 32 x 16 (766 Bytes)\nSelected Icon : 32 x 32 x 16 (766 Bytes)");
    EXPECT_EQ(v.Answer("Information", IDOK, 10000, "replaced"), "The original file has been saved\nas target.000.");

    const std::vector<unsigned char> changed = ReadBytes(target);
    EXPECT_EQ(changed.size(), original.size());
    EXPECT_EQ(ReadBytes(Work("target.000")), original);
    const std::vector<unsigned char> icoBytes = ReadBytes(ico);
    const size_t at = static_cast<size_t>(Icons(Sample())[0].headerOffset);
    EXPECT_TRUE(std::equal(icoBytes.begin() + 22, icoBytes.end(), changed.begin() + static_cast<std::ptrdiff_t>(at)));
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), target, 0, 1, kDarkCyan); }, 5000));
    EXPECT_FALSE(ShowsIcon(v.Window(), Sample(), 0, 1, kDarkCyan));
    EXPECT_EQ(v.Title(), Title(target, 0));

    // No brings the dialog back; Cancel ends without a change.
    v.ChooseFile(kReplace, "Select an icon file for replacement.", ico);
    EXPECT_NE(v.Answer("Confirmation for Replacement", IDNO).find("Selected Icon : 32 x 32 x 16"), std::string::npos);
    HWND again = FindDialog(v.Process(), "Select an icon file for replacement.");
    ASSERT_NE(again, nullptr);
    AnswerFileDialog(again, ico);
    v.Answer("Confirmation for Replacement", IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); }));
    EXPECT_EQ(ReadBytes(target), changed);
    EXPECT_FALSE(FileExists(Work("target.001")));

    // An icon of another style is refused and nothing changes.
    const std::string other = RepaintedIco(1, "other.ico");
    v.ChooseFile(kReplace, "Select an icon file for replacement.", other);
    EXPECT_EQ(v.Answer("Confirmation for Replacement", IDYES),
              "Replaceable Icon : 32 x 32 x 16 (766 Bytes)\nSelected Icon : 16 x 16 x 256 (1406 Bytes)");
    EXPECT_EQ(v.Answer("Warning"),
              "Unable to replace the icon in the file because of\ndifferent style (Size, Width, Height, Colors).");
    EXPECT_EQ(ReadBytes(target), changed);
    EXPECT_FALSE(FileExists(Work("target.001")));
}

// Moving the selection from an icon file to one that cannot be described
// empties the panel's field, and the confirmation says nothing of it.
TEST(Veskarin, TheReplacePanelDescribesOnlyTheFileSelected) {
    CreateDirectoryA(Work("choose").c_str(), nullptr);
    RepaintedIco(0, "choose\\a.ico");
    WriteBytes(Work("choose\\b.ico"), {0, 0, 1, 0, 1, 0, 32});  // too short to describe
    Veskarin v;
    v.Open(Sample());
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 0)));
    v.Press(kReplace);
    HWND dialog = FindDialog(v.Process(), "Select an icon file for replacement.");
    ASSERT_NE(dialog, nullptr);
    AnswerFileDialog(dialog, Work("choose"));
    HWND list = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        list = FindWindowExA(FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr), nullptr, "SysListView32", nullptr);
        return list != nullptr && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == 2;
    }));
    auto key = [&](WPARAM k) {
        PostMessageA(list, WM_KEYDOWN, k, 1);
        PostMessageA(list, WM_KEYUP, k, 0xC0000001);
    };
    key(VK_HOME);
    ASSERT_TRUE(WaitFor([&] { return ControlText(PanelControl(dialog, 127)) == "32 x 32 x 16 (766 Bytes)"; }, 5000));
    key(VK_DOWN);
    EXPECT_TRUE(WaitFor([&] { return ControlText(PanelControl(dialog, 127)).empty(); }, 5000))
        << ControlText(PanelControl(dialog, 127));
    PressDialogButton(dialog, IDOK);
    EXPECT_EQ(v.Answer("Confirmation for Replacement", IDCANCEL),
              "Replaceable Icon : 32 x 32 x 16 (766 Bytes)\nSelected Icon : ");
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); }));
}

TEST(Veskarin, WhenAllThousandBackupNamesAreTakenTheyAreDeletedAndNumberingRestarts) {
    const std::string target = Work("full.exe");
    ASSERT_TRUE(CopyFileA(Sample().c_str(), target.c_str(), FALSE));
    for (int n = 0; n < 1000; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "full.%03d", n);
        WriteBytes(Work(name), {'o', 'l', 'd'});
    }
    const std::vector<unsigned char> original = ReadBytes(target);
    const std::string ico = RepaintedIco(0, "wrap.ico");

    Veskarin v;
    v.Open(target);
    ASSERT_TRUE(v.WaitForTitle(Title(target, 0)));
    v.ChooseFile(kReplace, "Select an icon file for replacement.", ico);
    v.Answer("Confirmation for Replacement", IDYES);
    EXPECT_EQ(v.Answer("Warning"),
              "Extension is full for saving the original file\nso that all previous files (xxx.000 - xxx.999) are deleted.\n"
              "Again the file for saving starts from xxx.000.");
    EXPECT_EQ(v.Answer("Information"), "The original file has been saved\nas full.000.");
    EXPECT_EQ(ReadBytes(Work("full.000")), original);
    EXPECT_FALSE(FileExists(Work("full.001")));
    EXPECT_FALSE(FileExists(Work("full.999")));
    EXPECT_NE(ReadBytes(target), original);
}

TEST(Veskarin, ScrollBarsFollowTheZoomAndScrollThePicture) {
    Veskarin v;
    ASSERT_TRUE(OpenLargeSampleIcon(v)) << v.Title();
    EXPECT_EQ(VisibleChild(v.Window(), "ScrollBar", SBS_VERT), nullptr);
    for (int zoom = 2; zoom <= 7; ++zoom) v.Press(kZoomIn);
    v.MoveMouseAway();
    ASSERT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 2, 7, kDarkCyan); }, 5000));
    RECT client;
    GetClientRect(v.Window(), &client);
    ASSERT_GT(7 * 48 + kBarRows, client.bottom);  // taller than the view: a vertical bar
    HWND bar = VisibleChild(v.Window(), "ScrollBar", SBS_VERT);
    ASSERT_NE(bar, nullptr);
    const int bottom = (7 * 48 + kBarRows - client.bottom) / 7;  // the range's end
    PostMessageA(v.Window(), WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar));
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 2, 7, kDarkCyan, bottom < 10 ? bottom : 10); }, 5000));
    SaveScreenshot("scrolled");
    v.Press(kZoomOut);  // back to a picture that fits: the bar goes
    EXPECT_TRUE(WaitFor([&] { return VisibleChild(v.Window(), "ScrollBar", SBS_VERT) == nullptr || 6 * 48 + kBarRows > client.bottom; }));
}

// Zooming out after scrolling to the end leaves a shorter range: the picture
// is drawn where the bar then says, not at the old position beyond its end.
TEST(Veskarin, ZoomingOutAfterScrollingToTheEndDrawsThePictureWhereTheBarSays) {
    Veskarin v;
    ASSERT_TRUE(OpenLargeSampleIcon(v)) << v.Title();
    for (int zoom = 2; zoom <= 8; ++zoom) v.Press(kZoomIn);  // taller than the view, not wider
    v.MoveMouseAway();
    ASSERT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 2, 8, kDarkCyan); }, 5000));
    HWND bar = VisibleChild(v.Window(), "ScrollBar", SBS_VERT);
    ASSERT_NE(bar, nullptr);
    SendMessageA(v.Window(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 400), reinterpret_cast<LPARAM>(bar));
    const int end = static_cast<int>(SendMessageA(bar, SBM_GETPOS, 0, 0));
    ASSERT_GT(end, 0);
    v.Press(kZoomOut);
    v.MoveMouseAway();
    bar = VisibleChild(v.Window(), "ScrollBar", SBS_VERT);
    const int position = bar != nullptr ? static_cast<int>(SendMessageA(bar, SBM_GETPOS, 0, 0)) : 0;
    ASSERT_LT(position, end);  // the range has become shorter
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 2, 7, kDarkCyan, position); }, 5000));
}

TEST(Veskarin, HoverLabelShowsOnlyWhileTheProgramIsActiveAndLeavesNoTrace) {
    Veskarin v;
    RECT button;
    GetWindowRect(v.ButtonWindow(kOpen), &button);
    const Capture before = CaptureClient(v.Window());
    auto labelPixels = [&] {
        const Capture now = CaptureClient(v.Window());
        int changed = 0;
        for (int y = kBarRows; y < 60; ++y)
            for (int x = 40; x < 120; ++x) changed += now.At(x, y) != before.At(x, y);
        return changed;
    };
    const int overX = (button.left + button.right) / 2, overY = (button.top + button.bottom) / 2;
    auto hover = [&] {
        SetCursorPos(overX - 2, overY);
        Sleep(50);
        SetCursorPos(overX, overY);
    };
    // While another program is active, the bar shows no label.
    RECT screen;
    GetWindowRect(GetDesktopWindow(), &screen);
    HWND other = CreateWindowExA(0, "STATIC", "another program", WS_POPUP | WS_VISIBLE | WS_BORDER, screen.right - 120,
                                 screen.bottom - 60, 100, 40, nullptr, nullptr, nullptr, nullptr);
    auto pump = [] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    };
    SetForegroundWindow(other);
    EXPECT_TRUE(WaitFor([&] { pump(); return GetForegroundWindow() == other; }));
    hover();
    WaitFor([&] { pump(); return false; }, 1000);  // a second for the program to draw one, if it would
    EXPECT_EQ(labelPixels(), 0);
    DestroyWindow(other);
    SetCursorPos(overX, screen.bottom - 10);

    SetForegroundWindow(v.Window());
    hover();
    EXPECT_TRUE(WaitFor([&] { return labelPixels() > 20; }, 5000));  // "Open" in a framed box
    SaveScreenshot("hover");
    RECT window;
    GetWindowRect(v.Window(), &window);
    SetCursorPos((window.left + window.right) / 2, window.bottom - 10);
    EXPECT_TRUE(WaitFor([&] { return labelPixels() == 0; }, 5000));
}

TEST(Veskarin, AboutBoxAndHelpWithoutReadmeWithoutViewerAndWithAViewer) {
    Veskarin v;
    v.Press(kAbout);
    HWND about = FindDialog(v.Process(), "About");
    ASSERT_NE(about, nullptr);
    SaveScreenshot("about");
    PressDialogButton(about, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));
    v.Press(kHelp);  // no readme beside the program
    EXPECT_EQ(v.Answer("Error"), "Install the readme file (TORMALE_E.PDF)\nin the same directory.");
    // A readme beside the program, but nothing registered to open PDF files.
    const std::string readme = Work("TORMALE_E.PDF");
    WriteBytes(readme, {'%', 'P', 'D', 'F'});
    v.Press(kHelp);
    EXPECT_EQ(v.Answer("Error"),
              "Unable to open the readme file (TORMALE_E.PDF)\nbecause of being NO software to read PDF documents.");
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); }));
    // With a viewer registered, Help hands the readme to it.
    const std::string opened = Work("opened.pdf");
    const std::string viewer = "C:\\windows\\system32\\cmd.exe /c copy \"%1\" \"" + opened + "\"";
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, "E2EViewer\\shell\\open\\command", 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(viewer.c_str()), static_cast<DWORD>(viewer.size() + 1));
    RegCloseKey(key);
    RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, "E2EViewer", 9);
    v.Press(kHelp);
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(opened) == std::vector<unsigned char>{'%', 'P', 'D', 'F'}; }));
    EXPECT_TRUE(v.NoDialogs());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".pdf");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "E2EViewer");
    DeleteFileA(readme.c_str());
}

TEST(Veskarin, TheWindowKeepsItsMinimumSize) {
    Veskarin v;
    RECT r;
    GetWindowRect(v.Window(), &r);
    SetWindowPos(v.Window(), nullptr, 0, 0, 300, 120, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(WaitFor([&] {
        RECT now;
        GetWindowRect(v.Window(), &now);
        return now.right - now.left == 440 && now.bottom - now.top >= GetSystemMetrics(SM_CYMIN) + 20;
    }));
}

TEST(Veskarin, AnIcoFileShowsItsIconWithoutOffsetAndCannotBeChanged) {
    std::vector<uint8_t> ico;
    FileSource file(Sample());
    ASSERT_EQ(BuildIconFile(file, Icons(Sample())[0], ico), ImageRead::Ok);
    const std::string one = Work("one.Ico");
    WriteBytes(one, std::vector<unsigned char>(ico.begin(), ico.end()));
    std::vector<uint8_t> twoImages = ico;
    twoImages[4] = 2;  // idCount
    const std::string two = Work("two.ico");
    WriteBytes(two, std::vector<unsigned char>(twoImages.begin(), twoImages.end()));

    Veskarin v;
    v.Open(one);
    EXPECT_TRUE(v.WaitForTitle("Icon [ 32 x 32 x 16 (766 Bytes) ]")) << v.Title();
    EXPECT_TRUE(WaitFor([&] { return !v.Enabled(kSaveAs) && !v.Enabled(kReplace) && v.Enabled(kZoomIn); }));
    // More than one image: refused, and the icon shown stays.
    v.Open(two);
    EXPECT_EQ(v.Answer("Error"), "More than one icon contained in the file.");
    EXPECT_EQ(v.Title(), "Icon [ 32 x 32 x 16 (766 Bytes) ]");
    EXPECT_TRUE(ShowsIcon(v.Window(), one, 0, 1, kDarkCyan));
}

// The user works on a DLL, then chooses an .ico file that is refused: the
// DLL stays the open file in every respect.
TEST(Veskarin, ARefusedIcoFileLeavesTheOpenFileAsItWas) {
    const std::string dll = Work("library.dll");
    ASSERT_TRUE(CopyFileA(Sample().c_str(), dll.c_str(), FALSE));
    std::vector<uint8_t> ico;
    FileSource file(Sample());
    ASSERT_EQ(BuildIconFile(file, Icons(Sample())[0], ico), ImageRead::Ok);
    ico[4] = 2;  // idCount: two images
    const std::string two = Work("pair.ico");
    WriteBytes(two, std::vector<unsigned char>(ico.begin(), ico.end()));

    Veskarin v;
    v.Open(dll);
    ASSERT_TRUE(v.WaitForTitle(Title(dll, 0)));
    v.Open(two);
    EXPECT_EQ(v.Answer("Error"), "More than one icon contained in the file.");
    EXPECT_EQ(v.Title(), Title(dll, 0));
    v.Press(kNext);
    EXPECT_TRUE(v.WaitForTitle(Title(dll, 1))) << v.Title();
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), dll, 1, 1, kDarkCyan); }, 5000));
    v.Press(kPrev);
    EXPECT_TRUE(v.WaitForTitle(Title(dll, 0))) << v.Title();
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs() && v.Enabled(kSaveAs) && v.Enabled(kReplace); }));
    // The title keeps its usual shape, so a second start still finds this one.
    Program second(Setting("VESKARIN_EXE"));
    EXPECT_EQ(second.WaitForExit(), 0);
}

// The display copy of the running program in the temporary folder.
std::string DisplayCopy() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(temp) + "!_tmp_!*.ic!").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return "";
    FindClose(search);
    return std::string(temp) + found.cFileName;
}

// When the next icon cannot be rendered, the icon shown stays with its title
// and its place in the table.
TEST(Veskarin, AnIconThatCannotBeRenderedLeavesTheShownOneWithItsTitle) {
    Veskarin v;
    v.Open(Sample());
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 0)));
    const std::string copy = DisplayCopy();
    ASSERT_FALSE(copy.empty());
    ASSERT_TRUE(DeleteFileA(copy.c_str()));
    ASSERT_TRUE(CreateDirectoryA(copy.c_str(), nullptr));  // in the way of the next display copy
    v.Press(kNext);
    EXPECT_EQ(v.Answer("Error"), "Unable to make a temporary bitmap file.");
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); }));
    EXPECT_EQ(v.Title(), Title(Sample(), 0));
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 0, 1, kDarkCyan) && !v.Enabled(kPrev); }, 5000));
    RemoveDirectoryA(copy.c_str());
    v.Press(kNext);
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 1))) << v.Title();
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 1, 1, kDarkCyan); }, 5000));
}

TEST(Veskarin, AFileWithoutIconsLeavesNothingToActOn) {
    const std::string empty = Work("empty.dll");
    WriteBytes(empty, std::vector<unsigned char>(5000, 0));
    Veskarin v;
    v.Open(Sample());
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 0)));
    v.Open(empty);
    EXPECT_EQ(v.Answer("Information"), "NO icon in the file.");
    EXPECT_EQ(v.Title(), "Arvelle");
    EXPECT_TRUE(WaitFor([&] {
        return !v.Enabled(kNext) && !v.Enabled(kPrev) && !v.Enabled(kZoomIn) && !v.Enabled(kSaveAs) && !v.Enabled(kReplace);
    }));
    EXPECT_FALSE(ShowsIcon(v.Window(), Sample(), 0, 1, kDarkCyan));  // the old icon is gone
}

TEST(Veskarin, APleaseWaitBoxAndATopmostWindowDuringALongSearch) {
    const std::string big = Work("big.exe");
    WriteBytes(big, std::vector<unsigned char>(150u << 20, 40));  // every byte a candidate
    Veskarin v;
    v.Open(big);
    HWND box = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        for (HWND w : v.Process().Windows())
            if (w != v.Window() && WindowText(w).empty() && WindowText(GetDlgItem(w, 0xFFFF)) == "Please wait a moment.")
                box = w;
        return box != nullptr;
    })) << "no please-wait box";
    if (box != nullptr) {
        EXPECT_TRUE(GetWindowLongA(v.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        SaveScreenshot("pleasewait");
    }
    EXPECT_EQ(v.Answer("Information", IDOK, 60000), "NO icon in the file.");
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); }));
    EXPECT_FALSE(GetWindowLongA(v.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    DeleteFileA(big.c_str());
}

TEST(Veskarin, ACdRomIsRefusedForRunningOpeningAndSaving) {
    Program fromCd("R:\\VESKARIN.EXE");
    ASSERT_TRUE(fromCd.Started());
    EXPECT_EQ(fromCd.WaitForExit(), 0);  // silently, without a window

    Veskarin v;
    v.Open("R:\\sample.exe");
    EXPECT_EQ(v.Answer("Warning"), "Unable to open a file in the removable (or remote) disk.");
    EXPECT_EQ(v.Title(), "Arvelle");
    v.Open(Sample());
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 0)));
    v.ChooseFile(kSaveAs, "Assign an icon file to save.", "R:\\saved.ico");
    EXPECT_EQ(v.Answer("Warning"), "Unable to save to the removable (or remote) disk.");
    EXPECT_FALSE(FileExists("R:\\saved.ico"));
}

TEST(Veskarin, OpenRefusesItsOwnFileAndOtherExtensions) {
    Veskarin v;
    v.Open(Setting("VESKARIN_EXE"));
    EXPECT_EQ(v.Answer("Error"), "Unable to open myself.");

    const std::string text = Work("notes.txt");
    WriteBytes(text, {'h', 'i'});
    v.Open(text);
    EXPECT_EQ(v.Answer("Error"), "Select a file with EXE, DLL, or ICO extension.");
    HWND again = FindDialog(v.Process(), "Select a file to open.");
    ASSERT_NE(again, nullptr);  // the dialog comes back
    PressDialogButton(again, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); }));
    EXPECT_EQ(v.Title(), "Arvelle");
}

// The picture on the clipboard is icon `index` as its display copy holds it.
bool ClipboardHoldsIcon(const std::string& path, int index, ColorRef mask) {
    const Expected expected = Rendered(path, index, mask);
    const Capture copied = ClipboardPicture();
    if (copied.width != expected.width || copied.height != expected.height) return false;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
            if (copied.At(x, y) != BmpPixel(expected.bmp, x, y)) return false;
    return true;
}

// A file dropped from Explorer meets every check of the Open dialog, with
// its message; a refused one, or one dropped while a command runs, changes nothing.
TEST(Veskarin, AFileDroppedOnTheWindowOpensAsIfChosenInTheOpenDialog) {
    std::vector<uint8_t> ico;
    FileSource file(Sample());
    ASSERT_EQ(BuildIconFile(file, Icons(Sample())[0], ico), ImageRead::Ok);
    const std::string one = Work("dropped.ico");
    WriteBytes(one, std::vector<unsigned char>(ico.begin(), ico.end()));
    ico[4] = 2;  // idCount: two images
    const std::string two = Work("dropped-pair.ico");
    WriteBytes(two, std::vector<unsigned char>(ico.begin(), ico.end()));
    const std::string text = Work("dropped.txt");
    WriteBytes(text, {'h', 'i'});
    const std::string folder = Work("folder.dll");
    CreateDirectoryA(folder.c_str(), nullptr);

    Veskarin v;
    ASSERT_TRUE(DropFiles(v.Window(), {Sample()}));
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 0))) << v.Title();
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 0, 1, kDarkCyan); }, 5000));

    struct Refusal {
        std::string path;
        const char* caption;
        const char* message;
    };
    const Refusal refusals[] = {
        {text, "Error", "Select a file with EXE, DLL, or ICO extension."},
        {Setting("VESKARIN_EXE"), "Error", "Unable to open myself."},
        {Work("gone.dll"), "Error", "No selected file in the directory."},
        {folder, "Error", "No selected file in the directory."},
        {two, "Error", "More than one icon contained in the file."},
        {"R:\\sample.exe", "Warning", "Unable to open a file in the removable (or remote) disk."},
    };
    for (const Refusal& refusal : refusals) {
        ASSERT_TRUE(DropFiles(v.Window(), {refusal.path}));
        EXPECT_EQ(v.Answer(refusal.caption), refusal.message) << refusal.path;
        EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); })) << refusal.path;  // no dialog comes back
        EXPECT_EQ(v.Title(), Title(Sample(), 0)) << refusal.path;
    }
    EXPECT_TRUE(v.Enabled(kNext) && v.Enabled(kSaveAs));

    // Of several files, the first; the .ico shows without an offset.
    ASSERT_TRUE(DropFiles(v.Window(), {one, Sample()}));
    EXPECT_TRUE(v.WaitForTitle("Icon [ 32 x 32 x 16 (766 Bytes) ]")) << v.Title();

    // While a message box of Help is up, a drop is ignored.
    v.Press(kHelp);
    HWND box = FindDialog(v.Process(), "Error");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(DropFiles(v.Window(), {Sample()}));
    Sleep(500);
    PressDialogButton(box, IDOK);
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); }));
    Sleep(500);
    EXPECT_EQ(v.Title(), "Icon [ 32 x 32 x 16 (766 Bytes) ]");
    EXPECT_TRUE(v.NoDialogs());
}

// Ctrl+C and the system menu's Copy put the icon shown on the clipboard at
// its own size, with the mask colour; with nothing shown they do nothing.
TEST(Veskarin, CopyPutsTheIconShownOnTheClipboard) {
    Veskarin v;
    EmptyTheClipboard();
    const MenuItemSeen item = SystemMenuItem(v.Window(), "Copy");
    ASSERT_NE(item.id, 0u) << "no Copy in the system menu";
    EXPECT_TRUE(item.grayed);
    TypeCharacter(v.Window(), 3);  // Ctrl+C
    PostMessageA(v.Window(), WM_SYSCOMMAND, item.id, 0);
    Sleep(500);
    EXPECT_EQ(ClipboardPicture().width, 0);

    v.Open(Sample());
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 0)));
    v.Press(kNext);
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 1)));
    v.Press(kZoomIn);  // the copy is at the icon's own size
    ASSERT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 1, 2, kDarkCyan); }, 5000));
    EXPECT_FALSE(SystemMenuItem(v.Window(), "Copy").grayed);
    TypeCharacter(v.Window(), 3);
    EXPECT_TRUE(WaitFor([&] { return ClipboardHoldsIcon(Sample(), 1, kDarkCyan); }, 5000));

    v.Press(kNext);
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 2)));
    PostMessageA(v.Window(), WM_SYSCOMMAND, item.id, 0);
    EXPECT_TRUE(WaitFor([&] { return ClipboardHoldsIcon(Sample(), 2, kDarkCyan); }, 5000));
}

// Each key runs its button's command exactly when the button is enabled.
TEST(Veskarin, KeysRunTheirButtonsCommandsWhenTheButtonsAreEnabled) {
    Veskarin v;
    PressKey(v.Window(), VK_RIGHT);  // nothing to show yet
    TypeCharacter(v.Window(), '+');
    Sleep(300);
    EXPECT_EQ(v.Title(), "Arvelle");
    TypeCharacter(v.Window(), 15);  // Ctrl+O
    HWND open = FindDialog(v.Process(), "Select a file to open.");
    ASSERT_NE(open, nullptr);
    AnswerFileDialog(open, Sample());
    ASSERT_TRUE(v.WaitForTitle(Title(Sample(), 0)));

    PressKey(v.Window(), VK_LEFT);  // Previous is off on the first icon
    Sleep(300);
    EXPECT_EQ(v.Title(), Title(Sample(), 0));
    PressKey(v.Window(), VK_RIGHT);
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 1))) << v.Title();
    PressKey(v.Window(), VK_NEXT);  // Page Down
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 2))) << v.Title();
    PressKey(v.Window(), VK_NEXT);  // Next is off on the last icon
    Sleep(300);
    EXPECT_EQ(v.Title(), Title(Sample(), 2));
    PressKey(v.Window(), VK_PRIOR);  // Page Up
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 1))) << v.Title();

    TypeCharacter(v.Window(), '+');
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 1, 2, kDarkCyan); }, 5000));
    TypeCharacter(v.Window(), '-');
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 1, 1, kDarkCyan); }, 5000));
    TypeCharacter(v.Window(), '-');  // Zoom Out is off at zoom 1
    TypeCharacter(v.Window(), '+');
    EXPECT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Sample(), 1, 2, kDarkCyan); }, 5000));

    TypeCharacter(v.Window(), 19);  // Ctrl+S
    HWND save = FindDialog(v.Process(), "Assign an icon file to save.");
    ASSERT_NE(save, nullptr);
    PressDialogButton(save, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); }));
    PressKey(v.Window(), VK_F1);
    EXPECT_EQ(v.Answer("Error"), "Install the readme file (TORMALE_E.PDF)\nin the same directory.");
    EXPECT_EQ(v.Title(), Title(Sample(), 1));
}

// With the option on, from the first icon: every title and picture as
// imgscan's functions make them, 32-bit and PNG icons up to 64 x 64 also at
// zoom 2. (The label of a button just pressed stays over the picture until
// the mouse moves: it is moved, back and forth.)
void ShowsEveryIcon(const Veskarin& v, const std::string& path) {
    const std::vector<FoundImage> all = Icons(path, true);
    RECT r;
    GetWindowRect(v.Window(), &r);
    int moves = 0;
    for (int i = 0; i < static_cast<int>(all.size()); ++i) {
        if (i > 0) v.Press(kNext);
        ASSERT_TRUE(v.WaitForTitle(Title(path, i, true))) << v.Title();
        if (!IsModernIcon(all[static_cast<size_t>(i)])) continue;
        for (int zoom = 1; zoom <= (all[static_cast<size_t>(i)].width <= 64 ? 2 : 1); ++zoom) {
            if (zoom == 2) v.Press(kZoomIn);
            EXPECT_TRUE(WaitFor([&] {
                SetCursorPos((r.left + r.right) / 2 + ++moves % 2, r.bottom - 8);
                return ShowsIcon(v.Window(), path, i, zoom, kDarkCyan, 0, true);
            }, 5000)) << v.Title() << " at zoom " << zoom;
        }
    }
}

TEST(Veskarin, TodaysIconsOnlyWhileAskedForDrawnAndSavedAsImgscanDoes) {
    const std::string dll = TodaysIconsDll("todays.dll"), saved = Work("todays.ico");
    DeleteFileA(saved.c_str());
    const std::vector<unsigned char> original = ReadBytes(dll);
    Veskarin v;
    v.Open(dll);  // off: the three icons of today's search
    ASSERT_TRUE(v.WaitForTitle(Title(dll, 0))) << v.Title();
    v.Press(kNext);
    v.Press(kNext);
    EXPECT_TRUE(v.WaitForTitle(Title(dll, 2)));
    EXPECT_TRUE(WaitFor([&] { return !v.Enabled(kNext); }));

    ChooseAllIconKinds(v.Window());  // on: searched again from the first icon
    ShowsEveryIcon(v, dll);
    v.ChooseFile(kSaveAs, "Assign an icon file to save.", saved);  // the 256 x 256 PNG, stored as PNG
    std::vector<uint8_t> ico;
    FileSource file(dll);
    ASSERT_EQ(BuildIconFile(file, Icons(dll, true).at(6), ico), ImageRead::Ok);
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(saved) == std::vector<unsigned char>(ico.begin(), ico.end()); }));
    v.Press(kReplace);
    EXPECT_EQ(v.Answer("Warning"),
              "Unable to replace a 32-bit or PNG icon.\nOnly icons of 2, 16, 256 and 16M colors can be replaced.");
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); }));
    EXPECT_EQ(ReadBytes(dll), original);

    ChooseAllIconKinds(v.Window());  // off again
    EXPECT_TRUE(v.WaitForTitle(Title(dll, 0))) << v.Title();
}

// Wine's notepad.exe (copied by run-e2e.sh where Wine has it): classic
// icons, 32-bit ones and a 256 x 256 PNG. The option is turned on before
// Open, whose search it then applies to.
TEST(Veskarin, TodaysIconsOfARealProgram) {
    const std::string exe = Work("notepad.exe");
    if (!FileExists(exe)) GTEST_SKIP() << "no notepad.exe of Wine at hand";
    Veskarin v;
    ChooseAllIconKinds(v.Window());
    v.Open(exe);
    ShowsEveryIcon(v, exe);
}

// The new texts in Japanese: Replace of a 32-bit icon, and the question
// before a signed file changes (No: the file stays byte for byte).
TEST(Japanese, TodaysIconsAndASignedFile) {
    const std::string dll = TodaysIconsDll("todays-ja.dll");
    Veskarin v("アルヴェル");
    ChooseAllIconKinds(v.Window());
    v.ChooseFile(kOpen, "オープンするファイルの選択", dll);
    ASSERT_TRUE(v.WaitForTitle(Title(dll, 0, true))) << v.Title();
    for (int i = 0; i < 3; ++i) v.Press(kNext);
    ASSERT_TRUE(v.WaitForTitle(Title(dll, 3, true))) << v.Title();
    v.Press(kReplace);
    EXPECT_EQ(v.Answer("警告"), "32ビットまたは PNG のアイコンは置換できません.\n置換できるのは 2・16・256・16M 色のアイコンです.");

    if (!FileExists(Work("signed.exe"))) GTEST_SKIP() << "no signed copy (osslsigncode)";
    const std::string target = Work("signed-ja.exe");
    ASSERT_TRUE(CopyFileA(Work("signed.exe").c_str(), target.c_str(), FALSE));
    const std::vector<unsigned char> original = ReadBytes(target);
    v.ChooseFile(kOpen, "オープンするファイルの選択", target);
    ASSERT_TRUE(v.WaitForTitle(Title(target, 0))) << v.Title();
    v.ChooseFile(kReplace, "置換するファイルの選択", RepaintedIco(0, "signed-ja.ico"));
    v.Answer("置換の確認", IDYES);
    EXPECT_EQ(v.Answer("確認", IDNO), "このファイルにはデジタル署名があります.\n変更すると署名は無効になります\n"
                                     "(オリジナル・ファイルのバックアップには残ります).\nファイルを変更しますか？");
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs() && ReadBytes(target) == original; }));
}

TEST(Japanese, ADroppedFileAndCopyInJapanese) {
    const std::string text = Work("dropped-ja.txt");
    WriteBytes(text, {'h', 'i'});
    Veskarin v("アルヴェル");
    EXPECT_NE(SystemMenuItem(v.Window(), "コピー").id, 0u);
    ASSERT_TRUE(DropFiles(v.Window(), {text}));
    EXPECT_EQ(v.Answer("エラー"), "拡張子 EXE/DLL/ICO のファイルを選択してください.");
    ASSERT_TRUE(DropFiles(v.Window(), {Sample()}));
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 0))) << v.Title();
}

// An icon whose own bytes cannot be drawn (a PNG image broken inside) does
// not hide the icons after it: Next steps onto it, shows nothing of it, and on.
TEST(Veskarin, AnIconThatCannotBeDrawnLeavesTheIconsAfterItWithinReach) {
    const std::string dll = TodaysIconsDll("broken-png.dll");
    const std::vector<FoundImage> all = Icons(dll, true);
    int broken = -1;
    for (int i = 0; i < static_cast<int>(all.size()) && broken < 0; ++i)
        if (all[static_cast<size_t>(i)].format == ImageFormat::Png) broken = i;
    ASSERT_GT(broken, 0);
    ASSERT_LT(broken + 1, static_cast<int>(all.size()));
    std::vector<unsigned char> bytes = ReadBytes(dll);
    const FoundImage& png = all[static_cast<size_t>(broken)];
    for (int64_t i = png.headerOffset + png.imageSize / 2; i < png.headerOffset + png.imageSize - 16; ++i)
        bytes[static_cast<size_t>(i)] = 0xFF;  // the compressed pixels, past the header the search reads
    WriteBytes(dll, bytes);
    ASSERT_EQ(Icons(dll, true).size(), all.size());

    Veskarin v;
    ChooseAllIconKinds(v.Window());
    v.Open(dll);
    ASSERT_TRUE(v.WaitForTitle(Title(dll, 0, true)));
    for (int i = 1; i < broken; ++i) {
        v.Press(kNext);
        ASSERT_TRUE(v.WaitForTitle(Title(dll, i, true))) << v.Title();
    }
    v.Press(kNext);
    EXPECT_EQ(v.Answer("Error"), "Unable to open a source file.");
    EXPECT_TRUE(v.WaitForTitle("Arvelle")) << v.Title();
    EXPECT_TRUE(WaitFor([&] {
        return v.Enabled(kPrev) && v.Enabled(kNext) && !v.Enabled(kZoomIn) && !v.Enabled(kSaveAs) && !v.Enabled(kReplace);
    }));
    v.Press(kNext);
    EXPECT_TRUE(v.WaitForTitle(Title(dll, broken + 1, true))) << v.Title();
    EXPECT_TRUE(WaitFor([&] { return v.Enabled(kPrev) && v.Enabled(kZoomIn) && v.Enabled(kSaveAs) && v.Enabled(kReplace); }));
    v.Press(kPrev);
    EXPECT_EQ(v.Answer("Error"), "Unable to open a source file.");
    v.Press(kPrev);
    EXPECT_TRUE(v.WaitForTitle(Title(dll, broken - 1, true))) << v.Title();
}

TEST(Japanese, TitleAndMessagesAreJapanese) {
    Veskarin v("アルヴェル");
    ASSERT_NE(v.Window(), nullptr);
    v.ChooseFile(kOpen, "オープンするファイルの選択", Setting("VESKARIN_EXE"));
    ASSERT_NE(FindDialog(v.Process(), "エラー"), nullptr);
    Sleep(500);
    SaveScreenshot("japanese-message");
    EXPECT_EQ(v.Answer("エラー"), "自分自身はオープンできません.");
    v.Press(kAbout);
    HWND about = FindDialog(v.Process(), "御案内");
    ASSERT_NE(about, nullptr);
    Sleep(300);
    SaveScreenshot("japanese-about");
    PressDialogButton(about, IDOK);
    v.Press(kMask);
    HWND colors = FindDialog(v.Process(), "表示色の選択");
    ASSERT_NE(colors, nullptr);
    SendMessageA(GetDlgItem(colors, kColorCombo), CB_SHOWDROPDOWN, TRUE, 0);
    Sleep(300);
    SaveScreenshot("japanese-maskdialog");
    SendMessageA(GetDlgItem(colors, kColorCombo), CB_SHOWDROPDOWN, FALSE, 0);
    PressDialogButton(colors, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(colors); }));
    v.ChooseFile(kOpen, "オープンするファイルの選択", Sample(), "japanese-open");
    EXPECT_TRUE(v.WaitForTitle(Title(Sample(), 0))) << v.Title();
    v.Press(kReplace);  // the panel and the button in Japanese
    HWND replace = FindDialog(v.Process(), "置換するファイルの選択");
    ASSERT_NE(replace, nullptr);
    EXPECT_TRUE(WaitFor([&] { return ControlText(PanelControl(replace, 126)) == "32 x 32 x 16 (766 Bytes)"; }));
    EXPECT_EQ(WindowText(GetDlgItem(replace, IDOK)), "置換(&O)");
    SaveScreenshot("japanese-replacedialog");
    PressDialogButton(replace, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return v.NoDialogs(); }));
    const std::string saved = Work("japanese.ico");
    DeleteFileA(saved.c_str());
    v.ChooseFile(kSaveAs, "保存するファイル名の選択", saved, "japanese-saveas");
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(saved).size() == 766; }));
    v.ChooseFile(kSaveAs, "保存するファイル名の選択", saved);
    EXPECT_EQ(v.Answer("確認", IDNO, 10000, "japanese-overwrite"), "同名ファイルが存在します.\n重ね書きしますか？");
    RECT button;
    GetWindowRect(v.ButtonWindow(kZoomIn), &button);
    SetForegroundWindow(v.Window());
    SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    Sleep(500);
    SaveScreenshot("japanese");  // with the label 拡大 under Zoom In
}

// What scripts/run.sh shows on a machine without a display (not part of the
// test run): a real file opened, its first icon magnified.
TEST(Demo, OpensARealFileForAScreenshot) {
    Veskarin v;
    v.Open(Setting("E2E_WORK") + "\\imgscan.exe");
    ASSERT_TRUE(v.WaitForTitle(Title(Setting("E2E_WORK") + "\\imgscan.exe", 0)));
    for (int zoom = 2; zoom <= 4; ++zoom) {
        v.Press(kZoomIn);
        ASSERT_TRUE(WaitFor([&] { return ShowsIcon(v.Window(), Setting("E2E_WORK") + "\\imgscan.exe", 0, zoom, kDarkCyan); }, 5000));
    }
    SaveScreenshot("veskarin", v.Window());
}

// Figures under Wine (not part of the test run): from OK in the Open dialog
// to the first icon's title of a large file (BENCH_FILE).
TEST(Bench, OpenALargeFile) {
    const std::string large = Setting("BENCH_FILE");
    if (large.empty()) GTEST_SKIP() << "no BENCH_FILE";
    Veskarin v;
    BenchOpen("VESKARIN", v, kOpen, "Select a file to open.", large, Title(large, 0), [&] {
        v.Open(Sample());
        return v.WaitForTitle(Title(Sample(), 0));
    });
}

}  // namespace
