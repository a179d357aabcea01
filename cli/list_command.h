#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "scan/image_scanner.h"

// imgscan icons|bitmaps: lists the images a search finds, as a table or JSON.
int RunListCommand(SearchKind kind, const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

// The JSON document of a finished search, on one line.
std::string ListJson(const std::string& path, SearchKind kind, const ScanResult& result);
