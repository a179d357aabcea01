#pragma once
#include <iosfwd>
#include <string>

#include "cli/arguments.h"
#include "imaging/icon_render.h"
#include "scan/image_scanner.h"

// The search behind every imgscan command, as the program that owns the
// command runs it: a name ending in .ico gets the one-image check of icon
// files (not in the icon gallery's search), .ico and .bmp names their own
// "nothing found" messages. With options.allKinds the modern icon images too.
// Only a regular file is read: a folder, FIFO or device gets the search's
// "cannot open" message (reading a FIFO would wait forever).
ScanResult SearchFile(const std::string& path, ScanOptions options);

// Whether `path` is searched in the .ico / .bmp file mode of `kind`.
bool InFileMode(SearchKind kind, const std::string& path);

// The entries of FILE; on none (or an error) the search's message is on
// `err` and the result is false.
bool SearchWithMessage(const std::string& path, const ScanOptions& options, ScanResult& result, std::ostream& err);

// FILE INDEX TARGET (args.positional), after the search of `options`: the
// chosen entry. False, with the message on `err`, otherwise.
bool FindEntry(const ScanOptions& options, const Arguments& args, FoundImage& entry, std::ostream& err);

// RRGGBB.
bool ParseColor(const std::string& text, ColorRef& color);

// The mask colour of --mask-color, or the programs' default; false (message on `err`) when malformed.
bool MaskColorOption(const Arguments& args, ColorRef& color, std::ostream& err);
