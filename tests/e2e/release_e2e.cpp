// A program of the release, started from where the user put it (installed,
// or unpacked from a zip): it carries the release's version, and its Help
// button hands the guide beside it, in the language of Windows, to the
// program registered for PDF files. Run by scripts/check-release.sh, once
// per program and language, with:
//   RELEASE_PROGRAM   the program's path       RELEASE_HELP     its Help command number
//   RELEASE_GUIDE     the guide Help must open RELEASE_VERSION  the release's version
//   E2E_WORK          a folder for the stand-in viewer's copy
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "tests/e2e/desktop.h"

namespace {

std::string FileVersionOf(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::string block(size, '\0');
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, &block[0])) return "(no version resource)";
    char* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\FileVersion", reinterpret_cast<void**>(&text), &length))
        return "(no FileVersion)";
    return std::string(text);
}

// A viewer for PDF files that copies the file it is given, registered for
// the test's duration.
class StandInViewer {
public:
    explicit StandInViewer(const std::string& copy) {
        const std::string command = "C:\\windows\\system32\\cmd.exe /c copy \"%1\" \"" + copy + "\"";
        RegSetValueA(HKEY_CLASSES_ROOT, "ReleaseViewer\\shell\\open\\command", REG_SZ, command.c_str(),
                     static_cast<DWORD>(command.size()));
        RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, "ReleaseViewer", 13);
    }
    ~StandInViewer() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, ".pdf");
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "ReleaseViewer");
    }
};

TEST(Release, TheProgramCarriesTheVersionAndItsHelpOpensTheGuideBesideIt) {
    const std::string program = Setting("RELEASE_PROGRAM");
    EXPECT_EQ(FileVersionOf(program), Setting("RELEASE_VERSION"));

    const std::string viewed = Setting("E2E_WORK") + "\\viewed.pdf";
    DeleteFileA(viewed.c_str());
    StandInViewer viewer(viewed);
    Program running(program);
    ASSERT_TRUE(running.Started()) << program;
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        const std::vector<HWND> windows = running.Windows();
        window = windows.empty() ? nullptr : windows.front();
        return window != nullptr;
    })) << "no window of " << program;

    PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(std::atoi(Setting("RELEASE_HELP").c_str())), 0);
    const std::vector<unsigned char> guide = ReadBytes(Setting("RELEASE_GUIDE"));
    ASSERT_GT(guide.size(), 1000u) << Setting("RELEASE_GUIDE");
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(viewed) == guide; })) << "Help did not open " << Setting("RELEASE_GUIDE");
    EXPECT_EQ(running.Windows().size(), 1u) << "a message instead of the guide";

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.WaitForExit(), 0);
}

}  // namespace
