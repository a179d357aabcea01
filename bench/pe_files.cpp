#include "bench/pe_files.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

std::vector<std::string> PeFilesLargestFirst() {
    std::vector<std::pair<uintmax_t, std::string>> found;
    for (const char* root : {"/usr/lib/x86_64-linux-gnu/wine", "/usr/lib/wine", "/usr/x86_64-w64-mingw32",
                             "/usr/lib/gcc/x86_64-w64-mingw32", "build", "../build"}) {
        std::error_code ec;
        if (!fs::exists(root, ec)) continue;
        for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
             it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (ec) break;
            const std::string ext = it->path().extension().string();
            if (ext != ".exe" && ext != ".dll" && ext != ".EXE" && ext != ".DLL") continue;
            const uintmax_t size = it->file_size(ec);
            if (!ec && size < (uintmax_t{1} << 31)) found.emplace_back(size, it->path().string());
        }
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::string> paths;
    for (auto& [size, path] : found) paths.push_back(std::move(path));
    return paths;
}

std::string LargestPeFile() {
    const std::vector<std::string> files = PeFilesLargestFirst();
    return files.empty() ? std::string() : files.front();
}
