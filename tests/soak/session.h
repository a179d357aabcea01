#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/desktop.h"
#include "tests/soak/corpus.h"
#include "tests/soak/file_guard.h"
#include "tests/soak/imgscan_oracle.h"
#include "tests/soak/soak.h"
#include "tests/soak/user_command.h"

// What the soak knows of a program: its names, its search and its bar.
struct Target {
    const char* program;  // "VESKARIN": its window class; its copy is the setting VESKARIN_EXE
    const char* title;    // the window title while no image is shown
    Search search;
    bool inspector;
    // The bar's buttons by control identifier; 0 where the program has none.
    int open, previous, next, zoomOut, zoomIn, saveAs, replace, palette, mask, about, help, exit, saveAll;
    const char* saveTitle;  // the Save As dialog's title
};

// The target called `name`; nullptr when there is none.
const Target* FindTarget(const std::string& name);

// Where a session lives and what it opens.
struct SessionSetup {
    std::string work;                  // the session's own folder (made anew)
    std::string imgscan;               // imgscan.exe
    std::string wineModules;           // Wine's x86_64-windows folder
    std::vector<std::string> modules;  // further real modules
    std::vector<std::string> pictures; // sample pictures to open
};

// One program's random session: the program, its corpus, the random
// actions and the invariants checked after every step.
class Session {
public:
    Session(const Target& target, const SessionSetup& setup, uint64_t seed);
    virtual ~Session() = default;

    // Takes random steps until `seconds` have passed or `steps` were taken
    // (0: no limit), then exits the program. Throws SoakFailure.
    void Run(int seconds, int steps);

    const StepLog& Log() const { return log_; }
    int Steps() const { return steps_; }
    // Minutes spent taking steps (the corpus made, the program started before).
    double StepMinutes() const { return stepMilliseconds_ / 60000.0; }
    // The figures of the run, for the report.
    std::string Summary() const;

protected:
    // The program's actions and its own invariants.
    virtual std::vector<Action> Actions() = 0;
    virtual void CheckState() = 0;
    // The program has just started: nothing is open.
    virtual void Restarted() = 0;

    HWND Main() const { return window_->Window(); }
    const Program& Process() const { return window_->Process(); }
    bool Enabled(int button) const { return button != 0 && window_->Enabled(button); }
    HWND Button(int button) const { return window_->ButtonWindow(button); }

    // Presses a bar button and follows its command to the end; `answer`
    // answers each dialog on the way (AnswerDefault when empty).
    void Press(int button, const std::function<void(const Dialog&)>& answer = nullptr);
    // Sends a message as a user's action and follows it the same way.
    void Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
              const std::function<void(const Dialog&)>& answer = nullptr);

    // Answers: each is noted in the step's record.
    void Reply(const Dialog& dialog, int button);   // presses a button of the dialog
    void ReplyEscape(const Dialog& dialog);
    void ReplyFile(const Dialog& dialog, const std::string& path);  // names a file and presses OK
    // Any dialog the action did not plan for: OK, Cancel or a random answer to a question.
    void AnswerDefault(const Dialog& dialog);
    // A random answer of a Yes/No (and Cancel) message box.
    int RandomAnswer(const Dialog& dialog);

    // How a file reaches the program: named in the Open dialog, or dropped
    // on the window as Explorer drops it; `after` answers the dialogs that
    // follow.
    using Delivery = std::function<void(const std::string& path, const std::function<void(const Dialog&)>& after)>;
    Delivery OpenDialog();
    Delivery Drop();
    // The program's Exit (its question answered Yes), checked to leave no
    // temporary file, and the program started again.
    void ExitAndStartAgain();
    // A second copy of the program ends at once and leaves this one alone.
    void StartSecondCopy();
    // `whileMinimised` checks the windows in between.
    void MinimiseAndRestore(const std::function<void()>& whileMinimised = nullptr);

    const CorpusFile& AnyFile() { return chance_.Pick(corpus_); }
    std::string SavedPath(const std::string& name) const { return saved_ + "\\" + name; }
    // A read-only file among the saved ones ("locked.ico"): never overwritten.
    std::string LockedFile(const char* extension);
    bool IsLocked(const std::string& path) const;
    // The messages shown during this step.
    const std::vector<std::string>& Messages() const { return messages_; }
    bool MessageShown(const std::string& text) const;
    // Counts a check made, for the report ("pictures compared").
    void Tally(const std::string& what) { ++tallies_[what]; }

    const Target& target_;
    Chance chance_;
    StepLog log_;
    Imgscan imgscan_;
    FileGuard guard_;
    std::vector<CorpusFile> corpus_;
    std::string corpusFolder_, saved_, scratch_;

private:
    void Start();
    void ExitProgram();
    void CheckCommon();
    void Note(const Dialog& dialog, const std::string& answer);
    void OpenThroughDialog(const std::string& path, const std::function<void(const Dialog&)>& after);

    SessionSetup setup_;
    std::unique_ptr<MainWindow> window_;
    std::set<std::string> temporaryBefore_;
    HWND namedDialog_ = nullptr;  // the file dialog last given a name in this step, and the name
    std::string namedPath_;
    std::vector<std::string> messages_;
    std::map<std::string, int> messageCounts_;
    std::map<std::string, int> tallies_;
    int steps_ = 0, starts_ = 0;
    DWORD stepMilliseconds_ = 0;
    long gdiBaseline_ = -1, gdiLow_ = -1, gdiHigh_ = -1;
};

std::unique_ptr<Session> MakeInspectorSession(const Target& target, const SessionSetup& setup, uint64_t seed);
std::unique_ptr<Session> MakeGallerySession(const Target& target, const SessionSetup& setup, uint64_t seed);
