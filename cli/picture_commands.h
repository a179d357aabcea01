#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// imgscan's PNG pictures, for people who would rather look than read:
//   render-icon [--all-kinds] [--alpha] [--mask-color RRGGBB] FILE INDEX OUT.png
//       the display copy (mask pixels in the mask colour), or with --alpha the
//       icon with its mask (or alpha channel) as transparency
//   render-bitmap FILE INDEX OUT.png     (RLE4 and RLE8 expanded)
//   sheet icons|bitmaps [--gallery] [--all-kinds] [--mask-color RRGGBB] FILE OUT.png
//       one contact sheet of every image found, in index order
// Exit status as for the other writers: 0 written, 2 any error.
bool IsPictureCommand(const std::string& command, const std::vector<std::string>& words);
int RunPictureCommand(const std::string& command, const std::vector<std::string>& words, std::ostream& out,
                      std::ostream& err);
