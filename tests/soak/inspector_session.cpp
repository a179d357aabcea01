// The random session of the two inspectors, VESKARIN (icons) and PELTRANE
// (bitmaps): one image of the open file at a time, its title line, zoom,
// Save As, Replace in place, and PELTRANE's palette editor.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <set>

#include "fileops/file_system.h"
#include "imaging/bmp_layout.h"
#include "imaging/bmp_pixels.h"
#include "imaging/ico_layout.h"
#include "imaging/icon_render.h"
#include "imaging/palette_editor_rules.h"
#include "tests/e2e/palette_view.h"
#include "tests/soak/session.h"

namespace {

// PELTRANE's palette editor.
enum EditorControl { kEditorClose = 2, kUndo = 130, kRedValue = 131, kRedBar = 134, kStatus = 137, kEditorSave = 138 };
constexpr const char* kEditorCaption = "Change Palette Color";
constexpr int kMaxZoom = 10;
constexpr int kMaxChanges = 299;
constexpr int kBarRows = 20;

bool EndsWith(const std::string& path, const char* extension) {
    const size_t length = std::string(extension).size();
    return path.size() >= length && lstrcmpiA(path.c_str() + path.size() - length, extension) == 0;
}


// The mouse moves over the window's picture: the label of the button
// pressed last goes, as it does for a user.
void MoveMouseOver(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, r.bottom - 12);
    SetCursorPos((r.left + r.right) / 2 + 1, r.bottom - 10);
    Sleep(50);
    Answers(window);
}

HWND VisibleBar(HWND window, LONG style) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        const LONG own = GetWindowLongA(child, GWL_STYLE);
        if (lstrcmpiA(name, "ScrollBar") == 0 && IsWindowVisible(child) && (own & (SBS_VERT | SBS_SIZEGRIP)) == style)
            return child;
    }
    return nullptr;
}

// Run-length bits that every decoder paints alike: each row filled to its
// end before its end-of-line, no delta, the end of the bitmap at the last
// row (malformed bits are painted as each decoder likes).
bool TidyRunLengths(const std::vector<uint8_t>& bmp) {
    auto u32 = [&](size_t at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | uint32_t(bmp[at + 3]) << 24; };
    const int64_t width = static_cast<int32_t>(u32(18)), height = static_cast<int32_t>(u32(22));
    const int perByte = bmp[28] == 4 ? 2 : 1;
    size_t at = u32(10);
    int64_t x = 0, rows = 0;
    while (at + 1 < bmp.size()) {
        const int count = bmp[at], code = bmp[at + 1];
        at += 2;
        if (count > 0) {
            x += count;  // a run
        } else if (code == 0 || code == 1) {
            if (x != width) return false;
            x = 0;
            if (++rows == height) return code == 1 || (at + 1 < bmp.size() && bmp[at] == 0 && bmp[at + 1] == 1);
            if (code == 1) return false;
        } else if (code == 2) {
            return false;  // a delta
        } else {
            x += code;  // absolute pixels, padded to a word
            at += ((code + perByte - 1) / perByte + 1) / 2 * 2;
        }
        if (x > width) return false;
    }
    return false;
}

// Whether the screen must show exactly what the core decodes: uncompressed
// bitmaps, and compressed ones with tidy run lengths.
bool PaintedAlike(const std::vector<uint8_t>& bmp) {
    const uint32_t compression = bmp[30] | bmp[31] << 8 | bmp[32] << 16 | uint32_t(bmp[33]) << 24;
    return compression == 0 || ((compression == 1 || compression == 2) && TidyRunLengths(bmp));
}

class InspectorSession : public Session {
public:
    using Session::Session;

protected:
    std::vector<Action> Actions() override;
    void CheckState() override;
    void Restarted() override;

private:
    bool Icons() const { return target_.search == Search::Icons; }
    const ListedImage& Entry(int k) const { return listing_.entries[static_cast<size_t>(k)]; }
    int LastIndex() const { return static_cast<int>(listing_.entries.size()) - 1; }
    bool ShowsFileItself() const { return fileMode_ && !Icons(); }
    std::string EntryTitle(int k) const;
    bool Editable(int k) const;
    HWND Editor() const { return FindWindowExA(nullptr, nullptr, "#32770", kEditorCaption); }

    // The outcomes a step allows: the entries that may be shown after it
    // (-1: none), and the entries that may be current while none is shown
    // (Previous and Next step on from there); by default those of now.
    void Expect(std::set<int> entries) { Expect(std::move(entries), positions_); }
    void Expect(std::set<int> entries, std::set<int> nothingAt) {
        expected_ = std::move(entries), nothingAt_ = std::move(nothingAt);
    }
    void ExpectSame() { Expect({shown_}); }
    // A new bitmap is loaded: the editor starts again from its palette.
    void Loaded(int k);

    void Open(const Delivery& deliver);
    void Step(int direction);
    void Zoom(int step);
    void Scroll();
    void Resize();
    void SaveAs();
    void Replace();
    void MaskColour();
    void OpenEditor();
    void MoveBar();
    void ClickChip();
    void Undo();
    void SavePalette();
    void CloseEditor();

    int ResolveShown();
    void CheckPicture(int k);
    std::vector<uint8_t> ShownPicture(int k) const;
    bool OnlyExpectedMessages() const;
    void CheckButtons(int k);
    void CheckNothingShown();
    void CheckEditor(int k);
    std::vector<uint8_t> FileOfEntry(int k, const std::vector<uint8_t>* palette = nullptr) const;
    std::string RandomSaveName(const char* extension);

