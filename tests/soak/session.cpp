#include "tests/soak/session.h"

#include <algorithm>
#include <cstdio>

#include "tests/e2e/explorer.h"
#include "tests/soak/gdi_objects.h"

namespace {

constexpr Target kTargets[] = {
    {"VESKARIN", "Arvelle", Search::Icons, true, 113, 114, 115, 116, 117, 118, 119, 0, 112, 120, 121, 122, 0,
     "Assign an icon file to save."},
    {"PELTRANE", "Dunmarra", Search::Bitmaps, true, 113, 114, 115, 116, 117, 118, 119, 120, 0, 121, 122, 123, 0,
     "Assign a bitmap file to save."},
    {"MORDELIX", "Coravel (for EXE/DLL)", Search::GalleryIcons, false, 112, 113, 114, 0, 0, 116, 0, 0, 111, 117, 118,
     119, 115, "Assign an icon file to save."},
    {"ZANDOVIR", "Estrivo (for EXE/DLL)", Search::Bitmaps, false, 110, 111, 112, 0, 0, 114, 0, 0, 0, 115, 116, 117, 113,
     "Assign a bitmap file to save."},
};

// Wine keeps caches of its own (fonts, the file dialog's image lists): the
// count may settle somewhat above what it was after the first steps, but a
// leak of one object per step soon goes beyond this.
constexpr long kGdiSlack = 60;
constexpr int kGdiWarmUpSteps = 30;

std::string ButtonName(int button) {
    switch (button) {
        case IDOK: return "OK";
        case IDCANCEL: return "Cancel";
        case IDYES: return "Yes";
        case IDNO: return "No";
        case 8: return "Yes to All";
    }
    return std::to_string(button);
}

// `folder`, made if it is not there.
std::string Folder(const std::string& folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string ExeOf(const Target& target) { return Setting((std::string(target.program) + "_EXE").c_str()); }

}  // namespace

const Target* FindTarget(const std::string& name) {
    for (const Target& target : kTargets)
        if (name == target.program) return &target;
    return nullptr;
}

Session::Session(const Target& target, const SessionSetup& setup, uint64_t seed)
    : target_(target), chance_(seed), imgscan_(setup.imgscan, Folder(setup.work) + "\\scratch"), setup_(setup) {
    corpusFolder_ = setup.work + "\\corpus";
    saved_ = Folder(setup.work + "\\saved");
    scratch_ = setup.work + "\\scratch";
    CorpusPlan plan{corpusFolder_, setup.wineModules, setup.modules, setup.pictures, target.program, target.search,
                    target.inspector, 14};
    corpus_ = MakeCorpus(plan, imgscan_, chance_);
    guard_.Watch(corpusFolder_);
}

void Session::Start() {
    temporaryBefore_ = TemporaryFiles();
    window_ = std::make_unique<MainWindow>(ExeOf(target_), target_.program, target_.title, target_.exit);
    Require(window_->Window() != nullptr && window_->ButtonWindow(target_.exit) != nullptr,
            "the program did not start with its window and bar");
    ++starts_;
    gdiBaseline_ = -1;
}

void Session::Run(int seconds, int steps) {
    Start();
    Restarted();
    const std::vector<Action> actions = Actions();
    const DWORD start = GetTickCount();
    int sinceStart = 0;
    while (GetTickCount() - start < static_cast<DWORD>(seconds) * 1000 && (steps == 0 || steps_ < steps)) {
        const Action& action = ChooseAction(actions, chance_);
        log_.Begin(++steps_, action.name);
        messages_.clear();
        namedDialog_ = nullptr;
        const int startsBefore = starts_;
        action.run();
        if (starts_ != startsBefore) sinceStart = 0;
        if (++sinceStart == kGdiWarmUpSteps) gdiBaseline_ = GdiObjectsOf(Process().Id());
        CheckCommon();
        CheckState();
        stepMilliseconds_ = GetTickCount() - start;
    }
    log_.Begin(steps_ + 1, "exit");
    ExitProgram();
}

void Session::CheckCommon() {
    const int exit = Process().WaitForExit(0);
    Require(exit == -1, "the program ended (exit code " + std::to_string(exit) + ")");
    Require(Answers(Main()), "the program does not answer within 5 s");
    Dialog left;
    Require(!FindActiveDialog(Process(), Main(), left), "a dialog stays open: " + left.Describe());
    guard_.Check();
    for (const std::string& folder : {corpusFolder_, saved_}) {
        const std::vector<std::string> halfMade = HalfMadeFiles(folder);
        Require(halfMade.empty(), "a half-made file stays: " + (halfMade.empty() ? "" : halfMade.front()));
    }
    const long objects = GdiObjectsOf(Process().Id());
    if (objects < 0) return;
    log_.Note("(gdi " + std::to_string(objects) + ")");
    gdiLow_ = gdiLow_ < 0 ? objects : std::min(gdiLow_, objects);
    gdiHigh_ = std::max(gdiHigh_, objects);
    Require(gdiBaseline_ < 0 || objects <= gdiBaseline_ + kGdiSlack,
            "GDI objects grow: " + std::to_string(objects) + " held, " + std::to_string(gdiBaseline_) + " after " +
                std::to_string(kGdiWarmUpSteps) + " steps");
}

void Session::Note(const Dialog& dialog, const std::string& answer) {
    if (dialog.kind == DialogKind::Message) {
        messages_.push_back(dialog.text);
        ++messageCounts_[dialog.Describe()];
    }
    log_.Note("[" + dialog.Describe() + " -> " + answer + "]");
}

std::string Session::LockedFile(const char* extension) {
    const std::string path = SavedPath(std::string("locked") + extension);
    if (!FileExists(path)) {
        WriteBytes(path, {'l', 'o', 'c', 'k'});
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    return path;
}

bool Session::IsLocked(const std::string& path) const {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool Session::MessageShown(const std::string& text) const {
    return std::find(messages_.begin(), messages_.end(), text) != messages_.end();
}

void Session::Press(int button, const std::function<void(const Dialog&)>& answer) {
    Send(Button(button), BM_CLICK, 0, 0, answer);
}

void Session::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                   const std::function<void(const Dialog&)>& answer) {
    Command command(target, message, wParam, lParam);
    FollowCommand(Process(), Main(), command, [&](const Dialog& dialog) {
        // A file dialog that stays open with a file named in a folder that
        // exists has not taken the name yet: it gets it again.
        const DWORD named = GetFileAttributesA(namedPath_.c_str());
        const DWORD folder = GetFileAttributesA(namedPath_.substr(0, namedPath_.find_last_of('\\')).c_str());
        if (dialog.window == namedDialog_ && !(named != INVALID_FILE_ATTRIBUTES && (named & FILE_ATTRIBUTE_DIRECTORY)) &&
            folder != INVALID_FILE_ATTRIBUTES) {
            log_.Note("(again)");
            ReplyFile(dialog, namedPath_);
        } else if (answer) {
            answer(dialog);
        } else {
            AnswerDefault(dialog);
        }
    });
}

void Session::Reply(const Dialog& dialog, int button) {
    AnswerAndWait(dialog, [&] { PressDialogButton(dialog.window, button); });
    Note(dialog, ButtonName(button));
}

void Session::ReplyEscape(const Dialog& dialog) {
    AnswerAndWait(dialog, [&] { PressEscape(dialog); });
    Note(dialog, "Escape");
}

void Session::ReplyFile(const Dialog& dialog, const std::string& path) {
    namedDialog_ = dialog.window;
    namedPath_ = path;
    AnswerAndWait(dialog, [&] { AnswerFileDialog(dialog.window, path); });
    Note(dialog, path.substr(path.find_last_of('\\') + 1));
}

int Session::RandomAnswer(const Dialog& dialog) {
    if (GetDlgItem(dialog.window, IDYES) == nullptr) return IDOK;
    std::vector<int> answers{IDYES, IDNO};
    if (GetDlgItem(dialog.window, IDCANCEL) != nullptr) answers.push_back(IDCANCEL);
    return chance_.Pick(answers);
}

void Session::AnswerDefault(const Dialog& dialog) {
    switch (dialog.kind) {
        case DialogKind::Message: Reply(dialog, RandomAnswer(dialog)); break;
        case DialogKind::File:
        case DialogKind::Colour: Reply(dialog, IDCANCEL); break;
        case DialogKind::Confirm: Reply(dialog, 7); break;
        case DialogKind::Other: Reply(dialog, IDOK); break;
    }
}

Session::Delivery Session::OpenDialog() {
    return [this](const std::string& path, const std::function<void(const Dialog&)>& after) { OpenThroughDialog(path, after); };
}

Session::Delivery Session::Drop() {
    return [this](const std::string& path, const std::function<void(const Dialog&)>& after) {
        const WPARAM drop = MakeDropHandle(Main(), {path});
        Require(drop != 0, "no drop handle could be made in the program");
        Send(Main(), WM_DROPFILES, drop, 0, after);
    };
}

void Session::OpenThroughDialog(const std::string& path, const std::function<void(const Dialog&)>& after) {
    bool named = false;
    Press(target_.open, [&](const Dialog& dialog) {
        if (dialog.kind == DialogKind::File && dialog.caption == "Select a file to open.") {
            // The first dialog gets the name; one that comes back (a refused
            // name, a folder entered) is cancelled.
            if (!named) {
                named = true;
                ReplyFile(dialog, path);
            } else {
                Reply(dialog, IDCANCEL);
            }
            return;
        }
        after(dialog);
    });
}

void Session::ExitProgram() {
    // Exit, or the close box.
    const bool closeBox = chance_.OneIn(2);
    log_.Note(closeBox ? "(close box)" : "(Exit)");
    Command command(closeBox ? Main() : Button(target_.exit), closeBox ? WM_SYSCOMMAND : BM_CLICK, closeBox ? SC_CLOSE : 0);
    const DWORD start = GetTickCount();
    while (Process().WaitForExit(0) == -1) {
        Dialog dialog;
        if (FindActiveDialog(Process(), Main(), dialog)) {
            Reply(dialog, dialog.kind == DialogKind::Message && GetDlgItem(dialog.window, IDYES) ? IDYES : IDOK);
            continue;
        }
        Require(GetTickCount() - start < 30000, "Exit did not end the program within 30 s");
        command.Done();
        Sleep(10);
    }
    Require(Process().WaitForExit(0) == 0, "the program ended with exit code " + std::to_string(Process().WaitForExit(0)));
    std::vector<std::string> left;
    for (const std::string& name : TemporaryFiles())
        if (temporaryBefore_.count(name) == 0) left.push_back(name);
    Require(left.empty(), "a temporary file stays after Exit: " + (left.empty() ? "" : left.front()));
}

void Session::ExitAndStartAgain() {
    ExitProgram();
    Start();
    Restarted();
}

void Session::StartSecondCopy() {
    // A running copy is found by its title: the program's name, or an image
    // title with its offset (an image of a file shown itself has none).
    const std::string title = WindowText(Main());
    const std::string imageTitle = target_.search == Search::Bitmaps ? "Bitmap [ " : "Icon [ ";
    const bool found = title.find(target_.title) != std::string::npos ||
                       (target_.inspector && title.find(imageTitle) != std::string::npos && title.find(" at ") != std::string::npos);
    Program second(ExeOf(target_));
    Require(second.Started(), "a second copy did not start");
    if (found) {
        Require(second.WaitForExit(15000) == 0, "a second copy did not end at once by itself");
        return;
    }
    log_.Note("(runs beside: the title has no offset)");
    Require(second.FindWindowOf(target_.program, target_.title) != nullptr, "a second copy showed no window");
    for (HWND window : second.Windows()) PostMessageA(window, WM_CLOSE, 0, 0);
    Require(second.WaitForExit(15000) == 0, "a second copy did not end when closed");
}

void Session::MinimiseAndRestore(const std::function<void()>& whileMinimised) {
    Send(Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Require(IsIconic(Main()) != FALSE, "the window did not minimise");
    if (whileMinimised) whileMinimised();
    Send(Main(), WM_SYSCOMMAND, SC_RESTORE, 0);
    Require(IsIconic(Main()) == FALSE, "the window did not come back");
}

std::string Session::Summary() const {
    char line[256];
    std::snprintf(line, sizeof line, "%s: %d steps, %d starts of the program, %zu corpus files, %d imgscan runs, "
                                     "GDI objects %ld..%ld\n",
                  target_.program, steps_, starts_, corpus_.size(), imgscan_.Runs(), gdiLow_, gdiHigh_);
    std::string summary = line;
    for (const auto& [what, count] : tallies_) summary += "  " + std::to_string(count) + " " + what + "\n";
    std::vector<std::pair<int, std::string>> shown;
    for (const auto& [text, count] : messageCounts_) shown.emplace_back(count, text);
    std::sort(shown.rbegin(), shown.rend());
    for (const auto& [count, text] : shown) summary += "  " + std::to_string(count) + " x " + text + "\n";
    return summary;
}
