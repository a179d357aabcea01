// Sessions of PELTRANE.EXE under Wine, driven like a user would, checked by
// what the user sees: titles, message boxes, pixels and files.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "imaging/bmp_layout.h"
#include "scan/image_description.h"
#include "scan/image_scanner.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/explorer.h"
#include "tests/e2e/palette_view.h"

namespace {

// Bar buttons (control identifiers).
enum Button { kOpen = 113, kPrev, kNext, kZoomOut, kZoomIn, kSaveAs, kReplace, kPalette, kAbout, kHelp, kExit };
// The palette editor's controls.
enum Editor { kClose = 2, kUndo = 130, kRedValue, kGreenValue, kBlueValue, kRedBar, kGreenBar, kBlueBar, kStatus, kSave };
constexpr int kBarRows = 20;
constexpr const char* kEditorCaption = "Change Palette Color";
constexpr const char* kSaveTitle = "Assign a bitmap file to save.";
constexpr const char* kReplaceTitle = "Select a bitmap file for replacement.";

// A real library holding, in this order: 4 bits 40 x 30, 8 bits 33 x 21,
// RLE8 48 x 32, RLE4 36 x 24, 1 bit 24 x 48, 24 bits 21 x 13, and an 8-bit
// bitmap with 300 palette entries (tests/e2e/bitmaps).
std::string Library() { return Work("sample_bitmaps.dll"); }
enum Sample { kFour, kEight, kRle8, kRle4, kOne, kTwentyFour, kOversized, kSampleCount };
// The picture of each sample as an uncompressed .bmp.
const char* const kPictures[] = {"b4.bmp", "b8.bmp", "rle8_plain.bmp", "rle4_plain.bmp", "b1.bmp", "b24.bmp", "p300.bmp"};

std::vector<FoundImage> Bitmaps(const std::string& path) {
    ScanOptions options;
    options.kind = SearchKind::Bitmaps;
    return ScanFile(path, options).entries;
}

std::string TitleOf(const std::string& path, int index, bool bmpFile = false) {
    const FoundImage e = Bitmaps(path).at(static_cast<size_t>(index));
    return "Bitmap [ " + DescribeBitmap(e) + (bmpFile ? "" : " at " + HexOffset(e.headerOffset)) + " ]";
}

std::vector<uint8_t> Picture(int sample) {
    const std::vector<unsigned char> bytes = ReadBytes(Work(std::string("bitmaps\\") + kPictures[sample]));
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

int Field(const std::vector<uint8_t>& bmp, size_t at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24; }

// Every pixel of the picture, magnified `zoom` times below the bar, is what
// the uncompressed .bmp `expected` holds.
bool ShowsPicture(HWND window, const std::vector<uint8_t>& expected, int zoom) {
    const int width = Field(expected, 18), height = Field(expected, 22);
    const Capture shot = CaptureClient(window);
    if (shot.width < width * zoom || shot.height < kBarRows + height * zoom) return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int dy : {0, zoom - 1})
                for (int dx : {0, zoom - 1})
                    if (shot.At(x * zoom + dx, kBarRows + y * zoom + dy) != BmpPixel(expected, x, y)) return false;
    return true;
}

bool Shows(HWND window, int sample, int zoom) {
    return WaitFor([&] { return ShowsPicture(window, Picture(sample), zoom); }, 5000);
}

// One run of PELTRANE.EXE.
class Peltrane : public MainWindow {
public:
    explicit Peltrane(const char* displayName = "Dunmarra")
        : MainWindow(Setting("PELTRANE_EXE"), "PELTRANE", displayName, kExit) {}
    void Open(const std::string& path, const char* title = "Select a file to open.") const {
        ChooseFile(kOpen, title, path);
    }
    // Opens `path` and waits for its first bitmap.
    void OpenShown(const std::string& path) const {
        Open(path);
        ASSERT_TRUE(WaitForTitle(TitleOf(path, 0))) << Title();
    }
    void Show(const std::string& path, int index) const {
        Press(kNext);
        ASSERT_TRUE(WaitForTitle(TitleOf(path, index))) << Title();
    }
};

// The palette editor of a running PELTRANE.
class PaletteEditor {
public:
    explicit PaletteEditor(const Peltrane& p, const char* caption = kEditorCaption) {
        p.Press(kPalette);
        dialog_ = FindDialog(p.Process(), caption);
        // The bars take input once the editor has painted itself.
        if (dialog_ != nullptr) Sleep(300);
    }
    HWND Dialog() const { return dialog_; }
    bool Open() const { return IsWindow(dialog_) && IsWindowVisible(dialog_); }
    std::string Text(int id) const { return ControlText(GetDlgItem(dialog_, id)); }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(dialog_, id)) != FALSE; }
    void Scroll(int bar, int request, int position = 0) const {
        SendMessageA(dialog_, WM_HSCROLL, MAKEWPARAM(request, position), reinterpret_cast<LPARAM>(GetDlgItem(dialog_, bar)));
    }
    // The colour set with the bars.
    void SetColor(int red, int green, int blue) const {
        Scroll(kRedBar, SB_THUMBPOSITION, red);
        Scroll(kGreenBar, SB_THUMBPOSITION, green);
        Scroll(kBlueBar, SB_THUMBPOSITION, blue);
    }
    // A click in the middle of palette entry `entry`'s chip (sent: it is done when this returns).
    void ClickChip(int entry) const {
        const RECT chips = ChipArea();
        const int w = chips.right - chips.left, h = chips.bottom - chips.top;
        const int x = chips.left + (2 * (entry % 16) + 1) * w / 32 - 1, y = chips.top + (2 * (entry / 16) + 1) * h / 32 - 1;
        SendMessageA(dialog_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    RECT ChipArea() const { return PaletteChipArea(dialog_); }
    void Press(int id) const { SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog_, id))); }
    // Save and Close hand their work to the main window, which may ask: posted.
    void PressPosted(int id) const { PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog_, id))); }

