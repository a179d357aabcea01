#pragma once
#include <string>
#include <vector>

// The .exe and .dll files (under 2 GiB) in the places a Debian machine with
// Wine and MinGW keeps them, and in the build folders, largest first.
std::vector<std::string> PeFilesLargestFirst();

// The first of them; empty when there is none.
std::string LargestPeFile();
