#include "frame/detection.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

#include "frame/frame_state.h"
#include "frame/guards.h"
#include "framecore/os_variant.h"

namespace {

constexpr char kNtKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// Sets the NT CurrentVersion of this test's own prefix for one test and puts
// the old value back afterwards.
class RegistryVersion : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kNtKey, 0, KEY_READ | KEY_SET_VALUE, &key_), ERROR_SUCCESS);
        char old[256] = {};
        DWORD size = sizeof old;
        had_ = RegQueryValueExA(key_, "CurrentVersion", nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
               ERROR_SUCCESS;
        old_ = old;
    }
    void TearDown() override {
        if (had_) Set(old_);
        RegCloseKey(key_);
    }
    void Set(const std::string& version) {
        RegSetValueExA(key_, "CurrentVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                       static_cast<DWORD>(version.size() + 1));
    }
    int Detect(const std::string& version) {
        Set(version);
        frame.osVariant = 0;
        DetectOsVariant();
        return frame.osVariant;
    }
    HKEY key_ = nullptr;
    bool had_ = false;
    std::string old_;
};

TEST_F(RegistryVersion, TheNtVersionChoosesTheVariant) {
    EXPECT_EQ(Detect("5.2"), 5);
    EXPECT_EQ(Detect("6.1"), 6);
    EXPECT_EQ(Detect("10.0"), 7);
    EXPECT_EQ(Detect("5.0"), 4);
}

TEST(UiLanguage, FollowsTheAnsiCodePage) {
    DetectUiLanguage();
    EXPECT_EQ(frame.japanese, GetACP() == 932);
}

TEST(DriveGuard, OnlyFixedAndRamDisksAreUsed) {
    EXPECT_FALSE(IsRefusedDrive("C:\\"));
    EXPECT_FALSE(IsRefusedDrive("Z:\\"));  // Wine's view of the Unix root
    EXPECT_TRUE(IsRefusedDrive("Q:\\"));   // no such drive
    EXPECT_EQ(DriveRoot("c:\\data\\app.exe"), "C:\\");
}

TEST(FreeSpace, TheDiskOfTheTemporaryFolderHasRoomForAnIcon) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    EXPECT_TRUE(HasFreeSpace(temp, 766));
    EXPECT_FALSE(HasFreeSpace(temp, UINT64_C(1) << 62));
}

// Every button of an inspector has its twelve bitmaps, and its pictures and
// dialogs are there.
void ExpectResources(const char* path, std::initializer_list<const char*> buttons,
                     std::initializer_list<const char*> named) {
    HMODULE program = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << path;
    int found = 0;
    for (const char* base : buttons)
        for (int variant : {0, 2, 4, 5})
            for (ButtonState state : {ButtonState::Up, ButtonState::Down, ButtonState::Inactive}) {
                const std::string name = ButtonBitmapName(base, variant, state);
                const bool present = FindResourceA(program, name.c_str(), MAKEINTRESOURCEA(2)) != nullptr;  // RT_BITMAP
                EXPECT_TRUE(present) << path << ": " << name;
                found += present;
            }
    EXPECT_EQ(found, static_cast<int>(buttons.size()) * 12);
    for (const char* name : named)
        EXPECT_TRUE(FindResourceA(program, name, MAKEINTRESOURCEA(2)) != nullptr ||
                    FindResourceA(program, name, MAKEINTRESOURCEA(5)) != nullptr)  // RT_DIALOG
            << path << ": " << name;
    FreeLibrary(program);
}

TEST(ButtonBitmaps, EachInspectorCarriesEveryFamilyAndStateOfItsButtons) {
    ExpectResources(VESKARIN_PATH,
                    {"Gap", "Mask", "Open", "Prev", "Next", "ZmOut", "ZmIn", "SaveAs", "Replc", "About", "Help", "Exit", "Space"},
                    {"IBMP_1", "ABOUT_DLG", "ABOUT_DLG_J", "COLORSELECT_DLG_J", "PLEASEWAIT_DLG_J"});
    ExpectResources(PELTRANE_PATH,
                    {"Gap", "Open", "Prev", "Next", "ZmOut", "ZmIn", "SaveAs", "Replc", "PlMode", "About", "Help", "Exit", "Space"},
                    {"IBMP_1", "ABOUT_DLG", "ABOUT_DLG_J", "PALETTESET_DLG", "PALETTESET_DLG_J", "PLEASEWAIT_DLG_J"});
}

}  // namespace