private:
    HWND dialog_ = nullptr;
};

// The colour of image pixel (x, y) of the view at zoom 1.
COLORREF ViewPixel(HWND window, int x, int y) { return CaptureClient(window).At(x, kBarRows + y); }

// A copy of the library that a session may change.
std::string Copy(const std::string& name) {
    const std::string path = Work(name);
    CopyFileA(Library().c_str(), path.c_str(), FALSE);
    return path;
}

// Bytes that differ between two files of the same length, as [first, last].
std::pair<size_t, size_t> ChangedRange(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    size_t first = a.size(), last = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i]) first = std::min(first, i), last = i;
    return {first, last};
}

TEST(Peltrane, ShowsTheBitmapsOfALibraryAndOfABmpFileNavigatesAndZooms) {
    ASSERT_EQ(Bitmaps(Library()).size(), static_cast<size_t>(kSampleCount));
    Peltrane p;
    ASSERT_NE(p.Window(), nullptr);
    EXPECT_FALSE(p.Enabled(kPalette));
    p.OpenShown(Library());
    EXPECT_EQ(TitleOf(Library(), 0).substr(0, 36), "Bitmap [ 40 x 30 x 16 RGB (718 Bytes");
    EXPECT_TRUE(Shows(p.Window(), kFour, 1));
    EXPECT_TRUE(WaitFor([&] { return !p.Enabled(kPrev) && p.Enabled(kNext) && p.Enabled(kPalette) && p.Enabled(kSaveAs); }));

    p.Show(Library(), kEight);
    EXPECT_TRUE(Shows(p.Window(), kEight, 1));
    p.Press(kZoomIn);
    EXPECT_TRUE(Shows(p.Window(), kEight, 2));

    // RLE bitmaps, painted by the platform, at zoom 1 and 2.
    p.Show(Library(), kRle8);
    EXPECT_NE(p.Title().find(" x 256 RLE ("), std::string::npos);
    EXPECT_TRUE(Shows(p.Window(), kRle8, 1));  // a new bitmap starts at zoom 1
    p.Press(kZoomIn);
    EXPECT_TRUE(Shows(p.Window(), kRle8, 2));
    p.MoveMouseAway();
    SaveScreenshot("peltrane-rle8-zoom2");
    p.Show(Library(), kRle4);
    EXPECT_TRUE(Shows(p.Window(), kRle4, 1));
    p.Press(kZoomIn);
    EXPECT_TRUE(Shows(p.Window(), kRle4, 2));

    p.Show(Library(), kOne);
    EXPECT_TRUE(Shows(p.Window(), kOne, 1));
    // Zoom runs from 1 to 10 and no further.
    for (int zoom = 2; zoom <= 10; ++zoom) p.Press(kZoomIn);
    EXPECT_TRUE(WaitFor([&] { return !p.Enabled(kZoomIn) && p.Enabled(kZoomOut); }));
    p.Press(kZoomOut);
    EXPECT_TRUE(WaitFor([&] { return p.Enabled(kZoomIn); }));

    // No palette editor for 24 bits, nor for a palette larger than 8 bits allow.
    p.Show(Library(), kTwentyFour);
    EXPECT_NE(p.Title().find(" x 16M RGB ("), std::string::npos);
    EXPECT_TRUE(Shows(p.Window(), kTwentyFour, 1));
    EXPECT_TRUE(WaitFor([&] { return !p.Enabled(kPalette); }));
    p.Show(Library(), kOversized);
    EXPECT_NE(p.Title().find("8 x 8 x RGB (1318 Bytes)"), std::string::npos) << p.Title();
    EXPECT_TRUE(Shows(p.Window(), kOversized, 1));
    EXPECT_TRUE(WaitFor([&] { return !p.Enabled(kPalette) && !p.Enabled(kNext); }));
    p.Press(kPrev);
    EXPECT_TRUE(p.WaitForTitle(TitleOf(Library(), kTwentyFour)));

    // A .bmp file shows itself: no offset, nothing to save or replace.
    const std::string bmp = Work("picture.Bmp");
    CopyFileA(Work("bitmaps\\b8.bmp").c_str(), bmp.c_str(), FALSE);
    p.Open(bmp);
    EXPECT_TRUE(p.WaitForTitle("Bitmap [ 33 x 21 x 256 RGB (1834 Bytes) ]")) << p.Title();
    EXPECT_TRUE(Shows(p.Window(), kEight, 1));
    EXPECT_TRUE(WaitFor([&] { return !p.Enabled(kSaveAs) && !p.Enabled(kReplace) && p.Enabled(kPalette); }));
}