    // What the session knows of the program.
    bool hasFile_ = false;   // a search has run (the start-up picture is gone)
    std::string openPath_;
    bool fileMode_ = false;
    bool readOnly_ = false;
    // PELTRANE shows a .bmp file itself, whatever entry is current: the
    // title's width and height and the palette are the file's own.
    ListedImage fileHeader_;
    bool entrySize_ = false;  // a zoom step read the current entry's size again
    Listing listing_;
    int shown_ = -1;
    int zoom_ = 1;
    bool zoomKnown_ = true;
    bool nameTitle_ = false;  // a change in place was tried: the title may say the program's name
    std::set<int> expected_{-1};
    std::set<int> nothingAt_;
    // The entries that may be current: the one shown, or while none is shown
    // those the buttons allow of the step's outcomes.
    std::set<int> positions_;
    int minimumWidth_ = 0;
    // What the view shows: its picture is known unless a step was refused
    // half-way; the icons' mask colour; the bitmap's palette (PELTRANE).
    bool pictureKnown_ = false;
    bool reloaded_ = false;
    ColorRef mask_ = kDefaultMaskColor;
    std::vector<uint8_t> viewPalette_;
    // PELTRANE's palette editor while open: snapshot 0 as opened, one per change.
    std::vector<std::vector<uint8_t>> history_;
    bool paletteSaved_ = false;
};

void InspectorSession::Restarted() {
    hasFile_ = false;
    openPath_.clear();
    listing_ = Listing{};
    shown_ = -1;
    positions_.clear();
    zoom_ = 1;
    zoomKnown_ = true;
    nameTitle_ = false;
    history_.clear();
    viewPalette_.clear();
    mask_ = kDefaultMaskColor;
    pictureKnown_ = false;
    Expect({-1});
    RECT r;
    GetWindowRect(Main(), &r);
    minimumWidth_ = r.right - r.left;
}

std::vector<Action> InspectorSession::Actions() {
    auto enabled = [this](int button) { return [this, button] { return Enabled(button); }; };
    auto editorOpen = [this] { return Editor() != nullptr; };
    std::vector<Action> actions = {
        {"open", 14, [] { return true; }, [this] { Open(OpenDialog()); }},
        {"drop", 5, [] { return true; }, [this] { Open(Drop()); }},
        {"previous", 10, enabled(target_.previous), [this] { Step(-1); }},
        {"next", 12, enabled(target_.next), [this] { Step(+1); }},
        {"zoom in", 9, enabled(target_.zoomIn), [this] { Zoom(+1); }},
        {"zoom out", 5, enabled(target_.zoomOut), [this] { Zoom(-1); }},
        {"zoom in to the end", 3, enabled(target_.zoomIn), [this] {
             while (Enabled(target_.zoomIn) && zoomKnown_) Zoom(+1);
         }},
        {"scroll", 10, [this] { return VisibleBar(Main(), SBS_VERT) || VisibleBar(Main(), SBS_HORZ); }, [this] { Scroll(); }},
        {"resize", 3, [] { return true; }, [this] { Resize(); }},
        {"minimise and restore", 2, [] { return true; }, [this] {
             ExpectSame();
             MinimiseAndRestore([this] {
                 Require(Editor() == nullptr || !IsWindowVisible(Editor()), "the palette editor stays on screen while the window is minimised");
             });
         }},
        {"save as", 6, enabled(target_.saveAs), [this] { SaveAs(); }},
        {"replace", 6, enabled(target_.replace), [this] { Replace(); }},
        {"about", 1, [] { return true; }, [this] {
             ExpectSame();
             Press(target_.about);
         }},
        {"help", 1, [] { return true; }, [this] {
             ExpectSame();
             Press(target_.help);
         }},
        {"exit and start again", 1, [] { return true; }, [this] { ExitAndStartAgain(); }},
        {"exit, kept", 1, [this] { return history_.size() > 1 && !paletteSaved_ && Editor() != nullptr; }, [this] {
             ExpectSame();
             Press(target_.exit, [this](const Dialog& dialog) { Reply(dialog, IDNO); });
             Require(MessageShown("Do you exit the application without saving\nthe color change to this bitmap?"),
                     "Exit with an unsaved palette change did not ask");
         }},
        {"second copy", 1, [] { return true; }, [this] {
             ExpectSame();
             StartSecondCopy();
         }},
    };
    if (Icons()) {
        actions.push_back({"mask colour", 4, [] { return true; }, [this] { MaskColour(); }});
    } else {
        actions.push_back({"palette editor", 5, enabled(target_.palette), [this] { OpenEditor(); }});
        actions.push_back({"palette bar", 5, editorOpen, [this] { MoveBar(); }});
        actions.push_back({"palette chip", 10, editorOpen, [this] { ClickChip(); }});
        actions.push_back({"palette undo", 3, editorOpen, [this] { Undo(); }});
        actions.push_back({"palette save", 2, editorOpen, [this] { SavePalette(); }});
        actions.push_back({"palette close", 3, editorOpen, [this] { CloseEditor(); }});
    }
    return actions;
}

