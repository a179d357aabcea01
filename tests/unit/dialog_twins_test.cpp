// Every dialog of the programs' resource scripts has its Japanese twin
// (NAME_J, or NAMEJ for the panels named by an identifier) with the same
// control identifiers, so that the code finds the same controls in both.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

// Dialog name -> the identifiers of its controls, in order.
std::map<std::string, std::vector<std::string>> DialogsOf(const std::string& script) {
    std::ifstream in(std::string(IMG_SOURCE_DIR) + "/resources/" + script);
    std::map<std::string, std::vector<std::string>> dialogs;
    const std::regex header(R"(^(\w+)\s+DIALOG\b)");
    const std::regex text(R"(^\s*(LTEXT|CTEXT|RTEXT|DEFPUSHBUTTON|PUSHBUTTON|GROUPBOX)\s+"(?:[^"\\]|\\.)*"\s*,\s*([\w-]+))");
    const std::regex other(R"(^\s*(EDITTEXT|COMBOBOX|LISTBOX|SCROLLBAR)\s+([\w-]+))");
    const std::regex icon(R"(^\s*ICON\s+\w+\s*,\s*([\w-]+))");
    std::string line, current;
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_search(line, m, header)) {
            current = m[1];
            dialogs[current];
        } else if (line.rfind("END", 0) == 0) {
            current.clear();
        } else if (!current.empty()) {
            if (std::regex_search(line, m, text) || std::regex_search(line, m, other))
                dialogs[current].push_back(m[2]);
            else if (std::regex_search(line, m, icon))
                dialogs[current].push_back(m[1]);
        }
    }
    return dialogs;
}

bool IsTwin(const std::string& name) {
    return (name.size() > 2 && name.compare(name.size() - 2, 2, "_J") == 0) || (name[0] == 'k' && name.back() == 'J');
}

TEST(DialogTwins, EveryDialogHasAJapaneseTwinWithTheSameControls) {
    for (const char* script : {"veskarin.rc", "peltrane.rc", "mordelix.rc", "zandovir.rc", "confirm_overwrite.rc", "progress_box.rc",
                               "wait_box.rc"}) {
        const auto dialogs = DialogsOf(script);
        EXPECT_FALSE(dialogs.empty()) << script;
        for (const auto& [name, controls] : dialogs) {
            if (IsTwin(name)) continue;
            const std::string twin = name[0] == 'k' ? name + "J" : name + "_J";
            ASSERT_EQ(dialogs.count(twin), 1u) << script << ": " << name << " has no " << twin;
            EXPECT_EQ(dialogs.at(twin), controls) << script << ": " << twin;
            EXPECT_FALSE(controls.empty()) << script << ": " << name;
        }
    }
}

}  // namespace