TEST(Peltrane, PaletteEditorRepaintsTheViewAtOnceUndoesAndSavesThePaletteInPlace) {
    const std::string target = Copy("palette.dll");
    for (const char* old : {"palette.000", "palette.001"}) DeleteFileA(Work(old).c_str());
    const std::vector<unsigned char> original = ReadBytes(target);
    Peltrane p;
    p.OpenShown(target);
    ASSERT_TRUE(Shows(p.Window(), kFour, 1));
    PaletteEditor editor(p);
    ASSERT_NE(editor.Dialog(), nullptr);
    // Beside the main window, at the screen's right edge.
    RECT r;
    GetWindowRect(editor.Dialog(), &r);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.top, 0);
    EXPECT_FALSE(p.Enabled(kPalette));
    EXPECT_FALSE(editor.Enabled(kUndo));
    EXPECT_FALSE(editor.Enabled(kSave));

    // The bars: a page down from 255 and back, the ends, the thumb.
    editor.Scroll(kRedBar, SB_PAGELEFT);
    EXPECT_EQ(editor.Text(kRedValue), "240");
    editor.Scroll(kRedBar, SB_PAGERIGHT);
    EXPECT_EQ(editor.Text(kRedValue), "255");
    editor.Scroll(kBlueBar, SB_LEFT);
    editor.Scroll(kRedBar, SB_LINELEFT);
    EXPECT_EQ(editor.Text(kBlueValue), "0");
    EXPECT_EQ(editor.Text(kRedValue), "254");
    editor.SetColor(0, 255, 0);
    EXPECT_EQ(editor.Text(kRedValue), "0");

    // Entry 1 (dark red, columns 3 to 5) turns green in the view at once.
    ASSERT_EQ(ViewPixel(p.Window(), 4, 10), RGB(128, 0, 0));
    editor.ClickChip(1);
    EXPECT_TRUE(WaitFor([&] { return ViewPixel(p.Window(), 4, 10) == RGB(0, 255, 0); }, 2000));
    EXPECT_TRUE(editor.Enabled(kUndo) && editor.Enabled(kSave));
    SaveScreenshot("peltrane-palette-editor");
    editor.Press(kUndo);  // back to the palette as loaded
    EXPECT_TRUE(Shows(p.Window(), kFour, 1));
    EXPECT_FALSE(editor.Enabled(kUndo));
    EXPECT_FALSE(editor.Enabled(kSave));

    // 299 changes; the 299th says no more, a 300th changes nothing.
    for (int k = 1; k <= 299; ++k) {
        editor.SetColor(k % 256, 0, 255);
        editor.ClickChip(2);
    }
    EXPECT_EQ(editor.Text(kStatus), "No more change allowed.");
    EXPECT_EQ(ViewPixel(p.Window(), 7, 10), RGB(299 % 256, 0, 255));
    editor.SetColor(1, 2, 3);
    editor.ClickChip(2);
    EXPECT_EQ(ViewPixel(p.Window(), 7, 10), RGB(299 % 256, 0, 255));
    editor.Press(kUndo);
    EXPECT_EQ(editor.Text(kStatus), "");
    EXPECT_EQ(ViewPixel(p.Window(), 7, 10), RGB(298 % 256, 0, 255));

    // Save writes the palette at headerOffset + 40 after a numbered backup; nothing else changes.
    editor.PressPosted(kSave);
    EXPECT_EQ(p.Answer("Information"), "The original file has been saved\nas palette.000.");
    EXPECT_EQ(ReadBytes(Work("palette.000")), original);
    const std::vector<unsigned char> saved = ReadBytes(target);
    ASSERT_EQ(saved.size(), original.size());
    const size_t palette = static_cast<size_t>(Bitmaps(target)[0].headerOffset) + 40;
    EXPECT_EQ(ChangedRange(original, saved), std::make_pair(palette + 4 * 2, palette + 4 * 2 + 2));
    EXPECT_EQ(saved[palette + 8], 255);  // blue, green, red of entry 2
    EXPECT_EQ(saved[palette + 9], 0);
    EXPECT_EQ(saved[palette + 10], 298 % 256);
    EXPECT_TRUE(editor.Enabled(kSave) && editor.Enabled(kUndo));
    // Saved: Close asks nothing and gives the button back.
    editor.PressPosted(kClose);
    EXPECT_TRUE(WaitFor([&] { return !editor.Open() && p.Enabled(kPalette); }));
    EXPECT_TRUE(p.NoDialogs());
}

