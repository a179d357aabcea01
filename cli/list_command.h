#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "scan/image_scanner.h"

// imgscan icons|bitmaps: lists the images a search finds, as a table or JSON.
int RunListCommand(SearchKind kind, const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

// The JSON document of a finished search, on one line; `withKinds` (the
// search of --all-kinds) adds "kind": "dib" or "png" to every entry.
std::string ListJson(const std::string& path, SearchKind kind, const ScanResult& result, bool withKinds = false);