std::string InspectorSession::EntryTitle(int k) const {
    ListedImage e = Entry(k);
    if (ShowsFileItself()) e.width = fileHeader_.width, e.height = fileHeader_.height;
    return InspectorTitle(target_.search, e, fileMode_);
}

bool InspectorSession::Editable(int k) const {
    if (Icons() || k < 0 || !HasEditablePalette(AsFound(Entry(k)))) return false;
    return !ShowsFileItself() || fileHeader_.colorCount >= Entry(k).colorCount;
}

void InspectorSession::Loaded(int k) {
    reloaded_ = true;
    entrySize_ = false;
    viewPalette_.clear();
    paletteSaved_ = false;
    if (Editable(k)) {
        const ListedImage& e = Entry(k);
        const std::vector<unsigned char> bytes = ReadBytes(openPath_);
        const size_t at = ShowsFileItself() ? 54 : static_cast<size_t>(e.headerOffset) + 40;
        const size_t count = 4 * static_cast<size_t>(e.colorCount);
        if (at + count <= bytes.size()) {
            viewPalette_.assign(bytes.begin() + static_cast<ptrdiff_t>(at), bytes.begin() + static_cast<ptrdiff_t>(at + count));
            for (size_t i = 3; i < viewPalette_.size(); i += 4) viewPalette_[i] = 0;  // the editor keeps them 0
        }
    }
    // An open editor starts again from the new bitmap's palette.
    history_.clear();
    if (!viewPalette_.empty()) history_.push_back(viewPalette_);
}

// Open: a file of the corpus, named in the Open dialog (`deliver`); a drop
// on the window is another way to deliver it, with the same expectations.
void InspectorSession::Open(const Delivery& deliver) {
    const CorpusFile& file = AnyFile();
    log_.Note(file.path.substr(file.path.find_last_of('\\') + 1) + " (" + file.label + ")");
    const bool refused = RefusedByOpen(file.kind);
    const Listing listing = refused ? Listing{} : imgscan_.List(target_.search, file.path);
    bool keptChange = false;
    deliver(file.path, [&](const Dialog& dialog) {
        const int answer = RandomAnswer(dialog);
        keptChange = keptChange || (dialog.caption == "Question" && answer == IDNO);
        Reply(dialog, answer);
    });
    const bool fileMode = EndsWith(file.path, Icons() ? ".ico" : ".bmp");
    // Nothing changes when the user keeps an unsaved palette, when the name is
    // refused, or (VESKARIN) when an .ico file is refused before its search.
    if (keptChange || refused || (Icons() && fileMode && listing.refused)) {
        ExpectSame();
        return;
    }
    hasFile_ = true;
    openPath_ = file.path;
    fileMode_ = fileMode;
    if (ShowsFileItself()) {
        std::vector<unsigned char> head = ReadBytes(file.path);
        head.resize(std::max<size_t>(head.size(), 54), 0);
        auto u32 = [&](size_t at) { return head[at] | head[at + 1] << 8 | head[at + 2] << 16 | uint32_t(head[at + 3]) << 24; };
        fileHeader_.width = static_cast<int32_t>(u32(18));
        fileHeader_.height = static_cast<int32_t>(u32(22));
        fileHeader_.bitCount = head[28] | head[29] << 8;
        fileHeader_.colorCount = u32(46) != 0 ? u32(46) : fileHeader_.bitCount <= 8 ? 1 << fileHeader_.bitCount : 0;
    }
    readOnly_ = file.kind == FileKind::ReadOnly;
    listing_ = listing;
    zoom_ = 1;
    zoomKnown_ = true;
    nameTitle_ = false;
    if (listing.entries.empty()) {
        Expect({-1}, {});
        return;
    }
    // A message other than the search's own says the first entry could not be shown.
    const bool otherMessage = std::any_of(Messages().begin(), Messages().end(),
                                          [&](const std::string& text) { return text != listing.message; });
    Expect(otherMessage ? std::set<int>{0, -1} : std::set<int>{0}, {0});
    Loaded(0);
}

void InspectorSession::Step(int direction) {
    const std::set<int> from = shown_ >= 0 ? std::set<int>{shown_} : positions_;
    bool kept = false;
    Press(direction > 0 ? target_.next : target_.previous, [&](const Dialog& dialog) {
        const int answer = RandomAnswer(dialog);
        kept = kept || (dialog.caption == "Question" && answer == IDNO);
        Reply(dialog, answer);
    });
    if (kept) {
        ExpectSame();
        return;
    }
    // The next entry becomes current, shown or (after its message) not; when
    // the display copy cannot be made at all, what was current stays.
    std::set<int> entries, nothing;
    for (int p : from) {
        const int to = p + direction;
        if (to < 0 || to > LastIndex()) continue;
        entries.insert(to);
        if (Messages().empty()) continue;
        nothing.insert(to);
        if (shown_ >= 0) entries.insert(p);
        else nothing.insert(p);
    }
    if (!nothing.empty()) entries.insert(-1);
    Expect(entries, nothing);
    zoom_ = 1;
    zoomKnown_ = true;
}

void InspectorSession::Zoom(int step) {
    ExpectSame();
    Press(step > 0 ? target_.zoomIn : target_.zoomOut);
    zoom_ += step;
    entrySize_ = true;
    if (!Messages().empty()) zoomKnown_ = false;  // the size could not be read
}