TEST(Peltrane, UnsavedPaletteChangesAreAskedForByCloseNextOpenAndExit) {
    Peltrane p;
    p.OpenShown(Library());
    PaletteEditor editor(p);
    ASSERT_NE(editor.Dialog(), nullptr);
    editor.SetColor(0, 0, 255);
    editor.ClickChip(1);
    ASSERT_TRUE(WaitFor([&] { return ViewPixel(p.Window(), 4, 10) == RGB(0, 0, 255); }, 2000));

    // Close: No keeps the editor and the change, Yes drops both.
    editor.PressPosted(kClose);
    EXPECT_EQ(p.Answer("Question", IDNO), "Do you close the dialog without saving\nthe color change to this bitmap?");
    EXPECT_TRUE(editor.Open());
    EXPECT_EQ(ViewPixel(p.Window(), 4, 10), RGB(0, 0, 255));
    editor.PressPosted(kClose);
    p.Answer("Question", IDYES);
    EXPECT_TRUE(WaitFor([&] { return !editor.Open() && p.Enabled(kPalette); }));
    EXPECT_TRUE(Shows(p.Window(), kFour, 1));

    // Next: No keeps bitmap and change; Yes shows the next bitmap with its own
    // palette and an editor reset to white.
    PaletteEditor again(p);
    again.SetColor(0, 0, 255);
    again.ClickChip(1);
    p.Press(kNext);
    EXPECT_EQ(p.Answer("Question", IDNO),
              "Do you go to the next bitmap without saving\nthe color change to this bitmap?");
    EXPECT_EQ(p.Title(), TitleOf(Library(), 0));
    EXPECT_EQ(ViewPixel(p.Window(), 4, 10), RGB(0, 0, 255));
    p.Press(kNext);
    p.Answer("Question", IDYES);
    EXPECT_TRUE(p.WaitForTitle(TitleOf(Library(), kEight)));
    EXPECT_TRUE(Shows(p.Window(), kEight, 1));
    EXPECT_TRUE(again.Open());
    EXPECT_EQ(again.Text(kRedValue), "255");
    EXPECT_FALSE(again.Enabled(kUndo));

    // Open: No keeps everything as it was.
    again.ClickChip(0);
    p.Press(kOpen);
    EXPECT_EQ(p.Answer("Question", IDNO), "Do you open a file without saving\nthe color change to the bitmap?");
    EXPECT_EQ(p.Title(), TitleOf(Library(), kEight));
    EXPECT_TRUE(p.NoDialogs() == false && again.Open());

    // Minimising hides the editor, restoring shows it again.
    SendMessageA(p.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(again.Dialog()); }));
    SendMessageA(p.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(again.Dialog()) != FALSE; }));

    // Exit: No keeps the program running; Yes ends it.
    p.Press(kExit);
    EXPECT_EQ(p.Answer("Question", IDNO), "Do you exit the application without saving\nthe color change to this bitmap?");
    EXPECT_TRUE(IsWindow(p.Window()));
    p.Press(kExit);
    p.Answer("Question", IDYES);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(p.Window()); }));
}

// The picture on the clipboard, pixel for pixel, is the uncompressed .bmp `expected`.
bool ClipboardHolds(const std::vector<uint8_t>& expected) {
    const Capture copied = ClipboardPicture();
    if (copied.width != Field(expected, 18) || copied.height != Field(expected, 22)) return false;
    for (int y = 0; y < copied.height; ++y)
        for (int x = 0; x < copied.width; ++x)
            if (copied.At(x, y) != BmpPixel(expected, x, y)) return false;
    return true;
}

// Copy takes the bitmap as shown (RLE expanded, the editor's colours); the
// editor keeps the keyboard; a drop asks for unsaved colours before it opens.
TEST(Peltrane, CopyTakesTheBitmapShownAndADropAsksForUnsavedColoursFirst) {
    const std::string copy = Copy("dropped-library.dll");
    Peltrane p;
    p.OpenShown(Library());
    PressKey(p.Window(), VK_RIGHT);
    ASSERT_TRUE(p.WaitForTitle(TitleOf(Library(), kEight)));
    PressKey(p.Window(), VK_RIGHT);
    ASSERT_TRUE(p.WaitForTitle(TitleOf(Library(), kRle8)));
    TypeCharacter(p.Window(), '+');
    ASSERT_TRUE(Shows(p.Window(), kRle8, 2));
    TypeCharacter(p.Window(), 3);  // Ctrl+C
    EXPECT_TRUE(WaitFor([&] { return ClipboardHolds(Picture(kRle8)); }, 5000));
    TypeCharacter(p.Window(), '-');
    ASSERT_TRUE(Shows(p.Window(), kRle8, 1));

    PaletteEditor editor(p);
    ASSERT_NE(editor.Dialog(), nullptr);
    editor.SetColor(0, 0, 255);
    editor.ClickChip(1);
    ASSERT_TRUE(WaitFor([&] { return !ShowsPicture(p.Window(), Picture(kRle8), 1); }, 5000));
    TypeCharacter(editor.Dialog(), '+');  // the editor has the keyboard: no zoom
    Sleep(300);
    EXPECT_FALSE(p.Enabled(kZoomOut));
    EmptyTheClipboard();
    PostMessageA(p.Window(), WM_SYSCOMMAND, SystemMenuItem(p.Window(), "Copy").id, 0);
    ASSERT_TRUE(WaitFor([&] { return ClipboardPicture().width == 48; }, 5000));
    const Capture copied = ClipboardPicture(), view = CaptureClient(p.Window());  // the colours shown
    for (int y = 0; y < copied.height; ++y)
        for (int x = 0; x < copied.width; ++x) ASSERT_EQ(copied.At(x, y), view.At(x, kBarRows + y)) << x << "," << y;

    ASSERT_TRUE(DropFiles(p.Window(), {copy}));
    EXPECT_EQ(p.Answer("Question", IDNO), "Do you open a file without saving\nthe color change to the bitmap?");
    EXPECT_EQ(p.Title(), TitleOf(Library(), kRle8));
    EXPECT_TRUE(editor.Open());
    ASSERT_TRUE(DropFiles(p.Window(), {copy}));
    p.Answer("Question", IDYES);
    EXPECT_TRUE(p.WaitForTitle(TitleOf(copy, 0))) << p.Title();
    EXPECT_TRUE(Shows(p.Window(), kFour, 1));
}

