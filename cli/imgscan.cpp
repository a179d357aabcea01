// imgscan: the programs' image search and file writers on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/list_command.h"
#include "cli/write_commands.h"
#include "img_version.h"

namespace {

const char kUsage[] =
    "usage:\n"
    "  imgscan icons [--gallery] [--all-kinds] [--no-limit] [--json] FILE\n"
    "  imgscan bitmaps [--no-limit] [--json] FILE\n"
    "  imgscan extract-icon [--gallery] [--all-kinds] FILE INDEX OUT.ico\n"
    "  imgscan extract-bitmap FILE INDEX OUT.bmp\n"
    "  imgscan render-icon FILE INDEX OUT.bmp [--mask-color RRGGBB]\n"
    "  imgscan render-icon [--all-kinds] [--alpha] FILE INDEX OUT.png [--mask-color RRGGBB]\n"
    "  imgscan render-bitmap FILE INDEX OUT.png\n"
    "  imgscan sheet icons|bitmaps [--gallery] [--all-kinds] FILE OUT.png [--mask-color RRGGBB]\n"
    "  imgscan extract icons|bitmaps [--gallery] [--all-kinds] FILE OUTDIR\n"
    "  imgscan replace-icon [--update-checksum] FILE INDEX NEW.ico\n"
    "  imgscan replace-bitmap [--update-checksum] FILE INDEX NEW.bmp\n"
    "  imgscan --version\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> words(argv + 2, argv + argc);
    if (command == "icons") return RunListCommand(SearchKind::Icons, words, std::cout, std::cerr);
    if (command == "bitmaps") return RunListCommand(SearchKind::Bitmaps, words, std::cout, std::cerr);
    if (IsWriteCommand(command)) return RunWriteCommand(command, words, std::cout, std::cerr);
    if (command == "--version") {
        std::cout << "imgscan " IMG_VERSION_TEXT "\n";
        return 0;
    }
    if (command == "--help" || command == "help") {
        std::cout << kUsage;
        return 0;
    }
    std::cerr << "imgscan: unknown command " << command << "\n" << kUsage;
    return 2;
}
