#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scan/found_image.h"

// What imgscan.exe says of a file: the soak's oracle for the titles the
// programs must show and for the files they write. Its listings are the
// programs' searches, entry for entry (its --json output, see the README).

enum class Search { Icons, GalleryIcons, Bitmaps };

struct ListedImage {
    int64_t headerOffset = 0;
    int64_t width = 0, height = 0;  // height as stored: icons count XOR and AND rows
    int64_t bitCount = 0, colorCount = 0, imageSize = 0, maskSize = 0;
    bool compressed = false;
};

struct Listing {
    bool refused = false;       // exit status 2: the file is not searched at all
    bool limitReached = false;  // the search stopped at 500
    std::vector<ListedImage> entries;
    std::string message;        // the search's message (standard error), if any
};

// The entry as the core's image functions take it (to build expected files).
FoundImage AsFound(const ListedImage& e);

// The words of a title line: "32 x 32 x 16 (766 Bytes)", "64 x 48 x 256 RLE (3178 Bytes)".
std::string IconWords(const ListedImage& e);
std::string BitmapWords(const ListedImage& e);
// The inspectors' title for entry `e`: "Icon [ words at 0001A2B0 ]"; without
// the offset for a file shown itself (.ico, .bmp).
std::string InspectorTitle(Search search, const ListedImage& e, bool fileMode);

class Imgscan {
public:
    // `exe`: imgscan.exe; `scratch`: a folder of the soak's own for its output.
    Imgscan(std::string exe, std::string scratch);

    // The listing of `path` now (asked again only when its bytes changed).
    const Listing& List(Search search, const std::string& path);
    int Runs() const { return runs_; }

private:
    // Runs imgscan with `arguments`; its exit status, standard output and error.
    int Run(const std::string& arguments, std::string& out, std::string& err);

    std::string exe_, scratch_;
    std::map<std::string, Listing> listings_;  // by search and content
    int runs_ = 0;
};

// FNV-1a of a file's bytes with its size: equal content, equal key.
std::string ContentKey(const std::string& path);