TEST(Peltrane, SaveAsWritesTheBitmapAsFoundOrWithTheChangedColours) {
    const std::string saved = Work("saved.bmp");
    DeleteFileA(saved.c_str());
    Peltrane p;
    p.OpenShown(Library());
    p.Show(Library(), kEight);
    p.Show(Library(), kRle8);
    std::vector<uint8_t> found;
    {
        FileSource file(Library());
        ASSERT_EQ(BuildBitmapFile(file, Bitmaps(Library())[kRle8], found), ImageRead::Ok);
    }
    const std::vector<unsigned char> asFound(found.begin(), found.end());
    // An RLE bitmap is saved compressed, as found; its size is the title's.
    p.ChooseFile(kSaveAs, kSaveTitle, saved, "peltrane-saveas");
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(saved) == asFound; }));
    EXPECT_NE(p.Title().find("(" + std::to_string(asFound.size()) + " Bytes)"), std::string::npos);

    // A wrong extension brings the dialog back.
    p.ChooseFile(kSaveAs, kSaveTitle, Work("saved.txt"));
    EXPECT_EQ(p.Answer("Error"), "Assign a file with BMP extension.");
    HWND again = FindDialog(p.Process(), kSaveTitle);
    ASSERT_NE(again, nullptr);
    PressDialogButton(again, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return p.NoDialogs(); }));
    EXPECT_FALSE(FileExists(Work("saved.txt")));

    // With a colour change: Yes writes it; the overwrite question's No keeps the file.
    PaletteEditor editor(p);
    editor.SetColor(1, 2, 3);
    editor.ClickChip(5);
    p.Press(kSaveAs);
    EXPECT_EQ(p.Answer("Question", IDYES, 10000, "peltrane-colorquestion"), "Do you save a color changed bitmap?");
    AnswerFileDialog(FindDialog(p.Process(), kSaveTitle), saved);
    EXPECT_EQ(p.Answer("Confirmation", IDNO), "File already exists.\nDo you overwrite?");
    EXPECT_EQ(ReadBytes(saved), asFound);
    p.Press(kSaveAs);
    p.Answer("Question", IDYES);
    AnswerFileDialog(FindDialog(p.Process(), kSaveTitle), saved);
    p.Answer("Confirmation", IDYES);
    std::vector<unsigned char> changed = asFound;
    changed[54 + 4 * 5] = 3, changed[54 + 4 * 5 + 1] = 2, changed[54 + 4 * 5 + 2] = 1;
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(saved) == changed; }));
    // No writes the bitmap as found, also after a colour-changed save.
    p.Press(kSaveAs);
    p.Answer("Question", IDNO);
    AnswerFileDialog(FindDialog(p.Process(), kSaveTitle), saved);
    p.Answer("Confirmation", IDYES);
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(saved) == asFound; }));
}

// A .bmp file with the bitmap `sample`'s sizes and `bits` as its pixels.
std::string BmpLike(int sample, const std::string& name, int compression, const std::vector<unsigned char>& bits) {
    FileSource file(Library());
    std::vector<uint8_t> bmp;
    BuildBitmapFile(file, Bitmaps(Library())[static_cast<size_t>(sample)], bmp);
    bmp[30] = static_cast<uint8_t>(compression);
    const size_t at = static_cast<size_t>(Field(bmp, 10));
    std::copy(bits.begin(), bits.end(), bmp.begin() + static_cast<std::ptrdiff_t>(at));
    WriteBytes(Work(name), std::vector<unsigned char>(bmp.begin(), bmp.end()));
    return Work(name);
}

