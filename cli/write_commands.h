#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// imgscan's writers. Each returns the exit status: 0 when the files were
// written, 2 on any error or refusal (the program's message on `err`).
//   extract-icon [--gallery] FILE INDEX OUT.ico
//   extract-bitmap FILE INDEX OUT.bmp
//   render-icon FILE INDEX OUT.bmp [--mask-color RRGGBB]
//   extract icons|bitmaps [--gallery] FILE OUTDIR      (NAME000.ICO, NAME001.ICO, ... NAME from FILE)
//   replace-icon FILE INDEX NEW.ico
//   replace-bitmap FILE INDEX NEW.bmp
int RunWriteCommand(const std::string& command, const std::vector<std::string>& words, std::ostream& out,
                    std::ostream& err);

bool IsWriteCommand(const std::string& command);
