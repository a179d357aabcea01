// The random session of the two galleries, MORDELIX (icons) and ZANDOVIR
// (bitmaps): pages of cells, one selected cell, Save As and Save All.
#include <algorithm>
#include <cstdio>
#include <map>

#include "imaging/bmp_layout.h"
#include "imaging/bmp_pixels.h"
#include "imaging/grid_layout.h"
#include "imaging/ico_layout.h"
#include "imaging/thumbnail.h"
#include "scan/byte_source.h"
#include "tests/e2e/gallery_view.h"
#include "tests/soak/session.h"

namespace {

constexpr int kConfirmYes = 6, kConfirmNo = 7, kConfirmYesToAll = 8;
constexpr COLORREF kRed = RGB(255, 0, 0);


class GallerySession : public Session {
public:
    using Session::Session;

protected:
    std::vector<Action> Actions() override;
    void CheckState() override;
    void Restarted() override;

private:
    bool Icons() const { return target_.search == Search::GalleryIcons; }
    int LastIndex() const { return static_cast<int>(listing_.entries.size()) - 1; }
    int CellsPerPage() const { return layout_.CellsPerPage(); }
    std::vector<FoundImage> Table() const;
    std::vector<uint8_t> FileOfEntry(int index) const;

    void Open(const Delivery& deliver);
    void Turn(int step);
    void ClickCell();
    void SaveAs();
    void SaveAll();
    void MaskColour();
    void CheckThumbnails();
    // The confirmation's answer: Yes, Yes to All, NO or Escape (NO).
    int Confirm(const Dialog& dialog);