TEST(Peltrane, ReplaceAcceptsTheSameSizesWhateverTheCompressionAndRefusesOthers) {
    const std::string target = Copy("replace.dll");
    for (const char* old : {"replace.000", "replace.001", "replace.002"}) DeleteFileA(Work(old).c_str());
    const std::vector<unsigned char> original = ReadBytes(target);
    const FoundImage eight = Bitmaps(target)[kEight];
    CreateDirectoryA(Work("pickbmp").c_str(), nullptr);
    // The same style: other pixels.
    const std::string same = BmpLike(kEight, "pickbmp\\same.bmp", 0, std::vector<unsigned char>(756, 9));
    Peltrane p;
    p.OpenShown(target);
    p.Show(target, kEight);
    p.Press(kReplace);
    HWND dialog = FindDialog(p.Process(), kReplaceTitle);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(WaitFor([&] { return ControlText(PanelControl(dialog, 126)) == "33 x 21 x 256 RGB (1834 Bytes)"; }))
        << ControlText(PanelControl(dialog, 126));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDOK)), "Replace(&O)");
    Sleep(300);
    SaveScreenshot("peltrane-replace-dialog");
    AnswerFileDialog(dialog, same);  // typed, not picked: confirmed all the same
    EXPECT_EQ(p.Answer("Confirmation for Replacement", IDYES, 10000, "peltrane-replaceconfirm"),
              "Replaceable Bitmap : 33 x 21 x 256 RGB (1834 Bytes)\nSelected Bitmap : 33 x 21 x 256 RGB (1834 Bytes)");
    EXPECT_EQ(p.Answer("Information"), "The original file has been saved\nas replace.000.");
    std::vector<unsigned char> changed = ReadBytes(target);
    EXPECT_EQ(changed.size(), original.size());
    EXPECT_EQ(ReadBytes(Work("replace.000")), original);
    const size_t bits = static_cast<size_t>(eight.headerOffset) + 40 + 1024;
    EXPECT_EQ(ChangedRange(original, changed), std::make_pair(bits, bits + 755));
    EXPECT_EQ(p.Title(), TitleOf(target, kEight));
    // Every pixel is now entry 9 of the ramp palette (tests/e2e/bitmaps).
    EXPECT_TRUE(WaitFor([&] { return ViewPixel(p.Window(), 0, 0) == RGB((9 * 37) % 256, (9 * 91) % 256, 255 - 9); }));

    // Other compression, same sizes: accepted and written unchanged (RLE8 rows of one colour).
    std::vector<unsigned char> rle;
    for (int row = 0; row < 21; ++row) rle.insert(rle.end(), {33, 200, 0, 0});
    rle.back() = 1;
    rle.resize(756, 0);
    const std::string packed = BmpLike(kEight, "packed.bmp", 1, rle);
    p.ChooseFile(kReplace, kReplaceTitle, packed);
    EXPECT_NE(p.Answer("Confirmation for Replacement", IDYES).find("Selected Bitmap : 33 x 21 x 256 RLE (1834 Bytes)"),
              std::string::npos);
    EXPECT_EQ(p.Answer("Information"), "The original file has been saved\nas replace.001.");
    changed = ReadBytes(target);
    EXPECT_EQ(changed.size(), original.size());
    EXPECT_EQ(changed[static_cast<size_t>(eight.headerOffset) + 16], 1);  // biCompression as chosen
    EXPECT_TRUE(WaitFor([&] { return ViewPixel(p.Window(), 5, 5) == RGB((200 * 37) % 256, (200 * 91) % 256, 55); }));

    // Another size: refused, nothing changes and no backup is made.
    const std::string other = Work("pickbmp\\b4.bmp");
    CopyFileA(Work("bitmaps\\b4.bmp").c_str(), other.c_str(), FALSE);
    p.ChooseFile(kReplace, kReplaceTitle, other);
    p.Answer("Confirmation for Replacement", IDYES);
    EXPECT_EQ(p.Answer("Warning"),
              "Cannot replace the bitmap in the file because of\ndifferent style (Size, Width, Height, Colors).");
    EXPECT_EQ(ReadBytes(target), changed);
    EXPECT_FALSE(FileExists(Work("replace.002")));
}

// Replace and the palette's Save ask before a signed file loses its
// signature: No leaves it byte for byte, Yes changes exactly the bitmap's or
// the palette's bytes. run-e2e.sh signed the library and checks afterwards
// that the changed copies no longer verify and their backups do. (Unsigned
// files are changed without the question: the sessions above.)
TEST(Peltrane, ChangesToASignedLibraryAskFirst) {
    if (!FileExists(Work("signed_bitmaps.dll"))) GTEST_SKIP() << "no signed copy (osslsigncode)";
    const std::string replaced = Work("signedreplace.dll"), painted = Work("signedpalette.dll");
    for (const std::string& copy : {replaced, painted}) {
        DeleteFileA((copy.substr(0, copy.size() - 4) + ".000").c_str());
        CopyFileA(Work("signed_bitmaps.dll").c_str(), copy.c_str(), FALSE);
    }
    const std::vector<unsigned char> original = ReadBytes(replaced);
    const std::string same = BmpLike(kEight, "signed-same.bmp", 0, std::vector<unsigned char>(756, 9));
    const char* question = "This file carries a digital signature.\nThe change makes its signature invalid\n"
                           "(the backup of the original file keeps it).\nDo you change the file?";
    Peltrane p;
    p.OpenShown(replaced);
    p.Show(replaced, kEight);
    for (const int answer : {IDNO, IDYES}) {
        p.ChooseFile(kReplace, kReplaceTitle, same);
        p.Answer("Confirmation for Replacement", IDYES);
        EXPECT_EQ(p.Answer("Confirmation", answer), question);
        if (answer == IDNO) EXPECT_TRUE(WaitFor([&] { return p.NoDialogs() && ReadBytes(replaced) == original; }));
    }
    EXPECT_EQ(p.Answer("Information"), "The original file has been saved\nas signedreplace.000.");
    const size_t bits = static_cast<size_t>(Bitmaps(replaced)[kEight].headerOffset) + 40 + 1024;
    EXPECT_EQ(ChangedRange(original, ReadBytes(replaced)), std::make_pair(bits, bits + 755));

    p.OpenShown(painted);
    PaletteEditor editor(p);
    ASSERT_NE(editor.Dialog(), nullptr);
    editor.SetColor(0, 255, 0);
    editor.ClickChip(1);
    for (const int answer : {IDNO, IDYES}) {
        editor.PressPosted(kSave);
        EXPECT_EQ(p.Answer("Confirmation", answer), question);
        if (answer == IDNO) EXPECT_TRUE(WaitFor([&] { return editor.Enabled(kSave) && ReadBytes(painted) == original; }));
    }
    EXPECT_EQ(p.Answer("Information"), "The original file has been saved\nas signedpalette.000.");
    const size_t palette = static_cast<size_t>(Bitmaps(painted)[0].headerOffset) + 40;
    EXPECT_EQ(ChangedRange(original, ReadBytes(painted)), std::make_pair(palette + 5, palette + 6));  // entry 1's green and red
}

