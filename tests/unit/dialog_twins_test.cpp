// Every dialog of the programs' resource scripts has its Japanese twin (the
// same name with "_J", or the panel "...J") with the same controls in the
// same order, so that code written against one works with the other.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The control identifiers of each dialog, in order.
std::map<std::string, std::vector<std::string>> DialogControls(const std::string& path) {
    std::map<std::string, std::vector<std::string>> dialogs;
    std::ifstream file(path);
    std::string line, current;
    bool inside = false;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string first, second;
        words >> first >> second;
        if (second == "DIALOG") current = first, dialogs[current];
        if (first == "BEGIN" && !current.empty()) inside = true;
        if (first == "END") inside = false, current.clear();
        if (!inside || first == "BEGIN") continue;
        // KIND "text", ID, ...  or  KIND ID, ...
        const size_t quote = line.rfind('"');
        const std::string rest = quote != std::string::npos ? line.substr(quote + 1) : line.substr(line.find(first) + first.size());
        std::string id = rest.substr(rest.find_first_not_of(", "));
        id = id.substr(0, id.find(','));
        dialogs[current].push_back(first + " " + id);
    }
    return dialogs;
}

TEST(DialogTwins, EachDialogHasAJapaneseTwinWithTheSameControls) {
    for (const char* script : {"veskarin.rc", "peltrane.rc"}) {
        const std::string path = std::string(IMG_SOURCE_DIR) + "/resources/" + script;
#ifdef _WIN32
        if (!std::ifstream(path)) GTEST_SKIP() << "the sources are not reachable from here: " << path;
#endif
        const auto dialogs = DialogControls(path);
        ASSERT_GE(dialogs.size(), 4u) << script;
        for (const auto& [name, controls] : dialogs) {
            if (name.size() > 2 && name.compare(name.size() - 2, 2, "_J") == 0) continue;
            if (name.back() == 'J') continue;
            const auto twin = dialogs.find(name.rfind("_DLG") != std::string::npos ? name + "_J" : name + "J");
            ASSERT_NE(twin, dialogs.end()) << script << ": " << name;
            EXPECT_EQ(twin->second, controls) << script << ": " << name;
            EXPECT_FALSE(controls.empty()) << script << ": " << name;
        }
    }
}

}  // namespace