    // What the session knows of the program.
    bool pageShown_ = false;  // a search found images: the start-up picture is gone
    std::string openPath_, openKey_;
    Listing listing_;
    int page_ = 0;
    int selected_ = -1;
    bool pageChanged_ = false;  // the page is to be checked pixel for pixel
    ColorRef mask_ = kDefaultMaskColor;
    GridLayout layout_;
    std::map<std::string, long> gdiByPage_;  // the drawing code's objects, by file and page
};

void GallerySession::Restarted() {
    pageShown_ = false;
    openPath_.clear();
    listing_ = Listing{};
    page_ = 0;
    selected_ = -1;
    mask_ = kDefaultMaskColor;
    RECT client;
    GetClientRect(Main(), &client);
    layout_ = Icons() ? IconGridLayout(client.right, client.bottom) : BitmapGridLayout(client.right, client.bottom);
}

std::vector<Action> GallerySession::Actions() {
    auto enabled = [this](int button) { return [this, button] { return Enabled(button); }; };
    std::vector<Action> actions = {
        {"open", 12, [] { return true; }, [this] { Open(OpenDialog()); }},
        {"drop", 4, [] { return true; }, [this] { Open(Drop()); }},
        {"previous page", 8, enabled(target_.previous), [this] { Turn(-1); }},
        {"next page", 10, enabled(target_.next), [this] { Turn(+1); }},
        {"cell click", 12, [this] { return pageShown_; }, [this] { ClickCell(); }},
        {"save as", 5, enabled(target_.saveAs), [this] { SaveAs(); }},
        {"save all", 4, enabled(target_.saveAll), [this] { SaveAll(); }},
        {"minimise and restore", 2, [] { return true; }, [this] { MinimiseAndRestore(); }},
        {"about", 1, [] { return true; }, [this] { Press(target_.about); }},
        {"help", 1, [] { return true; }, [this] { Press(target_.help); }},
        {"exit and start again", 1, [] { return true; }, [this] { ExitAndStartAgain(); }},
        {"second copy", 1, [] { return true; }, [this] { StartSecondCopy(); }},
    };
    if (Icons()) actions.push_back({"mask colour", 3, [] { return true; }, [this] { MaskColour(); }});
    return actions;
}

std::vector<FoundImage> GallerySession::Table() const {
    std::vector<FoundImage> table;
    for (const ListedImage& e : listing_.entries) table.push_back(AsFound(e));
    return table;
}

std::vector<uint8_t> GallerySession::FileOfEntry(int index) const {
    FileSource file(openPath_);
    std::vector<uint8_t> out;
    const FoundImage entry = AsFound(listing_.entries[static_cast<size_t>(index)]);
    const ImageRead read = Icons() ? BuildIconFile(file, entry, out) : BuildBitmapFile(file, entry, out);
    return read == ImageRead::Ok ? out : std::vector<uint8_t>{};
}

// Open: the search keeps the file and page shown unless it finds images.
void GallerySession::Open(const Delivery& deliver) {
    const CorpusFile& file = AnyFile();
    log_.Note(file.path.substr(file.path.find_last_of('\\') + 1) + " (" + file.label + ")");
    const bool refused = RefusedByOpen(file.kind);
    const Listing listing = refused ? Listing{} : imgscan_.List(target_.search, file.path);
    deliver(file.path, [&](const Dialog& dialog) { AnswerDefault(dialog); });
    selected_ = -1;  // Open clears the selection, even when cancelled
    if (refused || listing.entries.empty()) return;
    pageShown_ = true;
    openPath_ = file.path;
    openKey_ = ContentKey(file.path);
    listing_ = listing;
    page_ = 0;
    pageChanged_ = true;
}

void GallerySession::Turn(int step) {
    Press(step > 0 ? target_.next : target_.previous);
    page_ += step;
    selected_ = -1;
    pageChanged_ = true;
}

void GallerySession::ClickCell() {
    int slot = chance_.Below(CellsPerPage() + 3);
    POINT at = CellMiddle(layout_, slot);
    RECT client;
    GetClientRect(Main(), &client);
    if (chance_.OneIn(6)) at = {chance_.Below(client.right), chance_.Between(21, client.bottom - 1)};  // anywhere
    const CellHit hit = CellAt(layout_, page_, LastIndex(), at.x, at.y);
    log_.Note("at " + std::to_string(at.x) + "," + std::to_string(at.y) + " entry " + std::to_string(hit.index));
    Send(Main(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    Send(Main(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    if (hit.index >= 0) selected_ = hit.index;  // a click beside the cells in use keeps the selection
}

int GallerySession::Confirm(const Dialog& dialog) {
    static const int kAnswers[] = {kConfirmYes, kConfirmYes, kConfirmYesToAll, kConfirmNo, IDCANCEL};
    const int answer = kAnswers[chance_.Below(5)];
    if (answer == IDCANCEL) {
        ReplyEscape(dialog);
        return kConfirmNo;
    }
    Reply(dialog, answer);
    return answer;
}

void GallerySession::SaveAs() {
    const char* extension = Icons() ? ".ico" : ".bmp";
    const std::string target = chance_.OneIn(8) ? LockedFile(extension) : SavedPath("one" + std::to_string(chance_.Below(4)) + extension);
    if (chance_.OneIn(3) && !IsLocked(target)) WriteBytes(target, {7, 7, 7});
    const std::vector<unsigned char> before = ReadBytes(target);
    const bool existed = FileExists(target);
    const int index = selected_;
    log_.Note(target.substr(target.find_last_of('\\') + 1) + " entry " + std::to_string(index));
    int dialogs = 0, answer = kConfirmYes;
    Press(target_.saveAs, [&](const Dialog& dialog) {
        if (dialog.kind == DialogKind::File) {
            if (++dialogs == 1) {
                ReplyFile(dialog, target);
            } else {
                Reply(dialog, IDCANCEL);
            }
        } else if (dialog.kind == DialogKind::Confirm) {
            answer = Confirm(dialog);
        } else {
            AnswerDefault(dialog);
        }
    });
    const char* kind = Icons() ? "icon" : "bitmap";
    if (existed && answer == kConfirmNo) {
        Require(MessageShown(std::string("NO saving work for ") + kind + "(s)."), "NO to the only file did not say so");
        Require(ReadBytes(target) == before, "Save As changed the file the user kept");
        return;
    }
    if (IsLocked(target)) {
        Require(MessageShown("Unable to make a target file.") && ReadBytes(target) == before,
                "Save As onto a read-only file did not fail and leave it");
        return;
    }
    Require(MessageShown(std::string("Succeeded to save ") + kind + "(s) as " + kind + " file(s)."),
            "Save As did not say it succeeded");
    const std::vector<unsigned char> written = ReadBytes(target);
    Require(std::vector<uint8_t>(written.begin(), written.end()) == FileOfEntry(index),
            "Save As did not write the selected image");
}

// Save All into one of a few folders, some of whose numbered names are
// taken: every answer of the confirmation, checked file by file.
void GallerySession::SaveAll() {
    const std::string folder = SavedPath("all" + std::to_string(chance_.Below(3)));
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string base = folder + "\\" + (chance_.OneIn(2) ? "app" : "pic");
    const char* upper = Icons() ? ".ICO" : ".BMP";
    const int count = LastIndex() + 1;
    auto target = [&](int i) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d", i);
        return base + number + upper;
    };
    const int taken = chance_.Below(4);  // files already there
    for (int n = 0; n < taken; ++n) WriteBytes(target(chance_.Below(count)), {9, 9});
    std::vector<std::vector<unsigned char>> before(static_cast<size_t>(count));
    std::vector<bool> existed(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        existed[static_cast<size_t>(i)] = FileExists(target(i));
        if (existed[static_cast<size_t>(i)]) before[static_cast<size_t>(i)] = ReadBytes(target(i));
    }
    const bool wrongFirst = chance_.OneIn(5);
    log_.Note(base.substr(base.find_last_of('\\', base.size() - 5) + 1) + " (" + std::to_string(taken) + " taken)");
    std::vector<int> answers;
    int dialogs = 0;
    bool named = false;
    Press(target_.saveAll, [&](const Dialog& dialog) {
        if (dialog.kind == DialogKind::File) {
            ++dialogs;
            if (dialogs == 1 && wrongFirst) {
                ReplyFile(dialog, base + ".txt");
            } else if (dialogs <= 2 && chance_.Below(4) != 0) {
                named = true;
                ReplyFile(dialog, base + (Icons() ? ".ico" : ".bmp"));
            } else {
                Reply(dialog, IDCANCEL);
            }
        } else if (dialog.kind == DialogKind::Confirm) {
            answers.push_back(Confirm(dialog));
        } else {
            AnswerDefault(dialog);
        }
    });
    if (!named) return;
    // The run as the answers make it: NO stops it, Yes to All asks no more.
    std::vector<bool> written(static_cast<size_t>(count));
    size_t asked = 0;
    bool all = false, stopped = false;
    int stoppedAt = -1;
    for (int i = 0; i < count && !stopped; ++i) {
        if (existed[static_cast<size_t>(i)] && !all) {
            Require(asked < answers.size(), "Save All overwrote " + target(i) + " without asking");
            const int answer = answers[asked++];
            if (answer == kConfirmNo) {
                stopped = true;
                stoppedAt = i;
                break;
            }
            all = answer == kConfirmYesToAll;
        }
        written[static_cast<size_t>(i)] = true;
    }
    Require(asked == answers.size(), "Save All asked about a file that was not there");
    const std::string kind = Icons() ? "icon" : "bitmap";
    const std::string expected = !stopped         ? "Succeeded to save " + kind + "(s) as " + kind + " file(s)."
                                 : stoppedAt == 0 ? "NO saving work for " + kind + "(s)."
                                                  : "Interrupted saving work for " + kind + (Icons() ? "s." : ".");
    Require(MessageShown(expected), "Save All did not end with \"" + expected + "\"");
    for (int i = 0; i < count; ++i) {
        const std::vector<unsigned char> now = ReadBytes(target(i));
        if (written[static_cast<size_t>(i)]) {
            Require(std::vector<uint8_t>(now.begin(), now.end()) == FileOfEntry(i), "Save All wrote " + target(i) + " wrong");
        } else {
            Require(now == before[static_cast<size_t>(i)] && FileExists(target(i)) == existed[static_cast<size_t>(i)],
                    "Save All touched " + target(i) + " after the run stopped");
        }
    }
}

void GallerySession::MaskColour() {
    Press(target_.mask, [&](const Dialog& dialog) {
        if (dialog.kind != DialogKind::Colour) {
            AnswerDefault(dialog);
            return;
        }
        HWND combo = GetDlgItem(dialog.window, 122);
        const int swatch = chance_.Below(static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)));
        SendMessageA(combo, CB_SETCURSEL, swatch, 0);
        SendMessageA(dialog.window, WM_COMMAND, MAKEWPARAM(122, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        const bool chosen = !chance_.OneIn(4);
        log_.Note("swatch " + std::to_string(swatch));
        if (chosen) mask_ = static_cast<ColorRef>(SendMessageA(combo, CB_GETITEMDATA, swatch, 0));
        Reply(dialog, chosen ? IDOK : IDCANCEL);
    });
    pageChanged_ = true;
}

void GallerySession::CheckState() {
    Require(WindowText(Main()) == target_.title, "the title is \"" + WindowText(Main()) + "\"");
    const bool previous = pageShown_ && page_ > 0, next = pageShown_ && HasNextPage(layout_, page_, LastIndex());
    const bool saveAll = pageShown_, saveAs = pageShown_ && selected_ >= 0;
    const bool right = WaitFor([&] {
        return Enabled(target_.previous) == previous && Enabled(target_.next) == next &&
               Enabled(target_.saveAll) == saveAll && Enabled(target_.saveAs) == saveAs;
    }, 2000);
    Require(right, "buttons do not fit page " + std::to_string(page_) + " of " + std::to_string(LastIndex() + 1) +
                       " images with " + (selected_ >= 0 ? "entry " + std::to_string(selected_) : "no cell") + " selected");
    if (!pageShown_ || IsIconic(Main())) return;
    // The selection frame is there exactly while a cell is selected (G5).
    const PageRange range = PageEntries(layout_, page_, LastIndex());
    if (selected_ >= 0) {
        Require(selected_ >= range.first && selected_ <= range.last, "the selection is not on the page shown");
        Require(WaitFor([&] { return SelectionFrameIs(Main(), layout_, selected_ - range.first, kRed); }, 2000),
                "the selected cell has no red frame");
    }
    // The drawing code's objects: the same on every visit of a page.
    const long objects = static_cast<long>(SendMessageA(Main(), kLiveGdiObjectsMessage, 0, 0));
    const std::string key = openKey_ + "|" + std::to_string(page_);
    const auto known = gdiByPage_.find(key);
    if (known == gdiByPage_.end()) {
        gdiByPage_[key] = objects;
    } else {
        Require(objects == known->second, "the page holds " + std::to_string(objects) + " GDI objects, " +
                                              std::to_string(known->second) + " at an earlier visit");
    }
    if (pageChanged_ && Icons() && selected_ < 0) {
        Tally("icon pages compared pixel for pixel");
        const std::vector<FoundImage> table = Table();
        Require(WaitFor([&] { return ShowsIconPage(Main(), openPath_, table, layout_, page_, mask_); }, 3000),
                "the page does not show the icons of page " + std::to_string(page_));
    }
    if (pageChanged_ && !Icons()) CheckThumbnails();
    if (selected_ >= 0) Tally("selection frames checked");
    pageChanged_ = false;
}

// Thumbnails at their own size show their bitmap, centred in the cell; a
// cell the system could not load stays empty.
void GallerySession::CheckThumbnails() {
    struct Cell {
        int entry, left, top;
        RgbaImage image;
    };
    std::vector<Cell> cells;
    const PageRange range = PageEntries(layout_, page_, LastIndex());
    for (int k = range.first; k <= range.last; ++k) {
        const ListedImage& e = listing_.entries[static_cast<size_t>(k)];
        const Thumbnail size = ThumbnailSize(static_cast<int32_t>(e.width), static_cast<int32_t>(e.height));
        Cell cell{k, 0, 0, {}};
        if (e.height <= 0 || size.width != e.width || size.height != e.height ||
            DecodeBmpFile(FileOfEntry(k), cell.image) != BmpPixels::Ok)
            continue;
        const int slot = k - range.first;
        cell.left = layout_.Left() + layout_.pitchX * (slot % layout_.columns) + 97 - size.width / 2;
        cell.top = layout_.Top() + layout_.pitchY * (slot / layout_.columns) + 73 - size.height / 2;
        cells.push_back(std::move(cell));
        Tally("thumbnails compared with their bitmap");
    }
    int wrong = -1;
    const bool right = WaitFor([&] {  // the page's repaint may be on its way
        const Capture shot = CaptureClient(Main());
        for (const Cell& cell : cells) {
            bool same = true, white = true;
            const RgbaImage& image = cell.image;
            for (int y = 0; y < image.height; y += std::max(1, image.height / 5))
                for (int x = 0; x < image.width; x += std::max(1, image.width / 5)) {
                    const uint8_t* p = image.At(x, y);
                    if (p[3] == 0) continue;
                    const COLORREF seen = shot.At(cell.left + x, cell.top + y);
                    same = same && seen == RGB(p[0], p[1], p[2]);
                    white = white && seen == RGB(255, 255, 255);
                }
            if (!same && !white) {
                wrong = cell.entry;
                return false;
            }
        }
        return true;
    }, 3000);
    Require(right, "the cell of entry " + std::to_string(wrong) + " does not show its bitmap");
}

}  // namespace

std::unique_ptr<Session> MakeGallerySession(const Target& target, const SessionSetup& setup, uint64_t seed) {
    return std::make_unique<GallerySession>(target, setup, seed);
}