TEST(Peltrane, RefusedOpensAndAFileGoneWhileShownLeaveTheWindowConsistent) {
    Peltrane p;
    p.Open(Setting("PELTRANE_EXE"));
    EXPECT_EQ(p.Answer("Error"), "Cannot open myself.");
    for (const std::string& refused : {Work("notes.ico"), Work("missing.dll")}) {
        if (refused.find(".ico") != std::string::npos) WriteBytes(refused, {0, 0, 1, 0});
        p.Open(refused);
        EXPECT_EQ(p.Answer("Error"), refused.find(".ico") != std::string::npos
                                         ? "Select a file with EXE, DLL, or BMP extension."
                                         : "No selected file in the directory.");
        HWND again = FindDialog(p.Process(), "Select a file to open.");
        ASSERT_NE(again, nullptr);  // the dialog comes back
        PressDialogButton(again, IDCANCEL);
        EXPECT_TRUE(WaitFor([&] { return p.NoDialogs(); }));
    }
    p.Open("R:\\sample_bitmaps.dll");
    EXPECT_EQ(p.Answer("Warning"), "Unable to open a file in the removable (or remote) disk.");
    EXPECT_EQ(p.Title(), "Dunmarra");
    // A file without bitmaps leaves nothing to act on.
    const std::string empty = Work("nothing.dll");
    WriteBytes(empty, std::vector<unsigned char>(5000, 0));
    p.OpenShown(Library());
    p.Open(empty);
    EXPECT_EQ(p.Answer("Information"), "NO bitmap in the file.");
    EXPECT_EQ(p.Title(), "Dunmarra");
    EXPECT_TRUE(WaitFor([&] { return !p.Enabled(kNext) && !p.Enabled(kSaveAs) && !p.Enabled(kPalette); }));

    // A file gone while shown: Next says so, and title, picture and index stay.
    const std::string vanishing = Copy("vanishing.dll");
    const std::string shown = TitleOf(vanishing, 0);
    p.OpenShown(vanishing);
    ASSERT_TRUE(DeleteFileA(vanishing.c_str()));
    p.Press(kNext);
    EXPECT_EQ(p.Answer("Error"), "Cannot open a target file.");
    EXPECT_EQ(p.Title(), shown);
    EXPECT_TRUE(Shows(p.Window(), kFour, 1));
    EXPECT_TRUE(WaitFor([&] { return !p.Enabled(kPrev) && p.Enabled(kNext); }));
}

// A first bitmap that cannot be shown (8 bits marked as bit fields, whose
// bits are shorter than uncompressed rows: refused when read) leaves the file
// open: Next reaches the others, Previous comes back to it, and title and
// buttons say that nothing is shown there.
TEST(Peltrane, ABitmapThatCannotBeShownLeavesTheOthersWithinReach) {
    const std::vector<unsigned char> library = ReadBytes(Library());
    const size_t rle8 = static_cast<size_t>(Bitmaps(Library())[kRle8].headerOffset);
    std::vector<unsigned char> bytes(64, 0);
    bytes.insert(bytes.end(), library.begin() + static_cast<std::ptrdiff_t>(rle8), library.end());
    bytes[64 + 16] = 3;  // BI_BITFIELDS
    const std::string path = Work("unshowable-first.dll");
    WriteBytes(path, bytes);
    ASSERT_EQ(Bitmaps(path).size(), Bitmaps(Library()).size() - kRle8);

    Peltrane p;
    p.Open(path);
    EXPECT_EQ(p.Answer("Read Error"), "Unable to read bitmap info header.");
    EXPECT_TRUE(p.WaitForTitle("Dunmarra")) << p.Title();
    EXPECT_TRUE(WaitFor([&] {
        return !p.Enabled(kPrev) && p.Enabled(kNext) && !p.Enabled(kZoomIn) && !p.Enabled(kSaveAs) &&
               !p.Enabled(kPalette);
    }));
    p.Press(kNext);
    EXPECT_TRUE(p.WaitForTitle(TitleOf(path, 1))) << p.Title();
    EXPECT_TRUE(Shows(p.Window(), kRle4, 1));
    EXPECT_TRUE(WaitFor([&] { return p.Enabled(kPrev) && p.Enabled(kZoomIn) && p.Enabled(kSaveAs); }));
    p.Press(kPrev);
    EXPECT_EQ(p.Answer("Read Error"), "Unable to read bitmap info header.");
    EXPECT_TRUE(p.WaitForTitle("Dunmarra")) << p.Title();
    EXPECT_TRUE(WaitFor([&] { return !p.Enabled(kPrev) && p.Enabled(kNext) && !p.Enabled(kPalette); }));
}

