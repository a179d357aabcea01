#pragma once
#include <string>
#include <vector>

#include "tests/soak/imgscan_oracle.h"
#include "tests/soak/soak.h"

// The files a session opens: real Windows modules (a seeded sample of Wine's
// own DLLs and EXEs, copied) and damaged files made from them.

enum class FileKind {
    Module,          // a copy of a real module
    Damaged,         // made from a module: cut, moved or overflowing headers
    Picture,         // an .ico or .bmp file of its own (whole or damaged)
    Empty,           // no bytes at all
    Folder,          // a folder with a module's name
    Missing,         // a name that is not there
    ReadOnly,        // a module copy marked read-only
    WrongExtension,  // a name the Open dialog refuses
    OwnProgram,      // the program's own file
};

struct CorpusFile {
    std::string path;
    FileKind kind;
    std::string label;  // how it was made, for the report
};

struct CorpusPlan {
    std::string folder;                // made anew; the session's files live here
    std::string wineModules;           // Wine's x86_64-windows folder
    std::vector<std::string> modules;  // further real modules (the programs' own builds)
    std::vector<std::string> pictures; // .bmp or .ico files to open
    std::string program;               // the program under test
    Search search;                     // the program's search: damage goes where it finds images
    bool inspector;                    // opens .ico or .bmp files too
    int moduleCount;                   // Wine modules in the sample
};

std::vector<CorpusFile> MakeCorpus(const CorpusPlan& plan, Imgscan& imgscan, Chance& chance);

// Files the Open dialog's checks refuse before any search.
bool RefusedByOpen(FileKind kind);

// `bytes` with its length cut to `size`.
std::vector<unsigned char> Cut(std::vector<unsigned char> bytes, size_t size);
void PutLittle32(std::vector<unsigned char>& bytes, size_t at, uint32_t value);