void InspectorSession::Scroll() {
    ExpectSame();
    bool vertical = chance_.OneIn(2);
    if (VisibleBar(Main(), vertical ? SBS_VERT : SBS_HORZ) == nullptr) vertical = !vertical;
    HWND bar = VisibleBar(Main(), vertical ? SBS_VERT : SBS_HORZ);
    static const int kRequests[] = {SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_THUMBPOSITION, SB_THUMBTRACK, SB_TOP};
    const int request = kRequests[chance_.Below(7)];
    const int position = chance_.Below(400);
    log_.Note(std::string(vertical ? "vertical " : "horizontal ") + std::to_string(request) + " " + std::to_string(position));
    Send(Main(), vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(request, position), reinterpret_cast<LPARAM>(bar));
}

void InspectorSession::Resize() {
    ExpectSame();
    const int width = chance_.Between(100, 1000), height = chance_.Between(60, 740);
    log_.Note(std::to_string(width) + " x " + std::to_string(height));
    Send(Main(), WM_NULL, 0, 0);  // the window is idle before it is moved
    SetWindowPos(Main(), nullptr, chance_.Below(20), chance_.Below(20), width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    Send(Main(), WM_NULL, 0, 0);
    RECT r;
    GetWindowRect(Main(), &r);
    Require(r.right - r.left >= minimumWidth_ && r.bottom - r.top >= GetSystemMetrics(SM_CYMIN) + 20,
            "the window became smaller than its minimum: " + std::to_string(r.right - r.left) + " x " +
                std::to_string(r.bottom - r.top));
}

std::string InspectorSession::RandomSaveName(const char* extension) {
    return SavedPath("saved" + std::to_string(chance_.Below(6)) + extension);
}

// The .ico or .bmp file the session expects for entry `k` of the open file.
std::vector<uint8_t> InspectorSession::FileOfEntry(int k, const std::vector<uint8_t>* palette) const {
    FileSource file(openPath_);
    std::vector<uint8_t> out;
    const ImageRead read = Icons() ? BuildIconFile(file, AsFound(Entry(k)), out)
                                   : BuildBitmapFile(file, AsFound(Entry(k)), out, palette);
    return read == ImageRead::Ok ? out : std::vector<uint8_t>{};
}

// Save As: a new name, an existing one (Yes or No), a wrong extension.
void InspectorSession::SaveAs() {
    ExpectSame();
    const char* extension = Icons() ? ".ico" : ".bmp";
    std::string named;  // the last name given with the right extension
    std::vector<unsigned char> before;
    int dialogs = 0;
    bool coloured = false, kept = false;
    Press(target_.saveAs, [&](const Dialog& dialog) {
        if (dialog.kind == DialogKind::File) {
            // A refused extension brings the dialog back: a right name or Cancel.
            std::string name = ++dialogs == 1 || chance_.OneIn(2) ? RandomSaveName(dialogs == 1 && chance_.OneIn(4) ? ".txt" : extension) : "";
            if (!name.empty() && chance_.OneIn(8)) name = LockedFile(extension);
            if (name.empty()) {
                Reply(dialog, IDCANCEL);
                return;
            }
            if (EndsWith(name, extension)) {
                if (chance_.OneIn(3) && !IsLocked(name)) WriteBytes(name, {1, 2, 3});  // a file of that name already there
                named = name;
                before = ReadBytes(name);
            }
            ReplyFile(dialog, name);
            return;
        }
        const int answer = RandomAnswer(dialog);
        if (dialog.text == "Do you save a color changed bitmap?") coloured = answer == IDYES;
        if (dialog.text == "File already exists.\nDo you overwrite?") kept = answer == IDNO;
        Reply(dialog, answer);
    });
    if (named.empty()) return;
    if (IsLocked(named) && !kept)
        Require(MessageShown("Unable to make a target file."), "Save As onto a read-only file did not say it failed");
    if (kept || MessageShown("Unable to make a target file.")) {
        Require(ReadBytes(named) == before, "Save As changed a file it did not write");
        return;
    }
    const std::vector<uint8_t> expected = FileOfEntry(shown_, coloured ? &viewPalette_ : nullptr);
    const std::vector<unsigned char> written = ReadBytes(named);
    Require(std::vector<uint8_t>(written.begin(), written.end()) == expected,
            "Save As wrote " + std::to_string(written.size()) + " bytes, not the image shown (" +
                std::to_string(expected.size()) + " bytes)");
    if (coloured) paletteSaved_ = true;
}

// Replace: an image of the same style with other pixels, another image, a
// damaged, missing or misnamed file; every answer to the confirmation.
void InspectorSession::Replace() {
    const int k = shown_;
    const char* extension = Icons() ? ".ico" : ".bmp";
    // Another picture of the same style: other pixels, or other colours for
    // a compressed bitmap (whose run lengths must stay as they are).
    std::vector<uint8_t> fit = FileOfEntry(k);
    const size_t paletteAt = (Icons() ? kIcoDirectorySize : kBmpFileHeaderSize) + 40;
    const size_t bitsAt = paletteAt + 4 * static_cast<size_t>(Entry(k).colorCount);
    for (size_t i = Entry(k).compressed ? paletteAt : bitsAt; i < (Entry(k).compressed ? bitsAt : fit.size()); ++i)
        fit[i] ^= 0x5A;
    std::string candidate;
    bool fitting = false;
    switch (chance_.Below(6)) {
        case 0:
        case 1:
            candidate = scratch_ + "\\fitting" + extension;
            WriteBytes(candidate, std::vector<unsigned char>(fit.begin(), fit.end()));
            fitting = !fit.empty();
            break;
        case 2: {
            std::vector<std::string> pictures;
            for (const CorpusFile& file : corpus_)
                if (file.kind == FileKind::Picture && EndsWith(file.path, extension)) pictures.push_back(file.path);
            candidate = pictures.empty() ? scratch_ + "\\none" + extension : chance_.Pick(pictures);
            break;
        }
        case 3:
            candidate = scratch_ + "\\noise" + extension;
            WriteBytes(candidate, {'B', 'M', 0x40, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0});
            break;
        case 4: candidate = scratch_ + "\\absent" + extension; break;
        case 5: candidate = scratch_ + "\\notes.txt"; WriteBytes(candidate, {'x'}); break;
    }
    log_.Note(candidate.substr(candidate.find_last_of('\\') + 1));
    const std::vector<unsigned char> before = ReadBytes(openPath_);
    const std::vector<unsigned char> chosen = ReadBytes(candidate);
    const char* title = Icons() ? "Select an icon file for replacement." : "Select a bitmap file for replacement.";
    int dialogs = 0;
    bool confirmed = false;
    Press(target_.replace, [&](const Dialog& dialog) {
        if (dialog.kind == DialogKind::File && dialog.caption == title) {
            if (++dialogs == 1) {
                ReplyFile(dialog, candidate);
            } else {
                Reply(dialog, IDCANCEL);
            }
            return;
        }
        int answer = RandomAnswer(dialog);
        if (dialog.caption == "Confirmation for Replacement") {
            answer = chance_.OneIn(3) ? (chance_.OneIn(2) ? IDNO : IDCANCEL) : IDYES;
            confirmed = confirmed || answer == IDYES;
        }
        Reply(dialog, answer);
    });
    std::string backup;
    for (const std::string& text : Messages())
        if (text.rfind("The original file has been saved\nas ", 0) == 0) backup = text.substr(36, text.size() - 37);
    if (fitting && confirmed && !readOnly_)
        Require(!backup.empty(), "an image of the same style was not put in its place");
    if (readOnly_) Require(backup.empty(), "a read-only file was changed");
    if (!backup.empty()) {
        // The chosen file's image takes the old one's place: for an .ico its
        // directory entry says where the image lies and how long it is.
        size_t from = kBmpFileHeaderSize, length = chosen.size() - kBmpFileHeaderSize;
        if (Icons() && chosen.size() >= kIcoDirectorySize) {
            length = chosen[14] | chosen[15] << 8 | chosen[16] << 16 | static_cast<size_t>(chosen[17]) << 24;
            from = chosen[18] | chosen[19] << 8 | chosen[20] << 16 | static_cast<size_t>(chosen[21]) << 24;
        } else if (!Icons()) {
            length = (chosen[2] | chosen[3] << 8 | chosen[4] << 16 | static_cast<size_t>(chosen[5]) << 24) - kBmpFileHeaderSize;
        }
        std::vector<unsigned char> expected = before;
        Require(from + length <= chosen.size() && static_cast<size_t>(Entry(k).headerOffset) + length <= expected.size(),
                "a replacement was accepted whose image does not fit the file");
        std::copy(chosen.begin() + static_cast<ptrdiff_t>(from), chosen.begin() + static_cast<ptrdiff_t>(from + length),
                  expected.begin() + static_cast<ptrdiff_t>(Entry(k).headerOffset));
        guard_.Accept(openPath_, backup, expected);
        Loaded(k);
    }
    nameTitle_ = nameTitle_ || confirmed;
    // PELTRANE shows the bitmap again after a refused change too: an open
    // editor starts again from the palette in the file.
    if (backup.empty() && Editor() != nullptr && history_.size() > 1 &&
        !IsWindowEnabled(GetDlgItem(Editor(), kUndo)))
        Loaded(k);
    // After a change the entry is shown again; showing it may fail with its message.
    const bool otherMessage = std::any_of(Messages().begin(), Messages().end(), [](const std::string& text) {
        return text.rfind("Replaceable ", 0) != 0 && text.rfind("The original file has been saved", 0) != 0;
    });
    Expect(!backup.empty() && otherMessage ? std::set<int>{k, -1} : std::set<int>{k}, {k});
}

void InspectorSession::MaskColour() {
    ExpectSame();
    Press(target_.mask, [&](const Dialog& dialog) {
        if (dialog.kind != DialogKind::Colour) {
            AnswerDefault(dialog);
            return;
        }
        HWND combo = GetDlgItem(dialog.window, 124);
        const int swatch = chance_.Below(static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)));
        SendMessageA(combo, CB_SETCURSEL, swatch, 0);
        SendMessageA(dialog.window, WM_COMMAND, MAKEWPARAM(124, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        log_.Note("swatch " + std::to_string(swatch));
        const bool chosen = !chance_.OneIn(4);
        if (chosen) mask_ = static_cast<ColorRef>(SendMessageA(combo, CB_GETITEMDATA, swatch, 0));
        Reply(dialog, chosen ? IDOK : IDCANCEL);
    });
    reloaded_ = true;
}

void InspectorSession::OpenEditor() {
    ExpectSame();
    Press(target_.palette);
    Require(Editor() != nullptr, "Palette Color did not open the editor");
    history_.assign(1, viewPalette_);
    paletteSaved_ = false;
}

void InspectorSession::MoveBar() {
    ExpectSame();
    HWND editor = Editor();
    const int bar = kRedBar + chance_.Below(3);
    static const int kRequests[] = {SB_LINELEFT, SB_LINERIGHT, SB_PAGELEFT, SB_PAGERIGHT, SB_THUMBPOSITION,
                                    SB_THUMBTRACK, SB_LEFT, SB_RIGHT, SB_ENDSCROLL};
    const int request = kRequests[chance_.Below(9)];
    const int position = chance_.Below(256);
    log_.Note("bar " + std::to_string(bar) + " request " + std::to_string(request) + " " + std::to_string(position));
    Send(editor, WM_HSCROLL, MAKEWPARAM(request, position), reinterpret_cast<LPARAM>(GetDlgItem(editor, bar)));
}

void InspectorSession::ClickChip() {
    ExpectSame();
    HWND editor = Editor();
    const int count = static_cast<int>(Entry(shown_).colorCount);
    int colour[3];
    for (int i = 0; i < 3; ++i) colour[i] = std::atoi(ControlText(GetDlgItem(editor, kRedValue + i)).c_str());
    const RECT area = PaletteChipArea(editor);
    const ChipGrid grid{area.left, area.top, area.right, area.bottom};
    // Near a chip's middle (the grid is known only to a pixel or so): a chip
    // of the palette, one beyond it, or a place beside the grid.
    const int chipEntry = count < 256 && chance_.OneIn(6) ? chance_.Between(count, 255) : chance_.Below(count);
    const ChipRect chip = ChipOf(grid, chipEntry);
    int x = (chip.left + chip.right) / 2 + chance_.Between(-2, 2), y = (chip.top + chip.bottom) / 2 + chance_.Between(-2, 2);
    if (chance_.OneIn(8)) x = grid.left - 4, y = chance_.Between(grid.top - 20, grid.bottom + 20);
    const int entry = HitChip(grid, x, y, count);
    log_.Note("at " + std::to_string(x) + "," + std::to_string(y) + " entry " + std::to_string(entry));
    Send(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    if (entry < 0 || history_.empty() || static_cast<int>(history_.size()) - 1 >= kMaxChanges) return;
    std::vector<uint8_t> next = history_.back();
    next[4 * entry] = static_cast<uint8_t>(colour[2]);
    next[4 * entry + 1] = static_cast<uint8_t>(colour[1]);
    next[4 * entry + 2] = static_cast<uint8_t>(colour[0]);
    history_.push_back(next);
    viewPalette_ = next;
    paletteSaved_ = false;
}

void InspectorSession::Undo() {
    ExpectSame();
    Send(Editor(), WM_COMMAND, MAKEWPARAM(kUndo, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(Editor(), kUndo)));
    if (history_.size() > 1) history_.pop_back();
    if (!history_.empty()) viewPalette_ = history_.back();
}

void InspectorSession::SavePalette() {
    ExpectSame();
    HWND editor = Editor();
    if (!IsWindowEnabled(GetDlgItem(editor, kEditorSave))) return;
    const std::vector<unsigned char> before = ReadBytes(openPath_);
    // Save hands its work to the main window: the message it shows ends it.
    Send(editor, WM_COMMAND, MAKEWPARAM(kEditorSave, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(editor, kEditorSave)));
    Dialog dialog;
    Require(AwaitDialog(Process(), Main(), dialog, 30000), "the palette's Save showed no message");
    Reply(dialog, IDOK);
    nameTitle_ = true;
    if (dialog.text.rfind("The original file has been saved\nas ", 0) != 0) return;
    paletteSaved_ = true;
    std::vector<unsigned char> expected = before;
    const size_t at = static_cast<size_t>(Entry(shown_).headerOffset) + 40;
    std::copy(history_.back().begin(), history_.back().end(), expected.begin() + static_cast<ptrdiff_t>(at));
    guard_.Accept(openPath_, dialog.text.substr(36, dialog.text.size() - 37), expected);
}

void InspectorSession::CloseEditor() {
    ExpectSame();
    HWND editor = Editor();
    const bool asks = history_.size() > 1 && !paletteSaved_;
    Send(editor, WM_COMMAND, MAKEWPARAM(kEditorClose, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(editor, kEditorClose)));
    if (!asks) return;
    // The question comes from the main window, after the editor's button.
    Dialog dialog;
    Require(AwaitDialog(Process(), Main(), dialog, 10000), "Close with an unsaved change did not ask");
    const int answer = RandomAnswer(dialog);
    Reply(dialog, answer);
    WaitFor([&] { return answer == IDNO || Editor() == nullptr; }, 5000);
    if (answer == IDYES) viewPalette_ = history_.front();
}

// The entry the window shows: read from the title, or from the buttons when
// the title is the program's name after a change in place.
int InspectorSession::ResolveShown() {
    const std::string title = WindowText(Main());
    if (title == target_.title) {
        const bool imageButtons = Enabled(target_.zoomIn) || Enabled(target_.zoomOut) || Enabled(target_.saveAs);
        return nameTitle_ && shown_ >= 0 && imageButtons ? shown_ : -1;
    }
    Require(hasFile_, "the title \"" + title + "\" with no file open");
    for (int k : expected_)
        if (k >= 0 && k <= LastIndex() && EntryTitle(k) == title) return k;
    for (int k = 0; k <= LastIndex(); ++k)
        if (EntryTitle(k) == title) return k;
    throw SoakFailure("the title \"" + title + "\" is neither the program's name nor imgscan's title of an entry of " +
                      openPath_.substr(openPath_.find_last_of('\\') + 1));
}

void InspectorSession::CheckState() {
    const int before = shown_;
    const int k = ResolveShown();
    const auto describe = [&](int n) { return n < 0 ? std::string("nothing") : "entry " + std::to_string(n); };
    std::string allowed;
    for (int n : expected_) allowed += (allowed.empty() ? "" : " or ") + describe(n);
    Require(expected_.count(k) > 0, "the window shows " + describe(k) + " where " + allowed + " was to be shown");
    shown_ = k;
    if (k >= 0) positions_ = {k};
    if (k != before && k >= 0) Loaded(k);
    if (k != before) {
        zoom_ = 1;
        zoomKnown_ = true;
        if (k < 0) nameTitle_ = false;
    }
    if (reloaded_) pictureKnown_ = OnlyExpectedMessages();
    reloaded_ = false;
    if (k >= 0) {
        CheckButtons(k);
        CheckPicture(k);
    } else {
        CheckNothingShown();
    }
    CheckEditor(k);
}

// Messages that say nothing went wrong with the picture shown.
bool InspectorSession::OnlyExpectedMessages() const {
    static const char* const kFine[] = {"Replaceable ", "The original file has been saved", "Do you ", "File already exists.",
                                        "Over 500 "};
    return std::all_of(Messages().begin(), Messages().end(), [](const std::string& text) {
        return std::any_of(std::begin(kFine), std::end(kFine), [&](const char* fine) { return text.rfind(fine, 0) == 0; });
    });
}

// The picture the view shows for entry `k`: the icon's display copy in the
// mask colour, the bitmap with the palette the view holds (a .bmp file
// itself, whatever entry is current).
std::vector<uint8_t> InspectorSession::ShownPicture(int k) const {
    FileSource file(openPath_);
    std::vector<uint8_t> bmp;
    if (Icons()) {
        if (RenderIconDisplayCopy(file, AsFound(Entry(k)), mask_, bmp) != ImageRead::Ok) bmp.clear();
        return bmp;
    }
    if (ShowsFileItself()) {
        const std::vector<unsigned char> bytes = ReadBytes(openPath_);
        bmp.assign(bytes.begin(), bytes.end());
        for (size_t i = 0; i < viewPalette_.size() && 54 + i < bmp.size(); ++i)
            if (i % 4 != 3) bmp[54 + i] = viewPalette_[i];
        return bmp;
    }
    if (BuildBitmapFile(file, AsFound(Entry(k)), bmp, viewPalette_.empty() ? nullptr : &viewPalette_) != ImageRead::Ok)
        bmp.clear();
    return bmp;
}

// Every sampled pixel of the picture, magnified and scrolled as the view's
// bars say, is on screen.
void InspectorSession::CheckPicture(int k) {
    if (!pictureKnown_ || !zoomKnown_ || IsIconic(Main())) return;
    RgbaImage image;
    const std::vector<uint8_t> bmp = ShownPicture(k);
    if (bmp.size() < 54 || !PaintedAlike(bmp) || DecodeBmpFile(bmp, image) != BmpPixels::Ok) return;
    if (static_cast<int32_t>(bmp[22] | bmp[23] << 8 | bmp[24] << 16 | bmp[25] << 24) < 0) return;  // top-down
    MoveMouseOver(Main());
    HWND across = VisibleBar(Main(), SBS_HORZ), down = VisibleBar(Main(), SBS_VERT);
    const int left = across ? static_cast<int>(SendMessageA(across, SBM_GETPOS, 0, 0)) : 0;
    const int top = down ? static_cast<int>(SendMessageA(down, SBM_GETPOS, 0, 0)) : 0;
    const int stepX = std::max(1, image.width / 16), stepY = std::max(1, image.height / 16);
    Tally("pictures compared with the image shown");
    if (left > 0 || top > 0) Tally("of them scrolled");
    if (zoom_ > 1) Tally("of them magnified");
    std::string mismatch;
    // A repaint may still be on its way (after a restore, say).
    const bool same = WaitFor([&] {
        const Capture shot = CaptureClient(Main());
        const int right = shot.width - (down ? GetSystemMetrics(SM_CXVSCROLL) : 0);
        const int bottom = shot.height - (across ? GetSystemMetrics(SM_CYHSCROLL) : 0);
        for (int y = top; y < image.height; y += stepY)
            for (int x = left; x < image.width; x += stepX) {
                const uint8_t* p = image.At(x, y);
                const int sx = (x - left) * zoom_ + zoom_ / 2, sy = kBarRows + (y - top) * zoom_ + zoom_ / 2;
                if (p[3] == 0 || sx >= right || sy >= bottom) continue;
                const COLORREF seen = shot.At(sx, sy), expected = RGB(p[0], p[1], p[2]);
                if (seen == expected) continue;
                char text[200];
                std::snprintf(text, sizeof text, "entry %d at zoom %d, scrolled to %d,%d: pixel %d,%d shows %06lX, not %06lX",
                              k, zoom_, left, top, x, y, static_cast<unsigned long>(seen),
                              static_cast<unsigned long>(expected));
                mismatch = text;
                return false;
            }
        return true;
    }, 2000);
    Require(same, "the picture is not the image shown: " + mismatch);
}

void InspectorSession::CheckButtons(int k) {
    const ListedImage& e = ShowsFileItself() && !entrySize_ ? fileHeader_ : Entry(k);
    const int64_t width = e.width, height = Icons() ? e.height / 2 : e.height;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    struct Expected {
        const char* name;
        int button;
        bool enabled;
    };
    std::vector<Expected> expected = {
        {"Previous", target_.previous, k > 0},
        {"Next", target_.next, k < LastIndex()},
        {"Save As", target_.saveAs, !fileMode_},
        {"Replace", target_.replace, !fileMode_},
    };
    if (zoomKnown_) {
        expected.push_back({"Zoom Out", target_.zoomOut, zoom_ != 1});
        expected.push_back({"Zoom In", target_.zoomIn,
                            zoom_ != kMaxZoom && (zoom_ + 1) * width < screenWidth && (zoom_ + 1) * height < screenHeight});
    }
    if (!Icons()) expected.push_back({"Palette Color", target_.palette, Editable(k) && Editor() == nullptr});
    const bool right = WaitFor([&] {
        for (const Expected& b : expected)
            if (Enabled(b.button) != b.enabled) return false;
        return true;
    }, 2000);
    if (right) return;
    std::string wrong;
    for (const Expected& b : expected)
        if (Enabled(b.button) != b.enabled) wrong += std::string(" ") + b.name + (b.enabled ? " off," : " on,");
    throw SoakFailure("buttons do not fit entry " + std::to_string(k) + " of " + std::to_string(LastIndex() + 1) +
                      " at zoom " + std::to_string(zoom_) + ":" + wrong);
}

void InspectorSession::CheckNothingShown() {
    for (int button : {target_.zoomIn, target_.zoomOut, target_.saveAs, target_.replace, target_.palette})
        Require(!Enabled(button), "a command on the image is on while nothing is shown (button " + std::to_string(button) + ")");
    // Previous and Next go on from the entry that could not be shown, so
    // that every other entry stays within reach.
    const std::set<int> candidates = hasFile_ && LastIndex() >= 0 ? nothingAt_ : std::set<int>{};
    std::set<int> fitting;
    WaitFor([&] {
        const bool previous = Enabled(target_.previous), next = Enabled(target_.next);
        fitting.clear();
        for (int p : candidates)
            if (previous == (p > 0) && next == (p < LastIndex())) fitting.insert(p);
        return candidates.empty() ? !previous && !next : !fitting.empty();
    }, 2000);
    std::string allowed;
    for (int p : candidates) allowed += " " + std::to_string(p);
    Require(candidates.empty() ? !Enabled(target_.previous) && !Enabled(target_.next) : !fitting.empty(),
            std::string("Previous ") + (Enabled(target_.previous) ? "on" : "off") + " and Next " +
                (Enabled(target_.next) ? "on" : "off") + " fit no current entry among" +
                (allowed.empty() ? " none (no file or no entry)" : allowed) + " of " + std::to_string(LastIndex() + 1));
    positions_ = fitting;
    if (!hasFile_ || IsIconic(Main())) return;
    // No picture stays under the program's name.
    MoveMouseOver(Main());
    const Capture shot = CaptureClient(Main());
    Tally("empty views checked");
    const int right = shot.width - (VisibleBar(Main(), SBS_VERT) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    const int bottom = shot.height - (VisibleBar(Main(), SBS_HORZ) ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    for (int y = kBarRows + 2; y < bottom; y += 3)
        for (int x = 0; x < right; x += 3)
            Require(shot.At(x, y) == RGB(255, 255, 255),
                    "a picture stays on screen while the title says nothing is shown (" + std::to_string(x) + ", " +
                        std::to_string(y) + ")");
}

void InspectorSession::CheckEditor(int k) {
    if (Icons()) return;
    HWND editor = Editor();
    if (editor == nullptr) {
        history_.clear();
        return;
    }
    Require(k >= 0 && Editable(k), "the palette editor is open while no bitmap with a palette is shown");
    Require(IsWindowVisible(editor) != FALSE, "the palette editor is hidden while the window is not minimised");
    const int changes = static_cast<int>(history_.size()) - 1;
    Require(IsWindowEnabled(GetDlgItem(editor, kUndo)) == (changes > 0) || changes < 0,
            "Undo does not fit " + std::to_string(changes) + " changes");
    Require((ControlText(GetDlgItem(editor, kStatus)) == "No more change allowed.") == (changes == kMaxChanges),
            "the status line does not fit " + std::to_string(changes) + " changes");
    for (int i = 0; i < 3; ++i) {
        const std::string value = ControlText(GetDlgItem(editor, kRedValue + i));
        const LRESULT position = SendMessageA(GetDlgItem(editor, kRedBar + i), SBM_GETPOS, 0, 0);
        Require(value == std::to_string(position), "a colour bar at " + std::to_string(position) + " shows " + value);
    }
}

}  // namespace

std::unique_ptr<Session> MakeInspectorSession(const Target& target, const SessionSetup& setup, uint64_t seed) {
    return std::make_unique<InspectorSession>(target, setup, seed);
}