// A compressed bitmap whose header claims 65536 x 65536 pixels would need
// gigabytes when painted: refused with its message, and nothing of it is
// shown, nor any command on it offered.
TEST(Peltrane, AHugeCompressedBitmapIsRefusedWithItsMessage) {
    const std::string huge = Copy("huge.dll");
    std::vector<unsigned char> bytes = ReadBytes(huge);
    const size_t at = static_cast<size_t>(Bitmaps(Library())[kRle8].headerOffset);
    for (size_t field : {at + 4, at + 8}) bytes[field] = 0, bytes[field + 1] = 0, bytes[field + 2] = 1, bytes[field + 3] = 0;
    WriteBytes(huge, bytes);
    Peltrane p;
    p.OpenShown(huge);
    p.Show(huge, kEight);
    EXPECT_TRUE(WaitFor([&] { return p.Enabled(kZoomIn); }));
    p.Press(kNext);
    EXPECT_EQ(p.Answer("Read Error"), "Unable to allocate space for bitmap.");
    EXPECT_TRUE(WaitFor([&] { return p.Title() == "Dunmarra" && !p.Enabled(kZoomIn) && !p.Enabled(kSaveAs); })) << p.Title();
    EXPECT_TRUE(p.NoDialogs());
}

TEST(Japanese, TitleEditorAndMessagesAreJapanese) {
    Peltrane p("ダンマラ");
    ASSERT_NE(p.Window(), nullptr);
    p.Open(Setting("PELTRANE_EXE"), "オープンするファイルの選択");
    EXPECT_EQ(p.Answer("エラー"), "自分自身はオープンできません.");
    p.Open(Library(), "オープンするファイルの選択");
    ASSERT_TRUE(p.WaitForTitle(TitleOf(Library(), 0))) << p.Title();
    PaletteEditor editor(p, "パレット・カラーの変更");
    ASSERT_NE(editor.Dialog(), nullptr);
    editor.SetColor(255, 0, 0);
    editor.ClickChip(3);
    p.MoveMouseAway();
    SaveScreenshot("peltrane-japanese");
    editor.PressPosted(kClose);
    EXPECT_EQ(p.Answer("質問", IDYES), "このビットマップのパレット・カラー変更を\n保存しないでクローズしますか？");
    p.Press(kAbout);
    HWND about = FindDialog(p.Process(), "御案内");
    ASSERT_NE(about, nullptr);
    Sleep(300);
    SaveScreenshot("peltrane-japanese-about");
    PressDialogButton(about, IDOK);
}

// What scripts/run.sh PELTRANE shows on a machine without a display (not
// part of the test run): a real program opened, its RLE start-up picture magnified.
TEST(Demo, OpensARealFileForAScreenshot) {
    const std::string exe = Setting("DEMO_FILE");
    Peltrane p;
    p.OpenShown(exe);
    const std::vector<FoundImage> found = Bitmaps(exe);
    for (size_t i = 1; i < found.size() && !found[i - 1].isCompressed; ++i) p.Show(exe, static_cast<int>(i));
    p.Press(kZoomIn);
    Sleep(500);
    p.MoveMouseAway();
    SaveScreenshot("peltrane", p.Window());
}

// Figures under Wine (not part of the test run): a chip click until the view
// shows the new colour.
TEST(Bench, ChipClick) {
    using Clock = std::chrono::steady_clock;
    Peltrane p;
    p.OpenShown(Library());
    PaletteEditor editor(p);
    double total = 0;
    const int clicks = 50;
    for (int k = 0; k < clicks; ++k) {
        editor.SetColor(k, 255 - k, 0);
        const auto start = Clock::now();
        editor.ClickChip(1);
        WaitFor([&] { return ViewPixel(p.Window(), 4, 10) == RGB(k, 255 - k, 0); }, 5000);
        total += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    std::printf("chip click to repainted view: %.2f ms (mean of %d)\n", total / clicks, clicks);
    editor.PressPosted(kClose);
    p.Answer("Question", IDYES);
}

// From OK in the Open dialog to the first bitmap's title of a large file
// (BENCH_FILE).
TEST(Bench, OpenALargeFile) {
    const std::string large = Setting("BENCH_FILE");
    if (large.empty()) GTEST_SKIP() << "no BENCH_FILE";
    Peltrane p;
    BenchOpen("PELTRANE", p, kOpen, "Select a file to open.", large, TitleOf(large, 0), [&] {
        p.Open(Work("bitmaps\\b4.bmp"));
        return p.WaitForTitle("Bitmap [ 40 x 30 x 16 RGB (718 Bytes) ]");
    });
}

}  // namespace
